// The summation step: a load case or a combination chosen on the calculation tab, and the captions.
#include "SolverTestSupport.h"

#include "analysis/Combinations.h"

#include "model/TError.h"

#include <gtest/gtest.h>

namespace {

// ZS1 (gamma_f 1.35) and ZS2 (gamma_f 1.5) on a simple beam of 4 m, one combination row per call
// of AddCombination after a grid refresh.
class Combinations : public testing::Test
{
protected:
    void SetUp() override
    {
        task = MakeTask(11, QStringLiteral("4"));
        AddCase(task, QStringLiteral("ZS1"), 1.35, { Q(10) });
        AddCase(task, QStringLiteral("ZS2"), 1.5, { Px(8, 1) });
        task.RefreshCombinationGrid();
    }

    TResultStore SumOf(TCalculationChoice::TMode mode, const QString& name)
    {
        task.Calc.Mode = mode;
        (mode == TCalculationChoice::LoadCase ? task.Calc.ComboBox1 : task.Calc.ComboBox2) = name;
        store = SumSelection(task);
        captions = SelectionCaptions(task.Calc, store);
        return store;
    }

    TTask task;
    TResultStore store;
    TDiagramCaptions captions;
};

TEST_F(Combinations, SumsCharacteristicValuesPlainAndDesignValuesWithEachGamaf)
{
    const TResultStore z1 = SumOf(TCalculationChoice::LoadCase, QStringLiteral("ZS1"));
    const TResultStore z2 = SumOf(TCalculationChoice::LoadCase, QStringLiteral("ZS2"));
    const TResultStore k = SumOf(TCalculationChoice::Combination, QStringLiteral("Komb_1"));
    EXPECT_DOUBLE_EQ(k.An, z1.An + z2.An);
    EXPECT_DOUBLE_EQ(k.Ad, 1.35 * z1.An + 1.5 * z2.An);
    EXPECT_DOUBLE_EQ(k.Bd, 1.35 * z1.Bn + 1.5 * z2.Bn);
    for (int i = 0; i < SampleCount; ++i) {
        EXPECT_NEAR(k.Mn[i], z1.Mn[i] + z2.Mn[i], 1e-12);
        EXPECT_NEAR(k.Md[i], 1.35 * z1.Mn[i] + 1.5 * z2.Mn[i], 1e-12);
        EXPECT_NEAR(k.Qd[i], 1.35 * z1.Qn[i] + 1.5 * z2.Qn[i], 1e-12);
    }
    EXPECT_EQ(captions.Moment, QStringLiteral("Ohybový moment [kombinace Komb_1]"));
    EXPECT_EQ(captions.Shear, QStringLiteral("Posouvající síla [kombinace Komb_1]"));
    EXPECT_EQ(captions.Deflection, QStringLiteral("Průhyb trabíku [kombinace Komb_1]"));
    EXPECT_TRUE(captions.Computed);
}

TEST_F(Combinations, OnlyMemberAloneEqualsTheLoadCase)
{
    task.ToggleGridFlag(3, 1); // ZS1 out
    const TResultStore k = SumOf(TCalculationChoice::Combination, QStringLiteral("komb_1")); // case ignored
    const TResultStore z2 = SumOf(TCalculationChoice::LoadCase, QStringLiteral("ZS2"));
    EXPECT_EQ(k.An, z2.An);
    EXPECT_EQ(k.Ad, z2.Ad);
    EXPECT_EQ(k.Mn, z2.Mn);
    EXPECT_EQ(k.Qd, z2.Qd);
    EXPECT_EQ(captions.Moment, QStringLiteral("Ohybový moment [ZS ZS2]"));
    EXPECT_EQ(captions.Shear, QStringLiteral("Posouvající síla [ZS ZS2]"));
    EXPECT_EQ(captions.Deflection, QStringLiteral("Průhyb trabíku [ZS ZS2]"));
}

TEST_F(Combinations, FirstRowOfTheNameCountsAndNewRowsHoldEveryLoadCase)
{
    task.AddCombination();
    task.Grid.SetCell(1, 2, QStringLiteral("Komb_1")); // a second row of the same name
    task.ToggleGridFlag(3, 1);
    task.ToggleGridFlag(4, 1); // the first row has no member now
    EXPECT_EQ(SumOf(TCalculationChoice::Combination, QStringLiteral("KOMB_1")).An, 0);

    task.Grid.SetCell(1, 2, QStringLiteral("Komb_2"));
    const TResultStore all = SumOf(TCalculationChoice::Combination, QStringLiteral("Komb_2"));
    EXPECT_DOUBLE_EQ(all.An, 20 + 6);
}

TEST_F(Combinations, UnknownNamesLeaveTheStoreClearedAndCaptionsNameWhatWasAsked)
{
    SumOf(TCalculationChoice::LoadCase, QStringLiteral("ZS1"));
    const TResultStore none = SumOf(TCalculationChoice::Combination, QStringLiteral("Komb_9"));
    EXPECT_EQ(none.An, 0);
    EXPECT_EQ(none.Mn, TSamples {});
    EXPECT_EQ(captions.Moment, QStringLiteral("Ohybový moment [kombinace Komb_9]"));

    // The sum leaves the lists alone (the calculation command refreshes them); the captions name
    // the text that was computed.
    SumOf(TCalculationChoice::LoadCase, QStringLiteral("ZS9"));
    EXPECT_EQ(store.An, 0);
    EXPECT_EQ(captions.Moment, QStringLiteral("Ohybový moment [ZS ZS9]"));
    EXPECT_EQ(task.Calc.ComboBox1, QStringLiteral("ZS9"));
    EXPECT_EQ(MissingChoiceMessage(task, task.Calc), QStringLiteral("Zatěžovací stav „ZS9“ neexistuje."));
}

TEST_F(Combinations, ColumnsWithoutAPageOrWithoutACellAddNothing)
{
    task.Grid.SetCell(4, 0, QStringLiteral("přejmenováno")); // header out of step with the page
    EXPECT_DOUBLE_EQ(SumOf(TCalculationChoice::Combination, QStringLiteral("Komb_1")).An, 20);

    AddCase(task, QStringLiteral("ZS3"), 1.0, { Q(1) }); // no column until the next refresh
    task.Grid.SetCell(4, 0, QStringLiteral("ZS2"));
    EXPECT_DOUBLE_EQ(SumOf(TCalculationChoice::Combination, QStringLiteral("Komb_1")).An, 26);
    EXPECT_EQ(CombinationMembers(task, 1), std::vector<int>({ 0, 1 })); // what dump lists too
    task.RefreshCombinationGrid();
    EXPECT_DOUBLE_EQ(SumOf(TCalculationChoice::Combination, QStringLiteral("Komb_1")).An, 28);
}

TEST_F(Combinations, LoadCasesOfOneCaptionAreEachAddedOnce)
{
    TZSInfo info = task.GetZSInfo(task.LoadCases[1].Number);
    info.Name = QStringLiteral("ZS1");
    task.SetZSInfo(info);
    task.RefreshCombinationGrid();
    const TResultStore k = SumOf(TCalculationChoice::Combination, QStringLiteral("Komb_1"));
    EXPECT_DOUBLE_EQ(k.An, 20 + 6);
    EXPECT_DOUBLE_EQ(k.Ad, 1.35 * 20 + 1.5 * 6);
    // Chosen alone by caption, the later of the two is computed.
    EXPECT_DOUBLE_EQ(SumOf(TCalculationChoice::LoadCase, QStringLiteral("ZS1")).An, 6);
}

TEST_F(Combinations, FailingMemberLeavesNoPartialSum)
{
    const int n = task.LoadCases[1].Number;
    task.LoadCaseByNumber(n)->Px[0].P = QStringLiteral("1e308");
    task.LoadCaseByNumber(n)->Px[0].a = QStringLiteral("-1e308"); // P (L - a) overflows
    task.Calc.Mode = TCalculationChoice::Combination;
    task.Calc.ComboBox2 = QStringLiteral("Komb_1");
    EXPECT_THROW(store = SumSelection(task), TError);
    EXPECT_EQ(store.An, 0);
    EXPECT_EQ(store.Mn, TSamples {});
}

} // namespace
