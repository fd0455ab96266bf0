#include "design/LateralTorsional.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int DofsPerNode = 4; // u, u', phi, phi'
constexpr int Band = 2 * DofsPerNode - 1; // couplings reach the next node's last degree of freedom

// A symmetric band matrix, lower half: (i, j) with i - Band <= j <= i.
class TBandMatrix
{
public:
    explicit TBandMatrix(int n)
        : N(n)
        , Values(size_t(n) * (Band + 1), 0.0)
    {
    }
    double& At(int i, int j) { return i >= j ? Values[Index(i, j)] : Values[Index(j, i)]; }
    double At(int i, int j) const { return i >= j ? Values[Index(i, j)] : Values[Index(j, i)]; }
    int Size() const { return N; }

    // K - lambda G for rows in the band.
    static TBandMatrix Combine(const TBandMatrix& k, const TBandMatrix& g, double lambda)
    {
        TBandMatrix s(k.N);
        for (size_t i = 0; i < s.Values.size(); ++i)
            s.Values[i] = k.Values[i] - lambda * g.Values[i];
        return s;
    }

    // The number of negative pivots of L D L^T (no pivoting: the band stays a band).
    int NegativePivots() const
    {
        TBandMatrix l = *this; // L below the diagonal, D on it
        int negative = 0;
        for (int j = 0; j < N; ++j) {
            double d = l.At(j, j);
            for (int k = std::max(0, j - Band); k < j; ++k)
                d -= l.At(j, k) * l.At(j, k) * l.At(k, k);
            if (d == 0)
                d = 1e-300; // a pivot exactly 0: lambda is an eigenvalue, count it on one side
            l.At(j, j) = d;
            negative += d < 0;
            for (int i = j + 1; i <= std::min(N - 1, j + Band); ++i) {
                double v = l.At(i, j);
                for (int k = std::max(0, i - Band); k < j; ++k)
                    v -= l.At(i, k) * l.At(j, k) * l.At(k, k);
                l.At(i, j) = v / d;
            }
        }
        return negative;
    }

    // A degree of freedom held at 0: its row and column leave both matrices (diagonal 1 in K).
    void Hold(int dof, double diagonal)
    {
        for (int j = std::max(0, dof - Band); j <= std::min(N - 1, dof + Band); ++j)
            At(dof, j) = 0;
        At(dof, dof) = diagonal;
    }

private:
    size_t Index(int i, int j) const { return size_t(i) * (Band + 1) + size_t(i - j); }
    int N;
    std::vector<double> Values;
};

// Hermite shape functions on an element of length h at xi in [0, 1]: value, first and second
// derivative with respect to x, for the dofs (w0, w0', w1, w1').
struct TShape
{
    std::array<double, 4> N, N1, N2;
};

TShape Shape(double xi, double h)
{
    const double x2 = xi * xi, x3 = x2 * xi;
    return { { 1 - 3 * x2 + 2 * x3, h * (xi - 2 * x2 + x3), 3 * x2 - 2 * x3, h * (x3 - x2) },
        { (-6 * xi + 6 * x2) / h, 1 - 4 * xi + 3 * x2, (6 * xi - 6 * x2) / h, 3 * x2 - 2 * xi },
        { (-6 + 12 * xi) / (h * h), (-4 + 6 * xi) / h, (6 - 12 * xi) / (h * h), (6 * xi - 2) / h } };
}

// The nodes: the ends, every fork and point force, with the stretches between them divided evenly.
std::vector<double> Nodes(const TLtbBeam& beam)
{
    std::vector<double> keys { 0, beam.L };
    for (double x : beam.Forks)
        keys.push_back(std::clamp(x, 0.0, beam.L));
    for (const auto& [x, P] : beam.PointForces)
        if (x > 0 && x < beam.L)
            keys.push_back(x);
    std::sort(keys.begin(), keys.end());
    const double tolerance = 1e-9 * beam.L;
    keys.erase(
        std::unique(keys.begin(), keys.end(), [&](double a, double b) { return b - a <= tolerance; }), keys.end());
    constexpr int ElementsOverSpan = 60;
    std::vector<double> nodes { keys.front() };
    for (size_t k = 1; k < keys.size(); ++k) {
        const double length = keys[k] - keys[k - 1];
        const int n = std::max(4, int(std::ceil(ElementsOverSpan * length / beam.L)));
        for (int i = 1; i <= n; ++i)
            nodes.push_back(i == n ? keys[k] : keys[k - 1] + length * i / n);
    }
    return nodes;
}

int NodeAt(const std::vector<double>& nodes, double x)
{
    const auto it = std::min_element(
        nodes.begin(), nodes.end(), [x](double a, double b) { return std::abs(a - x) < std::abs(b - x); });
    return int(it - nodes.begin());
}

} // namespace

double CriticalLoadFactor(const TLtbBeam& beam)
{
    if (!(beam.L > 0) || !(beam.EIz > 0) || beam.GIt < 0 || beam.EIw < 0)
        return 0;
    const std::vector<double> nodes = Nodes(beam);
    const int n = int(nodes.size()) * DofsPerNode;
    TBandMatrix K(n), G(n);
    // Four-point Gauss-Legendre on [0, 1].
    const double gx[4] = { 0.0694318442029737, 0.3300094782075719, 0.6699905217924281, 0.9305681557970263 };
    const double gw[4] = { 0.1739274225687269, 0.3260725774312731, 0.3260725774312731, 0.1739274225687269 };
    for (size_t e = 0; e + 1 < nodes.size(); ++e) {
        const double x0 = nodes[e], h = nodes[e + 1] - x0;
        const int u[4] = { int(e) * 4, int(e) * 4 + 1, int(e) * 4 + 4, int(e) * 4 + 5 };
        const int p[4] = { int(e) * 4 + 2, int(e) * 4 + 3, int(e) * 4 + 6, int(e) * 4 + 7 };
        for (int g = 0; g < 4; ++g) {
            const TShape s = Shape(gx[g], h);
            const double x = x0 + gx[g] * h, w = gw[g] * h;
            const double M = beam.M ? beam.M(x) : 0, q = beam.q ? beam.q(x) : 0;
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) {
                    if (u[i] >= u[j])
                        K.At(u[i], u[j]) += w * beam.EIz * s.N2[i] * s.N2[j];
                    if (p[i] >= p[j]) {
                        K.At(p[i], p[j]) += w * (beam.GIt * s.N1[i] * s.N1[j] + beam.EIw * s.N2[i] * s.N2[j]);
                        G.At(p[i], p[j]) += w * q * beam.zg * s.N[i] * s.N[j];
                    }
                    G.At(u[i], p[j]) -= w * M * s.N2[i] * s.N[j];
                }
        }
    }
    for (const auto& [x, P] : beam.PointForces) {
        const int dof = NodeAt(nodes, x) * DofsPerNode + 2;
        G.At(dof, dof) += P * beam.zg;
    }
    const auto hold = [&](int node, bool clamped) {
        for (int k = 0; k < DofsPerNode; ++k)
            if (clamped || k == 0 || k == 2) {
                K.Hold(node * DofsPerNode + k, 1);
                G.Hold(node * DofsPerNode + k, 0);
            }
    };
    for (double x : beam.Forks)
        hold(NodeAt(nodes, x), false);
    if (beam.ClampedLeft)
        hold(0, true);
    if (beam.ClampedRight)
        hold(int(nodes.size()) - 1, true);

    const auto count = [&](double lambda) { return TBandMatrix::Combine(K, G, lambda).NegativePivots(); };
    if (count(0) > 0)
        return 0; // not held against moving sideways: no buckling load to speak of
    double lo = 0, hi = 1;
    while (count(hi) == 0) {
        lo = hi;
        hi *= 4;
        if (hi > 1e9)
            return 0;
    }
    for (int i = 0; i < 200 && hi - lo > 1e-10 * hi; ++i) {
        const double mid = lo == 0 ? hi / 4 : (lo + hi) / 2;
        (count(mid) > 0 ? hi : lo) = mid;
        if (lo == 0 && hi < 1e-12)
            return hi;
    }
    return (lo + hi) / 2;
}
