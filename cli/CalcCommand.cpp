// trabik-cli calc: the reactions and the 101 samples of one load case, one combination or the
// envelope of all combinations, as JSON.
#include "analysis/Checks.h"
#include "analysis/Combinations.h"
#include "cli/CliCommand.h"
#include "cli/En1990Output.h"
#include "model/TError.h"
#include "storage/uProjectFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>
#include <cstdio>
#include <utility>
#include <vector>

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

namespace {

struct TCalcArgs
{
    QString File;
    QString Case;
    QString Combination;
    bool HasCase = false;
    bool HasCombination = false;
    bool Envelope = false;
    bool Csv = false;
    QLocale CsvLocale = QLocale::c();
};

const QCommandLineOption CaseOption(QStringLiteral("case"),
    QStringLiteral("the load case captioned NAME (exact, letter case counts)"), QStringLiteral("NAME"));
const QCommandLineOption CombinationOption(QStringLiteral("combination"),
    QStringLiteral("the combination named NAME (letter case ignored)"), QStringLiteral("NAME"));
const QCommandLineOption EnvelopeOption(QStringLiteral("envelope"),
    QStringLiteral(
        "the envelope over every combination of the grid (over the load cases when no combination has a member)"));
const QCommandLineOption En1990Option(QStringLiteral("en1990"),
    QStringLiteral("the ČSN EN 1990 envelope: uls, characteristic, frequent or quasi-permanent"),
    QStringLiteral("KIND"));
const QCommandLineOption FormatOption(
    QStringLiteral("format"), QStringLiteral("json (the default) or csv"), QStringLiteral("FORMAT"));
const QCommandLineOption LocaleOption(QStringLiteral("locale"),
    QStringLiteral("csv with the decimal separator of LOCALE (e.g. cs_CZ), not \".\""), QStringLiteral("LOCALE"));

TCalcArgs ParseCalcArgs(const QCommandLineParser& parser)
{
    TCalcArgs a;
    a.File = Arguments(parser, 1, "one task file is required").constFirst();
    a.HasCase = parser.isSet(CaseOption);
    a.HasCombination = parser.isSet(CombinationOption);
    a.Envelope = parser.isSet(EnvelopeOption);
    if (int(a.HasCase) + int(a.HasCombination) + int(a.Envelope) > 1 || parser.values(CaseOption).size() > 1
        || parser.values(CombinationOption).size() > 1)
        throw TUsageError("choose one load case, one combination or the envelope");
    a.Case = parser.value(CaseOption);
    a.Combination = parser.value(CombinationOption);
    const QString format = parser.value(FormatOption);
    if (!format.isEmpty() && format != QLatin1String("json") && format != QLatin1String("csv"))
        throw TUsageError(QStringLiteral("unknown format %1 (json or csv)").arg(format).toStdString());
    a.Csv = format == QLatin1String("csv");
    if (parser.isSet(LocaleOption)) {
        if (!a.Csv)
            throw TUsageError("--locale goes with --format csv");
        const QString name = parser.value(LocaleOption);
        a.CsvLocale = QLocale(name);
        // An unknown name gives the C locale without a word.
        if (a.CsvLocale.language() == QLocale::C && name != QLatin1String("C") && name != QLatin1String("POSIX"))
            throw TUsageError(QStringLiteral("unknown locale %1").arg(name).toStdString());
    }
    a.CsvLocale.setNumberOptions(QLocale::OmitGroupSeparator);
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

// The samples for a spreadsheet: one line per point, ";" between the values, which come out as they
// read back into the same doubles.
QByteArray SamplesCsv(const TTask& task, const TResultStore& s, bool envelope, const QLocale& locale)
{
    const TEnvelope& e = s.Envelope;
    const std::vector<std::pair<const char*, const TSamples*>> columns = envelope
        ? std::vector<std::pair<const char*, const TSamples*>> { { "Mnmax", &e.Mnmax }, { "Mnmin", &e.Mnmin },
              { "Mdmax", &e.Mdmax }, { "Mdmin", &e.Mdmin }, { "Qnmax", &e.Qnmax }, { "Qnmin", &e.Qnmin },
              { "Qdmax", &e.Qdmax }, { "Qdmin", &e.Qdmin }, { "fmax", &e.fmax }, { "fmin", &e.fmin } }
        : std::vector<std::pair<const char*, const TSamples*>> { { "Mn", &s.Mn }, { "Md", &s.Md }, { "Qn", &s.Qn },
              { "Qd", &s.Qd }, { "fn", &s.fn } };
    QString csv = QStringLiteral("x");
    for (const auto& column : columns)
        csv += QLatin1Char(';') + QLatin1String(column.first);
    csv += QLatin1Char('\n');
    for (int i = 0; i < SampleCount; ++i) {
        csv += locale.toString(SampleX(task.SpanL(), i), 'g', QLocale::FloatingPointShortest);
        for (const auto& column : columns)
            csv += QLatin1Char(';') + locale.toString((*column.second)[size_t(i)], 'g', QLocale::FloatingPointShortest);
        csv += QLatin1Char('\n');
    }
    return csv.toUtf8();
}

int Compute(TTask& task, const TCalcArgs& a, QStringList& warnings)
{
    Choose(task, a);
    QTextStream err(stderr);
    const TCalculation calc = Calculate(task);
    const TResultStore& store = calc.Sums;
    // Not an error: the forces are there, the deflection stays 0 and the user is told why. An E or
    // Iy that is not a number is also among the warnings: the file itself holds the mistake.
    const QString deflectionProblem = DeflectionProblem(store);
    if (!deflectionProblem.isEmpty())
        err << deflectionProblem << Qt::endl;
    const TDeflectionCheck check
        = CheckDeflection(calc.Typ, calc.SpanL, task.Deflection.DeflectionLimit, store, calc.Extremes.f);
    QStringList found = calc.Warnings;
    if (store.fIssue == TDeflectionIssue::Unreadable)
        found << deflectionProblem;
    if (!check.Problem.isEmpty())
        found << check.Problem;
    if (a.Csv) {
        for (const QString& warning : found)
            WarnAbout(a.File, warning); // what opened only in part is there already
        const QByteArray csv = SamplesCsv(task, store, a.Envelope, a.CsvLocale);
        std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
        return 0;
    }
    QJsonObject result = a.Envelope ? EnvelopeJson(store.Envelope) : ResultJson(store);
    result[QStringLiteral("extremes")] = ExtremesJson(calc.Extremes);
    result[QStringLiteral("deflectionCheck")] = DeflectionCheckJson(check);
    result[QStringLiteral("warnings")] = QJsonArray::fromStringList(warnings << found);
    const QByteArray json = QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

int RunCalc(const QCommandLineParser& parser)
{
    if (parser.isSet(En1990Option)) {
        const QString file = Arguments(parser, 1, "one task file is required").constFirst();
        for (const QCommandLineOption* other : { &CaseOption, &CombinationOption, &EnvelopeOption, &FormatOption })
            if (parser.isSet(*other))
                throw TUsageError(
                    QStringLiteral("--%1 does not go with --en1990").arg(other->names().constFirst()).toStdString());
        return RunEn1990Calc(file, parser.value(En1990Option));
    }
    const TCalcArgs a = ParseCalcArgs(parser);
    QStringList warnings;
    TTask task = OpenTask(a.File, &warnings);
    return OnFile(a.File, [&] { return Compute(task, a, warnings); });
}

const TCliRegistrar registrar({
    QStringLiteral("calc"),
    QStringLiteral("calc TASK.DAT [--case NAME | --combination NAME | --envelope | --en1990 KIND] [--format csv "
                   "[--locale LOCALE]]"),
    QStringLiteral("reactions, bending moments, shear forces and deflections of a task as JSON"),
    QStringLiteral("Opens TASK.DAT as the program opens it and computes what the calculation tab computes,\n"
                   "for the first load case when none of --case, --combination and --envelope is given.\n"
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
                   "the reason on stderr and among the warnings.\n"
                   "With --format csv: instead of the JSON, a line x;Mn;Md;Qn;Qd;fn (with --envelope\n"
                   "x;Mnmax;Mnmin;...;fmax;fmin) and the 101 points, one per line; numbers with \".\" or,\n"
                   "with --locale, the decimal separator of that locale; the warnings go to stderr.\n"
                   "With --en1990 KIND instead: the envelope of the ČSN EN 1990 combinations of the\n"
                   "load cases by their action types (uls: 6.10 or 6.10a,b as the task chooses;\n"
                   "characteristic, frequent, quasi-permanent: 6.14b, 6.15b, 6.16b): rule, combinations\n"
                   "(name = formula, factors by load case), Mmax, Mmin, Qmax, Qmin (101 samples),\n"
                   "Amax, Amin, Bmax, Bmin, Mamax, Mamin, Mbmax, Mbmin, extremes (M, Q: max, xmax,\n"
                   "maxBy, min, xmin, minBy; maxBy names the governing combination, null for none),\n"
                   "and for the serviceability kinds fmax, fmin, extremes.f and deflectionCheck.\n"
                   "A load case without an action type is an error (exit status 1). JSON only."),
    { CaseOption, CombinationOption, EnvelopeOption, En1990Option, FormatOption, LocaleOption },
    RunCalc,
});

} // namespace
