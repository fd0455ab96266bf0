#include "report/TimberSection.h"

#include "design/TaskCheck.h"
#include "design/TimberTask.h"
#include "model/TError.h"
#include "report/ReportFormats.h"
#include "report/ServiceabilitySection.h"

#include <QLocale>

namespace {

QString Factor(double v)
{
    return QLocale().toString(v, 'f', 3);
}

QString Value(double v)
{
    return QLocale().toString(v, 'g', 6);
}

} // namespace

QStringList TimberCheckLines(const TTask& task)
{
    if (CheckMaterialOf(task) != TCheckMaterial::Timber)
        return {};
    QStringList lines { QStringLiteral("<keep><br><h2>Posouzení dřevěného trabíku podle ČSN EN 1995-1-1</h2><br>") };
    TTimberInputs in;
    TTimberTaskResult r;
    try {
        in = TimberInputsOf(task);
        r = CheckTaskTimber(task);
    } catch (const TError& e) {
        return lines << UserText(e.Message) + QStringLiteral("<br></keep>");
    }
    const TTimberResult& u = r.Uls;
    if (!r.Problem.isEmpty() || !u.Class)
        return lines << UserText(r.Problem.isEmpty() ? u.Problem : r.Problem) + QStringLiteral("<br></keep>");
    lines << QStringLiteral("průřez ") + Value(in.b) + QStringLiteral(" × ") + Value(in.h)
            + QStringLiteral(" mm, třída ") + QString::fromLatin1(u.Class->Name)
            + (u.Class->Glulam ? QStringLiteral(" (ČSN EN 14080)") : QStringLiteral(" (ČSN EN 338)"))
            + QStringLiteral(": f<sub>m,k</sub> = ") + Value(u.Class->fmk) + QStringLiteral(" MPa, f<sub>v,k</sub> = ")
            + Value(u.Class->fvk) + QStringLiteral(" MPa, f<sub>c,90,k</sub> = ") + Value(u.Class->fc90k)
            + QStringLiteral(" MPa, E<sub>0,mean</sub> = ") + Value(u.Class->E0mean) + QStringLiteral(" MPa<br>");
    lines << QStringLiteral("třída provozu ") + QString::number(in.ServiceClass)
            + QStringLiteral(", <gama><sub>M</sub> = ") + QLocale().toString(u.GammaM, 'f', 2)
            + QStringLiteral(" (tabulka 2.3 a národní příloha), k<sub>mod</sub> = ")
            + QLocale().toString(u.Kmod, 'f', 2)
            + QStringLiteral(" (tabulka 3.1, nejkratší trvání zatížení v rozhodující kombinaci), k<sub>h</sub> = ")
            + Factor(u.Kh) + QStringLiteral(" (3.2(3), 3.3(3))<br>");
    lines << (in.Lef > 0 ? QStringLiteral("klopení (6.3.3): l<sub>ef</sub> = ") + DisplayText(in.Lef)
                + QStringLiteral(" m, λ<sub>rel,m</sub> = ") + Factor(u.Buckling.LambdaRel)
                + QStringLiteral(", k<sub>crit</sub> = ") + Factor(u.Buckling.Kcrit) + QStringLiteral("<br>")
                         : QStringLiteral("klopení: tlačený okraj držen spojitě, k<sub>crit</sub> = 1<br>"));
    lines << LimitCheckTableHead(QStringLiteral("únosnost"));
    bool ok = true, decided = true;
    std::vector<const TLimitCheck*> checks;
    for (const TLimitCheck* c : { &u.Bending, &u.Shear, &u.BearingA, &u.BearingB })
        if (!c->Name.isEmpty()) // a free end bears on nothing
            checks.push_back(c);
    for (const TLimitCheck* c : checks) {
        lines << LimitCheckRow(*c);
        ok = ok && (c->Ok() || !c->Decided());
        decided = decided && c->Decided();
    }
    lines << QStringLiteral("</table><br>");
    for (const TLimitCheck* c : checks)
        lines << LimitCheckWhere(*c);
    // A verdict only where every check decides; a failed one is said even so.
    lines << (!ok     ? QStringLiteral("Průřez v mezním stavu únosnosti nevyhovuje.<br>")
            : decided ? QStringLiteral("Průřez v mezním stavu únosnosti vyhovuje.<br>")
                      : QStringLiteral("Posouzení v mezním stavu únosnosti není úplné (viz otazníky).<br>"));
    return lines << QStringLiteral("</keep>");
}
