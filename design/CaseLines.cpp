#include "design/CaseLines.h"

#include "model/uMyCommonLib.h"

#include <QLocale>

namespace {

constexpr double MmPerStoreUnit = 1e6; // fn holds metres / 1000

void AddScaled(TSamples& sum, const TSamples& s, double factor)
{
    for (size_t i = 0; i < s.size(); ++i)
        sum[i] += factor * s[i];
}

} // namespace

std::vector<TSolvedCase> SolveCases(const TTask& task, double Emod, double Iy)
{
    TTask solved = task;
    if (Emod > 0 && Iy > 0) {
        TDeflectionInputs& d = solved.Deflection;
        d.Edit30 = QString::number(Iy, 'g', 17);
        d.IyUnit = QStringLiteral("m4");
        d.Edit31 = QString::number(Emod, 'g', 17);
        d.EUnit = QStringLiteral("Pa");
    }
    std::vector<TResultStore> stores = SolveEachLoadCase(solved);
    std::vector<TSolvedCase> cases;
    for (size_t k = 0; k < stores.size(); ++k) {
        TSolvedCase c;
        c.Name = solved.LoadCases[k].Caption;
        c.Store = std::move(stores[k]);
        for (int i = 0; i < SampleCount; ++i)
            c.f[size_t(i)] = c.Store.fn[size_t(i)] * MmPerStoreUnit;
        cases.push_back(std::move(c));
    }
    return cases;
}

TCombinedExtremes CombineCases(const std::vector<TSolvedCase>& cases, const std::vector<double>& factors, double spanL)
{
    // Each case's line is its own characteristic one; the sum's characteristic and design lines are
    // both the factored sum (the factors already are the design factors of the combination).
    TResultStore sum;
    sum.LineN.L = spanL;
    TCombinedExtremes out;
    for (size_t i = 0; i < cases.size() && i < factors.size(); ++i) {
        const double k = factors[i];
        if (k == 0)
            continue;
        const TResultStore& s = cases[i].Store;
        sum.An += k * s.An;
        sum.Bn += k * s.Bn;
        AddScaled(sum.Mn, s.Mn, k);
        AddScaled(sum.Qn, s.Qn, k);
        AddScaled(sum.fn, s.fn, k);
        if (s.fIssue != TDeflectionIssue::None)
            sum.fIssue = s.fIssue;
        sum.LineN.EI = s.LineN.EI;
        AddPoly(sum.LineN.Base, s.LineN.Base, k);
        for (TLineEdge e : s.LineN.Edges) {
            e.Factor *= k; // the characteristic change, times the combination's factor
            sum.LineN.Edges.push_back(e);
        }
    }
    sum.Md = sum.Mn;
    sum.Qd = sum.Qn;
    sum.LineD = sum.LineN;
    const TExtremes e = FindExtremes(spanL, sum);
    out.M = e.Mn;
    out.Q = e.Qn;
    out.HasDeflection = sum.fIssue == TDeflectionIssue::None && sum.LineN.EI > 0;
    out.f = out.HasDeflection ? TExtreme { e.f.Max * MmPerStoreUnit, e.f.xMax, e.f.Min * MmPerStoreUnit, e.f.xMin }
                              : TExtreme {};
    out.A = sum.An;
    out.B = sum.Bn;
    return out;
}

QString CombinationFormula(const std::vector<TSolvedCase>& cases, const std::vector<double>& factors)
{
    QStringList terms;
    for (size_t i = 0; i < cases.size() && i < factors.size(); ++i)
        if (factors[i] != 0)
            terms << QLocale().toString(factors[i], 'g', 6) + QStringLiteral("·") + cases[i].Name;
    return terms.join(QStringLiteral(" + "));
}
