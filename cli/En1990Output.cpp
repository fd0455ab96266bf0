#include "cli/En1990Output.h"

#include "analysis/Checks.h"
#include "cli/CliCommand.h"
#include "design/En1990Envelope.h"
#include "model/TError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

QJsonArray Samples(const TSamples& samples)
{
    QJsonArray array;
    for (double v : samples)
        array.append(v);
    return array;
}

QJsonValue NameOrNull(const QString& name)
{
    return name.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(name);
}

QJsonObject ExtremeJson(const TEnExtreme& e)
{
    QJsonObject o;
    o[QStringLiteral("max")] = e.Max;
    o[QStringLiteral("xmax")] = e.xMax;
    o[QStringLiteral("maxBy")] = NameOrNull(e.MaxBy);
    o[QStringLiteral("min")] = e.Min;
    o[QStringLiteral("xmin")] = e.xMin;
    o[QStringLiteral("minBy")] = NameOrNull(e.MinBy);
    return o;
}

QJsonArray CombinationsJson(const TTask& task, const std::vector<TEnCombination>& combinations)
{
    const QStringList labels = LoadCaseLabels(task);
    QJsonArray list;
    for (const TEnCombination& c : combinations) {
        QJsonObject factors;
        for (size_t k = 0; k < c.Factors.size(); ++k)
            factors[labels[int(k)]] = c.Factors[k];
        QJsonObject o;
        o[QStringLiteral("name")] = c.Name;
        o[QStringLiteral("factors")] = factors;
        list.append(o);
    }
    return list;
}

// The deflection check of the serviceability envelope: its largest |f| against the task's limit.
QJsonValue CheckJson(const TTask& task, const TEnEnvelope& e, QStringList& warnings)
{
    TResultStore sums;
    sums.fIssue = e.fIssue;
    TExtreme f;
    f.Max = e.f.Max;
    f.Min = e.f.Min;
    const TDeflectionCheck c = CheckDeflection(task.Typ, task.SpanL(), task.Deflection.DeflectionLimit, sums, f);
    if (!c.Problem.isEmpty())
        warnings << c.Problem;
    return DeflectionCheckJson(c);
}

QJsonObject EnvelopeJson(const TTask& task, const TEnEnvelope& e, QStringList& warnings)
{
    QJsonObject o;
    o[QStringLiteral("rule")] = e.Rule;
    o[QStringLiteral("combinations")] = CombinationsJson(task, e.Combinations);
    o[QStringLiteral("Mmax")] = Samples(e.Mmax);
    o[QStringLiteral("Mmin")] = Samples(e.Mmin);
    o[QStringLiteral("Qmax")] = Samples(e.Qmax);
    o[QStringLiteral("Qmin")] = Samples(e.Qmin);
    const std::pair<const char*, const TEnExtreme*> reactions[]
        = { { "A", &e.A }, { "B", &e.B }, { "Ma", &e.Ma }, { "Mb", &e.Mb } };
    for (const auto& [name, r] : reactions) {
        o[QLatin1String(name) + QLatin1String("max")] = r->Max;
        o[QLatin1String(name) + QLatin1String("min")] = r->Min;
    }
    QJsonObject extremes;
    extremes[QStringLiteral("M")] = ExtremeJson(e.M);
    extremes[QStringLiteral("Q")] = ExtremeJson(e.Q);
    if (e.WithDeflection) {
        const bool computed = e.fIssue == TDeflectionIssue::None;
        if (!computed)
            warnings << DeflectionProblemText(e.fIssue);
        o[QStringLiteral("fmax")] = computed ? QJsonValue(Samples(e.fmax)) : QJsonValue::Null;
        o[QStringLiteral("fmin")] = computed ? QJsonValue(Samples(e.fmin)) : QJsonValue::Null;
        extremes[QStringLiteral("f")] = computed ? QJsonValue(ExtremeJson(e.f)) : QJsonValue::Null;
        o[QStringLiteral("deflectionCheck")] = CheckJson(task, e, warnings);
    }
    o[QStringLiteral("extremes")] = extremes;
    return o;
}

} // namespace

int RunEn1990Calc(const QString& file, const QString& word)
{
    TEnKind kind;
    if (!EnKindFromWord(word, kind))
        throw TUsageError(QStringLiteral("unknown --en1990 %1: uls, characteristic, frequent or quasi-permanent")
                              .arg(word)
                              .toStdString());
    QStringList warnings;
    const TTask task = OpenTask(file, &warnings);
    const TEnEnvelope envelope = OnFile(file, [&] { return ComputeEnEnvelope(task, kind); }); // exit 1
    const TAnalysisModel model = BuildModel(task);
    for (int i = 0; i < int(model.Cases.size()); ++i)
        warnings << LoadPositionWarnings(model, i);
    QJsonObject result = EnvelopeJson(task, envelope, warnings);
    result[QStringLiteral("warnings")] = QJsonArray::fromStringList(warnings);
    const QByteArray json = QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
