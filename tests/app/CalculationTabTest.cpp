// The calculation tab: the reactions of a load case and a combination, the captions, the tab that
// comes to the front for each caller, and the messages of the calculation.
#include "AnalysisTabsFixture.h"

#include "app/CalculationTab.h"
#include "app/DeflectionTab.h"
#include "app/DiagramImageWidget.h"
#include "app/DiagramsTab.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Simply supported 6 m: ZS "G" (gamma_f 1.35) a point load 10 kN at mid-span, A = B = 5;
// ZS "S" (gamma_f 1.5) a uniform load 2 kN/m, A = B = 6.
class CalculationTabTest : public AnalysisTabsTest
{
protected:
    void SetUp() override
    {
        AnalysisTabsTest::SetUp();
        Beam(QStringLiteral("6"));
        FirstCase(QStringLiteral("G"), QStringLiteral("1.35")).Px.front()
            = { true, QStringLiteral("10"), QStringLiteral("3") };
        NewCase(QStringLiteral("S"), QStringLiteral("1.5")).Q.push_back({ true, QStringLiteral("2") });
        Show(Form->CombinationsTab()); // the grid gets its columns: Komb_1 holds both
        Show(Form->CalculationTab());
    }

    void Choose(int radio, const char* list, const QString& text)
    {
        Find<QRadioButton>(QStringLiteral("RadioButton%1").arg(radio))->click();
        Find<QComboBox>(QString::fromLatin1(list))->setEditText(text);
    }

    QStringList Reactions() const
    {
        QStringList texts;
        for (const char* name : { "Edit14", "Edit15", "Edit16", "Edit17", "Edit18", "Edit20", "Edit21", "Edit22" })
            texts << Text(name);
        return texts;
    }
};

} // namespace

TEST_F(CalculationTabTest, StartsEmptyWithTheListsFilledAndTheFixedParts)
{
    for (const QString& text : Reactions())
        EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    auto* loadCases = Find<QComboBox>("ComboBox1");
    ASSERT_EQ(loadCases->count(), 2);
    EXPECT_EQ(loadCases->itemText(0), QStringLiteral("G"));
    EXPECT_EQ(loadCases->currentText(), QStringLiteral("G"));
    EXPECT_EQ(Find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Komb_1"));
    EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("RadioButton3")->isEnabled()); // the envelope is computed
    EXPECT_EQ(Text("Edit19"), QStringLiteral("0"));
    EXPECT_FALSE(Find<QLineEdit>("Edit19")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>("Edit14")->isReadOnly());
    auto* graph = Form->CalculationTab()->GraphButton();
    EXPECT_EQ(graph->text(), QStringLiteral("Spočítat a zobrazit graf"));
    EXPECT_TRUE(graph->font().bold());
    EXPECT_EQ(Form->CalculationTab()->DefaultButton(), graph);
}

TEST_F(CalculationTabTest, LoadCaseAndCombinationGiveTheirReactionsAndCaptions)
{
    Choose(1, "ComboBox1", QStringLiteral("G"));
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Reactions(), QStringList({ "5.000", "0.000", "5.000", "0.000", "6.750", "0.000", "6.750", "0.000" }));
    EXPECT_EQ(Find<QGroupBox>("GroupBox4")->title(), QStringLiteral("Ohybový moment [ZS G]"));

    Choose(2, "ComboBox2", QStringLiteral("komb_1")); // found ignoring case, spelt as the list has it
    Form->CalculationTab()->BitBtn18()->click();
    // An = A1 + A2, Ad = 1.35 A1 + 1.5 A2.
    EXPECT_EQ(Reactions(), QStringList({ "11.000", "0.000", "11.000", "0.000", "15.750", "0.000", "15.750", "0.000" }));
    EXPECT_EQ(Find<QGroupBox>("GroupBox4")->title(), QStringLiteral("Ohybový moment [kombinace Komb_1]"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox5")->title(), QStringLiteral("Posouvající síla [kombinace Komb_1]"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox11")->title(), QStringLiteral("Průhyb trabíku [kombinace Komb_1]"));
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(' ').toStdString();
}

TEST_F(CalculationTabTest, ALoadCaseAloneEqualsTheOnlyMemberOfACombination)
{
    Choose(1, "ComboBox1", QStringLiteral("S"));
    Form->CalculationTab()->BitBtn18()->click();
    const QStringList alone = Reactions();
    const TResultStore aloneStore = Form->AnalysisControl()->Result().Sums;
    Task.Grid.SetCell(3, 1, QStringLiteral("0")); // G out of Komb_1
    Choose(2, "ComboBox2", QStringLiteral("Komb_1"));
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Reactions(), alone);
    EXPECT_EQ(Form->AnalysisControl()->Result().Sums.Md, aloneStore.Md);
}

TEST_F(CalculationTabTest, TheCallerDecidesWhichTabComesToTheFront)
{
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_vypocet"));
    Form->CalculationTab()->GraphButton()->click(); // the action Spocitat_prubehy
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_prubehy"));
    Form->Actions().Spocitat_reakce->trigger(); // the menu item runs as BitBtn18
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_vypocet"));
    EXPECT_EQ(Text("Edit14"), QStringLiteral("5.000"));
    Form->PageControl()->setCurrentWidget(Form->TaskTab());
    Form->Actions().Spocitat_prubehy->trigger(); // from the tool bar on any tab
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_prubehy"));
    bool inMenu = false;
    for (const QMenu* menu : Form->menuBar()->findChildren<QMenu*>())
        for (const QAction* item : menu->actions())
            inMenu |= item == Form->Actions().Spocitat_reakce
                && item->text().remove(QLatin1Char('&')) == QStringLiteral("Spočítat a zobrazit reakce");
    EXPECT_TRUE(inMenu);
}

TEST_F(CalculationTabTest, PartialLoadsOnAPinnedAndFixedBeamAreSolvedWithoutAMessage)
{
    Beam(QStringLiteral("6"), 12);
    TLoadCase& g = Task.LoadCases.front();
    g.QQ.push_back({ true, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1") });
    g.QQ.push_back({ true, QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("2") });
    Choose(1, "ComboBox1", QStringLiteral("G"));
    Form->CalculationTab()->GraphButton()->click(); // calculates, then shows the diagrams tab
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_prubehy"));
}

TEST_F(CalculationTabTest, ANameThatIsGoneGivesWayToTheFirstEntry)
{
    Choose(1, "ComboBox1", QStringLiteral("S"));
    Task.RenameLoadCase(1, QStringLiteral("Sníh")); // renamed on the load case tab since
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText(), QStringLiteral("G"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox4")->title(), QStringLiteral("Ohybový moment [ZS G]"));
    EXPECT_EQ(Text("Edit14"), QStringLiteral("5.000"));
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(CalculationTabTest, NothingToChooseLeavesZerosAndSaysSo)
{
    Form->CalculationTab()->BitBtn18()->click();
    Task.DeleteAllLoadCases();
    Form->SyncLoadCases();
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Messages, QStringList(QStringLiteral("Není žádný zatěžovací stav.")));
    EXPECT_EQ(Text("Edit14"), QStringLiteral("0.000"));
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->count(), 0);
}

TEST_F(CalculationTabTest, AnEmptySpanIsAnErrorAndLeavesNoOldResults)
{
    Form->CalculationTab()->BitBtn18()->click();
    Beam(QString());
    Form->CalculationTab()->BitBtn18()->click();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_EQ(Text("Edit14"), QStringLiteral("0.000"));
}

TEST_F(CalculationTabTest, TheListsFollowRenamedLoadCasesAndNewCombinations)
{
    Task.RenameLoadCase(0, QStringLiteral("Stálé"));
    Task.AddCombination();
    Form->PageControl()->setCurrentWidget(Form->TaskTab());
    Show(Form->CalculationTab());
    auto* loadCases = Find<QComboBox>("ComboBox1");
    EXPECT_EQ(loadCases->itemText(0), QStringLiteral("Stálé"));
    EXPECT_EQ(loadCases->currentText(), QStringLiteral("Stálé")); // "G" is gone: the first entry
    EXPECT_EQ(Find<QComboBox>("ComboBox2")->count(), 2);
}

TEST_F(CalculationTabTest, TheEnvelopeShowsTheMaximaAndTheMinimaLabelled)
{
    Find<QPushButton>("BitBtn10")->click(); // Komb_2 ...
    Task.Grid.SetCell(4, 2, QStringLiteral("0")); // ... without S: A = 5
    Find<QRadioButton>("RadioButton3")->click();
    EXPECT_EQ(Task.Calc.Mode, TCalculationChoice::Envelope);
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Text("Edit14"), QStringLiteral("11.000"));
    EXPECT_EQ(Text("Edit14_min"), QStringLiteral("5.000"));
    EXPECT_TRUE(Find<QLineEdit>("Edit14_min")->isVisibleTo(Form.get()));
    EXPECT_EQ(Text("Edit18"), QStringLiteral("15.750"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox4")->title(), QStringLiteral("Ohybový moment [obálka kombinací]"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox11")->title(), QStringLiteral("Průhyb trabíku [obálka kombinací]"));
    // The overall extremes: the moment never hogs, the deepest sag is Komb_1's at mid-span.
    EXPECT_EQ(Text("Edit2"), QStringLiteral("0.000"));
    EXPECT_EQ(Text("Edit4"), QStringLiteral("-24.000"));
    EXPECT_EQ(Text("Edit5"), QStringLiteral("3.000"));
    EXPECT_EQ(Text("Edit8"), QStringLiteral("11.000"));
    EXPECT_EQ(Text("Edit10"), QStringLiteral("-11.000"));

    // The probes show both curves at the mouse, each with its name.
    Show(Form->DiagramsTab());
    MoveMouse(Form->DiagramsTab()->Image7(), Form->DiagramsTab()->Image7()->width() / 2, 5);
    EXPECT_EQ(Find<QLabel>("Label_Edit7")->text(), QStringLiteral("Mx,max ="));
    EXPECT_EQ(Find<QLabel>("Label_Edit7_min")->text(), QStringLiteral("Mx,min ="));
    EXPECT_EQ(Text("Edit7_min"), QStringLiteral("-24.000"));
    EXPECT_TRUE(Find<QLineEdit>("Edit13_min")->isVisibleTo(Form.get()));
    EXPECT_TRUE(Find<QLineEdit>("Edit29_min")->isVisibleTo(Form->DeflectionTab()));
    // The longer captions leave the three diagrams equally wide.
    for (const QSize size : { QSize(576, 516), QSize(1001, 700) }) {
        Form->resize(size);
        Show(Form->DeflectionTab());
        QCoreApplication::processEvents();
        const int deflection = Form->DeflectionTab()->Image9()->width();
        Show(Form->DiagramsTab());
        QCoreApplication::processEvents();
        EXPECT_EQ(Form->DiagramsTab()->Image7()->width(), deflection) << size.width();
        EXPECT_EQ(Form->DiagramsTab()->Image8()->width(), deflection) << size.width();
    }

    Find<QRadioButton>("RadioButton1")->click(); // back to one load case: single values
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_FALSE(Find<QLineEdit>("Edit14_min")->isVisibleTo(Form.get()));
    EXPECT_FALSE(Find<QLineEdit>("Edit7_min")->isVisibleTo(Form->DiagramsTab()));
    EXPECT_EQ(Find<QLabel>("Label_Edit7")->text(), QStringLiteral("Mx ="));
    EXPECT_EQ(Find<QGroupBox>("GroupBox4")->title(), QStringLiteral("Ohybový moment [ZS G]"));
}

// G permanent, S snow (ψ0 = 0,5), rule 6.10a,b. A: G 5 kN, S 6 kN.
// 6.10a: 1,35·5 + 1,5·0,5·6 = 11,25; 6.10b: 0,85·1,35·5 + 1,5·6 = 14,7375 governs. A min = 1,0·5.
// M at mid-span: G -15 (P L/4), S -9 (q L²/8): 6.10b 0,85·1,35·(-15) - 1,5·9 = -30,7125.
TEST_F(CalculationTabTest, TheEn1990EnvelopeNeedsEveryActionTypeAndShowsBothCurves)
{
    Task.LoadCases[0].Action = QStringLiteral("G");
    Find<QComboBox>("ComboBox_EN1990")->setCurrentIndex(0); // "MSÚ (ČSN EN 1990)"
    Find<QRadioButton>("RadioButton_EN1990")->click();
    EXPECT_EQ(Task.Calc.En1990, 1);
    Form->CalculationTab()->BitBtn18()->click();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors.front().contains(QStringLiteral("„S“ nemá určen druh zatížení")));

    Task.LoadCases[1].Action = QStringLiteral("S");
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Text("Edit14"), QStringLiteral("14.738"));
    EXPECT_EQ(Text("Edit14_min"), QStringLiteral("5.000"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox4")->title(), QStringLiteral("Ohybový moment [MSÚ (ČSN EN 1990)]"));
    EXPECT_EQ(Text("Edit4"), QStringLiteral("-30.712")); // -30,7125, halves to even
    EXPECT_EQ(Text("Edit5"), QStringLiteral("3.000"));

    Find<QRadioButton>("RadioButton2")->click(); // a grid combination again
    EXPECT_EQ(Task.Calc.En1990, 0);
    EXPECT_EQ(Task.Calc.Mode, TCalculationChoice::Combination);
}

TEST_F(CalculationTabTest, ALoadOutsideTheSpanIsListedOnTheTabWithoutAMessageBox)
{
    Task.LoadCases.front().Px.front().a = QStringLiteral("7");
    Choose(2, "ComboBox2", QStringLiteral("Komb_1"));
    Form->CalculationTab()->BitBtn18()->click();
    auto* warnings = Find<QLabel>("Label_varovani");
    EXPECT_TRUE(warnings->isVisibleTo(Form.get()));
    EXPECT_EQ(
        warnings->text(), QStringLiteral("Zatěžovací stav „G“: síla P1 = 10 kN leží mimo rozpětí (a = 7 m, L = 6 m)."));
    EXPECT_EQ(Reactions()[0], QStringLiteral("4.333")); // solved as entered: 6 from S, 10 (6 - 7) / 6 from G
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(' ').toStdString();
    Choose(1, "ComboBox1", QStringLiteral("S")); // a load case without such a load
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_FALSE(warnings->isVisibleTo(Form.get()));
}

// A load typed so that it is no number is never calculated as 0: the calculation is refused with
// the load case, the load and the text; the text stays as typed. Load cases it does not touch
// still calculate.
TEST_F(CalculationTabTest, AnUnreadableLoadRefusesTheCalculationAndNamesIt)
{
    Show(Form->LoadCasesTab());
    auto* p1 = Find<QLineEdit>("ZS1_P1");
    ASSERT_NE(p1, nullptr);
    p1->clear();
    QTest::keyClicks(p1, QStringLiteral("6,0x"));
    Show(Form->CalculationTab());
    Choose(1, "ComboBox1", QStringLiteral("G"));
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Errors, QStringList { QStringLiteral("Zatěžovací stav „G“: P1 = „6,0x“ není číslo.") });
    EXPECT_EQ(Text("Edit14"), QStringLiteral("0.000")); // no reaction of a load read as 0
    EXPECT_EQ(Task.LoadCases.front().Px.front().P, QStringLiteral("6,0x"));
    Choose(2, "ComboBox2", QStringLiteral("Komb_1")); // G is a member
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Errors.size(), 2);
    Choose(1, "ComboBox1", QStringLiteral("S"));
    Form->CalculationTab()->BitBtn18()->click();
    EXPECT_EQ(Errors.size(), 2);
    EXPECT_EQ(Text("Edit14"), QStringLiteral("6.000"));
}
