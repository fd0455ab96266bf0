// The EN 1990 envelope with exact extremes. Between consecutive breakpoints — the load edges of every
// load case and the points where one load case's M, Q or f changes sign — every case keeps its sign,
// so the worse of γG,sup and γG,inf and whether a variable action counts stay fixed there; what can
// still change is the leading action and, under 6.10a,b, the expression. On each such interval the
// envelope is therefore the largest of a few fixed combinations (one per possible leading action and
// expression), and its extreme is the largest of their exact extremes restricted to the interval.
#include "design/En1990Envelope.h"

#include "design/PiecewiseLines.h"
#include "model/TError.h"

#include <algorithm>
#include <cmath>

namespace {

// The factor vectors to try where the load cases have the effects `effect` (value times the sign of
// the extreme sought: > 0 unfavourable): for each expression its permanent part, the unfavourable
// variable actions accompanying, and each of them in turn leading.
class TCandidates
{
public:
    TCandidates(const TTask& task, TEnKind kind)
        : Expressions(EnExpressions(kind, UsesRule610(task)))
    {
        for (const TLoadCase& c : task.LoadCases)
            Types.push_back(FindActionType(c.Action));
    }

    size_t Cases() const { return Types.size(); }
    size_t Count() const { return Meta.size(); }
    const double* Factors(size_t i) const { return &Flat[i * Cases()]; }
    const TEnExpression& Expression(size_t i) const { return Expressions[Meta[i].first]; }
    int Leading(size_t i) const { return Meta[i].second; }

    void Make(const double* effect)
    {
        Flat.clear();
        Meta.clear();
        const size_t n = Cases();
        for (size_t e = 0; e < Expressions.size(); ++e) {
            const TEnExpression& x = Expressions[e];
            Accompanying.clear();
            for (size_t k = 0; k < n; ++k) {
                const TActionType& t = *Types[k];
                const bool unfavourable = effect[k] > 0;
                Accompanying.push_back(t.Permanent ? (unfavourable ? x.GSup : x.GInf)
                                                   : (unfavourable ? VariableFactor(x, t, false) : 0.0));
            }
            bool led = false;
            for (size_t j = 0; x.Leading && j < n; ++j) {
                if (Types[j]->Permanent || !(effect[j] > 0))
                    continue;
                Flat.insert(Flat.end(), Accompanying.begin(), Accompanying.end());
                Flat[Flat.size() - n + j] = VariableFactor(x, *Types[j], true);
                Meta.emplace_back(e, int(j));
                led = true;
            }
            if (!led) { // no leading expression, or no unfavourable variable action to lead
                Flat.insert(Flat.end(), Accompanying.begin(), Accompanying.end());
                Meta.emplace_back(e, -1);
            }
        }
    }

private:
    std::vector<TEnExpression> Expressions;
    std::vector<const TActionType*> Types;
    std::vector<double> Accompanying; // of the expression at hand, no action leading
    std::vector<double> Flat; // Count() vectors of Cases() factors
    std::vector<std::pair<size_t, int>> Meta; // expression, leading case (-1: none)
};

// The worst value found so far in one direction, with the combination that gives it. Values within
// rounding noise of each other count as equal; the last position (largest x) is taken, as the
// diagrams' extremes take it.
struct TBest
{
    double Value = 0, x = 0;
    bool Found = false;
    std::vector<double> Factors;
    const TEnExpression* Expression = nullptr;
    int Leading = -1;

    void Offer(double value, double at, const TCandidates& c, size_t i)
    {
        const double tolerance = 1e-12 * std::max(std::fabs(value), std::fabs(Value));
        if (Found && (value < Value - tolerance || (value <= Value + tolerance && at < x)))
            return;
        Value = value;
        x = at;
        Found = true;
        Factors.assign(c.Factors(i), c.Factors(i) + c.Cases());
        Expression = &c.Expression(i);
        Leading = c.Leading(i);
    }
};

double Dot(const double* factors, const double* values, size_t n)
{
    double sum = 0;
    for (size_t k = 0; k < n; ++k)
        sum += factors[k] * values[k];
    return sum;
}

// The envelope at one point from the cases' values there: the worst candidate in direction `sign`.
double PointEnvelope(TCandidates& c, const double* values, double sign, double at, TBest* best)
{
    double effect[64];
    std::vector<double> big;
    double* e = c.Cases() <= 64 ? effect : (big.resize(c.Cases()), big.data());
    for (size_t k = 0; k < c.Cases(); ++k)
        e[k] = sign * values[k];
    c.Make(e);
    double worst = -HUGE_VAL;
    for (size_t i = 0; i < c.Count(); ++i) {
        const double v = sign * Dot(c.Factors(i), values, c.Cases());
        worst = std::max(worst, v);
        if (best)
            best->Offer(v, at, c, i);
    }
    return sign * worst;
}

// What one quantity (M, Q or f) gives: the sample envelope and the exact extremes.
struct TQuantityResult
{
    TSamples Max {}, Min {};
    TBest High, Low; // Low holds -min
};

// The samples of case k of the quantity.
using TSampleOf = const TSamples& (*)(const TResultStore&);

void SampleEnvelope(
    TCandidates& c, const std::vector<TResultStore>& cases, TSampleOf samples, double L, TQuantityResult& out)
{
    std::vector<double> values(cases.size());
    for (int i = 0; i < SampleCount; ++i) {
        for (size_t k = 0; k < cases.size(); ++k)
            values[k] = samples(cases[k])[i];
        const double x = SampleX(L, i);
        out.Max[i] = PointEnvelope(c, values.data(), 1, x, &out.High);
        out.Min[i] = PointEnvelope(c, values.data(), -1, x, &out.Low);
    }
}

// The exact extremes of one interval [ta, tb] of a piece starting at x0, where the cases are the
// polynomials `polys` (in t = x - x0) and keep their signs.
void IntervalExtremes(
    TCandidates& c, const std::vector<TPoly>& polys, int degree, double x0, double ta, double tb, TQuantityResult& out)
{
    const size_t n = polys.size();
    const double tm = ta + (tb - ta) / 2;
    std::vector<double> mid(n);
    for (size_t k = 0; k < n; ++k)
        mid[k] = EvalPoly(polys[k], degree, tm);
    for (const double sign : { 1.0, -1.0 }) {
        for (size_t k = 0; k < n; ++k)
            mid[k] *= sign; // effects; undone below
        c.Make(mid.data());
        for (size_t k = 0; k < n; ++k)
            mid[k] *= sign;
        TBest& best = sign > 0 ? out.High : out.Low;
        for (size_t i = 0; i < c.Count(); ++i) {
            TPoly sum {};
            const double* f = c.Factors(i);
            for (size_t k = 0; k < n; ++k)
                if (f[k] != 0)
                    for (int d = 0; d <= degree; ++d)
                        sum[d] += f[k] * polys[k][d];
            for (int d = 0; d <= degree; ++d)
                sum[d] *= sign;
            best.Offer(EvalPoly(sum, degree, ta), x0 + ta, c, i);
            best.Offer(EvalPoly(sum, degree, tb), x0 + tb, c, i);
            TPoly slope {};
            for (int d = 1; d <= degree; ++d)
                slope[d - 1] = d * sum[d];
            std::vector<double> roots;
            PolyRoots(slope, degree - 1, ta, tb, roots);
            for (double t : roots)
                best.Offer(EvalPoly(sum, degree, t), x0 + t, c, i);
        }
    }
}

void ExactExtremes(TCandidates& c, const TPieces& pieces, TQuantity quantity, TQuantityResult& out)
{
    const int degree = QuantityDegree(quantity);
    std::vector<TPoly> polys(c.Cases());
    std::vector<double> stops;
    for (size_t p = 0; p + 1 < pieces.X.size(); ++p) {
        const double h = pieces.X[p + 1] - pieces.X[p];
        if (!(h > 0))
            continue;
        stops.assign({ 0.0, h });
        for (size_t k = 0; k < c.Cases(); ++k) {
            polys[k] = QuantityPoly(pieces.G(p, k), quantity, pieces.EI);
            PolyRoots(polys[k], degree, 0, h, stops);
        }
        std::sort(stops.begin(), stops.end());
        for (size_t s = 0; s + 1 < stops.size(); ++s)
            if (stops[s + 1] > stops[s])
                IntervalExtremes(c, polys, degree, pieces.X[p], stops[s], stops[s + 1], out);
    }
}

QString BestName(const TBest& best, const TTask& task, const QStringList& labels)
{
    if (!best.Found || !best.Expression)
        return {};
    return CombinationFormula(best.Expression->Label, best.Factors, labels, task, best.Leading);
}

// The extremes with their names; a value that is 0 up to rounding (no combination gives that sign)
// is 0 and named by none.
TEnExtreme Extreme(const TQuantityResult& r, const TTask& task, const QStringList& labels)
{
    TEnExtreme e;
    const double magnitude = std::max(std::fabs(r.High.Value), std::fabs(r.Low.Value));
    const double zero = 1e-9 * magnitude;
    e.Max = r.High.Value;
    e.xMax = r.High.x;
    e.Min = -r.Low.Value;
    e.xMin = r.Low.x;
    if (std::fabs(e.Max) <= zero || magnitude == 0)
        e.Max = 0;
    else
        e.MaxBy = BestName(r.High, task, labels);
    if (std::fabs(e.Min) <= zero || magnitude == 0)
        e.Min = 0;
    else
        e.MinBy = BestName(r.Low, task, labels);
    return e;
}

TEnExtreme Reaction(TCandidates& c, const std::vector<TResultStore>& cases, double TResultStore::*value,
    const TTask& task, const QStringList& labels)
{
    std::vector<double> values;
    for (const TResultStore& s : cases)
        values.push_back(s.*value);
    TQuantityResult r;
    PointEnvelope(c, values.data(), 1, 0, &r.High);
    PointEnvelope(c, values.data(), -1, 0, &r.Low);
    return Extreme(r, task, labels);
}

const TSamples& MomentSamples(const TResultStore& s)
{
    return s.Mn;
}
const TSamples& ShearSamples(const TResultStore& s)
{
    return s.Qn;
}
const TSamples& DeflectionSamples(const TResultStore& s)
{
    return s.fn;
}

} // namespace

TEnEnvelope ComputeEnEnvelope(const TTask& task, TEnKind kind)
{
    if (const QString problem = ClassificationProblem(task); !problem.isEmpty())
        throw TError(problem);
    return ComputeEnEnvelope(task, kind, SolveEachLoadCase(task));
}

TEnEnvelope ComputeEnEnvelope(const TTask& task, TEnKind kind, const std::vector<TResultStore>& cases)
{
    TEnEnvelope env;
    env.Kind = kind;
    env.Rule = UsesRule610(task) ? QStringLiteral("6.10") : QStringLiteral("6.10a,b");
    env.Combinations = GenerateCombinations(task, kind); // throws for a load case without a type
    env.WithDeflection = kind != TEnKind::Uls;
    const QStringList labels = LoadCaseLabels(task);
    const double L = task.SpanL();
    TCandidates c(task, kind);
    env.A = Reaction(c, cases, &TResultStore::An, task, labels);
    env.B = Reaction(c, cases, &TResultStore::Bn, task, labels);
    env.Ma = Reaction(c, cases, &TResultStore::Man, task, labels);
    env.Mb = Reaction(c, cases, &TResultStore::Mbn, task, labels);

    const TPieces pieces = BuildPieces(cases, L);
    for (const TResultStore& s : cases)
        if (env.fIssue == TDeflectionIssue::None)
            env.fIssue = s.fIssue;
    const bool withF = env.WithDeflection && env.fIssue == TDeflectionIssue::None && pieces.EI > 0;
    struct TJob
    {
        TQuantity Quantity;
        TSampleOf Samples;
        TSamples *Max, *Min;
        TEnExtreme* Extreme;
    };
    std::vector<TJob> jobs = { { TQuantity::M, MomentSamples, &env.Mmax, &env.Mmin, &env.M },
        { TQuantity::Q, ShearSamples, &env.Qmax, &env.Qmin, &env.Q } };
    if (withF)
        jobs.push_back({ TQuantity::f, DeflectionSamples, &env.fmax, &env.fmin, &env.f });
    for (const TJob& job : jobs) {
        TQuantityResult r;
        SampleEnvelope(c, cases, job.Samples, L, r);
        ExactExtremes(c, pieces, job.Quantity, r);
        *job.Max = r.Max;
        *job.Min = r.Min;
        *job.Extreme = Extreme(r, task, labels);
        for (const TBest* b : { &r.High, &r.Low })
            if (b->Found)
                env.GoverningLines.push_back(CombinedLine(cases, b->Factors, L));
    }
    return env;
}
