// trabik-cli check: the steel (ČSN EN 1993-1-1) or timber (ČSN EN 1995-1-1) beam check of a task as
// JSON.
#include "cli/CliCommand.h"
#include "design/TaskCheck.h"
#include "design/TimberTask.h"
#include "model/TError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>

namespace {

// A value that is not a finite number (Mcr of a beam that cannot tip over) is null.
QJsonValue Number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QJsonObject RowJson(const TCheckRow& row)
{
    return { { "check", row.Name }, { "clause", row.Clause }, { "unit", row.Unit }, { "design", Number(row.Design) },
        { "resistance", Number(row.Resistance) },
        { "utilisation", row.Decided ? Number(row.Utilisation) : QJsonValue() }, { "x", row.x }, { "by", row.By },
        { "decided", row.Decided }, { "why", row.Why }, { "ok", row.Ok() } };
}

QJsonObject CheckJson(const TSteelCheck& c)
{
    const auto ltb = [&](double value) { return c.HasLtb && c.Ltb.Decided ? Number(value) : QJsonValue(); };
    QJsonArray rows;
    for (const TCheckRow& row : c.Rows())
        rows.append(RowJson(row));
    return { { "section", c.SectionName }, { "grade", c.GradeName }, { "fy", c.fy }, { "class", c.Class },
        { "MEd", c.Bending.Design }, { "McRd", c.McRd }, { "VEd", c.Shear.Design }, { "VplRd", c.VplRd },
        { "Mcr", ltb(c.Mcr) }, { "chiLT", ltb(c.ChiLT) }, { "MbRd", ltb(c.MbRd) },
        { "utilisation",
            QJsonObject { { "bending", c.Bending.Utilisation }, { "shear", c.Shear.Utilisation },
                { "bendingShear", c.BendingShear.Utilisation }, { "ltb", ltb(c.Ltb.Utilisation) } } },
        { "checks", rows }, { "ok", c.Ok() } };
}

int RunCheck(const QCommandLineParser& parser)
{
    const QString file = Arguments(parser, 1, "one task file is required").constFirst();
    const TTask task = OpenTask(file);
    QJsonObject result;
    switch (CheckMaterialOf(task)) {
    case TCheckMaterial::None:
        throw TFileError(file, CheckMaterialProblem(task));
    case TCheckMaterial::Timber: {
        const TTimberInputs inputs = OnFile(file, [&] { return TimberInputsOf(task); });
        const TTimberTaskResult check = OnFile(file, [&] { return CheckTaskTimber(task); });
        result = TimberCheckJson(inputs, check);
        break;
    }
    case TCheckMaterial::Steel: {
        const TSteelCheck check = OnFile(file, [&] { return CheckTaskSteel(task); });
        if (!check.Refused.isEmpty())
            throw TFileError(file, check.Refused);
        result = CheckJson(check);
        break;
    }
    }
    const QByteArray json = QJsonDocument(result).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

const TCliRegistrar registrar({
    QStringLiteral("check"),
    QStringLiteral("check TASK.DAT"),
    QStringLiteral("the steel or timber beam check (ČSN EN 1993-1-1, 1995-1-1) as JSON"),
    QStringLiteral("\nChecks the section of the deflection tab (IPE, HEA, HEB, HEM, UPE, UPN) in the task's\n"
                   "steel grade against the design values of every combination with a member (or of every\n"
                   "load case when there is none), with the task's self-weight choice: class, bending,\n"
                   "shear, the shear buckling limit, bending with shear along the beam and, with an\n"
                   "unrestrained length, lateral-torsional buckling. kNm, kN, MPa; Mcr, chiLT and MbRd\n"
                   "are null without an unrestrained length. \"checks\" lists each check with its clause,\n"
                   "governing position (m) and combination. A task without a steel section, or one the\n"
                   "program does not check (class 4), exits with 1 and the reason. With classified load\n"
                   "cases the design values are those of the EN 1990 ULS combinations.\n"
                   "A timber task (strength class with b x h, or the material chosen on the Posouzení\n"
                   "tab) gives \"material\": \"timber\" with sigmaMd, fmd, tauD, fvd, kmod, kcrit, wInst,\n"
                   "wFin (MPa, mm), \"utilisation\" {bending, shear, bearing, wInst, wFin} and \"problems\"."),
    {},
    RunCheck,
});

} // namespace
