#include "analysis/ExactLine.h"

#include <algorithm>
#include <cmath>

// Repeated synthetic division: exact Taylor coefficients.
void ShiftPoly(TPoly& c, double d)
{
    if (d == 0)
        return;
    for (int i = 0; i < 5; ++i)
        for (int j = 4; j >= i; --j)
            c[j] += d * c[j + 1];
}

void AddPoly(TPoly& sum, const TPoly& p, double factor)
{
    for (int k = 0; k < 6; ++k)
        sum[k] += factor * p[k];
}

void TCaseLine::AddPointForce(double P, double a)
{
    TLineEdge edge { a, 1, {} };
    edge.Change[3] = P / 6; // P d^3 / 6
    Edges.push_back(edge);
}

void TCaseLine::AddUniformLoad(double q)
{
    Base[4] += q / 24; // q x^4 / 24 along the whole beam
}

void TCaseLine::AddPartialLoad(double L, double qa, double a, double qb, double b)
{
    const double c = L - a - b;
    if (c == 0)
        return; // adds nothing, as in the sample loops
    const double end = L - b;
    // Past the end, around u = x - end: W3/6 + W2/2 u + W1/2 u^2 + W0/6 u^3 with Wk the moments of the
    // intensity about the end (see PastLoad of the formulas).
    const double dq = qa - qb, c2 = c * c, c3 = c2 * c, c4 = c3 * c;
    const double W0 = qb * c + dq * c / 2, W1 = qb * c2 / 2 + dq * c2 / 3, W2 = qb * c3 / 3 + dq * c3 / 4,
                 W3 = qb * c4 / 4 + dq * c4 / 5;
    TLineEdge past { end, 1, { W3 / 6, W2 / 2, W1 / 2, W0 / 6, 0, 0 } };
    if (c > 0) {
        // Under the load, around a: qa d^4/24 + k d^5/120 with k = (qb - qa) / c; at the end it gives way
        // to the part past the load, so its Taylor coefficients there are taken off.
        const double k = (qb - qa) / c;
        Edges.push_back({ a, 1, { 0, 0, 0, 0, qa / 24, k / 120 } });
        const TPoly under { qa * c4 / 24 + k * c4 * c / 120, qa * c3 / 6 + k * c4 / 24, qa * c2 / 4 + k * c3 / 12,
            qa * c / 6 + k * c2 / 12, qa / 24 + k * c / 24, k / 120 };
        AddPoly(past.Change, under, -1);
    }
    // A load with a + b > L has no part under it: only the part past its end acts, from L - b on.
    Edges.push_back(past);
}

void TCaseLine::AddPointMoment(double M, double a)
{
    TLineEdge edge { a, 1, {} };
    edge.Change[2] = M / 2; // M d^2 / 2
    Edges.push_back(edge);
}

void TCaseLine::Close(double Ma, double A, double C1, double C2)
{
    Base[0] += C2;
    Base[1] += C1;
    Base[2] += Ma / 2;
    Base[3] -= A / 6;
}

void TExactLine::Add(const TCaseLine& line, double factor)
{
    AddPoly(Base, line.Base, factor);
    const size_t from = Edges.size();
    Edges.insert(Edges.end(), line.Edges.begin(), line.Edges.end());
    for (size_t i = from; i < Edges.size(); ++i)
        Edges[i].Factor = factor;
}

TExactLine::TValues TExactLine::At(double x) const
{
    // The samples' own tolerance for a position meant to lie at a load (LoadFormulas.cpp).
    const double reach = x + 1e-9 * std::max(1.0, std::abs(L));
    TPoly g = Base;
    ShiftPoly(g, x);
    for (const TEdge& e : Edges) {
        if (e.x > reach)
            continue;
        TPoly p = e.Change;
        ShiftPoly(p, x - e.x);
        AddPoly(g, p, e.Factor);
    }
    return { 2 * g[2], -6 * g[3], EI > 0 ? g[0] / EI : 0.0 };
}

namespace {

double Eval(const double* q, int n, double t)
{
    double v = q[n];
    for (int k = n - 1; k >= 0; --k)
        v = v * t + q[k];
    return v;
}

bool Opposite(double a, double b)
{
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

// A sign change of q between lo and hi, halved down to the last representable step.
double Bisect(const double* q, int n, double lo, double hi)
{
    double vlo = Eval(q, n, lo);
    for (int i = 0; i < 200; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        const double v = Eval(q, n, mid);
        if (v == 0)
            return mid;
        if (Opposite(v, vlo)) {
            hi = mid;
        } else {
            lo = mid;
            vlo = v;
        }
    }
    return lo + (hi - lo) / 2;
}

// At most 4 roots of a polynomial of degree 4 inside one piece.
struct TRoots
{
    double At[8];
    int Count = 0;
    void push_back(double t)
    {
        if (Count < 8)
            At[Count++] = t;
    }
    const double* begin() const { return At; }
    const double* end() const { return At + Count; }
};

// The roots of q (degree n <= 4, q[k] the coefficient of t^k) with 0 < t < h. The roots of the
// derivative split the piece into stretches on which q is monotone; a stretch whose ends differ in
// sign holds one root.
void Roots(const double* q, int n, double h, TRoots& out)
{
    while (n > 0 && q[n] == 0)
        --n;
    if (n == 0)
        return;
    double bound = 0, power = 1;
    for (int k = 1; k <= n; ++k) {
        power *= h;
        bound += std::fabs(q[k]) * power;
    }
    if (std::fabs(q[0]) > bound)
        return; // |q(t)| >= |q0| - bound > 0 on the whole piece
    if (n == 1) {
        const double t = -q[0] / q[1];
        if (t > 0 && t < h)
            out.push_back(t);
        return;
    }
    double dq[4];
    for (int k = 1; k <= n; ++k)
        dq[k - 1] = k * q[k];
    TRoots stops;
    Roots(dq, n - 1, h, stops);
    std::sort(stops.At, stops.At + stops.Count);
    double lo = 0, vlo = q[0];
    stops.push_back(h);
    for (double hi : stops) {
        const double vhi = Eval(q, n, hi);
        if (lo > 0 && vlo == 0)
            out.push_back(lo); // a root where q touches 0
        else if (Opposite(vlo, vhi))
            out.push_back(Bisect(q, n, lo, hi));
        lo = hi;
        vlo = vhi;
    }
}

// The coefficients in t of the k-th derivative of G at x0 + t.
void Derivative(const TPoly& c, int k, double* out)
{
    for (int j = 0; j <= 5 - k; ++j) {
        double f = 1;
        for (int m = j + 1; m <= j + k; ++m)
            f *= m;
        out[j] = c[j + k] * f;
    }
}

struct TSweep
{
    const TExactLine& Line;
    std::vector<TCandidate>& M;
    std::vector<TCandidate>& Q;
    std::vector<TCandidate>* f;

    void Point(double x, const TPoly& c, bool withF) const
    {
        M.push_back({ x, 2 * c[2] });
        Q.push_back({ x, -6 * c[3] });
        if (withF && f)
            f->push_back({ x, c[0] / Line.EI });
    }

    // Inside the piece from x0 of length h: zero shear (M), zero intensity (Q) and zero slope (f).
    void Piece(double x0, double h, const TPoly& c) const
    {
        if (!(h > 0))
            return;
        double g1[6], g2[6], g3[6], g4[6];
        Derivative(c, 1, g1);
        Derivative(c, 2, g2);
        Derivative(c, 3, g3);
        Derivative(c, 4, g4);
        TRoots t;
        Roots(g3, 2, h, t);
        for (double r : t)
            M.push_back({ x0 + r, Eval(g2, 3, r) });
        t.Count = 0;
        Roots(g4, 1, h, t);
        for (double r : t)
            Q.push_back({ x0 + r, -Eval(g3, 2, r) });
        if (!f)
            return;
        t.Count = 0;
        Roots(g1, 4, h, t);
        for (double r : t)
            f->push_back({ x0 + r, Eval(c.data(), 5, r) / Line.EI });
    }

    void Run() const
    {
        const double L = Line.L;
        TPoly cur = Line.Base;
        // Kept from call to call: a calculation of many loads is swept several times.
        static thread_local std::vector<TExactLine::TEdge> edges;
        edges.clear();
        for (const TExactLine::TEdge& e : Line.Edges) {
            const double factor = e.Factor;
            if (e.x < 0) { // acts along the whole span
                TPoly p = e.Change;
                ShiftPoly(p, -e.x);
                AddPoly(cur, p, factor);
            } else if (e.x <= L) {
                edges.push_back({ e.x, factor, e.Change });
            }
        }
        std::sort(edges.begin(), edges.end(),
            [](const TExactLine::TEdge& a, const TExactLine::TEdge& b) { return a.x < b.x; });
        double at = 0;
        for (size_t i = 0; i < edges.size();) {
            const double x = edges[i].x;
            Piece(at, x - at, cur);
            ShiftPoly(cur, x - at);
            at = x;
            const bool inside = x > 0 && x < L;
            if (x > 0)
                Point(x, cur, inside);
            for (; i < edges.size() && edges[i].x == x; ++i)
                AddPoly(cur, edges[i].Change, edges[i].Factor);
            if (x < L)
                Point(x, cur, false);
        }
        Piece(at, L - at, cur);
    }
};

} // namespace

void AddLineCandidates(const TExactLine& line, bool withDeflection, TLineCandidates& out)
{
    if (line.Empty() || !(line.L > 0))
        return;
    const bool f = withDeflection && line.EI > 0;
    TSweep { line, out.M, out.Q, f ? &out.f : nullptr }.Run();
}
