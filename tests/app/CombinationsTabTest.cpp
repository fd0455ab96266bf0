// The combination grid: its start state and look, clicks with their hit rules, new rows, names,
// and the columns as load cases come, go and are renamed.
#include "AnalysisTabsFixture.h"

#include "app/KombiGridWidget.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>

namespace {

class CombinationsTabTest : public AnalysisTabsTest
{
protected:
    void SetUp() override
    {
        AnalysisTabsTest::SetUp();
        Show(Form->CombinationsTab());
        Grid = Form->CombinationsTab()->KombiGrid();
    }

    void Click(const QPoint& viewportPos) { QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, viewportPos); }
    void ClickCell(int col, int row) { Click(Grid->KombiGridCellRect(col, row).center()); }
    void ShowAgain()
    {
        Form->PageControl()->setCurrentWidget(Form->TaskTab());
        Show(Form->CombinationsTab());
    }
    QStringList Row(int row) const
    {
        QStringList cells;
        for (int c = 0; c < Task.Grid.ColCount(); ++c)
            cells << Task.Grid.Cell(c, row);
        return cells;
    }
    // How many pixels of the cell are near `color` in the grid as drawn.
    int PixelsOf(int col, int row, const QColor& color)
    {
        const QImage image = Grid->viewport()->grab().toImage();
        const QRect cell = Grid->KombiGridCellRect(col, row);
        int count = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += qAbs(c.red() - color.red()) + qAbs(c.green() - color.green()) + qAbs(c.blue() - color.blue())
                    < 90;
            }
        return count;
    }

    TKombiGridWidget* Grid = nullptr;
};

} // namespace

TEST_F(CombinationsTabTest, StartsWithOneCombinationOfTheFirstLoadCase)
{
    EXPECT_EQ(Grid->objectName(), QStringLiteral("KombiGrid"));
    EXPECT_EQ(Row(0), QStringList({ "index", "název", "tisk", "[nový]" }));
    EXPECT_EQ(Row(1), QStringList({ "1", "Komb_1", "", "" }));
    EXPECT_EQ(Grid->GridModel()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("[nový]"));
    // Headers cut by the narrow columns are whole in their tool tips.
    EXPECT_EQ(Grid->GridModel()->headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("[nový]"));
    EXPECT_EQ(Grid->findChild<QAbstractButton*>()->toolTip(), QStringLiteral("index"));
    // Column 0 is as wide as "index" needs (the design's 27 pixels cut it to "inde").
    EXPECT_GE(Grid->verticalHeader()->width(), 27);
    EXPECT_GE(Grid->verticalHeader()->width(), Grid->fontMetrics().horizontalAdvance(QStringLiteral("index")) + 4);
    EXPECT_EQ(Grid->columnWidth(0), 84);
    EXPECT_EQ(Grid->columnWidth(1), 41);
    EXPECT_EQ(Grid->columnWidth(2), 64);
    EXPECT_EQ(Grid->rowHeight(0), 21);
    EXPECT_TRUE(Find<QPushButton>("BitBtn10")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("BitBtn11")->isEnabled());
    EXPECT_EQ(Find<QPushButton>("BitBtn11")->text(), QStringLiteral("smazat kombinaci"));
    // A tick in the membership cell, a printer in the print cell.
    EXPECT_GT(PixelsOf(3, 1, QColor(0, 140, 0)), 10);
    EXPECT_EQ(PixelsOf(3, 1, QColor(0, 128, 128)), 0);
    EXPECT_GT(PixelsOf(2, 1, QColor(192, 192, 192)), 10);
}

TEST_F(CombinationsTabTest, AClickTogglesAFlagAndTheCellShowsIt)
{
    ClickCell(3, 1);
    EXPECT_EQ(Task.Grid.Cell(3, 1), QStringLiteral("0"));
    EXPECT_GT(PixelsOf(3, 1, QColor(0, 128, 128)), 10); // the cross
    EXPECT_EQ(PixelsOf(3, 1, QColor(0, 140, 0)), 0);
    ClickCell(2, 1);
    EXPECT_EQ(Task.Grid.Cell(2, 1), QStringLiteral("0"));
    ClickCell(3, 1);
    ClickCell(2, 1);
    EXPECT_EQ(Row(1), QStringList({ "1", "Komb_1", "", "" }));
}

TEST_F(CombinationsTabTest, ClicksOutsideTheCellsChangeNothing)
{
    const QRect flag = Grid->KombiGridCellRect(3, 1);
    Click({ flag.left(), flag.center().y() }); // the left edge itself
    Click({ flag.right() + 1, flag.center().y() }); // the grid line on its right
    Click({ flag.center().x(), flag.bottom() + 1 }); // the grid line below
    Click({ flag.center().x(), flag.bottom() + 40 }); // below the last row
    QTest::mouseClick(Grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(flag.center().x(), 10));
    QTest::mouseClick(Grid->verticalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, flag.center().y()));
    EXPECT_EQ(Grid->KombiGridCellAt({ flag.center().x(), flag.bottom() + 40 }), QPoint(-1, -1));
    EXPECT_EQ(Row(0), QStringList({ "index", "název", "tisk", "[nový]" }));
    EXPECT_EQ(Row(1), QStringList({ "1", "Komb_1", "", "" }));
    EXPECT_EQ(Grid->findChild<QLineEdit*>(QStringLiteral("KombiGrid_editor")), nullptr);
}

TEST_F(CombinationsTabTest, OnlyNamesAreEditedAndAClearedNameComesBack)
{
    ClickCell(1, 1);
    EXPECT_EQ(Grid->currentIndex().column(), 0);
    auto* editor = Grid->findChild<QLineEdit*>(QStringLiteral("KombiGrid_editor"));
    ASSERT_NE(editor, nullptr); // shown at once
    EXPECT_EQ(editor->text(), QStringLiteral("Komb_1"));
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("ZK1"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor commits through a queued call
    EXPECT_EQ(Task.Grid.Cell(1, 1), QStringLiteral("ZK1"));
    EXPECT_FALSE(Grid->GridModel()->flags(Grid->GridModel()->index(0, 1)) & Qt::ItemIsEditable);

    Grid->GridModel()->setData(Grid->GridModel()->index(0, 0), QString());
    ShowAgain();
    EXPECT_EQ(Task.Grid.Cell(1, 1), QStringLiteral("Komb_1"));
}

TEST_F(CombinationsTabTest, NewCombinationsIncludeEveryLoadCase)
{
    ClickCell(3, 1);
    Find<QPushButton>("BitBtn10")->click();
    Find<QPushButton>("BitBtn10")->click();
    ASSERT_EQ(Grid->model()->rowCount(), 3);
    EXPECT_EQ(Row(3), QStringList({ "3", "Komb_3", "", "" }));
    ClickCell(3, 3);
    EXPECT_EQ(Task.Grid.Cell(3, 3), QStringLiteral("0"));
    EXPECT_EQ(Task.Grid.Cell(3, 2), QString());
}

TEST_F(CombinationsTabTest, TheSelectedCombinationIsDeletedAfterAQuestionNamingIt)
{
    auto* remove = Find<QPushButton>("BitBtn11");
    Find<QPushButton>("BitBtn10")->click();
    Task.Grid.SetCell(1, 2, QStringLiteral("ZK2 – bez sněhu, se zatížením od jeřábové dráhy"));
    ClickCell(3, 2);
    EXPECT_FALSE(remove->isEnabled()); // a flag cell is no selection
    ClickCell(1, 1);
    ASSERT_TRUE(remove->isEnabled());
    Answers = { false };
    remove->click();
    EXPECT_EQ(Questions.last(), QStringLiteral("Skutečně smazat kombinaci „Komb_1“?"));
    EXPECT_EQ(Grid->model()->rowCount(), 2);
    Answers = { true };
    ClickCell(1, 1);
    remove->click();
    ASSERT_EQ(Grid->model()->rowCount(), 1);
    EXPECT_EQ(Row(1), QStringList({ "1", "ZK2 – bez sněhu, se zatížením od jeřábové dráhy", "", "0" }));
    EXPECT_FALSE(remove->isEnabled());
    // The long name is cut in its cell and whole in the tool tip.
    EXPECT_EQ(Grid->GridModel()->index(0, 0).data(Qt::ToolTipRole).toString(), Task.Grid.Cell(1, 1));
}

TEST_F(CombinationsTabTest, ColumnsFollowAddedDeletedAndRenamedLoadCases)
{
    NewCase(QStringLiteral("B"), QStringLiteral("1.5"));
    NewCase(QStringLiteral("C"), QStringLiteral("1.5"));
    ShowAgain();
    ASSERT_EQ(Task.Grid.ColCount(), 6); // three load cases, one combination
    EXPECT_EQ(Grid->model()->columnCount(), 5);
    EXPECT_EQ(Grid->columnWidth(4), 64);
    ClickCell(5, 1); // C out
    Grid->setColumnWidth(0, 120); // the user's widths stay, a load case's with its load case
    Grid->setColumnWidth(3, 50);
    Grid->setColumnWidth(4, 90);
    Task.ActiveLoadCase = 1;
    Answers = { true };
    Form->Actions().Smazat_ZS->trigger(); // B goes with its column, also from the shown grid
    EXPECT_EQ(Grid->horizontalHeader()->count(), 4);
    EXPECT_EQ(Grid->columnWidth(3), 90);
    ShowAgain();
    EXPECT_EQ(Row(0), QStringList({ "index", "název", "tisk", "[nový]", "C" }));
    EXPECT_EQ(Row(1), QStringList({ "1", "Komb_1", "", "", "0" }));
    EXPECT_EQ(Grid->columnWidth(0), 120);
    EXPECT_EQ(Grid->columnWidth(3), 90);
    Task.RenameLoadCase(1, QStringLiteral("Sníh"));
    Grid->Reload();
    EXPECT_EQ(Grid->GridModel()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Sníh"));
}
