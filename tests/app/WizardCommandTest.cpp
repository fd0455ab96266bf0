// "Generátor zatížení" from the main window: "ok" replaces the load cases and every tab follows;
// "storno" keeps the load cases and the wizard keeps what was typed.
#include "MainFormFixture.h"
#include "wizard/ui/uZatWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QLineEdit* WizardEdit(TZatWizard& wizard, const char* name)
{
    auto* edit = wizard.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

} // namespace

TEST_F(MainFormTest, WizardOkReplacesTheLoadCasesAndEveryTabFollows)
{
    Find<QRadioButton>("RadioTyp22")->click();
    Task.Grid.SetCell(1, 1, QStringLiteral("MSÚ"));
    Task.Grid.SetCell(3, 1, QStringLiteral("1"));
    DialogAnswer = [](QDialog& dialog) {
        auto& wizard = dynamic_cast<TZatWizard&>(dialog);
        WizardEdit(wizard, "Edit1")->setText(QStringLiteral("4,5"));
        WizardEdit(wizard, "Edit4")->setText(QStringLiteral("1,2"));
        WizardEdit(wizard, "Edit8")->setText(QStringLiteral("0,4"));
        WizardEdit(wizard, "Edit20")->setText(QStringLiteral("0,75"));
        WizardEdit(wizard, "Edit22")->setText(QStringLiteral("0,5"));
        wizard.BitBtn3Click();
        return wizard.result();
    };
    Form->Actions().Go_Wizard->trigger();

    EXPECT_EQ(DialogsShown, 1);
    EXPECT_TRUE(Errors.isEmpty());
    ASSERT_EQ(Task.LoadCases.size(), 4u); // roof: g0, the other permanent loads, snow, imposed
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_zatizeni"));
    ASSERT_EQ(Pages()->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Pages()->tabText(i), Task.LoadCases[std::size_t(i)].Caption) << i;
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), QStringLiteral("4,5"));
    EXPECT_TRUE(Find<QRadioButton>("RadioTyp11")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox1")->isEnabled());
    // The combination row stays; its columns are headed by the new captions, and the flag of
    // "[nový]", which is gone, went with it.
    EXPECT_TRUE(Questions.isEmpty());
    EXPECT_EQ(Task.Grid.Cell(1, 1), QStringLiteral("MSÚ"));
    EXPECT_EQ(Task.Grid.Cell(3, 1), QString());
    EXPECT_EQ(Task.Grid.Cell(3, 0), Task.LoadCases[0].Caption);
    EXPECT_EQ(Task.Grid.Cell(6, 0), Task.LoadCases[3].Caption);
    // The calculation tab offers the new load cases.
    Form->PageControl()->setCurrentWidget(Find<QWidget>("TabSheet_vypocet"));
    auto* loadCases = Find<QComboBox>("ComboBox1");
    ASSERT_NE(loadCases, nullptr);
    ASSERT_EQ(loadCases->count(), 4);
    EXPECT_EQ(loadCases->itemText(3), Task.LoadCases[3].Caption);
}

TEST_F(MainFormTest, WizardStornoKeepsTheLoadCasesAndWhatWasTyped)
{
    Task.LoadCases[0].Caption = QStringLiteral("vlastní");
    DialogAnswer = [](QDialog& dialog) {
        auto& wizard = dynamic_cast<TZatWizard&>(dialog);
        WizardEdit(wizard, "Edit4")->setText(QStringLiteral("3"));
        wizard.BitBtn4Click();
        return wizard.result();
    };
    Form->Actions().Go_Wizard->trigger();
    ASSERT_EQ(Task.LoadCases.size(), 1u);
    EXPECT_EQ(Task.LoadCases[0].Caption, QStringLiteral("vlastní"));
    EXPECT_EQ(Task.Generator.Edit4, QStringLiteral("3")); // saved as the wizard shows it

    QString typed;
    DialogAnswer = [&typed](QDialog& dialog) {
        typed = WizardEdit(dynamic_cast<TZatWizard&>(dialog), "Edit4")->text();
        return int(QDialog::Rejected);
    };
    Form->Actions().Go_Wizard->trigger();
    EXPECT_EQ(typed, QStringLiteral("3"));

    // Inputs changed elsewhere (an opened file, a new task) replace what was typed.
    Task.Generator.Edit4 = QStringLiteral("2");
    Form->Actions().Go_Wizard->trigger();
    EXPECT_EQ(typed, QStringLiteral("2"));
}

TEST_F(MainFormTest, WizardRefusalIsShownAndTheTaskStays)
{
    DialogAnswer = [](QDialog& dialog) {
        auto& wizard = dynamic_cast<TZatWizard&>(dialog);
        wizard.findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->setChecked(true);
        WizardEdit(wizard, "Edit5")->setText(QStringLiteral("-1"));
        wizard.BitBtn3Click();
        return wizard.result();
    };
    Form->Actions().Go_Wizard->trigger();
    EXPECT_EQ(Errors.size(), 1);
    ASSERT_EQ(Task.LoadCases.size(), 1u);
    EXPECT_EQ(Task.LoadCases[0].Caption, QStringLiteral("[nový]"));
}
