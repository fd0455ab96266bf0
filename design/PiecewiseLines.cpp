#include "design/PiecewiseLines.h"

#include <algorithm>
#include <cmath>

namespace {

// The same polynomial as Taylor coefficients around a point d further on.
TPoly Moved(TPoly c, double d)
{
    ShiftPoly(c, d);
    return c;
}

bool SignsDiffer(double a, double b)
{
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

// The root of p between a and b, where p changes sign, to the last representable step.
double Bisection(const TPoly& p, int degree, double a, double b)
{
    double fa = EvalPoly(p, degree, a);
    for (int i = 0; i < 200; ++i) {
        const double m = a + (b - a) / 2;
        if (m <= a || m >= b)
            break;
        const double fm = EvalPoly(p, degree, m);
        if (fm == 0)
            return m;
        if (SignsDiffer(fa, fm)) {
            b = m;
        } else {
            a = m;
            fa = fm;
        }
    }
    return a + (b - a) / 2;
}

} // namespace

int QuantityDegree(TQuantity quantity)
{
    return quantity == TQuantity::M ? 3 : quantity == TQuantity::Q ? 2 : 5;
}

TPieces BuildPieces(const std::vector<TResultStore>& cases, double L)
{
    TPieces pieces;
    pieces.Cases = cases.size();
    pieces.X = { 0, L };
    for (const TResultStore& s : cases) {
        pieces.EI = s.LineN.EI;
        for (const TLineEdge& e : s.LineN.Edges)
            if (e.x > 0 && e.x < L)
                pieces.X.push_back(e.x);
    }
    std::sort(pieces.X.begin(), pieces.X.end());
    pieces.X.erase(std::unique(pieces.X.begin(), pieces.X.end()), pieces.X.end());
    const size_t count = pieces.X.size() - 1;
    pieces.Coefficients.assign(count * cases.size(), TPoly {});
    for (size_t k = 0; k < cases.size(); ++k) {
        const TExactLine& line = cases[k].LineN;
        // Edges at or before the left end act along the whole span; edges at L and beyond act on none
        // of it (the samples at L carry them).
        TPoly g = line.Base;
        std::vector<const TLineEdge*> inside;
        for (const TLineEdge& e : line.Edges) {
            if (e.x <= 0)
                AddPoly(g, Moved(e.Change, -e.x), e.Factor);
            else if (e.x < L)
                inside.push_back(&e);
        }
        std::sort(inside.begin(), inside.end(), [](const TLineEdge* a, const TLineEdge* b) { return a->x < b->x; });
        size_t next = 0;
        for (size_t p = 0; p < count; ++p) {
            if (p > 0)
                g = Moved(g, pieces.X[p] - pieces.X[p - 1]);
            for (; next < inside.size() && inside[next]->x <= pieces.X[p]; ++next)
                AddPoly(g, inside[next]->Change, inside[next]->Factor);
            pieces.Coefficients[p * cases.size() + k] = g;
        }
    }
    return pieces;
}

TPoly QuantityPoly(const TPoly& c, TQuantity quantity, double EI)
{
    switch (quantity) {
    case TQuantity::M:
        return { 2 * c[2], 6 * c[3], 12 * c[4], 20 * c[5], 0, 0 };
    case TQuantity::Q:
        return { -6 * c[3], -24 * c[4], -60 * c[5], 0, 0, 0 };
    case TQuantity::f:
        break;
    }
    TPoly f {};
    if (EI > 0)
        for (int k = 0; k < 6; ++k)
            f[k] = c[k] / EI;
    return f;
}

double EvalPoly(const TPoly& p, int degree, double t)
{
    double v = p[size_t(degree)];
    for (int k = degree - 1; k >= 0; --k)
        v = v * t + p[size_t(k)];
    return v;
}

void PolyRoots(const TPoly& p, int degree, double a, double b, std::vector<double>& out)
{
    while (degree > 0 && p[size_t(degree)] == 0)
        --degree;
    if (degree <= 0 || !(b > a))
        return;
    if (degree == 1) {
        const double t = -p[0] / p[1];
        if (t > a && t < b)
            out.push_back(t);
        return;
    }
    // Between consecutive roots of the derivative p is monotone: one root where the ends differ in sign.
    TPoly slope {};
    for (int k = 1; k <= degree; ++k)
        slope[size_t(k - 1)] = k * p[size_t(k)];
    std::vector<double> stops;
    PolyRoots(slope, degree - 1, a, b, stops);
    std::sort(stops.begin(), stops.end());
    stops.push_back(b);
    double lo = a, flo = EvalPoly(p, degree, a);
    for (double hi : stops) {
        const double fhi = EvalPoly(p, degree, hi);
        if (lo > a && flo == 0)
            out.push_back(lo); // touches 0 at a turning point
        else if (SignsDiffer(flo, fhi))
            out.push_back(Bisection(p, degree, lo, hi));
        lo = hi;
        flo = fhi;
    }
}

TExactLine CombinedLine(const std::vector<TResultStore>& cases, const std::vector<double>& factors, double L)
{
    TExactLine line;
    line.L = L;
    for (size_t k = 0; k < cases.size(); ++k) {
        const TExactLine& own = cases[k].LineN;
        line.EI = own.EI;
        if (factors[k] == 0)
            continue;
        AddPoly(line.Base, own.Base, factors[k]);
        for (TLineEdge e : own.Edges) {
            e.Factor *= factors[k];
            line.Edges.push_back(e);
        }
    }
    return line;
}
