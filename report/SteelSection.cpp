#include "report/SteelSection.h"

#include "design/En1990.h"
#include "design/TaskCheck.h"
#include "model/TError.h"
#include "report/ReportFormats.h"

#include <QLocale>

namespace {

QString Percent(double utilisation)
{
    return QLocale().toString(utilisation * 100, 'f', 1) + QStringLiteral(" %");
}

// One row: check, clause, design value, resistance, utilisation, verdict, position, combination.
QString RowLine(const TCheckRow& row)
{
    const QString unit = row.Unit == QLatin1String("-") ? QString() : QLatin1Char(' ') + row.Unit;
    QString line = QStringLiteral("<tr><td>") + row.Name + QStringLiteral("<td>") + row.Clause;
    if (!row.Decided)
        return line + QStringLiteral("<td>") + DisplayText(row.Design) + unit
            + QStringLiteral("<td> <td> <td>?<td> <td>") + UserText(row.Why);
    return line + QStringLiteral("<td>") + DisplayText(row.Design) + unit + QStringLiteral("<td>")
        + DisplayText(row.Resistance) + unit + QStringLiteral("<td>") + Percent(row.Utilisation)
        + QStringLiteral("<td>") + (row.Ok() ? QStringLiteral("✓") : QStringLiteral("✗")) + QStringLiteral("<td>")
        + (row.By.isEmpty() ? QString() : DisplayText(row.x)) + QStringLiteral("<td>") + UserText(row.By);
}

QString RestraintLine(const TTask& task, const TSteelCheck& c)
{
    if (!c.HasLtb)
        return QStringLiteral("klopení: tlačený pás držen spojitě<br>");
    const TSteelCheckInput input = SteelCheckInputOf(task);
    QString line = QStringLiteral("klopení (6.3.2.3, válcovaný průřez, f = 1): vzdálenost příčných podpor ")
        + DisplayText(input.LtbLength) + QStringLiteral(" m, zatížení na ") + LoadLevelText(input.LoadLevel);
    if (c.Ltb.Decided)
        line += QStringLiteral(", M<sub>cr</sub> = ") + DisplayText(c.Mcr)
            + QStringLiteral(" kNm, <kapa><sub>LT</sub> = ") + DisplayText(c.ChiLT)
            + QStringLiteral(", M<sub>b,Rd</sub> = ") + DisplayText(c.MbRd) + QStringLiteral(" kNm");
    return line + QStringLiteral("<br>");
}

} // namespace

QStringList SteelCheckLines(const TTask& task)
{
    if (CheckMaterialOf(task) != TCheckMaterial::Steel || task.Deflection.CheckBox23
        || !FindSection(task.Deflection.Section))
        return {}; // the rectangle's values do not belong to the section named
    // Kept on one page, as the timber section is.
    QStringList lines { QStringLiteral("<keep>"),
        QStringLiteral("<br><h2>Posouzení ocelového trabíku podle ČSN EN 1993-1-1</h2><br>") };
    TSteelCheck c;
    try {
        c = CheckTaskSteel(task);
    } catch (const TError& e) {
        return lines << UserText(e.Message) + QStringLiteral("<br></keep>");
    }
    if (!c.Refused.isEmpty())
        return lines << UserText(c.Refused) + QStringLiteral("<br></keep>");
    lines << QStringLiteral("průřez ") + UserText(c.SectionName) + QStringLiteral(", ocel ") + c.GradeName
            + QStringLiteral(": f<sub>y</sub> = ") + QString::number(c.fy)
            + QStringLiteral(" MPa (tabulka 3.1), <gama><sub>M0</sub> = <gama><sub>M1</sub> = ")
            + QLocale().toString(GammaM0, 'f', 1) + QStringLiteral(" (národní příloha), třída průřezu ")
            + QString::number(c.Class) + QStringLiteral(" (pásnice ") + QString::number(c.FlangeClass)
            + QStringLiteral(", stěna ") + QString::number(c.WebClass) + QStringLiteral("; tabulka 5.2)<br>");
    const bool en1990 = AnyLoadCaseClassified(task);
    if (en1990)
        lines << QStringLiteral("návrhové hodnoty: kombinace MSÚ podle ČSN EN 1990, 6.4.3.2 (")
                + (UsesRule610(task) ? QStringLiteral("6.10") : QStringLiteral("6.10a,b")) + QStringLiteral(")<br>");
    if (task.Steel.SelfWeight.trimmed() == QLatin1String("1") && en1990)
        lines << QStringLiteral(
            "včetně zatěžovacího stavu „vlastní tíha průřezu“ jako stálého zatížení v kombinacích<br>");
    else if (task.Steel.SelfWeight.trimmed() == QLatin1String("1"))
        lines << QStringLiteral("včetně zatěžovacího stavu „vlastní tíha průřezu“, <gama><sub>f</sub> = ")
                + QLocale().toString(SelfWeightFactor, 'f', 2) + QStringLiteral(" (ČSN EN 1990, tabulka A1.2(B))<br>");
    lines << RestraintLine(task, c);
    lines << QStringLiteral("<table 1><tr><td>posudek<td>článek<td>návrhová hodnota<td>únosnost<td>využití<td> "
                            "<td>x [m]<td>kombinace");
    for (const TCheckRow& row : c.Rows())
        lines << RowLine(row);
    lines << QStringLiteral("</table><br>");
    lines << (c.Ok() ? QStringLiteral("Průřez vyhovuje.<br>") : QStringLiteral("Průřez nevyhovuje.<br>"));
    return lines << QStringLiteral("</keep>");
}
