// The deflection line: textbook values through the whole calculation, and for random loads on
// every end condition the beam equation EI f'' = M against the solver's own moment, the support
// conditions, mirror symmetry, and sections that give no deflection.
#include "RandomLoads.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The default section of the deflection tab: E = 210 GPa, Iy = 0.0003375 m4.
const double EI = 2.1e11 * 3.375e-4;

struct TClassic
{
    const char* Name;
    unsigned char Typ;
    TTestLoad Load;
    int Sample;
    double Expected; // in the store's unit: loads in kN and EI in Pa m4 give metres / 1000
};

TEST(Deflection, TextbookValues)
{
    const double q = 10, P = 12, L = 4;
    const TClassic cases[] = {
        { "simple beam, uniform load: 5 q L^4 / 384 EI", 11, Q(q), 50, 5 * q * std::pow(L, 4) / (384 * EI) },
        { "fixed both ends, uniform load: q L^4 / 384 EI", 22, Q(q), 50, q * std::pow(L, 4) / (384 * EI) },
        { "simple beam, force at mid-span: P L^3 / 48 EI", 11, Px(P, 2), 50, P * L * L * L / (48 * EI) },
        { "fixed both ends, force at mid-span: P L^3 / 192 EI", 22, Px(P, 2), 50, P * L * L * L / (192 * EI) },
        { "cantilever fixed left, force at the tip: P L^3 / 3 EI", 20, Px(P, 4), 100, P * L * L * L / (3 * EI) },
        { "cantilever fixed right, force at the tip: P L^3 / 3 EI", 2, Px(P, 0), 0, P * L * L * L / (3 * EI) },
        { "cantilever fixed left, uniform load: q L^4 / 8 EI", 20, Q(q), 100, q * std::pow(L, 4) / (8 * EI) },
        { "cantilever fixed right, uniform load: q L^4 / 8 EI", 2, Q(q), 0, q * std::pow(L, 4) / (8 * EI) },
        { "pinned left fixed right, uniform load: q L^4 / 192 EI at mid-span", 12, Q(q), 50,
            q * std::pow(L, 4) / (192 * EI) },
        { "fixed left pinned right, uniform load: q L^4 / 192 EI at mid-span", 21, Q(q), 50,
            q * std::pow(L, 4) / (192 * EI) },
        // A moment M at the tip bends the cantilever into a circle: f = M L^2 / 2 EI, and a positive
        // (hogging) stored moment curves it upwards.
        { "cantilever fixed left, moment at the tip: M L^2 / 2 EI", 20, Mx(8, 4), 100, -8 * L * L / (2 * EI) },
        { "simple beam, uniform partial load over the whole span", 11, QQ(q, 0, q, 0), 50,
            5 * q * std::pow(L, 4) / (384 * EI) },
        { "fixed both ends, uniform partial load over the whole span: q L^4 / 384 EI", 22, QQ(q, 0, q, 0), 50,
            q * std::pow(L, 4) / (384 * EI) },
        // A triangular load and its mirror image add up to the uniform load: half its mid-span value.
        { "fixed both ends, triangular load: q L^4 / 768 EI at mid-span", 22, QQ(0, 0, q, 0), 50,
            q * std::pow(L, 4) / (768 * EI) },
        { "pinned left fixed right, uniform partial load: q L^4 / 192 EI at mid-span", 12, QQ(q, 0, q, 0), 50,
            q * std::pow(L, 4) / (192 * EI) },
    };
    for (const TClassic& c : cases) {
        TTask task = MakeTask(c.Typ, QStringLiteral("4"));
        AddCase(task, QStringLiteral("ZS1"), 1.35, { c.Load });
        const TResultStore s = Solve(task, QStringLiteral("ZS1"));
        EXPECT_NEAR(s.fn[size_t(c.Sample)], c.Expected, 1e-12 * std::fabs(c.Expected)) << c.Name;
        EXPECT_EQ(s.fIssue, TDeflectionIssue::None);
        EXPECT_EQ(DeflectionProblem(s), QString());
    }
}

TEST(Deflection, ShownInMillimetresAndFoundByTheExtremes)
{
    TTask task = MakeTask(11, QStringLiteral("4"));
    AddCase(task, QStringLiteral("ZS1"), 1.35, { Q(10) });
    TResultStore s = Solve(task, QStringLiteral("ZS1"));
    TExtreme f = FindExtremes(task.SpanL(), s).f;
    EXPECT_NEAR(f.Max * 1e6, 0.470312, 1e-6); // mm, sagging
    EXPECT_DOUBLE_EQ(f.xMax, 2);
    EXPECT_EQ(s.fn[0], 0); // exactly 0 on the supports, so fmin = 0 sits at the last one
    EXPECT_EQ(s.fn[100], 0);
    EXPECT_EQ(f.Min, 0);
    EXPECT_DOUBLE_EQ(f.xMin, 4);

    // Lifting moments at both ends of a simple beam bend it upwards: fmin < 0, fmax = 0.
    AddCase(task, QStringLiteral("ZS2"), 1.0, { Mx(10, 0), Mx(-10, 4) });
    s = Solve(task, QStringLiteral("ZS2"));
    f = FindExtremes(task.SpanL(), s).f;
    EXPECT_LT(f.Min, 0);
    EXPECT_DOUBLE_EQ(f.xMin, 2);
    EXPECT_EQ(f.Max, 0);
}

TEST(Deflection, IsCharacteristicAndAddsUpOverLoadCases)
{
    TTask task = MakeTask(21, QStringLiteral("5"));
    AddCase(task, QStringLiteral("ZS1"), 1.35, { Q(3), Px(7, 2) });
    AddCase(task, QStringLiteral("ZS2"), 1.0, { Q(3), Px(7, 2) });
    AddCase(task, QStringLiteral("ZS3"), 1.5, { Mx(-4, 4.25) });
    const TResultStore s1 = Solve(task, QStringLiteral("ZS1"));
    const TResultStore s2 = Solve(task, QStringLiteral("ZS2"));
    const TResultStore s3 = Solve(task, QStringLiteral("ZS3"));
    const TResultStore sum = SumCases(task, { 0, 2 });
    for (int i = 0; i < SampleCount; ++i) {
        EXPECT_EQ(s1.fn[i], s2.fn[i]) << "gamma_f must not enter the deflection, sample " << i;
        EXPECT_DOUBLE_EQ(sum.fn[i], s1.fn[i] + s3.fn[i]) << i;
    }
}

// f at arbitrary points: the beam's positions replaced by `points` (ascending), EI = 1.
TCaseScratch DeflectionAt(unsigned char typ, double L, const TLoadSet& set, const TSamples& points)
{
    TBeam beam = MakeBeam(typ, L);
    beam.X = points;
    TCaseScratch s = Solve(beam, set);
    EXPECT_TRUE(FinishDeflection(s, beam, 1));
    return s;
}

TSamples Shifted(const TBeam& beam, double by)
{
    TSamples x = beam.X;
    for (double& v : x)
        v += by;
    return x;
}

std::vector<double> LoadEdges(const TLoadSet& set, double L)
{
    std::vector<double> edges;
    for (auto [P, a] : set.Forces)
        edges.push_back(a);
    for (auto [M, a] : set.Moments)
        edges.push_back(a);
    for (const auto& p : set.Partials) {
        edges.push_back(p.a);
        edges.push_back(L - p.b);
    }
    return edges;
}

double LoadScale(const TLoadSet& set, double L)
{
    double scale = 0;
    for (auto [P, a] : set.Forces)
        scale += std::fabs(P) * L;
    for (auto [M, a] : set.Moments)
        scale += std::fabs(M);
    for (double q : set.Uniform)
        scale += std::fabs(q) * L * L;
    for (const auto& p : set.Partials)
        scale += (std::fabs(p.qa) + std::fabs(p.qb)) * L * L;
    return scale;
}

// The second difference of f at each sample against the solver's moment there (EI = 1: f'' = M,
// hogging-positive M, downward f), skipping samples whose stencil crosses a load's edge.
TEST(Deflection, SatisfiesTheBeamEquationForRandomLoads)
{
    std::mt19937 rng(31);
    for (unsigned char typ : AllTyps) {
        for (int trial = 0; trial < 10; ++trial) {
            const double L = std::uniform_real_distribution<double>(1, 10)(rng);
            const TLoadSet set = RandomLoads(rng, L, 0);
            const TBeam beam = MakeBeam(typ, L);
            const double h = 1e-3 * L;
            const TCaseScratch mid = DeflectionAt(typ, L, set, beam.X);
            const TCaseScratch left = DeflectionAt(typ, L, set, Shifted(beam, -h));
            const TCaseScratch right = DeflectionAt(typ, L, set, Shifted(beam, h));
            const std::vector<double> edges = LoadEdges(set, L);
            const double tol = 1e-5 * LoadScale(set, L);
            int checked = 0;
            for (int i = 1; i < SampleCount - 1; ++i) {
                const double x = beam.X[i];
                if (std::any_of(edges.begin(), edges.end(), [&](double e) { return std::fabs(e - x) <= h; }))
                    continue;
                const double curvature = (left.CaseF[i] - 2 * mid.CaseF[i] + right.CaseF[i]) / (h * h);
                EXPECT_NEAR(curvature, mid.CaseM[i], tol) << int(typ) << " sample " << i;
                ++checked;
            }
            EXPECT_GT(checked, 70);
        }
    }
}

// f = 0 on supports, f' = 0 at fixed ends. The fixed ends of the propped and fixed beams are not
// imposed when the line is built: they hold only if the solver's restraint moments are the right
// ones. The analytic end slopes are checked against central differences around the ends.
TEST(Deflection, MeetsTheSupportsAndTheFixedEnds)
{
    std::mt19937 rng(77);
    for (unsigned char typ : AllTyps) {
        for (int trial = 0; trial < 10; ++trial) {
            const double L = std::uniform_real_distribution<double>(1, 10)(rng);
            const TLoadSet set = RandomLoads(rng, L, 0);
            const double scale = LoadScale(set, L) * L * L; // of f with EI = 1
            TSamples ends {};
            const double h = 1e-4 * L;
            ends[0] = -h, ends[1] = 0, ends[2] = h;
            ends[3] = L - h, ends[4] = L, ends[5] = L + h;
            for (int i = 6; i < SampleCount; ++i)
                ends[i] = L + h * i; // unused, past the end as the order requires
            const TCaseScratch s = DeflectionAt(typ, L, set, ends);
            // The samples on the ends are set to 0 exactly; f there comes from both neighbours:
            // (f(-h) + f(h)) / 2 = f(0) + h^2 f''(0) / 2 + O(h^4), and f'' = M.
            const double atLeft = (s.CaseF[0] + s.CaseF[2]) / 2 - h * h * s.CaseM[1] / 2;
            const double atRight = (s.CaseF[3] + s.CaseF[5]) / 2 - h * h * s.CaseM[4] / 2;
            if (typ / 10 != 0) {
                EXPECT_NEAR(atLeft, 0, 1e-12 * scale) << int(typ);
            }
            if (typ % 10 != 0) {
                EXPECT_NEAR(atRight, 0, 1e-12 * scale) << int(typ);
            }
            if (typ / 10 == 2) {
                EXPECT_NEAR(s.CaseSlopeA, 0, 1e-11 * scale / L) << int(typ);
            }
            if (typ % 10 == 2) {
                EXPECT_NEAR(s.CaseSlopeB, 0, 1e-11 * scale / L) << int(typ);
            }
            const double slopeA = (s.CaseF[2] - s.CaseF[0]) / (2 * h);
            const double slopeB = (s.CaseF[5] - s.CaseF[3]) / (2 * h);
            EXPECT_NEAR(s.CaseSlopeA, slopeA, 1e-6 * scale / L) << int(typ);
            EXPECT_NEAR(s.CaseSlopeB, slopeB, 1e-6 * scale / L) << int(typ);
        }
    }
}

// A beam has no kinks: f and f' are continuous across every load's edge (f'' = M may jump there).
// One-sided slopes a small step either side of each edge must agree, and so must the values.
TEST(Deflection, LineIsSmoothAcrossLoadEdges)
{
    std::mt19937 rng(23);
    for (unsigned char typ : AllTyps) {
        for (int trial = 0; trial < 5; ++trial) {
            const double L = std::uniform_real_distribution<double>(1, 10)(rng);
            const TLoadSet set = RandomLoads(rng, L, 0);
            const double scale = LoadScale(set, L); // of M with EI = 1
            const double h = 1e-5 * L;
            for (double e : LoadEdges(set, L)) {
                TSamples x {};
                const double around[] = { e - 2 * h, e - h, e + h, e + 2 * h };
                for (int i = 0; i < SampleCount; ++i)
                    x[i] = i < 4 ? around[i] : e + 2 * h + i * L; // past the span, unused
                const TCaseScratch s = DeflectionAt(typ, L, set, x);
                const double left = (s.CaseF[1] - s.CaseF[0]) / h, right = (s.CaseF[3] - s.CaseF[2]) / h;
                EXPECT_NEAR(left, right, 4 * h * scale) << int(typ) << " edge " << e;
                EXPECT_NEAR(s.CaseF[2] - s.CaseF[1], h * (left + right), 4 * h * h * scale)
                    << int(typ) << " edge " << e;
            }
        }
    }
}

TEST(Deflection, MirroredBeamGivesTheMirroredLine)
{
    const std::pair<unsigned char, unsigned char> pairs[] = { { 2, 20 }, { 12, 21 }, { 11, 11 }, { 22, 22 } };
    std::mt19937 rng(4);
    for (auto [typ, mirror] : pairs) {
        for (int trial = 0; trial < 10; ++trial) {
            const double L = std::uniform_real_distribution<double>(1, 10)(rng);
            const TLoadSet set = RandomLoads(rng, L, 0);
            const TCaseScratch s = DeflectionAt(typ, L, set, MakeBeam(typ, L).X);
            const TCaseScratch r = DeflectionAt(mirror, L, Mirrored(set, L), MakeBeam(mirror, L).X);
            const double tol = 1e-10 * LoadScale(set, L) * L * L;
            for (int i = 0; i < SampleCount; ++i)
                EXPECT_NEAR(r.CaseF[i], s.CaseF[100 - i], tol) << int(typ) << " sample " << i;
            EXPECT_NEAR(r.CaseSlopeA, -s.CaseSlopeB, tol / L) << int(typ);
        }
    }
}

// A partial load a millionth of a millimetre long acts as a point force of its resultant; the line
// past such a load must not lose its digits to the difference of large powers.
TEST(Deflection, ShortPartialLoadActsAsItsResultant)
{
    const double L = 6, a = 2.2, b = L - a - 1e-9, qa = 3e9, qb = 5e9;
    const double c = L - a - b; // as the formulas take it
    const double R = (qa + qb) / 2 * c, centre = a + c * (qa + 2 * qb) / (3 * (qa + qb));
    for (unsigned char typ : AllTyps) {
        TLoadSet partial, force;
        partial.Partials.push_back({ qa, a, qb, b });
        force.Forces.push_back({ R, centre });
        const TSamples x = MakeBeam(typ, L).X;
        const TCaseScratch p = DeflectionAt(typ, L, partial, x);
        const TCaseScratch f = DeflectionAt(typ, L, force, x);
        for (int i = 0; i < SampleCount; ++i)
            EXPECT_NEAR(p.CaseF[i], f.CaseF[i], 1e-9 * R * L * L * L) << int(typ) << " sample " << i;
    }
}

struct TBadSection
{
    const char* E;
    const char* Iy;
    TDeflectionIssue Issue;
    const char* Text;
};

TEST(Deflection, SectionWithoutStiffnessLeavesZerosAndSaysWhy)
{
    const TBadSection cases[] = {
        { "0", "0.0003375", TDeflectionIssue::ZeroE, "Průhyb nelze spočítat: modul pružnosti E je nulový." },
        { "210", "", TDeflectionIssue::ZeroIy, "Průhyb nelze spočítat: moment setrvačnosti Iy je nulový." },
        { "", "", TDeflectionIssue::ZeroBoth,
            "Průhyb nelze spočítat: modul pružnosti E i moment setrvačnosti Iy jsou nulové." },
        // A text that is not a number is named as typed, never read as 0.
        { "2x10", "0.0003375", TDeflectionIssue::Unreadable,
            "Průhyb nelze spočítat: modul pružnosti E = „2x10“ není číslo." },
        { "x", "nic", TDeflectionIssue::Unreadable,
            "Průhyb nelze spočítat: modul pružnosti E = „x“ není číslo, moment setrvačnosti Iy = „nic“ není "
            "číslo." },
        { "-210", "0.0003375", TDeflectionIssue::NegativeE, "Průhyb nelze spočítat: modul pružnosti E je záporný." },
        { "210", "-1", TDeflectionIssue::NegativeIy, "Průhyb nelze spočítat: moment setrvačnosti Iy je záporný." },
        { "1e200", "1e200", TDeflectionIssue::OutOfRange,
            "Průhyb nelze spočítat: součin E · Iy je mimo rozsah čísel." },
    };
    for (const TBadSection& c : cases) {
        TTask task = MakeTask(11, QStringLiteral("4"));
        task.Deflection.Edit31 = QString::fromLatin1(c.E);
        task.Deflection.Edit30 = QString::fromLatin1(c.Iy);
        AddCase(task, QStringLiteral("ZS1"), 1.0, { Q(10) });
        const TResultStore s = Solve(task, QStringLiteral("ZS1"));
        EXPECT_EQ(s.fIssue, c.Issue) << c.E << " " << c.Iy;
        EXPECT_EQ(DeflectionProblem(s), QString::fromUtf8(c.Text));
        EXPECT_EQ(s.fn, TSamples {});
        EXPECT_DOUBLE_EQ(s.Mn[50], -20); // the forces are computed all the same
    }
    EXPECT_EQ(SectionIssue(std::nan(""), 1), TDeflectionIssue::NotANumber);
    EXPECT_EQ(SectionIssue(1, INFINITY), TDeflectionIssue::NotANumber);
    EXPECT_EQ(SectionIssue(1e-200, 1e-200), TDeflectionIssue::OutOfRange);
    EXPECT_EQ(DeflectionProblemText(TDeflectionIssue::NotANumber),
        QStringLiteral("Průhyb nelze spočítat: modul pružnosti E nebo moment setrvačnosti Iy není platné číslo."));
}

// Huge loads on an absurdly soft section: the forces are fine, the line would overflow. The whole
// line stays 0 (also the part of load cases added before), and a new calculation starts afresh.
TEST(Deflection, OverflowingLineStaysZeroWithoutFailingTheForces)
{
    TTask task = MakeTask(11, QStringLiteral("4"));
    task.Deflection.Edit31 = QStringLiteral("1e-280");
    task.Deflection.EUnit = QStringLiteral("Pa");
    AddCase(task, QStringLiteral("ZS1"), 1.0, { Q(10) });
    AddCase(task, QStringLiteral("ZS2"), 1.0, { Px(1e30, 2) });
    EXPECT_GT(Solve(task, QStringLiteral("ZS1")).fn[50], 1e280);
    TResultStore s = SumCases(task, { 0, 1 });
    EXPECT_EQ(s.fIssue, TDeflectionIssue::NotFinite);
    EXPECT_EQ(s.fn, TSamples {});
    EXPECT_DOUBLE_EQ(s.An, 20 + 5e29);
    s = SumCases(task, { 1, 0 }); // nor does the load case added after it
    EXPECT_EQ(s.fn, TSamples {});
    EXPECT_EQ(DeflectionProblem(s),
        QStringLiteral(
            "Průhyb nelze spočítat: vychází nekonečný nebo neurčitý výsledek. Zkontrolujte zadané hodnoty."));
    EXPECT_EQ(Solve(task, QStringLiteral("ZS1")).fIssue, TDeflectionIssue::None);
}

} // namespace
