// The combination grid: refresh, new rows, flag toggling, and membership through deleting and
// renaming load cases.
#include "model/TTask.h"

#include <gtest/gtest.h>

namespace {

QStringList Row(const TCombinationGrid& grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid.ColCount(); ++col)
        cells << grid.Cell(col, row);
    return cells;
}

// Load cases A, B, C and two combinations: Komb_1 without B, Komb_2 without A and C.
TTask ThreeCasesTwoCombinations()
{
    TTask task = TTask::StartState();
    task.NewLoadCase(TCaller::User);
    task.NewLoadCase(TCaller::User);
    for (int i = 0; i < 3; ++i)
        task.RenameLoadCase(i, QString(QChar('A' + i)));
    task.RefreshCombinationGrid();
    task.AddCombination();
    task.ToggleGridFlag(4, 1);
    task.ToggleGridFlag(3, 2);
    task.ToggleGridFlag(5, 2);
    return task;
}

TEST(CombinationGridTest, FirstRefreshShowsTheStartLoadCase)
{
    TTask task = TTask::StartState();
    EXPECT_EQ(task.Grid.ColCount(), 5);
    EXPECT_EQ(task.Grid.RowCount(), 2);
    task.RefreshCombinationGrid();
    EXPECT_EQ(Row(task.Grid, 0), (QStringList { "index", "název", "tisk", "[nový]" }));
    EXPECT_EQ(Row(task.Grid, 1), (QStringList { "1", "Komb_1", "", "" }));
}

TEST(CombinationGridTest, ToggleFlipsOnlyFlagCellsInsideTheGrid)
{
    TTask task = TTask::StartState();
    task.RefreshCombinationGrid();
    task.ToggleGridFlag(3, 1);
    EXPECT_EQ(task.Grid.Cell(3, 1), QStringLiteral("0"));
    task.ToggleGridFlag(3, 1);
    EXPECT_TRUE(task.Grid.Cell(3, 1).isEmpty());
    // A foreign text reads yes, as the grid draws it, the sums take it and the report prints it: a
    // click turns it to no.
    task.Grid.SetCell(2, 1, QStringLiteral("1"));
    EXPECT_TRUE(task.Grid.Flag(2, 1));
    task.ToggleGridFlag(2, 1);
    EXPECT_EQ(task.Grid.Cell(2, 1), QStringLiteral("0"));
    task.ToggleGridFlag(2, 1);
    const QStringList before = Row(task.Grid, 1) + Row(task.Grid, 0);
    for (auto [col, row] : { std::pair { 0, 1 }, { 1, 1 }, { 3, 0 }, { 3, 2 }, { 4, 1 }, { -1, 1 } })
        task.ToggleGridFlag(col, row);
    EXPECT_EQ(Row(task.Grid, 1) + Row(task.Grid, 0), before);
    EXPECT_EQ(task.Grid.RowCount(), 2);
}

TEST(CombinationGridTest, NewCombinationIsNumberedNamedAndIncludesEverything)
{
    TTask task = ThreeCasesTwoCombinations();
    task.AddCombination();
    EXPECT_EQ(task.Grid.ColCount(), 6);
    EXPECT_EQ(Row(task.Grid, 3), (QStringList { "3", "Komb_3", "", "", "", "" }));
}

TEST(CombinationGridTest, RefreshRestoresEmptyNamesAndKeepsFlags)
{
    TTask task = ThreeCasesTwoCombinations();
    task.Grid.SetCell(1, 1, QString());
    task.Grid.SetCell(1, 2, QStringLiteral("vítr"));
    task.RefreshCombinationGrid();
    EXPECT_EQ(Row(task.Grid, 1), (QStringList { "1", "Komb_1", "", "", "0", "" }));
    EXPECT_EQ(Row(task.Grid, 2), (QStringList { "2", "vítr", "", "0", "", "0" }));
    // A load case created since the last refresh joins every combination at the right.
    task.NewLoadCase(TCaller::User);
    task.RefreshCombinationGrid();
    EXPECT_EQ(Row(task.Grid, 0).last(), QStringLiteral("[nový]"));
    EXPECT_TRUE(task.Grid.Cell(6, 1).isEmpty() && task.Grid.Cell(6, 2).isEmpty());
}

TEST(CombinationGridTest, DeletingALoadCaseRemovesItsColumnAndKeepsTheOthersFlags)
{
    TTask task = ThreeCasesTwoCombinations();
    task.ActiveLoadCase = 1; // B
    task.DeleteActiveLoadCase();
    EXPECT_EQ(Row(task.Grid, 0), (QStringList { "index", "název", "tisk", "A", "C" }));
    EXPECT_EQ(Row(task.Grid, 1), (QStringList { "1", "Komb_1", "", "", "" }));
    EXPECT_EQ(Row(task.Grid, 2), (QStringList { "2", "Komb_2", "", "0", "0" }));
    task.RefreshCombinationGrid();
    EXPECT_EQ(task.Grid.ColCount(), 5);
    EXPECT_EQ(Row(task.Grid, 2), (QStringList { "2", "Komb_2", "", "0", "0" }));

    // The last page's column goes too; a column never made for a load case is left alone.
    task.NewLoadCase(TCaller::User); // not in the grid yet
    task.ActiveLoadCase = 1; // C
    task.DeleteActiveLoadCase();
    EXPECT_EQ(Row(task.Grid, 0), (QStringList { "index", "název", "tisk", "A" }));
    task.ActiveLoadCase = 1; // the new one, without a column
    task.DeleteActiveLoadCase();
    EXPECT_EQ(Row(task.Grid, 2), (QStringList { "2", "Komb_2", "", "0" }));
}

TEST(CombinationGridTest, DeletingACombinationMovesTheRowsBelowUpWithTheirFlags)
{
    TTask task = ThreeCasesTwoCombinations();
    task.AddCombination();
    task.Grid.SetCell(1, 2, QStringLiteral("MSP"));
    task.DeleteCombination(1);
    ASSERT_EQ(task.Grid.RowCount(), 3);
    EXPECT_EQ(Row(task.Grid, 1), (QStringList { "1", "MSP", "", "0", "", "0" }));
    EXPECT_EQ(Row(task.Grid, 2), (QStringList { "2", "Komb_3", "", "", "", "" })); // names stay
    task.DeleteCombination(0); // the header row and rows outside the grid are no combinations
    task.DeleteCombination(3);
    EXPECT_EQ(task.Grid.RowCount(), 3);
    task.DeleteCombination(2);
    task.DeleteCombination(1);
    EXPECT_EQ(task.Grid.RowCount(), 1);
    EXPECT_TRUE(task.CombinationNames().isEmpty());
}

TEST(CombinationGridTest, RenamingALoadCaseKeepsItsHeaderInStep)
{
    TTask task = ThreeCasesTwoCombinations();
    TZSInfo info = task.FindZSInfo(QStringLiteral("C"));
    info.Name = QStringLiteral("vítr");
    task.SetZSInfo(info);
    EXPECT_EQ(task.Grid.Cell(5, 0), QStringLiteral("vítr"));
    task.ApplyLoadCaseProperties(1, QStringLiteral("stálé"), true, QStringLiteral("1.35"), true);
    EXPECT_EQ(Row(task.Grid, 0), (QStringList { "index", "název", "tisk", "stálé", "B", "vítr" }));
    // A load case without a column yet leaves the grid as it is.
    const int index = task.NewLoadCase(TCaller::User);
    const QStringList header = Row(task.Grid, 0);
    task.RenameLoadCase(index, QStringLiteral("nový název"));
    EXPECT_EQ(Row(task.Grid, 0), header);
}

TEST(CombinationGridTest, GridKeepsItsShapeOnBadCoordinates)
{
    TCombinationGrid grid;
    grid.SetCell(7, 0, QStringLiteral("x"));
    grid.SetCell(0, -1, QStringLiteral("x"));
    EXPECT_TRUE(grid.Cell(7, 0).isEmpty());
    grid.SetCell(4, 1, QStringLiteral("0"));
    grid.InsertColumn(99);
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(grid.RowCount(), 2);
    grid.RemoveColumn(-1);
    grid.RemoveColumn(6);
    grid.RemoveColumn(0);
    EXPECT_EQ(grid.Cell(3, 1), QStringLiteral("0"));
    grid.SetSize(2, 3);
    EXPECT_EQ(grid.Cell(1, 2), QString());
    EXPECT_EQ(grid.ColCount(), 2);
    grid.SetSize(-1, -1);
    EXPECT_EQ(grid.ColCount(), 0);
    EXPECT_EQ(grid.RowCount(), 0);
}

TEST(CombinationGridTest, CalculationListsFollowCaptionsAndNames)
{
    TTask task = ThreeCasesTwoCombinations();
    task.Grid.SetCell(1, 2, QString()); // an empty name is not in the list
    EXPECT_EQ(task.LoadCaseNames(), (QStringList { "A", "B", "C" }));
    EXPECT_EQ(task.CombinationNames(), (QStringList { "Komb_1" }));

    task.Calc.ComboBox1 = QStringLiteral("c");
    task.Calc.ComboBox2 = QStringLiteral("nic");
    task.RefreshCalculationLists();
    EXPECT_EQ(task.Calc.ComboBox1, QStringLiteral("C")); // the list's spelling
    EXPECT_EQ(task.Calc.ComboBox2, QStringLiteral("Komb_1")); // not found: the first entry

    task.RenameLoadCase(0, QStringLiteral("c")); // an exact match wins over one ignoring case
    task.Calc.ComboBox1 = QStringLiteral("C");
    task.RefreshCalculationLists();
    EXPECT_EQ(task.Calc.ComboBox1, QStringLiteral("C"));

    task.DeleteAllLoadCases();
    task.Calc.ComboBox1 = QStringLiteral("ZS");
    task.RefreshCalculationLists();
    EXPECT_EQ(task.Calc.ComboBox1, QStringLiteral("ZS")); // an empty list keeps the text
}

} // namespace
