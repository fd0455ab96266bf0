// trabik-cli calc: the reactions and the 101 samples of one load case, one combination or the
// envelope of all combinations, as JSON.
#include "analysis/Checks.h"
#include "analysis/Combinations.h"
#include "cli/CliCommand.h"
#include "model/TError.h"
#include "storage/uProjectFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>
#include <utility>

namespace {

struct TCalcArgs
{
    QString File;
    QString Case;
    QString Combination;
    bool HasCase = false;
    bool HasCombination = false;
    bool Envelope = false;
};

TCalcArgs ParseCalcArgs(const QStringList& args)
{
    TCalcArgs a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool isCase = arg == QLatin1String("--case");
        if (arg == QLatin1String("--envelope")) {
            if (a.HasCase || a.HasCombination || a.Envelope)
                throw TUsageError("choose one load case, one combination or the envelope");
            a.Envelope = true;
        } else if (isCase || arg == QLatin1String("--combination")) {
            if (i + 1 >= args.size())
                throw TUsageError(QStringLiteral("%1 needs a name").arg(arg).toStdString());
            if (a.HasCase || a.HasCombination || a.Envelope)
                throw TUsageError("choose one load case, one combination or the envelope");
            (isCase ? a.Case : a.Combination) = args[++i];
            (isCase ? a.HasCase : a.HasCombination) = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            throw TUsageError(QStringLiteral("unknown option %1").arg(arg).toStdString());
        } else if (a.File.isEmpty()) {
            a.File = arg;
        } else {
            throw TUsageError("only one task file can be given");
        }
    }
    if (a.File.isEmpty())
        throw TUsageError("a task file is required");
    return a;
}

// Puts the choice into the calculation tab's controls, as a user would. A name that matches nothing
// is an error here, with the message the window shows beside its zeros.
void Choose(TTask& task, const TCalcArgs& a)
{
    if (a.Envelope) {
        task.Calc.Mode = TCalculationChoice::Envelope;
        return;
    }
    if (a.HasCombination) {
        task.Calc.Mode = TCalculationChoice::Combination;
        task.Calc.ComboBox2 = a.Combination;
    } else {
        task.Calc.Mode = TCalculationChoice::LoadCase;
        task.Calc.ComboBox1 = a.HasCase || task.LoadCases.empty() ? a.Case : task.LoadCases.front().Caption;
    }
    const QString missing = MissingChoiceMessage(task, task.Calc);
    if (!missing.isEmpty())
        throw TError(missing);
}

QJsonArray SamplesJson(const TSamples& samples)
{
    QJsonArray array;
    for (double v : samples)
        array.append(v);
    return array;
}

// QJsonDocument writes the shortest text that reads back as the same double: full precision.
QJsonObject ResultJson(const TResultStore& s)
{
    QJsonObject o;
    o[QStringLiteral("An")] = s.An;
    o[QStringLiteral("Bn")] = s.Bn;
    o[QStringLiteral("Man")] = s.Man;
    o[QStringLiteral("Mbn")] = s.Mbn;
    o[QStringLiteral("Ad")] = s.Ad;
    o[QStringLiteral("Bd")] = s.Bd;
    o[QStringLiteral("Mad")] = s.Mad;
    o[QStringLiteral("Mbd")] = s.Mbd;
    o[QStringLiteral("Mn")] = SamplesJson(s.Mn);
    o[QStringLiteral("Md")] = SamplesJson(s.Md);
    o[QStringLiteral("Qn")] = SamplesJson(s.Qn);
    o[QStringLiteral("Qd")] = SamplesJson(s.Qd);
    o[QStringLiteral("fn")] = SamplesJson(s.fn);
    return o;
}

void PutRange(QJsonObject& o, const char* name, const TRange& range)
{
    o[QLatin1String(name) + QLatin1String("max")] = range.Max;
    o[QLatin1String(name) + QLatin1String("min")] = range.Min;
}

QJsonObject EnvelopeJson(const TEnvelope& e)
{
    QJsonObject o;
    o[QStringLiteral("over")] = e.OverLoadCases ? QStringLiteral("loadCases") : QStringLiteral("combinations");
    o[QStringLiteral("count")] = e.Count;
    const std::pair<const char*, const TRange*> reactions[] = { { "An", &e.An }, { "Bn", &e.Bn }, { "Man", &e.Man },
        { "Mbn", &e.Mbn }, { "Ad", &e.Ad }, { "Bd", &e.Bd }, { "Mad", &e.Mad }, { "Mbd", &e.Mbd } };
    for (const auto& [name, range] : reactions)
        PutRange(o, name, *range);
    const std::pair<const char*, const TSamples*> curves[] = { { "Mnmax", &e.Mnmax }, { "Mnmin", &e.Mnmin },
        { "Mdmax", &e.Mdmax }, { "Mdmin", &e.Mdmin }, { "Qnmax", &e.Qnmax }, { "Qnmin", &e.Qnmin },
        { "Qdmax", &e.Qdmax }, { "Qdmin", &e.Qdmin }, { "fmax", &e.fmax }, { "fmin", &e.fmin } };
    for (const auto& [name, samples] : curves)
        o[QLatin1String(name)] = SamplesJson(*samples);
    return o;
}

QJsonObject ExtremeJson(const TExtreme& e)
{
    QJsonObject o;
    o[QStringLiteral("max")] = e.Max;
    o[QStringLiteral("xmax")] = e.xMax;
    o[QStringLiteral("min")] = e.Min;
    o[QStringLiteral("xmin")] = e.xMin;
    return o;
}

QJsonObject ExtremesJson(const TExtremes& e)
{
    QJsonObject o;
    o[QStringLiteral("Mn")] = ExtremeJson(e.Mn);
    o[QStringLiteral("Md")] = ExtremeJson(e.Md);
    o[QStringLiteral("Qn")] = ExtremeJson(e.Qn);
    o[QStringLiteral("Qd")] = ExtremeJson(e.Qd);
    o[QStringLiteral("fn")] = ExtremeJson(e.f);
    return o;
}

// null when there is no check (the reason is among the warnings or on stderr).
QJsonValue DeflectionCheckJson(const TDeflectionCheck& c)
{
    if (!c.Done)
        return QJsonValue::Null;
    QJsonObject o;
    o[QStringLiteral("limitRatio")] = c.LimitRatio;
    o[QStringLiteral("referenceLength")] = c.ReferenceLength;
    o[QStringLiteral("fLimit_mm")] = c.fLimit_mm;
    o[QStringLiteral("fMax_mm")] = c.fMax_mm;
    o[QStringLiteral("utilisation")] = c.Utilisation;
    o[QStringLiteral("ok")] = c.Ok;
    return o;
}

int RunCalc(const QStringList& args)
{
    const TCalcArgs a = ParseCalcArgs(args);
    QStringList warnings;
    TTask task = OpenTask(a.File, &warnings);
    Choose(task, a);
    QTextStream err(stderr);
    const TCalculation calc = Calculate(task);
    const TResultStore& store = calc.Sums;
    // Not an error: the forces are there, the deflection stays 0 and the user is told why. An E or
    // Iy that is not a number is also among the warnings: the file itself holds the mistake.
    const QString deflectionProblem = DeflectionProblem(store);
    if (!deflectionProblem.isEmpty())
        err << deflectionProblem << Qt::endl;
    QJsonObject result = a.Envelope ? EnvelopeJson(store.Envelope) : ResultJson(store);
    result[QStringLiteral("extremes")] = ExtremesJson(calc.Extremes);
    const TDeflectionCheck check
        = CheckDeflection(calc.Typ, calc.SpanL, task.Deflection.DeflectionLimit, store, calc.Extremes.f);
    result[QStringLiteral("deflectionCheck")] = DeflectionCheckJson(check);
    warnings << calc.Warnings;
    if (store.fIssue == TDeflectionIssue::Unreadable)
        warnings << deflectionProblem;
    if (!check.Problem.isEmpty())
        warnings << check.Problem;
    result[QStringLiteral("warnings")] = QJsonArray::fromStringList(warnings);
    const QByteArray json = QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

const TCliRegistrar registrar({
    QStringLiteral("calc"),
    QStringLiteral("calc TASK.DAT [--case NAME | --combination NAME] [--envelope]"),
    QStringLiteral("reactions, bending moments, shear forces and deflections of a task as JSON"),
    QStringLiteral("\nOpens TASK.DAT as the program opens it and computes what the calculation tab computes:\n"
                   "  --case NAME         the load case captioned NAME (exact, letter case counts)\n"
                   "  --combination NAME  the combination named NAME (letter case ignored)\n"
                   "  --envelope          instead of either: the envelope over every combination of\n"
                   "                      the grid (over the load cases when no combination has a member)\n"
                   "  none of these       the first load case\n"
                   "Prints one JSON object: An, Bn, Man, Mbn (characteristic reactions and restraint\n"
                   "moments, kN and kNm), Ad, Bd, Mad, Mbd (design values), and the arrays Mn, Md\n"
                   "(bending moment, kNm, hogging positive), Qn, Qd (shear force, kN) and fn\n"
                   "(deflection, in the result store's unit) at the 101 points x = i * L / 100.\n"
                   "With --envelope: over (\"combinations\" or \"loadCases\"), count, the largest and\n"
                   "smallest reactions Anmax, Anmin, Bnmax, ... Mbdmax, Mbdmin, and the arrays Mnmax,\n"
                   "Mnmin, Mdmax, Mdmin, Qnmax, Qnmin, Qdmax, Qdmin, fmax, fmin.\n"
                   "Both forms add extremes (Mn, Md, Qn, Qd, fn, each with max, xmax, min, xmin, as the\n"
                   "diagrams show them; fn in the unit of the array), deflectionCheck (limitRatio,\n"
                   "referenceLength in m: the span, twice the span for a cantilever, fLimit_mm, fMax_mm,\n"
                   "utilisation, ok; null when the limit or the deflection is not there) and warnings\n"
                   "(Czech texts: what the project file opened only in part, loads outside the span, a\n"
                   "limit that is not a number).\n"
                   "Deflections are in metres / 1000 (times 1,000,000 gives mm), characteristic only;\n"
                   "when they cannot be computed they are 0 and the reason is written to stderr.\n"
                   "Numbers are written so that they read back as exactly the computed doubles.\n"
                   "An unknown load case or combination is an error (exit status 1), and so is a load,\n"
                   "a load factor or the span whose text is not a number (the message names each).\n"
                   "An E or Iy that is not a number leaves only the deflection out: exit status 0,\n"
                   "the reason on stderr and among the warnings."),
    RunCalc,
});

} // namespace
