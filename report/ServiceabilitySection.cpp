#include "report/ServiceabilitySection.h"

#include "design/TaskCheck.h"
#include "design/TaskServiceability.h"
#include "model/TError.h"
#include "report/ReportFormats.h"

#include <QLocale>

QString LimitCheckRow(const TLimitCheck& c, bool withClause)
{
    const QString unit = c.Unit.isEmpty() ? QString() : QLatin1Char(' ') + c.Unit;
    const QString line = QStringLiteral("<tr><td>") + UserText(c.Name)
        + (withClause ? QStringLiteral("<td>") + UserText(c.Clause) : QString());
    if (!c.Decided())
        return line + QStringLiteral("<td> <td> <td> <td>?");
    return line + QStringLiteral("<td>") + DisplayText(c.DesignValue) + unit + QStringLiteral("<td>")
        + DisplayText(c.Resistance) + unit + QStringLiteral("<td>") + QLocale().toString(c.Utilisation * 100, 'f', 1)
        + QStringLiteral(" %<td>") + (c.Ok() ? QStringLiteral("✓") : QStringLiteral("✗"));
}

QString LimitCheckWhere(const TLimitCheck& c)
{
    if (!c.Decided())
        return UserText(c.Name) + QStringLiteral(": ") + UserText(c.Undecided) + QStringLiteral("<br>");
    QString line = UserText(c.Name) + QStringLiteral(":");
    if (c.x >= 0)
        line += QStringLiteral(" x = ") + DisplayText(c.x) + QStringLiteral(" m,");
    return line + QStringLiteral(" <i>") + UserText(c.GovernedBy) + QStringLiteral("</i><br>");
}

QString LimitCheckTableHead(const QString& resistance, bool withClause)
{
    return QStringLiteral("<table 1><tr><td>posudek") + (withClause ? QStringLiteral("<td>článek") : QString())
        + QStringLiteral("<td>návrhová hodnota<td>") + resistance + QStringLiteral("<td>využití<td> ");
}

QStringList ServiceabilityLines(const TTask& task)
{
    // With the deflections printed, or a member check that the deflection completes.
    const bool member = CheckMaterialOf(task) != TCheckMaterial::None;
    const bool asked = task.Print[TPrintOption::LoadCaseDeflections].Checked
        || task.Print[TPrintOption::CombinationDeflections].Checked || member;
    if (task.LoadCases.empty() || !asked)
        return {};
    QStringList lines { QStringLiteral("<keep><br><h2>Rozhodující průhyb</h2><br>") };
    TTaskServiceability s;
    try {
        s = TaskServiceability(task);
    } catch (const TError& e) {
        return lines << UserText(e.Message) + QStringLiteral("<br></keep>");
    }
    if (!s.Result.Problem.isEmpty() && !member)
        return {}; // the result blocks say why there is no deflection
    if (!s.Result.Problem.isEmpty())
        return lines << UserText(s.Result.Problem) + QStringLiteral("<br></keep>");
    lines << QStringLiteral("kombinace: ") + UserText(s.Basis) + QStringLiteral("<br>");
    // One clause for all (the usual case) is said once, above the table.
    bool oneClause = true;
    for (const TLimitCheck& c : s.Result.Checks)
        oneClause = oneClause && c.Clause == s.Result.Checks.front().Clause;
    if (oneClause && !s.Result.Checks.empty())
        lines << QStringLiteral("podle ") + UserText(s.Result.Checks.front().Clause) + QStringLiteral("<br>");
    lines << LimitCheckTableHead(QStringLiteral("mezní hodnota"), !oneClause);
    for (const TLimitCheck& c : s.Result.Checks)
        lines << LimitCheckRow(c, !oneClause);
    lines << QStringLiteral("</table><br>");
    for (const TLimitCheck& c : s.Result.Checks)
        lines << LimitCheckWhere(c);
    for (const QString& w : s.Result.Warnings)
        lines << UserText(w) + QStringLiteral("<br>");
    return lines << QStringLiteral("</keep>");
}
