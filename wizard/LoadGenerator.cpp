#include "wizard/LoadGenerator.h"

#include "model/TError.h"
#include "model/uMyCommonLib.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

QString Number(double value)
{
    return QLocale().toString(value, 'g', 6);
}

// A value that overflowed would be written as "INF" and read back as 0: a silently lost load.
double Finite(double value)
{
    if (!std::isfinite(value))
        throw TError(QStringLiteral("Zadané hodnoty jsou příliš velké, zatížení z nich nelze vygenerovat."));
    return value;
}

// One generated load case, its results printed.
void NewGeneratedCase(TTask& task, const QString& name, double gamaf, bool longTerm)
{
    task.NewLoadCase(name, Finite(gamaf), longTerm, true);
}

// A point force P at x; left of the support (a negative d1) the force sits on the support with
// the moment of its lever arm.
void AddPointLoad(TTask& task, double P, double x)
{
    if (P == 0) // a row of zeros would only stand among the loads
        return;
    if (x >= 0) {
        task.AddPxRow(true, Finite(P), x);
        return;
    }
    task.AddMxRow(true, Finite(-P * x), 0);
    task.AddPxRow(true, P, 0);
}

void AddUniformLoad(TTask& task, double q)
{
    if (q != 0)
        task.AddQRow(true, Finite(q));
}

// An area load w reaches the girder as a uniform load w·Z or as the tributary point loads.
void AddAreaLoad(TTask& task, const TGeneratorGeometry& geometry, double w)
{
    if (!geometry.PointLoads) {
        AddUniformLoad(task, w * geometry.Z);
        return;
    }
    for (double x : geometry.Positions)
        AddPointLoad(task, TributaryPointLoad(geometry, w, x), x);
}

// Every page gets at least one row of each kind; the added rows are empty and unticked, as the
// add actions make them.
void CompleteRows(TTask& task, int number)
{
    const TZSInfo info = task.GetZSInfo(number);
    for (TLoadKind kind : { KindPx, KindQ, KindQQ, KindMx })
        if (info.Counts[kind] == 0)
            task.AddEmptyRow(kind);
}

// γG: the factors of g2 to g5 weighted by their loads, 1 without any load.
double PermanentFactor(const TGeneratorInputs& in, double& G)
{
    const QString* pairs[4][2] = { { &in.Edit12, &in.Edit13 }, { &in.Edit14, &in.Edit15 }, { &in.Edit16, &in.Edit17 },
        { &in.Edit18, &in.Edit19 } };
    G = 0;
    double S = 0;
    for (const auto& pair : pairs) {
        const double g = StrToFloatX(*pair[0]);
        G += g;
        S += g * StrToFloatX(*pair[1]);
    }
    return G == 0 ? 1 : S / G;
}

class TProgress
{
public:
    explicit TProgress(const TGeneratorProgress& report)
        : Report(report)
    {
    }
    void operator()(int value) const
    {
        if (Report)
            Report(value);
    }

private:
    const TGeneratorProgress& Report;
};

void GenerateSelfWeight(TTask& task, const TGeneratorInputs& in, const TGeneratorGeometry& geometry, TProgress progress)
{
    NewGeneratedCase(task, QStringLiteral("vlastní hmotnost"), StrToFloatX(in.Edit9), true);
    progress(10);
    AddUniformLoad(task, StrToFloatX(in.Edit8));
    if (geometry.PointLoads) {
        // The rafters' or ribs' weight is one force per position, without a tributary length.
        const double P = StrToFloatX(in.Edit10) * geometry.Z;
        for (double x : geometry.Positions)
            AddPointLoad(task, P, x);
    }
    progress(20);
    CompleteRows(task, 0);
}

void GenerateAreaCase(TTask& task, const TGeneratorGeometry& geometry, int number, const QString& name, double w,
    double gamaf, bool longTerm, TProgress progress)
{
    NewGeneratedCase(task, name, gamaf, longTerm);
    progress(10 + 20 * number);
    AddAreaLoad(task, geometry, w);
    progress(20 + 20 * number);
    CompleteRows(task, number);
}

} // namespace

std::vector<double> PointLoadPositions(double L, double d, double d1)
{
    if (!(d > 0))
        throw TError(QStringLiteral("Rozteč mezi břemeny d musí být větší než 0."));
    std::vector<double> positions;
    for (double x = d1; x <= L; x += d) {
        if (int(positions.size()) == MaxPointLoads)
            throw TError(QStringLiteral("Při rozteči d = %1 m by na prvek délky L = %2 m připadlo více než %3 břemen. "
                                        "Zvětšete rozteč mezi břemeny.")
                             .arg(Number(d), Number(L))
                             .arg(MaxPointLoads));
        positions.push_back(x);
    }
    return positions;
}

TGeneratorGeometry GeneratorGeometry(const TGeneratorInputs& inputs)
{
    TGeneratorGeometry geometry;
    geometry.L = StrToFloatX(inputs.Edit1);
    if (geometry.L == 0)
        geometry.L = 6;
    geometry.Z = StrToFloatX(inputs.Edit4);
    geometry.d = StrToFloatX(inputs.Edit5);
    if (geometry.d == 0) {
        geometry.d = geometry.L / 3;
        if (geometry.d < 0 && inputs.RadioButton2)
            throw TError(QStringLiteral("Délka prvku L musí být větší než 0, aby bylo možné rozmístit břemena."));
    }
    geometry.d1 = StrToFloatX(inputs.Edit6);
    geometry.PointLoads = inputs.RadioButton2;
    if (geometry.PointLoads) {
        geometry.Positions = PointLoadPositions(geometry.L, geometry.d, geometry.d1);
        // No position on the span would leave every area load out without a word.
        if (geometry.Positions.empty())
            throw TError(QStringLiteral("Vzdálenost prvního břemene d1 = %1 m je větší než délka prvku L = %2 m.")
                             .arg(Number(geometry.d1), Number(geometry.L)));
    }
    return geometry;
}

double TributaryPointLoad(const TGeneratorGeometry& geometry, double w, double x)
{
    const double L = geometry.L, Z = geometry.Z, d = geometry.d, d1 = geometry.d1;
    double P = w * Z * d;
    if (x <= d1)
        P = w * Z * (d / 2 + d1);
    if (x > L - d)
        P = w * Z * (L - x + d / 2);
    return P;
}

TTask GenerateLoads(const TTask& source, const TGeneratorProgress& report)
{
    const TGeneratorInputs& in = source.Generator;
    const TGeneratorGeometry geometry = GeneratorGeometry(in); // refusals come before any change
    const TProgress progress(report);
    TTask task = source;
    task.SpanText = in.Edit1; // as it stands, an empty span included
    task.SetTyp(11);
    progress(0);
    const QStringList oldCaptions = task.LoadCaseNames();
    task.DeleteAllLoadCases();
    task.ZSCounter = -1;

    GenerateSelfWeight(task, in, geometry, progress);
    double G = 0;
    const double gammaG = PermanentFactor(in, G);
    GenerateAreaCase(task, geometry, 1, QStringLiteral("stálá zatížení"), G, gammaG, true, progress);
    const QString imposed = in.RadioButton4 ? QStringLiteral("užitné zatížení") : QStringLiteral("pochozí zatížení");
    GenerateAreaCase(task, geometry, 2, imposed, StrToFloatX(in.Edit22), StrToFloatX(in.Edit23), false, progress);
    if (in.RadioButton3)
        GenerateAreaCase(
            task, geometry, 3, QStringLiteral("sníh"), StrToFloatX(in.Edit20), StrToFloatX(in.Edit21), false, progress);

    task.MapGridColumnsByCaption(oldCaptions);
    task.RefreshCombinationGrid();
    task.Print[TPrintOption::GeneratorData].Enabled = true;
    return task;
}

bool GenerationReplacesWork(const TTask& task)
{
    const auto typed = [](std::initializer_list<const QString*> texts) {
        return std::any_of(texts.begin(), texts.end(), [](const QString* text) { return !text->isEmpty(); });
    };
    for (const TLoadCase& lc : task.LoadCases) {
        if (lc.Caption != TLoadCase().Caption)
            return true;
        for (const TPxRow& row : lc.Px)
            if (typed({ &row.P, &row.a }))
                return true;
        for (const TQRow& row : lc.Q)
            if (typed({ &row.q }))
                return true;
        for (const TQQRow& row : lc.QQ)
            if (typed({ &row.qa, &row.a, &row.qb, &row.b }))
                return true;
        for (const TMxRow& row : lc.Mx)
            if (typed({ &row.M, &row.a }))
                return true;
    }
    return false;
}
