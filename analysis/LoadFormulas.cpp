#include "analysis/LoadFormulas.h"

#include "model/TEndConditions.h"

#include <algorithm>
#include <cmath>

TBeam MakeBeam(unsigned char typ, double spanL)
{
    TBeam beam;
    beam.Typ = typ;
    beam.L = spanL;
    for (int i = 0; i < SampleCount; ++i)
        beam.X[i] = SampleX(spanL, i);
    return beam;
}

bool IsKnownTyp(unsigned char typ)
{
    return EndConditionOf(typ).Known();
}

TEndForces PointForceEnds(unsigned char typ, double L, double P, double a)
{
    TEndForces e;
    switch (typ) {
    case 11:
        e.A = P * (L - a) / L;
        e.B = P * a / L;
        break;
    case 12:
        e.Mb = P * a * (L - a) * (L + a) / (2 * L * L);
        e.A = (P * (L - a) - e.Mb) / L;
        e.B = (P * a + e.Mb) / L;
        break;
    case 21:
        e.Ma = P * a * (L - a) * (2 * L - a) / (2 * L * L);
        e.A = (P * (L - a) + e.Ma) / L;
        e.B = (P * a - e.Ma) / L;
        break;
    case 22:
        e.Ma = P * a * (L - a) * (L - a) / (L * L);
        e.Mb = P * a * a * (L - a) / (L * L);
        e.A = (P * (L - a) - e.Mb + e.Ma) / L;
        e.B = (P * a - e.Ma + e.Mb) / L;
        break;
    case 2:
        e.B = P;
        e.Mb = P * (L - a);
        break;
    case 20:
        e.A = P;
        e.Ma = P * a;
        break;
    }
    return e;
}

TEndForces UniformLoadEnds(unsigned char typ, double L, double q)
{
    TEndForces e;
    const double half = q * L * L / 2; // the load's moment about either end
    switch (typ) {
    case 11:
        e.A = q * L / 2;
        e.B = q * L / 2;
        break;
    case 12:
        e.Mb = q * L * L / 8;
        e.A = (half - e.Mb) / L;
        e.B = (half + e.Mb) / L;
        break;
    case 21:
        e.Ma = q * L * L / 8;
        e.A = (half + e.Ma) / L;
        e.B = (half - e.Ma) / L;
        break;
    case 22:
        e.Ma = q * L * L / 12;
        e.Mb = q * L * L / 12;
        e.A = (half - e.Mb + e.Ma) / L;
        e.B = (half + e.Mb - e.Ma) / L;
        break;
    case 2:
        e.B = q * L;
        e.Mb = half;
        break;
    case 20:
        e.A = q * L;
        e.Ma = half;
        break;
    }
    return e;
}

namespace {

// The moments of a partial load about its start: with s measured from a and the intensity
// w(s) = qa + (qb - qa) s / c, Jk = integral of w(s) s^k ds over 0..c. A restraint moment that a
// point force P at t gives as P f(t), f a cubic, the load gives as the integral of w f, which is
// exactly f(a) J0 + f1 J1 + f2 J2 + f3 J3 with fk the k-th derivative of f at a over k! (Taylor
// at a). Short loads keep their digits this way: no difference of powers of the two ends is taken.
struct TLoadMoments
{
    double J0, J1, J2, J3;
    double Of(double f0, double f1, double f2, double f3) const { return f0 * J0 + f1 * J1 + f2 * J2 + f3 * J3; }
};

TLoadMoments MomentsAboutStart(double qa, double qb, double c)
{
    const double dq = qb - qa;
    const double c2 = c * c, c3 = c2 * c, c4 = c3 * c;
    return { qa * c + dq * c / 2, qa * c2 / 2 + dq * c2 / 3, qa * c3 / 3 + dq * c3 / 4, qa * c4 / 4 + dq * c4 / 5 };
}

} // namespace

TEndForces PartialLoadEnds(unsigned char typ, double L, double qa, double a, double qb, double b)
{
    TEndForces e;
    const double c = L - a - b;
    const double R1 = qa * c; // the uniform part, at a + c/2
    const double R2 = (qb - qa) * c / 2; // the triangular part, at a + 2c/3
    const double aboutRight = R1 * (c / 2 + b) + R2 * (c / 3 + b);
    const double aboutLeft = R1 * (c / 2 + a) + R2 * (2 * c / 3 + a);
    const TLoadMoments J = MomentsAboutStart(qa, qb, c);
    const double L2 = L * L;
    switch (typ) {
    case 11:
        e.A = aboutRight / L;
        e.B = aboutLeft / L;
        break;
    case 12: // the point force's Mb = P (L^2 t - t^3) / (2 L^2) over the load
        e.Mb = J.Of(a * (L - a) * (L + a), L2 - 3 * a * a, -3 * a, -1) / (2 * L2);
        e.A = (aboutRight - e.Mb) / L;
        e.B = (aboutLeft + e.Mb) / L;
        break;
    case 21: // Ma = P (2 L^2 t - 3 L t^2 + t^3) / (2 L^2)
        e.Ma = J.Of(a * (L - a) * (2 * L - a), 2 * L2 - 6 * L * a + 3 * a * a, 3 * (a - L), 1) / (2 * L2);
        e.A = (aboutRight + e.Ma) / L;
        e.B = (aboutLeft - e.Ma) / L;
        break;
    case 22: // Ma = P t (L - t)^2 / L^2, Mb = P t^2 (L - t) / L^2
        e.Ma = J.Of(a * (L - a) * (L - a), (L - a) * (L - 3 * a), 3 * a - 2 * L, 1) / L2;
        e.Mb = J.Of(a * a * (L - a), a * (2 * L - 3 * a), L - 3 * a, -1) / L2;
        e.A = (aboutRight - e.Mb + e.Ma) / L;
        e.B = (aboutLeft - e.Ma + e.Mb) / L;
        break;
    case 2:
        e.B = R1 + R2;
        e.Mb = aboutRight;
        break;
    case 20:
        e.A = R1 + R2;
        e.Ma = aboutLeft;
        break;
    }
    return e;
}

TEndForces PointMomentEnds(unsigned char typ, double L, double M, double a)
{
    TEndForces e;
    switch (typ) {
    case 11:
        e.A = M / L;
        e.B = -M / L;
        break;
    case 12:
        e.Mb = (M / 2) * (3 * a * a / (L * L) - 1);
        e.A = (M - e.Mb) / L;
        e.B = (e.Mb - M) / L;
        break;
    case 21:
        e.Ma = -(M / 2) * (3 * (L - a) * (L - a) / (L * L) - 1);
        e.A = (e.Ma + M) / L;
        e.B = (-M - e.Ma) / L;
        break;
    case 22:
        e.Ma = M * (L - a) / L * (2 - 3 * (L - a) / L);
        e.Mb = -M * a / L * (2 - 3 * a / L);
        e.A = (e.Ma + M - e.Mb) / L;
        e.B = (e.Mb - M - e.Ma) / L;
        break;
    case 2:
        e.Mb = M;
        break;
    case 20:
        e.Ma = -M;
        break;
    }
    return e;
}

bool TCaseScratch::IsFinite() const
{
    bool finite = std::isfinite(CaseA) && std::isfinite(CaseB) && std::isfinite(CaseMa) && std::isfinite(CaseMb);
    for (int i = 0; i < SampleCount; ++i)
        finite = finite && std::isfinite(CaseM[i]) && std::isfinite(CaseQ[i]) && std::isfinite(CaseF[i]);
    return finite;
}

namespace {

// The least x that lies at or past a point load at a. A sample meant to lie exactly at the load
// (a typed 4.92 on a span of 8.2 m is sample 60) may come out of i * L / 100 a hair short of a in
// floating point; it still carries the jump, so the tolerance is far below any typed position.
double ReachOf(double a, double L)
{
    return a - 1e-9 * std::max(1.0, std::abs(L));
}

void AddEnds(TCaseScratch& s, const TEndForces& e)
{
    s.CaseA += e.A;
    s.CaseB += e.B;
    s.CaseMa += e.Ma;
    s.CaseMb += e.Mb;
}

} // namespace

// The deflection terms: W is m(x) integrated twice from the load's start, so that for the stored
// (hogging-positive) moment M = Ma - A x + m(x) the line Ma x^2/2 - A x^3/6 + W(x) has the second
// derivative M; FinishDeflection adds the straight line that meets the supports. Standard
// Euler-Bernoulli theory with constant EI (double integration of the moment).

namespace {

constexpr double OneIn120 = 1.0 / 120;

// A partial load seen from past its end e = L - b: with s the distance from e back into the load
// and w(s) its intensity (qb at s = 0, qa at s = c), Wk = integral of w(s) s^k ds over the load.
// Past the end, W(x) = integral of w (x - t)^3 / 6 dt = (W0 u^3 + 3 W1 u^2 + 3 W2 u + W3) / 6 with
// u = x - e; written this way it stays exact for short loads (no difference of large powers).
struct TPastLoad
{
    double W0, W1, W2, W3;
    double W(double u) const { return ((W0 / 6 * u + W1 / 2) * u + W2 / 2) * u + W3 / 6; }
    double Slope(double u) const { return ((W0 * u + 2 * W1) * u + W2) / 2; }
};

TPastLoad PastLoad(double qa, double qb, double c)
{
    // w(s) = qb + (qa - qb) s / c, so Wk = qb c^(k+1) / (k+1) + (qa - qb) c^(k+1) / (k+2).
    const double dq = qa - qb;
    const double c2 = c * c, c3 = c2 * c, c4 = c3 * c;
    return { qb * c + dq * c / 2, qb * c2 / 2 + dq * c2 / 3, qb * c3 / 3 + dq * c3 / 4, qb * c4 / 4 + dq * c4 / 5 };
}

} // namespace

TBendTerm PointForceBend(double P, double a, double x)
{
    const double d = x - a > 0 ? x - a : 0.0;
    return { P * d * d * d / 6, P * d * d / 2 };
}

TBendTerm UniformLoadBend(double q, double x)
{
    return { q * x * x * x * x / 24, q * x * x * x / 6 };
}

TBendTerm PartialLoadBend(double L, double qa, double a, double qb, double b, double x)
{
    const double c = L - a - b;
    const double end = L - b;
    if (c == 0)
        return {};
    if (x > end) {
        const TPastLoad far = PastLoad(qa, qb, c);
        return { far.W(x - end), far.Slope(x - end) };
    }
    if (x < a)
        return {};
    // Under the load m = qa d^2/2 + k d^3/6 with k = (qb - qa) / c; qx = k d as in the moment.
    const double d = x - a;
    const double qx = d * (qb - qa) / c;
    const double d3 = d * d * d;
    return { d3 * d * (qa / 24 + qx * OneIn120), qa * d3 / 6 + qx * d3 / 24 };
}

TBendTerm PointMomentBend(double M, double a, double x)
{
    const double d = x - a > 0 ? x - a : 0.0;
    return { M * d * d / 2, M * d };
}

// In every sample loop: M += Ma - A x + m(x), Q += A - v(x), with the load's own terms m and v.
// The loops select values or run over ranges of samples rather than branch, so that the compiler
// vectorises them. They work on the arrays through restrict pointers and on the load's values as
// locals: the scratch, the beam and the end forces are then known not to overlap, and nothing is
// loaded again after each store.
#define TRABIK_SAMPLE_ARRAYS(s, beam)                                                                                  \
    const double* __restrict X = (beam).X.data();                                                                      \
    double* __restrict Ms = (s).CaseM.data();                                                                          \
    double* __restrict Qs = (s).CaseQ.data();                                                                          \
    double* __restrict Ws = (s).CaseW.data()

void ApplyPointForce(TCaseScratch& s, const TBeam& beam, double P, double a)
{
    const TEndForces e = PointForceEnds(beam.Typ, beam.L, P, a);
    AddEnds(s, e);
    s.WLeft += PointForceBend(P, a, 0);
    s.WRight += PointForceBend(P, a, beam.L);
    const double shearPast = e.A - P;
    const double P6 = P / 6;
    const double Ma = e.Ma, A = e.A, reach = ReachOf(a, beam.L);
    TRABIK_SAMPLE_ARRAYS(s, beam);
    for (int i = 0; i < SampleCount; ++i) {
        // A sample at the force (x == a) already carries the jump. x - a is negative exactly when
        // x < a, so P (x - a) applies from x >= a on.
        const double x = X[i];
        const double d = x - a;
        const double past = d > 0 ? d : 0.0;
        Ms[i] += Ma - A * x + P * past;
        Qs[i] += x >= reach ? shearPast : A;
        Ws[i] += P6 * past * past * past;
    }
}

void ApplyUniformLoad(TCaseScratch& s, const TBeam& beam, double q)
{
    const TEndForces e = UniformLoadEnds(beam.Typ, beam.L, q);
    AddEnds(s, e);
    s.WLeft += UniformLoadBend(q, 0);
    s.WRight += UniformLoadBend(q, beam.L);
    const double q24 = q / 24;
    const double Ma = e.Ma, A = e.A;
    TRABIK_SAMPLE_ARRAYS(s, beam);
    for (int i = 0; i < SampleCount; ++i) {
        const double x = X[i];
        const double x2 = x * x;
        Ms[i] += Ma - A * x + q * x * x / 2;
        Qs[i] += A - q * x;
        Ws[i] += q24 * x2 * x2;
    }
}

namespace {

// The first sample from `from` on whose position passes the test (SampleCount when none does).
template <class TTest> int FirstSample(const TBeam& beam, int from, TTest test)
{
    int i = from;
    while (i < SampleCount && !test(beam.X[i]))
        ++i;
    return i;
}

} // namespace

void ApplyPartialLoad(TCaseScratch& s, const TBeam& beam, double qa, double a, double qb, double b)
{
    const double L = beam.L;
    const double c = L - a - b;
    if (c == 0)
        return;
    const TEndForces e = PartialLoadEnds(beam.Typ, L, qa, a, qb, b);
    AddEnds(s, e);
    const double end = L - b;
    const double delta = qb - qa;
    const double R1 = qa * c;
    const double R2 = delta * c / 2;
    const TPastLoad far = PastLoad(qa, qb, c);
    s.WLeft += PartialLoadBend(L, qa, a, qb, b, 0);
    s.WRight += PartialLoadBend(L, qa, a, qb, b, L);
    // W under the load d^4 (qa/24 + qx/120), past it a cubic in u = x - (L - b); see PastLoad.
    const double qa24 = qa / 24;
    const double w3 = far.W0 / 6, w2 = far.W1 / 2, w1 = far.W2 / 2, w0 = far.W3 / 6;
    // The samples ascend: those before the load (x < a), under it (a <= x <= L - b) and past it
    // (x > L - b). A load with a + b > L has no samples under it, and those past it may lie before a.
    const int past = FirstSample(beam, 0, [end](double x) { return x > end; });
    const int under = std::min(FirstSample(beam, 0, [a](double x) { return a <= x; }), past);
    const double Ma = e.Ma, A = e.A;
    const double halfC = c / 2, twoThirdsC = 2 * c / 3, shearPast = A - (R1 + R2);
    TRABIK_SAMPLE_ARRAYS(s, beam);
    for (int i = 0; i < under; ++i) {
        const double x = X[i];
        Ms[i] += Ma - A * x;
        Qs[i] += A;
    }
    for (int i = under; i < past; ++i) {
        const double x = X[i];
        const double d = x - a;
        const double qx = d * delta / c; // growth of the intensity over d
        const double d4 = d * d * d * d;
        Ms[i] += Ma - A * x + (qa * d * d / 2 + qx * d * d / 6);
        Qs[i] += A - (qa * d + qx * d / 2);
        Ws[i] += d4 * (qa24 + qx * OneIn120);
    }
    for (int i = past; i < SampleCount; ++i) {
        const double x = X[i];
        const double d = x - a;
        Ms[i] += Ma - A * x + (R1 * (d - halfC) + R2 * (d - twoThirdsC));
        Qs[i] += shearPast;
        const double u = x - end;
        Ws[i] += ((w3 * u + w2) * u + w1) * u + w0;
    }
}

void ApplyPointMoment(TCaseScratch& s, const TBeam& beam, double M, double a)
{
    const TEndForces e = PointMomentEnds(beam.Typ, beam.L, M, a);
    AddEnds(s, e);
    s.WLeft += PointMomentBend(M, a, 0);
    s.WRight += PointMomentBend(M, a, beam.L);
    const double M2 = M / 2;
    const double Ma = e.Ma, A = e.A, reach = ReachOf(a, beam.L);
    TRABIK_SAMPLE_ARRAYS(s, beam);
    for (int i = 0; i < SampleCount; ++i) {
        const double x = X[i];
        const double d = x - a;
        const double past = d > 0 ? d : 0.0;
        Ms[i] += Ma - A * x + (x >= reach ? M : 0.0);
        Qs[i] += A;
        Ws[i] += M2 * past * past;
    }
}

#undef TRABIK_SAMPLE_ARRAYS
