// What the diagrams show: the characteristic/design choice, extremes with their positions, the
// probe's sample and the painted images.
#include "SolverTestSupport.h"

#include "analysis/Diagrams.h"

#include <gtest/gtest.h>

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
    TExtremes stale;
    stale.Mn.Max = 5; // stale extremes of an earlier calculation start again from 0
    const TExtremes e = FindExtremes(6, TResultStore(), stale);
    for (const TExtreme* d : { &e.Mn, &e.Md, &e.Qn, &e.Qd, &e.f }) {
        for (double v : { d->Max, d->Min })
            EXPECT_EQ(v, 0);
        for (double x : { d->xMax, d->xMin })
            EXPECT_DOUBLE_EQ(x, 6);
    }
}

TEST(Extremes, PositionIsKeptWhenNoSampleReachesTheStartValue)
{
    TResultStore s;
    s.Mn.fill(-1);
    s.Mn[10] = -3;
    s.Qn.fill(2);
    TExtremes previous;
    previous.Mn.xMax = 1.25;
    previous.Qn.xMin = 3.5;
    const TExtremes e = FindExtremes(4, s, previous);
    EXPECT_EQ(e.Mn.Max, 0);
    EXPECT_EQ(e.Mn.xMax, 1.25);
    EXPECT_EQ(e.Mn.Min, -3);
    EXPECT_DOUBLE_EQ(e.Mn.xMin, 0.4);
    EXPECT_EQ(e.Qn.Min, 0);
    EXPECT_EQ(e.Qn.xMin, 3.5);
    EXPECT_EQ(e.Qn.Max, 2);
    EXPECT_DOUBLE_EQ(e.Qn.xMax, 4); // ties go to the last sample

    // The diagrams show one kind at a time: both kinds keep the positions of the one shown.
    TCalculationChoice design;
    design.MomentCharacteristic = false;
    previous.Md.xMax = 2.5;
    EXPECT_EQ(ShownPositions(previous, design).Mn.xMax, 2.5);
    EXPECT_EQ(ShownPositions(previous, TCalculationChoice()).Md.xMax, 1.25);
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
