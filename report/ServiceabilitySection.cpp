#include "report/ServiceabilitySection.h"

#include "design/TaskCheck.h"
#include "design/TaskServiceability.h"
#include "model/TError.h"
#include "report/ReportFormats.h"

#include <QLocale>

QString LimitCheckRow(const TLimitCheck& c)
{
    const QString unit = c.Unit.isEmpty() ? QString() : QLatin1Char(' ') + c.Unit;
    const QString line = QStringLiteral("<tr><td>") + UserText(c.Name) + QStringLiteral("<td>") + UserText(c.Clause);
    if (!c.Decided())
        return line + QStringLiteral("<td> <td> <td> <td>?<td> <td>") + UserText(c.Undecided);
    return line + QStringLiteral("<td>") + DisplayText(c.DesignValue) + unit + QStringLiteral("<td>")
        + DisplayText(c.Resistance) + unit + QStringLiteral("<td>") + QLocale().toString(c.Utilisation * 100, 'f', 1)
        + QStringLiteral(" %<td>") + (c.Ok() ? QStringLiteral("✓") : QStringLiteral("✗")) + QStringLiteral("<td>")
        + (c.x >= 0 ? DisplayText(c.x) : QString()) + QStringLiteral("<td>") + UserText(c.GovernedBy);
}

QString LimitCheckTableHead(const QString& resistance)
{
    return QStringLiteral("<table 1><tr><td>posudek<td>článek<td>návrhová hodnota<td>") + resistance
        + QStringLiteral("<td>využití<td> <td>x [m]<td>kombinace");
}

QStringList ServiceabilityLines(const TTask& task)
{
    // With the deflections printed, or a member check that the deflection completes.
    const bool member = CheckMaterialOf(task) != TCheckMaterial::None;
    const bool asked = task.Print[TPrintOption::LoadCaseDeflections].Checked
        || task.Print[TPrintOption::CombinationDeflections].Checked || member;
    if (task.LoadCases.empty() || !asked)
        return {};
    QStringList lines { QStringLiteral("<br><h2>Rozhodující průhyb</h2><br>") };
    TTaskServiceability s;
    try {
        s = TaskServiceability(task);
    } catch (const TError& e) {
        return lines << UserText(e.Message) + QStringLiteral("<br>");
    }
    if (!s.Result.Problem.isEmpty() && !member)
        return {}; // the result blocks say why there is no deflection
    if (!s.Result.Problem.isEmpty())
        return lines << UserText(s.Result.Problem) + QStringLiteral("<br>");
    lines << QStringLiteral("kombinace: ") + UserText(s.Basis) + QStringLiteral("<br>");
    lines << LimitCheckTableHead(QStringLiteral("mezní hodnota"));
    for (const TLimitCheck& c : s.Result.Checks)
        lines << LimitCheckRow(c);
    lines << QStringLiteral("</table><br>");
    for (const QString& w : s.Result.Warnings)
        lines << UserText(w) + QStringLiteral("<br>");
    return lines;
}
