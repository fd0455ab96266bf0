// What the diagrams show: the characteristic/design choice, extremes with their positions, the
// probe's sample and the painted images.
#include "RandomLoads.h"
#include "SolverTestSupport.h"

#include "analysis/Diagrams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TTask SimpleBeamWithUniformLoad(double gamaf)
{
    TTask task = MakeTask(11, QStringLiteral("4"));
    AddCase(task, QStringLiteral("ZS1"), gamaf, { Q(10) });
    return task;
}

TEST(Extremes, SimpleBeamUnderDownwardLoad)
{
    TTask task = SimpleBeamWithUniformLoad(1.5);
    const TExtremes e = FindExtremes(task.SpanL(), Solve(task, QStringLiteral("ZS1")));
    EXPECT_DOUBLE_EQ(e.Mn.Min, -20);
    EXPECT_DOUBLE_EQ(e.Mn.xMin, 2);
    EXPECT_EQ(e.Mn.Max, 0);
    EXPECT_DOUBLE_EQ(e.Mn.xMax, 4); // the last sample whose moment is not below 0
    EXPECT_DOUBLE_EQ(e.Qn.Max, 20);
    EXPECT_DOUBLE_EQ(e.Qn.xMax, 0);
    EXPECT_DOUBLE_EQ(e.Qn.Min, -20);
    EXPECT_DOUBLE_EQ(e.Qn.xMin, 4);
    EXPECT_NEAR(e.f.Max, 5 * 10 * 256 / (384 * 2.1e11 * 3.375e-4), 1e-18);
    EXPECT_DOUBLE_EQ(e.f.xMax, 2);
    EXPECT_EQ(e.f.Min, 0);
    EXPECT_DOUBLE_EQ(e.f.xMin, 4);

    // Design values: the extremes grow by the load case's factor, each diagram its own.
    EXPECT_DOUBLE_EQ(e.Md.Min, -30);
    EXPECT_DOUBLE_EQ(e.M(false).Min, -30);
    EXPECT_DOUBLE_EQ(e.Qd.Max, 30);
    EXPECT_DOUBLE_EQ(e.Q(true).Max, 20);
}

TEST(Extremes, AllZeroGivesZeroAtTheLastSample)
{
    const TExtremes e = FindExtremes(6, TResultStore());
    for (const TExtreme* d : { &e.Mn, &e.Md, &e.Qn, &e.Qd, &e.f }) {
        for (double v : { d->Max, d->Min })
            EXPECT_EQ(v, 0);
        for (double x : { d->xMax, d->xMin })
            EXPECT_DOUBLE_EQ(x, 6);
    }
}

// A diagram of one sign reports its own values: the extremes do not start at 0.
TEST(Extremes, OneSignedDiagramsReportTheirOwnValues)
{
    struct TRow
    {
        const char* what;
        unsigned char typ;
        TTestLoad load;
        TExtreme TExtremes::*diagram;
        double max, xMax, min, xMin;
    } rows[] = {
        // A = M / L = 11 / 5 along the whole span; the last position of a tie wins.
        { "Q of a point moment on a simple beam", 11, Mx(11, 2), &TExtremes::Qn, 2.2, 5, 2.2, 5 },
        // Mb = M, nothing else: M = 43.2 from the free end (x = 0 carries the load) to the fixed one.
        { "M of an end moment on a cantilever", 2, Mx(43.2, 0), &TExtremes::Mn, 43.2, 5, 43.2, 5 },
        // Hogging everywhere: M = q (L - x)^2 / 2 >= 0, the smallest is 0 at the free end only.
        { "M of a cantilever under uniform load", 20, Q(2), &TExtremes::Mn, 25, 0, 0, 5 },
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.what);
        TTask task = MakeTask(r.typ, QStringLiteral("5"));
        AddCase(task, QStringLiteral("ZS1"), 1.0, { r.load });
        const TExtreme e = FindExtremes(5, Solve(task, QStringLiteral("ZS1"))).*r.diagram;
        EXPECT_NEAR(e.Max, r.max, 1e-12);
        EXPECT_NEAR(e.xMax, r.xMax, 1e-12);
        EXPECT_NEAR(e.Min, r.min, 1e-12);
        EXPECT_NEAR(e.xMin, r.xMin, 1e-12);
    }
}

// Extremes between the samples: at a load, both sides of a jump, at zero shear and at zero slope.
TEST(Extremes, TrueExtremesBetweenTheSamples)
{
    const double EI = 2.1e11 * 3.375e-4;
    using TPick = double TExtreme::*;
    struct TRow
    {
        const char* what;
        unsigned char typ;
        const char* span;
        std::vector<TTestLoad> loads;
        TExtreme TExtremes::*diagram;
        TPick value, position;
        double expected, x;
    } rows[] = {
        { "M at a point force", 11, "6", { Px(10, 2) }, &TExtremes::Mn, &TExtreme::Min, &TExtreme::xMin,
            -10 * 2 * 4 / 6.0, 2 },
        { "Q left of a point force (the last position of A)", 11, "6", { Px(10, 2) }, &TExtremes::Qn, &TExtreme::Max,
            &TExtreme::xMax, 10 * 4 / 6.0, 2 },
        { "Q right of a point force on a cantilever", 20, "6", { Px(10, 2.03), Px(-4, 4.5) }, &TExtremes::Qn,
            &TExtreme::Max, &TExtreme::xMax, 10 - 4, 2.03 },
        { "M left of a point moment", 11, "6", { Mx(12, 3.03) }, &TExtremes::Mn, &TExtreme::Min, &TExtreme::xMin,
            -12 * 3.03 / 6, 3.03 },
        { "M at zero shear under a triangular load", 11, "6", { QQ(0, 0, 10, 0) }, &TExtremes::Mn, &TExtreme::Min,
            &TExtreme::xMin, -10 * 36 / (9 * std::sqrt(3.0)), 6 / std::sqrt(3.0) },
        { "f at zero slope of an eccentric force", 11, "6", { Px(10, 4) }, &TExtremes::f, &TExtreme::Max,
            &TExtreme::xMax, 10 * 2 * std::pow(32.0, 1.5) / (9 * std::sqrt(3.0) * 6 * EI), std::sqrt(32 / 3.0) },
        // Zero stretches are rounding noise of either sign: the last position decides.
        { "M past the force of a cantilever", 20, "6", { Px(10, 3) }, &TExtremes::Mn, &TExtreme::Min, &TExtreme::xMin,
            0, 6 },
        { "Q past the force of a cantilever", 20, "6", { Px(10, 3) }, &TExtremes::Qn, &TExtreme::Min, &TExtreme::xMin,
            0, 6 },
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.what);
        TTask task = MakeTask(row.typ, QString::fromLatin1(row.span));
        AddCase(task, QStringLiteral("ZS1"), 1.5, row.loads);
        const TExtremes e = FindExtremes(task.SpanL(), Solve(task, QStringLiteral("ZS1")));
        const TExtreme& d = e.*row.diagram;
        EXPECT_NEAR(d.*row.value, row.expected, 1e-9 * std::max(1.0, std::fabs(row.expected)));
        EXPECT_NEAR(d.*row.position, row.x, 1e-7);
    }
}

// The design values of a combination are the factored sums: 1.5 x 10 + 1.2 x 5 at x = 2.
TEST(Extremes, CombinationGivesTheFactoredExtreme)
{
    TTask task = MakeTask(11, QStringLiteral("6"));
    AddCase(task, QStringLiteral("ZS1"), 1.5, { Px(10, 2) });
    AddCase(task, QStringLiteral("ZS2"), 1.2, { Px(5, 2) });
    task.RefreshCombinationGrid();
    task.Calc.Mode = TCalculationChoice::Combination;
    task.Calc.ComboBox2 = task.Grid.Cell(1, 1);
    const TExtremes e = Calculate(task).Extremes;
    EXPECT_DOUBLE_EQ(e.Mn.Min, -15 * 4 / 3.0);
    EXPECT_DOUBLE_EQ(e.Md.Min, -21 * 4 / 3.0);
    EXPECT_DOUBLE_EQ(e.Md.xMin, 2);
}

// Random loads on every end condition: the extremes agree with the solver's own formulas evaluated
// on a dense grid that includes both sides of every load edge.
TEST(Extremes, AgreeWithTheFormulasOnADenseGrid)
{
    std::mt19937 rng(7);
    const double L = 5.3, EI = 2.1e11 * 3.375e-4;
    for (unsigned char typ : AllTyps) {
        for (int round = 0; round < 3; ++round) {
            SCOPED_TRACE(testing::Message() << "Typ " << int(typ) << " round " << round);
            const TLoadSet set = RandomLoads(rng, L, 0);
            TTask task = MakeTask(typ, QStringLiteral("5.3"));
            std::vector<TTestLoad> loads;
            for (auto [P, a] : set.Forces)
                loads.push_back(Px(P, a));
            for (double q : set.Uniform)
                loads.push_back(Q(q));
            for (const auto& p : set.Partials)
                loads.push_back(QQ(p.qa, p.a, p.qb, p.b));
            for (auto [M, a] : set.Moments)
                loads.push_back(Mx(M, a));
            AddCase(task, QStringLiteral("ZS1"), 1, loads);
            const TExtremes e = FindExtremes(L, Solve(task, QStringLiteral("ZS1")));

            // The loads as the task holds them (their texts), on the dense grid.
            TLoadSet held;
            std::vector<double> edges;
            const int n = task.LoadCases.front().Number;
            for (size_t i = 1; i <= set.Forces.size(); ++i)
                held.Forces.push_back({ task.ReadPx(n, int(i)).P, task.ReadPx(n, int(i)).a });
            for (size_t i = 1; i <= set.Uniform.size(); ++i)
                held.Uniform.push_back(task.ReadQ(n, int(i)).q);
            for (size_t i = 1; i <= set.Partials.size(); ++i) {
                const TQQLoad l = task.ReadQQ(n, int(i));
                held.Partials.push_back({ l.qa, l.a, l.qb, l.b });
            }
            for (size_t i = 1; i <= set.Moments.size(); ++i)
                held.Moments.push_back({ task.ReadMx(n, int(i)).M, task.ReadMx(n, int(i)).a });
            for (auto [P, a] : held.Forces)
                edges.push_back(a);
            for (const auto& p : held.Partials)
                edges.insert(edges.end(), { p.a, L - p.b });
            for (auto [M, a] : held.Moments)
                edges.push_back(a);
            std::vector<double> xs;
            for (int i = 0; i <= 4000; ++i)
                xs.push_back(i * L / 4000);
            for (double x : edges)
                for (double side : { -1e-8 * L, 1e-8 * L }) // beyond the samples' own tolerance at a load
                    xs.push_back(std::clamp(x + side, 0.0, L));
            std::sort(xs.begin(), xs.end());
            while (xs.size() % SampleCount)
                xs.push_back(L);
            TExtreme M, Qs, f;
            for (size_t k = 0; k < xs.size(); k += SampleCount) {
                TBeam beam = MakeBeam(typ, L);
                std::copy(xs.begin() + long(k), xs.begin() + long(k + SampleCount), beam.X.begin());
                TCaseScratch s = Solve(beam, held);
                ASSERT_TRUE(FinishDeflection(s, beam, EI));
                for (int i = 0; i < SampleCount; ++i) {
                    for (auto [d, v] : { std::pair { &M, s.CaseM[i] }, { &Qs, s.CaseQ[i] }, { &f, s.CaseF[i] } }) {
                        d->Max = std::max(d->Max, v);
                        d->Min = std::min(d->Min, v);
                    }
                }
            }
            for (auto [exact, dense] : { std::pair { e.Mn, M }, { e.Qn, Qs }, { e.f, f } }) {
                const double scale = std::max(dense.Max, -dense.Min);
                EXPECT_NEAR(exact.Max, dense.Max, 1e-6 * scale);
                EXPECT_NEAR(exact.Min, dense.Min, 1e-6 * scale);
            }
        }
    }
}

TEST(Probe, SampleIndexAndPosition)
{
    EXPECT_EQ(ProbeSampleIndex(4, 300, 299), 100); // round(99.67)
    EXPECT_EQ(ProbeSampleIndex(4, 300, 150), 50);
    EXPECT_EQ(ProbeSampleIndex(4, 300, 0), 0);
    // Halves go to the even neighbour: 100 * X / 200 for X = 1, 3, 5 is 0.5, 1.5, 2.5.
    EXPECT_EQ(ProbeSampleIndex(200, 200, 1), 0);
    EXPECT_EQ(ProbeSampleIndex(200, 200, 3), 2);
    EXPECT_EQ(ProbeSampleIndex(200, 200, 5), 2);
    // Outside the image (a button held while the mouse leaves it): the nearest end.
    EXPECT_EQ(ProbeSampleIndex(4, 300, -40), 0);
    EXPECT_EQ(ProbeSampleIndex(4, 300, 1000), 100);
    EXPECT_DOUBLE_EQ(ProbeX(4, 300, 1000), 4.0 / 300 * 299);
    EXPECT_DOUBLE_EQ(ProbeX(4, 300, 75), 1);
    // No span or no image: position 0, sample 0.
    EXPECT_EQ(ProbeSampleIndex(0, 300, 150), 0);
    EXPECT_EQ(ProbeX(0, 300, 150), 0);
    EXPECT_EQ(ProbeSampleIndex(4, 0, 10), 0);
    EXPECT_EQ(ProbeX(4, 0, 10), 0);
}

class Diagrams : public testing::Test
{
protected:
    void SetUp() override
    {
        task = SimpleBeamWithUniformLoad(1.0);
        Show(Solve(task, QStringLiteral("ZS1")));
    }
    void Show(const TResultStore& sums)
    {
        store.Sums = sums;
        store.Extremes = FindExtremes(task.SpanL(), sums);
    }
    TTask task;
    TCalculation store;
};

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Red = qRgb(255, 0, 0);

TEST_F(Diagrams, MomentHatchingPointsDownForSagging)
{
    const QImage img = PaintMomentDiagram(store, 300, 120);
    ASSERT_EQ(img.size(), QSize(300, 120));
    EXPECT_EQ(img.pixel(150, 119), Blue); // -20 of scale 20 reaches the bottom edge
    EXPECT_EQ(img.pixel(150, 30), White);
    EXPECT_EQ(img.pixel(151, 90), White); // between two samples
    EXPECT_EQ(img.pixel(151, 60), Black); // the axis
    EXPECT_EQ(img.pixel(0, 61), White); // the end samples are 0
}

TEST_F(Diagrams, ShearHatchingPointsDownForPositiveShear)
{
    const QImage img = PaintShearDiagram(store, 300, 120);
    EXPECT_EQ(img.pixel(0, 100), Red); // +20 at the left end
    EXPECT_EQ(img.pixel(0, 40), White);
    EXPECT_EQ(img.pixel(297, 20), Red); // -19.2 at x = 3.96
    EXPECT_EQ(img.pixel(297, 100), White);
}

TEST_F(Diagrams, SamplesAreSpreadWithHalvesToEven)
{
    // 250 pixels: sample i lies at round(2.5 i): 1 -> 2, 3 -> 8 (not 3 and 8, nor 2 and 7).
    const QImage img = PaintMomentDiagram(store, 250, 120);
    EXPECT_EQ(img.pixel(2, 62), Blue);
    EXPECT_EQ(img.pixel(3, 62), White);
    EXPECT_EQ(img.pixel(8, 62), Blue);
    EXPECT_EQ(img.pixel(7, 62), White);
}

TEST_F(Diagrams, SaggingLineLiesBelowTheAxis)
{
    const QImage f = PaintDeflectionDiagram(store, 300, 120);
    EXPECT_EQ(f.pixel(150, 119), Red); // fmax at mid-span reaches the bottom edge
    EXPECT_EQ(f.pixel(150, 60), Black); // the axis
    EXPECT_EQ(f.pixel(150, 30), White);
    EXPECT_EQ(f.pixel(0, 60), Red); // f = 0 on the support
}

TEST_F(Diagrams, ZeroDeflectionIsARedLineOnTheAxisAndEmptyDiagramsABareAxis)
{
    task.Deflection.Edit31 = QStringLiteral("0"); // no stiffness: no line
    Show(Solve(task, QStringLiteral("ZS1")));
    const QImage f = PaintDeflectionDiagram(store, 300, 120);
    EXPECT_EQ(f.pixel(100, 60), Red);
    EXPECT_EQ(f.pixel(100, 30), White);
    EXPECT_EQ(f.pixel(100, 90), White);

    TCalculation empty;
    empty.Extremes = FindExtremes(task.SpanL(), empty.Sums);
    const QImage m = PaintMomentDiagram(empty, 300, 120);
    int notWhite = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 300; ++x)
            notWhite += m.pixel(x, y) != White;
    EXPECT_EQ(notWhite, 300);
    EXPECT_TRUE(PaintShearDiagram(store, 0, 120).isNull());
}

TEST(SectionValues, UnitsConvertToMetresAndPascals)
{
    TDeflectionInputs in;
    EXPECT_DOUBLE_EQ(SectionIy(in), 0.0003375);
    EXPECT_DOUBLE_EQ(SectionEmod(in), 2.1e11);
    in.Edit31 = QStringLiteral("210000");
    in.EUnit = QStringLiteral("mpa"); // letter case ignored
    EXPECT_DOUBLE_EQ(SectionEmod(in), 2.1e11);
    in.EUnit = QStringLiteral("kPa");
    EXPECT_DOUBLE_EQ(SectionEmod(in), 2.1e8);
    in.EUnit = QStringLiteral("Pa");
    EXPECT_DOUBLE_EQ(SectionEmod(in), 210000);
    in.Edit30 = QStringLiteral("33750");
    in.IyUnit = QStringLiteral("cm4");
    EXPECT_DOUBLE_EQ(SectionIy(in), 3.375e-4);
    in.Edit30 = QStringLiteral("337500000");
    in.IyUnit = QStringLiteral("MM4");
    EXPECT_DOUBLE_EQ(SectionIy(in), 3.375e-4);
    in.IyUnit = QStringLiteral("m^4"); // typed by hand, no entry: unconverted
    EXPECT_DOUBLE_EQ(SectionIy(in), 337500000);
    in.Edit30.clear();
    EXPECT_EQ(SectionIy(in), 0);
}

} // namespace
