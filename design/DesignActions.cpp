#include "design/DesignActions.h"

#include "design/En1990.h"
#include "design/LoadCaseSolutions.h"

#include <algorithm>
#include <cmath>

const char* const SelfWeightCaseName = "vlastní tíha průřezu";

namespace {

// The k-th derivative of the polynomial at t.
double Derivative(const TPoly& c, int k, double t)
{
    double v = 0;
    for (int j = 5; j >= k; --j) {
        double f = 1;
        for (int m = j - k + 1; m <= j; ++m)
            f *= m;
        v = v * t + c[j] * f;
    }
    return v;
}

// A solved load case added to each design line (superposition of the design values).
void AddCase(TDesignLine& line, const TResultStore& own)
{
    for (int i = 0; i < SampleCount; ++i) {
        line.Md[size_t(i)] += own.Md[size_t(i)];
        line.Qd[size_t(i)] += own.Qd[size_t(i)];
    }
    AddPoly(line.Line.Base, own.LineD.Base, 1);
    line.Line.Edges.insert(line.Line.Edges.end(), own.LineD.Edges.begin(), own.LineD.Edges.end());
}

// A combination of characteristic solutions by its factors (the EN 1990 combinations).
TDesignLine CombinedLine(
    const QString& name, const std::vector<TResultStore>& cases, const std::vector<double>& factors)
{
    TDesignLine line { name, {}, {}, {} };
    for (size_t k = 0; k < cases.size() && k < factors.size(); ++k) {
        const double f = factors[k];
        if (f == 0)
            continue;
        const TResultStore& own = cases[k];
        for (int i = 0; i < SampleCount; ++i) {
            line.Md[size_t(i)] += f * own.Mn[size_t(i)];
            line.Qd[size_t(i)] += f * own.Qn[size_t(i)];
        }
        AddPoly(line.Line.Base, own.LineN.Base, f);
        for (TLineEdge e : own.LineN.Edges) {
            e.Factor *= f; // the edge's change is characteristic
            line.Line.Edges.push_back(e);
        }
    }
    return line;
}

TDesignLine LineOf(const QString& name, const TResultStore& sums)
{
    return { name, sums.Md, sums.Qd, sums.LineD };
}

} // namespace

TDesignLineValues::TDesignLineValues(const TDesignLine& line, double spanL)
{
    TPoly base = line.Line.Base;
    std::vector<TLineEdge> edges;
    for (const TLineEdge& e : line.Line.Edges) {
        if (e.x < 0) { // acts along the whole span
            TPoly p = e.Change;
            ShiftPoly(p, -e.x);
            AddPoly(base, p, e.Factor);
        } else if (e.x <= spanL) {
            edges.push_back(e);
        }
    }
    std::sort(edges.begin(), edges.end(), [](const TLineEdge& a, const TLineEdge& b) { return a.x < b.x; });
    Pieces.push_back(base);
    double at = 0;
    for (size_t i = 0; i < edges.size();) {
        const double x = edges[i].x;
        TPoly cur = Pieces.back();
        ShiftPoly(cur, x - at);
        for (; i < edges.size() && edges[i].x == x; ++i)
            AddPoly(cur, edges[i].Change, edges[i].Factor);
        EdgeX.push_back(x);
        Pieces.push_back(cur);
        at = x;
    }
}

const TPoly& TDesignLineValues::Piece(double x, bool right, double& t) const
{
    const auto it
        = right ? std::upper_bound(EdgeX.begin(), EdgeX.end(), x) : std::lower_bound(EdgeX.begin(), EdgeX.end(), x);
    const size_t k = size_t(it - EdgeX.begin());
    t = k == 0 ? x : x - EdgeX[k - 1];
    return Pieces[k];
}

double TDesignLineValues::M(double x, bool right) const
{
    double t = 0;
    const TPoly& c = Piece(x, right, t);
    return Derivative(c, 2, t);
}

double TDesignLineValues::Q(double x, bool right) const
{
    double t = 0;
    const TPoly& c = Piece(x, right, t);
    return -Derivative(c, 3, t);
}

double TDesignLineValues::q(double x) const
{
    double t = 0;
    const TPoly& c = Piece(x, true, t);
    return Derivative(c, 4, t);
}

std::vector<std::pair<double, double>> TDesignLineValues::PointForces() const
{
    std::vector<std::pair<double, double>> forces;
    for (double x : EdgeX) {
        const double P = Q(x, false) - Q(x, true);
        if (x > 0 && std::abs(P) > 1e-9 * (1 + std::abs(Q(x, false))))
            forces.emplace_back(x, P);
    }
    return forces;
}

QString CombinationName(const TCombinationGrid& grid, int row)
{
    const QString name = grid.Cell(1, row).trimmed();
    return name.isEmpty() ? QStringLiteral("kombinace v řádku %1").arg(row) : QStringLiteral("kombinace ") + name;
}

std::vector<TNamedFactors> TaskCombinationFactors(const TTask& task, const std::function<double(size_t)>& factor)
{
    const size_t n = task.LoadCases.size();
    std::vector<TNamedFactors> out;
    for (int row = 1; row < task.Grid.RowCount(); ++row) {
        if (!CombinationRowHasMember(task, row))
            continue;
        std::vector<double> f(n, 0.0);
        for (int page : CombinationPages(task, row))
            f[size_t(page)] += factor(size_t(page));
        out.push_back({ CombinationName(task.Grid, row), f });
    }
    if (out.empty())
        for (size_t k = 0; k < n; ++k) {
            std::vector<double> f(n, 0.0);
            f[k] = factor(k);
            out.push_back({ QStringLiteral("ZS ") + task.LoadCases[k].Caption, f });
        }
    return out;
}

double SelfWeightLoad(double massKgPerM)
{
    return massKgPerM * 9.81 / 1000;
}

TDesignActions DesignActionsOf(const TTask& task, double selfWeight)
{
    TDesignActions actions;
    actions.SpanL = task.SpanL();
    actions.Typ = task.Typ;
    std::vector<TDesignLine>& lines = actions.Lines;
    // The self-weight is one more load case, solved with the others (permanent under EN 1990).
    TTask withOwn = task;
    if (selfWeight > 0) {
        withOwn.NewLoadCase(QString::fromUtf8(SelfWeightCaseName), SelfWeightFactor, true, false);
        // The load in full precision (a typed row keeps three decimals).
        withOwn.LoadCases.back().Q.push_back({ true, QString::number(selfWeight, 'g', 17) });
        withOwn.LoadCases.back().Action = QStringLiteral("G");
    }
    const std::vector<TResultStore> cases = SolveEachLoadCase(withOwn);
    if (AnyLoadCaseClassified(task)) {
        // The ULS combinations of EN 1990 (6.10 or 6.10a,b, Czech annex factors), each a line, with
        // the load cases acting against the sense of each combination's load favourable (6.4.3.2,
        // Table A1.2(B)); the self-weight acts downwards.
        for (const TEnCombination& c : MemberCheckCombinations(withOwn, LoadCaseResultants(cases)))
            lines.push_back(CombinedLine(c.Name, cases, c.Factors));
        return actions;
    }
    for (int row = 1; row < task.Grid.RowCount(); ++row) {
        if (!CombinationRowHasMember(task, row))
            continue;
        // The members summed in the order the calculation sums a combination.
        TDesignLine line { CombinationName(task.Grid, row), {}, {}, {} };
        for (int page : CombinationPages(task, row))
            AddCase(line, cases[size_t(page)]);
        lines.push_back(std::move(line));
    }
    if (lines.empty())
        for (size_t k = 0; k < task.LoadCases.size(); ++k)
            lines.push_back(LineOf(QStringLiteral("ZS ") + task.LoadCases[k].Caption, cases[k]));
    if (selfWeight > 0) {
        const TResultStore& own = cases.back();
        if (lines.empty())
            lines.push_back({ QStringLiteral("ZS ") + QString::fromUtf8(SelfWeightCaseName), {}, {}, {} });
        for (TDesignLine& line : lines) {
            AddCase(line, own);
            line.Name += QStringLiteral(" + ") + QString::fromUtf8(SelfWeightCaseName);
        }
    }
    return actions;
}
