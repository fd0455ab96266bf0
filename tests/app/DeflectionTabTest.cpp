// The deflection tab: the section inputs with their units and aids, the calculation on showing the
// tab and through "Spočítat průhyb", and the deflection fields.
#include "AnalysisTabsFixture.h"

#include "app/DiagramImageWidget.h"
#include "model/uMyCommonLib.h"
#include "tests/support/LocaleGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

class DeflectionTabTest : public AnalysisTabsTest
{
protected:
    QComboBox* List(int n) const { return Find<QComboBox>(QStringLiteral("ComboBox%1").arg(n)); }
    QLineEdit* Edit(int n) const { return Find<QLineEdit>(QStringLiteral("Edit%1").arg(n)); }
    void Leave(QLineEdit* edit) { emit edit->editingFinished(); }
};

} // namespace

TEST_F(DeflectionTabTest, StartsWithTheDefaultRectangleOfSteel)
{
    Show(Form->DeflectionTab());
    EXPECT_EQ(Edit(30)->text(), QStringLiteral("0.0003375"));
    EXPECT_EQ(List(3)->currentText(), QStringLiteral("m4"));
    EXPECT_EQ(Edit(31)->text(), QStringLiteral("210"));
    EXPECT_EQ(List(4)->currentText(), QStringLiteral("GPa"));
    EXPECT_EQ(Edit(32)->text(), QStringLiteral("0.15"));
    EXPECT_EQ(Edit(33)->text(), QStringLiteral("0.30"));
    EXPECT_FALSE(Find<QCheckBox>("CheckBox23")->isChecked());
    EXPECT_EQ(List(5)->currentIndex(), -1); // the library's entries, none chosen
    EXPECT_EQ(List(6)->currentIndex(), -1);
    EXPECT_EQ(List(5)->itemText(0), QStringLiteral("ocel S235"));
    EXPECT_EQ(List(6)->itemText(0), QStringLiteral("IPE 80"));
    EXPECT_TRUE(Find<QPushButton>("BitBtn22")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("BitBtn23")->isEnabled());
    EXPECT_EQ(Find<QGroupBox>("GroupBox11")->title(), QStringLiteral("Průhyb trabíku po délce:"));
}

TEST_F(DeflectionTabTest, TheDefaultsShowTheSystemsSeparatorAndSaveAsBefore)
{
    TLocaleGuard locale(TLocaleGuard::Comma());
    Form->DeflectionTab()->RefreshFromModel();
    Show(Form->DeflectionTab());
    EXPECT_EQ(Edit(30)->text(), QStringLiteral("0,0003375"));
    EXPECT_EQ(Edit(32)->text(), QStringLiteral("0,15"));
    EXPECT_EQ(Edit(33)->text(), QStringLiteral("0,30"));
    EXPECT_EQ(Task.Deflection.Edit32, QStringLiteral("0.15")); // the task keeps its text
    Edit(32)->clear();
    QTest::keyClicks(Edit(32), QStringLiteral("0.2"));
    Form->DeflectionTab()->RefreshFromModel();
    EXPECT_EQ(Edit(32)->text(), QStringLiteral("0.2")); // typed: as typed
}

TEST_F(DeflectionTabTest, TypedValuesAndUnitsReachTheSection)
{
    Show(Form->DeflectionTab());
    Edit(30)->clear();
    QTest::keyClicks(Edit(30), QStringLiteral("33750"));
    List(3)->setCurrentText(QStringLiteral("cm4"));
    Edit(31)->clear();
    QTest::keyClicks(Edit(31), QStringLiteral("210000"));
    List(4)->setCurrentIndex(2); // MPa
    EXPECT_DOUBLE_EQ(SectionIy(Task.Deflection), 3.375e-4);
    EXPECT_DOUBLE_EQ(SectionEmod(Task.Deflection), 2.1e11);
    List(3)->setEditText(QStringLiteral("m^4")); // no such unit: the number as it stands
    EXPECT_DOUBLE_EQ(SectionIy(Task.Deflection), 33750);
    List(4)->setEditText(QStringLiteral("gpa")); // typed in other letter case: the entry's spelling
    emit List(4)->lineEdit()->editingFinished();
    EXPECT_EQ(Task.Deflection.EUnit, QStringLiteral("GPa"));
    EXPECT_EQ(List(4)->currentText(), QStringLiteral("GPa"));
}

TEST_F(DeflectionTabTest, TheRectangleGivesIyAndUncheckingHandsBackToTheSectionList)
{
    Show(Form->DeflectionTab());
    auto* rectangle = Find<QCheckBox>("CheckBox23");
    List(3)->setCurrentText(QStringLiteral("mm4"));
    rectangle->click();
    EXPECT_EQ(Edit(30)->text(), QStringLiteral("0.00033750"));
    EXPECT_EQ(List(3)->currentText(), QStringLiteral("m4"));
    EXPECT_FALSE(List(6)->isEnabled());
    Edit(33)->setText(QStringLiteral("0.4"));
    emit Edit(33)->textEdited(QStringLiteral("0.4"));
    Leave(Edit(33));
    EXPECT_EQ(Edit(30)->text(), QStringLiteral("0.00080000"));

    rectangle->click(); // no section chosen: Iy empty, in mm4
    EXPECT_TRUE(Edit(30)->text().isEmpty());
    EXPECT_EQ(List(3)->currentText(), QStringLiteral("mm4"));
    EXPECT_TRUE(List(6)->isEnabled());
    EXPECT_DOUBLE_EQ(SectionIy(Task.Deflection), 0);
    Leave(Edit(32)); // unchecked: leaving b changes nothing
    EXPECT_TRUE(Edit(30)->text().isEmpty());
}

TEST_F(DeflectionTabTest, ChoosingIpe300AndSteelS235FromTheLibrary)
{
    Form->UserLibrary().AddUserEntry(TLibraryKind::Materials, QStringLiteral("smrk"), 10.5);
    Show(Form->DeflectionTab());
    const int steel = List(5)->findText(QStringLiteral("ocel S235"));
    const int ipe = List(6)->findText(QStringLiteral("IPE 300"));
    EXPECT_EQ(List(5)->itemText(List(5)->count() - 1), QStringLiteral("smrk")); // the user's after the built-ins
    List(4)->setCurrentText(QStringLiteral("MPa"));
    List(5)->setCurrentIndex(steel);
    emit List(5)->activated(steel);
    EXPECT_EQ(Edit(31)->text(), QStringLiteral("210"));
    EXPECT_EQ(List(4)->currentText(), QStringLiteral("GPa"));
    List(6)->setCurrentIndex(ipe);
    emit List(6)->activated(ipe);
    EXPECT_EQ(Edit(30)->text(), QStringLiteral("83560000"));
    EXPECT_EQ(List(3)->currentText(), QStringLiteral("mm4"));
    EXPECT_DOUBLE_EQ(SectionIy(Task.Deflection), 8.356e-5);
    EXPECT_EQ(Task.Deflection.Section, QStringLiteral("IPE 300"));
    EXPECT_EQ(Task.Deflection.Material, QStringLiteral("ocel S235"));
    Edit(30)->clear();
    QTest::keyClicks(Edit(30), QStringLiteral("9000")); // typed over: no longer IPE 300
    EXPECT_TRUE(Task.Deflection.Section.isEmpty());
    EXPECT_EQ(List(6)->currentIndex(), -1);

    DialogAnswer = [](QDialog& dialog) { // the section dialog: the built-ins cannot be changed
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("Table"));
        table->selectRow(0);
        EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("mm4"));
        EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("RemoveButton"))->isEnabled());
        EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("ChangeButton"))->isEnabled());
        return int(QDialog::Rejected);
    };
    Find<QPushButton>("BitBtn23")->click();
    EXPECT_EQ(DialogsShown, 1);
}

TEST_F(DeflectionTabTest, ShowingTheTabAndTheButtonCalculateOnce)
{
    Beam(QStringLiteral("6"), 12);
    TLoadCase& g = FirstCase(QStringLiteral("G"), QStringLiteral("1.1"));
    g.QQ.front() = { true, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1") };
    Form->Actions().spocitat_pruhyb->trigger(); // shows the tab, which calculates
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_Pruhyb"));
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_GT(Form->AnalysisControl()->Result().Extremes.f.Max, 0); // the partial load bends the beam
    EXPECT_EQ(Find<QGroupBox>("GroupBox11")->title(), QStringLiteral("Průhyb trabíku [ZS G]"));
    EXPECT_EQ(Edit(24)->text(), FormatFixed(Form->AnalysisControl()->Result().Extremes.f.Max * 1e6, 3, 6));
    EXPECT_EQ(Edit(25)->text(), FormatFixed(Form->AnalysisControl()->Result().Extremes.f.xMax, 3, 6));
    Find<QPushButton>("BitBtn21")->click(); // on the tab: the button calculates

    // Each calculation tells once that the chosen combination does not exist.
    Find<QRadioButton>("RadioButton2")->click();
    Find<QComboBox>("ComboBox2")->setEditText(QStringLiteral("K9"));
    Form->PageControl()->setCurrentWidget(Form->TaskTab());
    Form->Actions().spocitat_pruhyb->trigger();
    EXPECT_EQ(Messages.size(), 1);
    Find<QPushButton>("BitBtn21")->click();
    EXPECT_EQ(Messages.size(), 2);
    Find<QRadioButton>("RadioButton1")->click();
    Find<QPushButton>("BitBtn21")->click();
    TDiagramImageWidget* image = Form->DeflectionTab()->Image9();
    MoveMouse(image, image->width() - 1, 3);
    EXPECT_EQ(Edit(28)->text(), FormatFixed(6.0 / image->width() * (image->width() - 1), 3, 6));
    // From the exact line at the x shown: a hair left of the fixed end, not its sample 0.
    const double x = 6.0 / image->width() * (image->width() - 1);
    EXPECT_EQ(Edit(29)->text(), FormatFixed(Form->AnalysisControl()->Result().Sums.LineN.At(x).f * 1e6, 3, 6));
}

TEST_F(DeflectionTabTest, ASaggingBeamShowsTheTextbookValueAndAZeroStiffnessSaysWhy)
{
    Beam(QStringLiteral("6"));
    FirstCase(QStringLiteral("S"), QStringLiteral("1.5")).Q.front() = { true, QStringLiteral("2") };
    Show(Form->DeflectionTab());
    // 5 q L^4 / (384 E I) = 5 * 2 * 6^4 / (384 * 2.1e11 * 3.375e-4) m = 0.476 mm, at mid-span.
    EXPECT_EQ(Edit(24)->text(), QStringLiteral("0.476"));
    EXPECT_EQ(Edit(25)->text(), QStringLiteral("3.000"));
    auto* note = Find<QLabel>("Label_tuhost");
    EXPECT_FALSE(note->isVisibleTo(Form.get()));

    Edit(31)->clear();
    emit Edit(31)->textEdited(QString()); // E reads as 0
    Find<QPushButton>("BitBtn21")->click();
    EXPECT_EQ(Edit(24)->text(), QStringLiteral("0.000"));
    EXPECT_TRUE(note->isVisibleTo(Form.get()));
    EXPECT_EQ(note->text(), DeflectionProblemText(TDeflectionIssue::ZeroE));
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("Průhyb nelze spočítat")));
}

TEST_F(DeflectionTabTest, TheLimitFieldChecksTheShownDeflection)
{
    Beam(QStringLiteral("6"));
    FirstCase(QStringLiteral("S"), QStringLiteral("1.5")).Q.front() = { true, QStringLiteral("2") };
    Show(Form->DeflectionTab()); // f = 0.476 mm
    auto* values = Find<QLabel>("Label_posudek");
    auto* verdict = Find<QLabel>("Label_vyhovuje");
    // No verdict on the start values of E and Iy until the user confirms them.
    EXPECT_FALSE(values->isVisibleTo(Form.get()));
    EXPECT_TRUE(verdict->text().startsWith(QStringLiteral("Průhyb se posoudí po zadání nebo potvrzení E a Iy")));
    Find<QPushButton>("BitBtn21")->click();
    EXPECT_EQ(Edit(34)->text(), QStringLiteral("250"));
    // Each value with its unit on one line, where the line wraps.
    EXPECT_EQ(values->text(),
        QStringLiteral("f_lim = L/250 = 24.000\u00a0mm,   |f|max = 0.476\u00a0mm,   |f|max / f_lim = 0.020"));
    EXPECT_EQ(verdict->text(), QStringLiteral("vyhovuje"));
    EXPECT_TRUE(verdict->toolTip().contains(QStringLiteral("2L")));
    Form->resize(1000, 600); // room for the line: it does not wrap
    QCoreApplication::processEvents();
    EXPECT_LT(values->height(), 2 * values->fontMetrics().lineSpacing());
    struct
    {
        const char* Typed;
        const char* Verdict;
    } rows[] = { { "10000", "vyhovuje" }, { "20000", "nevyhovuje" },
        { "abc", "Mezní průhyb L/abc není kladné číslo: průhyb se neposuzuje." } };
    for (const auto& r : rows) {
        Edit(34)->clear();
        QTest::keyClicks(Edit(34), QString::fromUtf8(r.Typed));
        EXPECT_EQ(Task.Deflection.DeflectionLimit, QString::fromUtf8(r.Typed)); // kept as typed, for the file
        EXPECT_EQ(verdict->text(), QString::fromUtf8(r.Verdict)) << r.Typed;
    }
    EXPECT_TRUE(values->text().isEmpty());
}

// Every change of E or Iy is followed at once: no stale verdict, and a text that is not a number
// is framed red and named instead of reading as 0. A new task forgets the library's names.
TEST_F(DeflectionTabTest, TheVerdictFollowsEveryChangeOfTheSection)
{
    Beam(QStringLiteral("6"));
    FirstCase(QStringLiteral("S"), QStringLiteral("1.5")).Q.front() = { true, QStringLiteral("2") };
    Show(Form->DeflectionTab()); // f = 0.476 mm for E = 210 GPa
    Find<QPushButton>("BitBtn21")->click();
    Edit(34)->clear();
    QTest::keyClicks(Edit(34), QStringLiteral("10000")); // f_lim = 6000 / 10000 = 0.6 mm
    auto* verdict = Find<QLabel>("Label_vyhovuje");
    EXPECT_EQ(verdict->text(), QStringLiteral("vyhovuje"));
    Edit(31)->clear();
    QTest::keyClicks(Edit(31), QStringLiteral("150")); // 0.476 * 210 / 150 = 0.667 mm > 0.6 mm
    EXPECT_EQ(Edit(24)->text(), QStringLiteral("0.667"));
    EXPECT_EQ(verdict->text(), QStringLiteral("nevyhovuje"));

    Edit(31)->clear();
    QTest::keyClicks(Edit(31), QStringLiteral("2x10"));
    EXPECT_TRUE(Edit(31)->styleSheet().contains(QStringLiteral("border")));
    EXPECT_TRUE(Edit(30)->styleSheet().isEmpty());
    EXPECT_EQ(Find<QLabel>("Label_tuhost")->text(),
        QStringLiteral("Průhyb nelze spočítat: modul pružnosti E = „2x10“ není číslo."));
    EXPECT_EQ(Edit(24)->text(), QStringLiteral("0.000"));
    EXPECT_NE(verdict->text(), QStringLiteral("vyhovuje"));
    EXPECT_EQ(Task.Deflection.Edit31, QStringLiteral("2x10")); // kept as typed
    EXPECT_TRUE(Messages.isEmpty());

    Task.Deflection.Material = QStringLiteral("dřevo C24");
    Form->Nova_ulohaExecute();
    EXPECT_TRUE(Task.Deflection.Material.isEmpty());
    EXPECT_EQ(Task.Deflection.Edit31, QStringLiteral("210")); // the value the name gave goes with it
    EXPECT_FALSE(Task.Deflection.SectionConfirmed);
}
