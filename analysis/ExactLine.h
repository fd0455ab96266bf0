#pragma once
// The sums of a calculation as exact functions of x, for extremes between the samples.
//
// Every load formula has the form M = Ma - A x + m(x), Q = A - m'(x) and
// EI f = Ma x^2/2 - A x^3/6 + W(x) + C1 x + C2, where only Ma, A, C1 and C2 depend on the end
// condition and W (with W'' = m) is the load's own term. So one piecewise polynomial of degree 5,
//     G(x) = Ma x^2/2 - A x^3/6 + C1 x + C2 + sum of the loads' W(x),
// gives all three lines of a load case: M = G'', Q = -G''', f = G / EI. Its pieces change where a
// load starts or ends. The end-condition part is taken from the solved load case, so the line
// follows whatever the end-force formulas give.
#include <array>
#include <vector>

// Taylor coefficients around a point: p(x) = sum of c[k] (x - x0)^k.
using TPoly = std::array<double, 6>;

// The same polynomial around x0 + d, from its coefficients around x0.
void ShiftPoly(TPoly& c, double d);
// sum += factor * p.
void AddPoly(TPoly& sum, const TPoly& p, double factor = 1);

// What changes in G at a load edge: Change (around x) times the load case's factor, from x on.
struct TLineEdge
{
    double x = 0;
    double Factor = 1;
    TPoly Change {};
};

// One load case's G at factor 1: the polynomial around x = 0 of what holds along the whole beam,
// and what changes at each load edge.
struct TCaseLine
{
    TPoly Base {};
    std::vector<TLineEdge> Edges;

    // The own term of each load, by the same regions as the sample loops.
    void AddPointForce(double P, double a);
    void AddUniformLoad(double q);
    void AddPartialLoad(double L, double qa, double a, double qb, double b);
    void AddPointMoment(double M, double a);
    // The end-condition part once the load case is solved: its left-end forces Ma and A and the
    // constants of its deflection line C1, C2.
    void Close(double Ma, double A, double C1, double C2);
};

// The G line of a sum of load cases, each times its factor.
struct TExactLine
{
    using TEdge = TLineEdge;
    double L = 0;
    double EI = 0; // 0: no deflection line (then f comes from the samples only)
    TPoly Base {};
    std::vector<TEdge> Edges;
    bool Empty() const { return Edges.empty() && Base == TPoly {}; }

    // Adds a solved load case times `factor`.
    void Add(const TCaseLine& line, double factor);

    // The moment, the shear force and (with EI) the deflection at x: at a jump the value just right
    // of it, as the samples hold it (a sample at a point force carries its jump).
    struct TValues
    {
        double M = 0, Q = 0, f = 0;
    };
    TValues At(double x) const;
};

// A value of one line at one position (both sides of a jump are two candidates).
struct TCandidate
{
    double x = 0, Value = 0;
};

// The candidates for the extremes that lie between the samples, inside 0 <= x <= L: both sides of
// every load edge (only the inner side at the ends) and the points where the line's slope is 0
// inside each piece (zero shear for M, zero load intensity for Q, zero slope for f). The ends and
// the samples themselves are left to the caller, which has their stored values.
struct TLineCandidates
{
    std::vector<TCandidate> M, Q, f;
};
// f only when withDeflection and the line has EI.
void AddLineCandidates(const TExactLine& line, bool withDeflection, TLineCandidates& out);
