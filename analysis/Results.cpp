// The result set and the sums by superposition: characteristic and design sums, the envelope and
// the calculation choice.
#include "analysis/Results.h"

#include "model/TError.h"

#include <algorithm>
#include <cmath>
#include <utility>

TResultSet::TResultSet(TAnalysisModel model)
    : TheModel(std::move(model))
    , Solved(TheModel.Cases.size())
{
}

const TCaseSolution& TResultSet::Case(int index) const
{
    std::optional<TCaseSolution>& solved = Solved.at(size_t(index));
    if (!solved)
        solved = SolveCase(TheModel, index);
    if (!solved->Error.isEmpty())
        throw TError(solved->Error);
    return *solved;
}

namespace {

// The case times the factor can be added to the sum without leaving the finite numbers.
bool StaysFinite(const TSum& sum, const TCaseSolution& c, double g)
{
    bool finite = std::isfinite(sum.A + g * c.A) && std::isfinite(sum.B + g * c.B) && std::isfinite(sum.Ma + g * c.Ma)
        && std::isfinite(sum.Mb + g * c.Mb);
    for (int i = 0; i < SampleCount; ++i)
        finite = finite && std::isfinite(sum.M[i] + g * c.M[i]) && std::isfinite(sum.Q[i] + g * c.Q[i]);
    return finite;
}

// A deflection that cannot be computed for one load case leaves the whole sum at 0: a line without
// some of the load cases would look like a result.
void AddDeflection(TSum& sum, const TCaseSolution& c, double g, const TAnalysisModel& model)
{
    TDeflectionIssue issue = c.fIssue;
    if (issue == TDeflectionIssue::None && sum.fIssue == TDeflectionIssue::None) {
        bool finite = true;
        for (int i = 0; i < SampleCount; ++i)
            finite = finite && std::isfinite(sum.f[i] + g * c.f[i]);
        if (finite) {
            for (int i = 0; i < SampleCount; ++i)
                sum.f[i] += g * c.f[i];
            return;
        }
        issue = TDeflectionIssue::NotFinite;
    }
    if (sum.fIssue == TDeflectionIssue::None) {
        sum.fIssue = issue;
        sum.fProblem = issue == TDeflectionIssue::Unreadable ? model.SectionUnreadable : DeflectionProblemText(issue);
    }
    sum.f.fill(0);
}

} // namespace

TSum TResultSet::Superpose(const TFactors& factors, bool withDeflection) const
{
    TSum sum;
    for (int i = 0; i < CaseCount() && i < int(factors.size()); ++i) {
        const double g = factors[size_t(i)];
        if (g == 0)
            continue;
        const TCaseSolution& c = Case(i);
        if (!StaysFinite(sum, c, g))
            throw TError(CaseNotFinite(TheModel.Cases[size_t(i)].Name));
        sum.A += g * c.A;
        sum.B += g * c.B;
        sum.Ma += g * c.Ma;
        sum.Mb += g * c.Mb;
        for (int k = 0; k < SampleCount; ++k) {
            sum.M[k] += g * c.M[k];
            sum.Q[k] += g * c.Q[k];
        }
        if (withDeflection)
            AddDeflection(sum, c, g, TheModel);
        sum.Line.L = TheModel.L;
        sum.Line.Add(c.Line, g);
    }
    const bool withF = withDeflection && sum.fIssue == TDeflectionIssue::None;
    sum.Line.EI = withF ? TheModel.Emod * TheModel.Iy : 0.0;
    return sum;
}

bool HasResults(const TResultStore& s)
{
    const auto nonZero = [](const TSamples& values) {
        return std::any_of(values.begin(), values.end(), [](double v) { return v != 0; });
    };
    for (double v : { s.An, s.Bn, s.Man, s.Mbn, s.Ad, s.Bd, s.Mad, s.Mbd })
        if (v != 0)
            return true;
    return nonZero(s.Mn) || nonZero(s.Md) || nonZero(s.Qn) || nonZero(s.Qd) || nonZero(s.fn);
}

QString DeflectionProblem(const TResultStore& store)
{
    return store.fProblem;
}

TResultStore SumMembers(const TResultSet& results, const std::vector<int>& members)
{
    TFactors n(size_t(results.CaseCount()), 0.0), d = n;
    for (int m : members) {
        // A page that two grid columns name (one header out of step) is added twice, as it always was.
        n[size_t(m)] += 1;
        d[size_t(m)] += results.Model().Cases[size_t(m)].Gamaf;
    }
    TSum sn = results.Superpose(n);
    TSum sd = results.Superpose(d, false);
    TResultStore s;
    s.An = sn.A;
    s.Bn = sn.B;
    s.Man = sn.Ma;
    s.Mbn = sn.Mb;
    s.Ad = sd.A;
    s.Bd = sd.B;
    s.Mad = sd.Ma;
    s.Mbd = sd.Mb;
    s.Mn = sn.M;
    s.Qn = sn.Q;
    s.fn = sn.f;
    s.Md = sd.M;
    s.Qd = sd.Q;
    s.fIssue = sn.fIssue;
    s.fProblem = std::move(sn.fProblem);
    s.LineN = std::move(sn.Line);
    s.LineD = std::move(sd.Line);
    return s;
}
