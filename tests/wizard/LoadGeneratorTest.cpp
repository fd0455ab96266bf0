// The load generator: load cases, factors, point-load patterns and refusals.
#include "wizard/LoadGenerator.h"
#include "model/TError.h"
#include "model/uMyCommonLib.h"
#include "tests/support/LocaleGuard.h"

#include <gtest/gtest.h>

namespace {

TTask RoofTask()
{
    TTask task = TTask::StartState();
    task.Generator = TGeneratorInputs(); // roof girder, distributed loads, every edit empty
    return task;
}

void UsePointLoads(TTask& task, const char* L, const char* d, const char* d1)
{
    task.Generator.RadioButton1 = false;
    task.Generator.RadioButton2 = true;
    task.Generator.Edit1 = QString::fromLatin1(L);
    task.Generator.Edit5 = QString::fromLatin1(d);
    task.Generator.Edit6 = QString::fromLatin1(d1);
    task.Generator.Edit4 = QStringLiteral("1");
}

// The point forces of a load case as (P, a) numbers, ticked ones only.
std::vector<std::pair<double, double>> Forces(const TLoadCase& loadCase)
{
    std::vector<std::pair<double, double>> forces;
    for (const TPxRow& row : loadCase.Px) {
        EXPECT_TRUE(row.Checked);
        forces.emplace_back(StrToFloatX(row.P), StrToFloatX(row.a));
    }
    return forces;
}

using Forces_t = std::vector<std::pair<double, double>>;

void ExpectEmptyUnticked(const TLoadCase& lc, bool px, bool q, bool qq, bool mx)
{
    if (px) {
        ASSERT_EQ(lc.Px.size(), 1u);
        EXPECT_FALSE(lc.Px[0].Checked);
        EXPECT_TRUE(lc.Px[0].P.isEmpty() && lc.Px[0].a.isEmpty());
    }
    if (q) {
        ASSERT_EQ(lc.Q.size(), 1u);
        EXPECT_FALSE(lc.Q[0].Checked);
        EXPECT_TRUE(lc.Q[0].q.isEmpty());
    }
    if (qq) {
        ASSERT_EQ(lc.QQ.size(), 1u);
        EXPECT_FALSE(lc.QQ[0].Checked);
        EXPECT_TRUE(lc.QQ[0].qa.isEmpty() && lc.QQ[0].b.isEmpty());
    }
    if (mx) {
        ASSERT_EQ(lc.Mx.size(), 1u);
        EXPECT_FALSE(lc.Mx[0].Checked);
        EXPECT_TRUE(lc.Mx[0].M.isEmpty());
    }
}

} // namespace

TEST(LoadGenerator, RoofWithEmptyEditsGivesFourCasesWithoutRowsOfZeros)
{
    TLocaleGuard locale(TLocaleGuard::Point());
    TTask source = RoofTask();
    source.Typ = 22;
    source.SpanText = QStringLiteral("8");
    source.Print[1] = { false, false };
    const TTask task = GenerateLoads(source);

    ASSERT_EQ(task.LoadCases.size(), 4u);
    const char* names[] = { "vlastní hmotnost", "stálá zatížení", "pochozí zatížení", "sníh" };
    const char* longShort[] = { "0", "0", "", "" };
    const char* gamaf[] = { "0.000", "1.000", "0.000", "0.000" };
    for (int i = 0; i < 4; ++i) {
        const TLoadCase& lc = task.LoadCases[size_t(i)];
        EXPECT_EQ(lc.Number, i);
        EXPECT_EQ(lc.Caption, QString::fromUtf8(names[i]));
        EXPECT_EQ(lc.LongShort, QString::fromLatin1(longShort[i]));
        EXPECT_EQ(lc.GamafText, QString::fromLatin1(gamaf[i]));
        EXPECT_TRUE(lc.PrintResults);
        // A load of 0 is no load: only the empty, unticked rows every page gets.
        ExpectEmptyUnticked(lc, true, true, true, true);
    }
    EXPECT_EQ(task.ZSCounter, 3);
    EXPECT_TRUE(task.SpanText.isEmpty()); // the empty span goes to the main window as it stands
    EXPECT_EQ(task.Typ, 11);
    EXPECT_TRUE(task.Print[1].Enabled);
    EXPECT_FALSE(task.Print[1].Checked);
    // The source is a copy the generator never touches.
    EXPECT_EQ(source.LoadCases.size(), 1u);
    EXPECT_EQ(source.Typ, 22);
}

TEST(LoadGenerator, FloorGivesThreeCasesWithoutSnowAndUniformLoadsTimesWidth)
{
    TLocaleGuard locale(TLocaleGuard::Comma());
    TTask source = RoofTask();
    TGeneratorInputs& g = source.Generator;
    g.RadioButton3 = false;
    g.RadioButton4 = true;
    g.Edit1 = QStringLiteral("5,4");
    g.Edit4 = QStringLiteral("2.5");
    g.Edit8 = QStringLiteral("0,8");
    g.Edit9 = QStringLiteral("1,1");
    g.Edit10 = QStringLiteral("7"); // g1 is only for point loads
    g.Edit12 = QStringLiteral("2");
    g.Edit13 = QStringLiteral("1,3");
    g.Edit14 = QStringLiteral("2");
    g.Edit15 = QStringLiteral("1,1");
    g.Edit22 = QStringLiteral("1,5");
    g.Edit23 = QStringLiteral("1,4");
    g.Edit20 = QStringLiteral("0,7"); // snow is left in the wizard but not generated for a floor
    g.Edit21 = QStringLiteral("1,4");
    const TTask task = GenerateLoads(source);

    ASSERT_EQ(task.LoadCases.size(), 3u);
    EXPECT_EQ(task.SpanText, QStringLiteral("5,4"));
    const TLoadCase& selfWeight = task.LoadCases[0];
    EXPECT_EQ(selfWeight.Q[0].q, QStringLiteral("0,800")); // g0 without the width
    EXPECT_EQ(selfWeight.GamafText, QStringLiteral("1,100"));
    ExpectEmptyUnticked(selfWeight, true, false, true, true);
    EXPECT_EQ(task.LoadCases[1].Q[0].q, QStringLiteral("10,000")); // (2 + 2) * 2.5
    EXPECT_DOUBLE_EQ(task.GetZSInfo(1).Gamaf, 1.2); // (2·1.3 + 2·1.1) / 4
    EXPECT_EQ(task.LoadCases[2].Caption, QStringLiteral("užitné zatížení"));
    EXPECT_EQ(task.LoadCases[2].Q[0].q, QStringLiteral("3,750"));
    EXPECT_TRUE(task.GetZSInfo(2).ShortTerm);
    EXPECT_DOUBLE_EQ(task.GetZSInfo(2).Gamaf, 1.4);
}

TEST(LoadGenerator, PermanentFactorIsOneWithoutPermanentAreaLoad)
{
    TTask source = RoofTask();
    source.Generator.Edit13 = QStringLiteral("1.35");
    EXPECT_DOUBLE_EQ(GenerateLoads(source).GetZSInfo(1).Gamaf, 1.0);
    // Loads that cancel out sum to exactly 0 as well.
    source.Generator.Edit12 = QStringLiteral("1");
    source.Generator.Edit14 = QStringLiteral("-1");
    source.Generator.Edit15 = QStringLiteral("2");
    EXPECT_DOUBLE_EQ(GenerateLoads(source).GetZSInfo(1).Gamaf, 1.0);
}

TEST(LoadGenerator, PointLoadsOnSixMetresAtTwoFromOne)
{
    TTask source = RoofTask();
    UsePointLoads(source, "6", "2", "1");
    source.Generator.Edit12 = QStringLiteral("1.5"); // G
    source.Generator.Edit22 = QStringLiteral("0.75"); // v
    source.Generator.Edit20 = QStringLiteral("1"); // s
    const TTask task = GenerateLoads(source);
    ASSERT_EQ(task.LoadCases.size(), 4u);
    EXPECT_EQ(Forces(task.LoadCases[1]), (Forces_t { { 3, 1 }, { 3, 3 }, { 3, 5 } }));
    EXPECT_EQ(Forces(task.LoadCases[2]), (Forces_t { { 1.5, 1 }, { 1.5, 3 }, { 1.5, 5 } }));
    EXPECT_EQ(Forces(task.LoadCases[3]), (Forces_t { { 2, 1 }, { 2, 3 }, { 2, 5 } }));
    ExpectEmptyUnticked(task.LoadCases[0], true, true, true, true); // g0 and g1 empty: no forces of 0 kN
    for (int i = 1; i < 4; ++i)
        ExpectEmptyUnticked(task.LoadCases[size_t(i)], false, true, true, true);
}

TEST(LoadGenerator, FirstAndLastPositionsCarryTheirTributaryLengths)
{
    TTask source = RoofTask();
    UsePointLoads(source, "6", "2", "0.5");
    source.Generator.Edit4 = QStringLiteral("2");
    source.Generator.Edit22 = QStringLiteral("1");
    const TTask task = GenerateLoads(source);
    // First: 1·2·(1 + 0.5); inner: 1·2·2; last (x > L − d): 1·2·(6 − 4.5 + 1).
    EXPECT_EQ(Forces(task.LoadCases[2]), (Forces_t { { 3, 0.5 }, { 4, 2.5 }, { 5, 4.5 } }));

    // One position that is both first and last takes the last rule.
    TGeneratorGeometry single;
    single.L = 3, single.Z = 1, single.d = 4, single.d1 = 1;
    EXPECT_DOUBLE_EQ(TributaryPointLoad(single, 1, 1), 3 - 1 + 2);
}

TEST(LoadGenerator, NegativeFirstDistanceGivesMomentAndForceAtTheSupport)
{
    TTask source = RoofTask();
    UsePointLoads(source, "6", "2", "-0.5");
    source.Generator.Edit12 = QStringLiteral("1");
    const TTask task = GenerateLoads(source);
    const TLoadCase& lc = task.LoadCases[1];
    // P at the first position: 1·1·(2/2 − 0.5) = 0.5, moment 0.5·0.5.
    EXPECT_EQ(Forces(lc), (Forces_t { { 0.5, 0 }, { 2, 1.5 }, { 2, 3.5 }, { 1.5, 5.5 } }));
    ASSERT_EQ(lc.Mx.size(), 1u);
    EXPECT_TRUE(lc.Mx[0].Checked);
    EXPECT_DOUBLE_EQ(StrToFloatX(lc.Mx[0].M), 0.25);
    EXPECT_DOUBLE_EQ(StrToFloatX(lc.Mx[0].a), 0);
    ExpectEmptyUnticked(lc, false, true, true, false);
}

TEST(LoadGenerator, RafterWeightOnlyWithPointLoadsAndSelfWeightAlwaysUniform)
{
    TTask source = RoofTask();
    source.Generator.Edit8 = QStringLiteral("0.4");
    source.Generator.Edit10 = QStringLiteral("0.3");
    const TTask distributed = GenerateLoads(source);
    EXPECT_DOUBLE_EQ(StrToFloatX(distributed.LoadCases[0].Q[0].q), 0.4);
    ExpectEmptyUnticked(distributed.LoadCases[0], true, false, true, true);

    UsePointLoads(source, "6", "", "1"); // d empty: L/3
    source.Generator.Edit4 = QStringLiteral("2");
    const TTask points = GenerateLoads(source);
    const TLoadCase& lc = points.LoadCases[0];
    ASSERT_EQ(lc.Q.size(), 1u);
    EXPECT_TRUE(lc.Q[0].Checked);
    EXPECT_DOUBLE_EQ(StrToFloatX(lc.Q[0].q), 0.4);
    // g1·Z at every position, no tributary rule.
    EXPECT_EQ(Forces(lc), (Forces_t { { 0.6, 1 }, { 0.6, 3 }, { 0.6, 5 } }));
    ExpectEmptyUnticked(lc, false, false, true, true);
}

TEST(LoadGenerator, EmptySpanMeansSixMetresForThePositions)
{
    TTask source = RoofTask();
    UsePointLoads(source, "", "", "");
    source.Generator.Edit10 = QStringLiteral("1");
    const TTask task = GenerateLoads(source);
    EXPECT_EQ(Forces(task.LoadCases[0]), (Forces_t { { 1, 0 }, { 1, 2 }, { 1, 4 }, { 1, 6 } }));
    EXPECT_TRUE(task.SpanText.isEmpty());
}

TEST(LoadGenerator, PositionsAreFormedByRepeatedAddition)
{
    // 0.2 added 30 times overshoots 6, so no load sits on the support; 0.1 added seven times
    // lands on 0.7 and keeps the last load.
    const std::vector<double> six = PointLoadPositions(6, 0.2, 0);
    ASSERT_EQ(six.size(), 30u);
    EXPECT_NEAR(six.back(), 5.8, 1e-12);
    const std::vector<double> short_ = PointLoadPositions(0.7, 0.1, 0);
    ASSERT_EQ(short_.size(), 8u);
    EXPECT_EQ(short_.back(), 0.7);
    EXPECT_TRUE(PointLoadPositions(1, 1, 2).empty());
}

TEST(LoadGenerator, RefusesSpacingsThatWouldHang)
{
    TTask source = RoofTask();
    UsePointLoads(source, "6", "-1", "0");
    try {
        GenerateLoads(source);
        FAIL() << "a negative spacing was accepted";
    } catch (const TError& error) {
        EXPECT_EQ(error.Message, QStringLiteral("Rozteč mezi břemeny d musí být větší než 0."));
    }
    source.Generator.Edit5 = QStringLiteral("0.001"); // 6001 positions
    EXPECT_THROW(GenerateLoads(source), TError);
    source.Generator.Edit5 = QStringLiteral("0.006"); // 1000 positions are still generated
    source.Generator.Edit12 = QStringLiteral("1");
    EXPECT_EQ(GenerateLoads(source).LoadCases[1].Px.size(), size_t(MaxPointLoads));
    // A span so long that adding d no longer moves the position.
    EXPECT_THROW(PointLoadPositions(1e300, 1, 0), TError);
    // An empty spacing on a negative span would be negative as well.
    source.Generator.Edit1 = QStringLiteral("-6");
    source.Generator.Edit5.clear();
    EXPECT_THROW(GenerateLoads(source), TError);
}

TEST(LoadGenerator, RefusesAFirstLoadBeyondTheSpan)
{
    TTask source = RoofTask();
    UsePointLoads(source, "6", "2", "6.5");
    try {
        GenerateLoads(source);
        FAIL() << "load cases without any point load were generated";
    } catch (const TError& error) {
        EXPECT_EQ(
            error.Message, QStringLiteral("Vzdálenost prvního břemene d1 = 6.5 m je větší než délka prvku L = 6 m."));
    }
    source.Generator.Edit6 = QStringLiteral("6"); // one load right at the end
    EXPECT_EQ(GenerateLoads(source).LoadCases[1].Px.size(), 1u);
}

TEST(LoadGenerator, SpacingIsIgnoredForDistributedLoads)
{
    TTask source = RoofTask();
    source.Generator.Edit5 = QStringLiteral("-1");
    EXPECT_EQ(GenerateLoads(source).LoadCases.size(), 4u);
}

TEST(LoadGenerator, RefusesLoadsThatOverflow)
{
    TTask source = RoofTask();
    source.Generator.Edit4 = QStringLiteral("1e300");
    source.Generator.Edit12 = QStringLiteral("1e300");
    EXPECT_THROW(GenerateLoads(source), TError);
}

// A roof generated again over the floor it was: "ZK2 – bez sněhu" must not take in the snow
// because a column moved.
TEST(LoadGenerator, CombinationFlagsFollowTheirLoadCaseByName)
{
    TTask source = RoofTask();
    source.LoadCases[0].Caption = QStringLiteral("sníh");
    for (const char* name : { "jeřáb", "stálá zatížení", "pochozí zatížení" }) {
        source.NewLoadCase(TCaller::User);
        source.LoadCases.back().Caption = QString::fromUtf8(name);
    }
    source.RefreshCombinationGrid();
    source.AddCombination();
    source.Grid.SetCell(1, 1, QStringLiteral("ZK2 – bez sněhu"));
    source.Grid.SetCell(2, 2, QStringLiteral("0"));
    source.Grid.SetCell(3, 1, QStringLiteral("0")); // ZK2 without "sníh"
    source.Grid.SetCell(4, 2, QStringLiteral("0")); // Komb_2 without "jeřáb", which is gone
    source.Grid.SetCell(5, 1, QStringLiteral("0")); // ZK2 without "stálá zatížení"

    const TTask task = GenerateLoads(source); // vlastní hmotnost, stálá zatížení, pochozí zatížení, sníh
    const TCombinationGrid& grid = task.Grid;
    ASSERT_EQ(grid.ColCount(), 7);
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(1, 1), QStringLiteral("ZK2 – bez sněhu"));
    EXPECT_EQ(grid.Cell(1, 2), QStringLiteral("Komb_2"));
    EXPECT_EQ(grid.Cell(2, 2), QStringLiteral("0"));
    const QStringList zk2 = { "", "0", "", "0" }, komb2 = { "", "", "", "" };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(grid.Cell(TTask::LoadCaseColumn(i), 0), task.LoadCases[size_t(i)].Caption);
        EXPECT_EQ(grid.Cell(TTask::LoadCaseColumn(i), 1), zk2[i]) << i;
        EXPECT_EQ(grid.Cell(TTask::LoadCaseColumn(i), 2), komb2[i]) << i;
    }
}

TEST(LoadGenerator, AsksOnlyWhenItWouldReplaceWhatWasEntered)
{
    TTask task = TTask::StartState();
    EXPECT_FALSE(GenerationReplacesWork(task)); // the untouched "[nový]"
    task.LoadCases[0].QQ[0].b = QStringLiteral("1");
    EXPECT_TRUE(GenerationReplacesWork(task));
    task = TTask::StartState();
    task.LoadCases[0].Caption = QStringLiteral("G");
    EXPECT_TRUE(GenerationReplacesWork(task));
}

TEST(LoadGenerator, ReportsProgressInStepsOfTen)
{
    TTask source = RoofTask();
    std::vector<int> steps;
    GenerateLoads(source, [&steps](int value) { steps.push_back(value); });
    EXPECT_EQ(steps, (std::vector<int> { 0, 10, 20, 30, 40, 50, 60, 70, 80 }));
    steps.clear();
    source.Generator.RadioButton3 = false;
    source.Generator.RadioButton4 = true;
    GenerateLoads(source, [&steps](int value) { steps.push_back(value); });
    EXPECT_EQ(steps.back(), 60);
    steps.clear();
    UsePointLoads(source, "6", "-2", "0");
    EXPECT_THROW(GenerateLoads(source, [&steps](int value) { steps.push_back(value); }), TError);
    EXPECT_TRUE(steps.empty()); // refused before anything started
}
