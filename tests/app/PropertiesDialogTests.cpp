// The load case properties dialog, by itself and through the main window.
#include "MainFormFixture.h"

#include "app/NumberFields.h"
#include "app/uZSproperties.h"
#include "model/uMyCommonLib.h"
#include "tests/support/LocaleGuard.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

TEST(PropertiesDialog, ShowsTheRecordAndConfirmingUnchangedWritesTheFixedGamma)
{
    TLocaleGuard comma(TLocaleGuard::Comma());
    TTask task = TTask::StartState();
    TZSprop_form dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vlastnosti zatěžovacího stavu"));
    dialog.LoadFrom(task, 1);
    EXPECT_EQ(dialog.NumberEdit()->text(), QStringLiteral("1"));
    EXPECT_FALSE(dialog.NumberEdit()->isEnabled());
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("[nový]"));
    EXPECT_TRUE(dialog.LongTermButton()->isChecked());
    EXPECT_EQ(dialog.GamafEdit()->text(), QStringLiteral("1,100"));
    EXPECT_TRUE(dialog.PrintCheck()->isChecked());

    dialog.ApplyTo(task);
    const TLoadCase& lc = task.LoadCases[0];
    EXPECT_EQ(lc.GamafText, QStringLiteral("1,100"));
    EXPECT_EQ(lc.Caption, QStringLiteral("[nový]"));
    EXPECT_EQ(lc.LongShort, QStringLiteral("0"));
    EXPECT_TRUE(lc.PrintResults);
    EXPECT_DOUBLE_EQ(task.GetZSInfo(1).Gamaf, 1.1);
}

TEST(PropertiesDialog, StoresGammaExactlyAsTypedAndShortTermAsOne)
{
    TTask task = TTask::StartState();
    TZSprop_form dialog;
    dialog.LoadFrom(task, 1);
    dialog.NameEdit()->setText(QStringLiteral("užitné"));
    dialog.ShortTermButton()->setChecked(true);
    dialog.GamafEdit()->setText(QStringLiteral("1,35"));
    dialog.PrintCheck()->setChecked(false);
    dialog.ApplyTo(task);
    const TZSInfo info = task.GetZSInfo(1);
    EXPECT_EQ(task.LoadCases[0].GamafText, QStringLiteral("1,35"));
    EXPECT_DOUBLE_EQ(info.Gamaf, 1.35);
    EXPECT_EQ(task.LoadCases[0].LongShort, QStringLiteral("1"));
    EXPECT_TRUE(info.ShortTerm);
    EXPECT_EQ(info.Name, QStringLiteral("užitné"));
    EXPECT_FALSE(info.PrintResults);

    dialog.GamafEdit()->setText(QStringLiteral("abc")); // kept as typed, read as 0, framed red
    EXPECT_TRUE(IsMarkedUnreadable(dialog.GamafEdit()));
    dialog.ApplyTo(task);
    EXPECT_EQ(task.LoadCases[0].GamafText, QStringLiteral("abc"));
    EXPECT_DOUBLE_EQ(task.GetZSInfo(1).Gamaf, 0.0);

    task.LoadCases[0].GamafText = QStringLiteral("1234567"); // six significant digits
    dialog.LoadFrom(task, 1);
    EXPECT_EQ(dialog.GamafEdit()->text(), FormatFixed(1234567, 3, 6));
    EXPECT_NE(dialog.GamafEdit()->text(), QStringLiteral("1234567.000"));
}

TEST_F(MainFormTest, PropertiesConfirmedRenameThePageAndCancelledChangeNothing)
{
    DialogAnswer = [](QDialog& dialog) {
        auto& form = static_cast<TZSprop_form&>(dialog);
        form.NameEdit()->setText(QStringLiteral("stálé"));
        form.GamafEdit()->setText(QStringLiteral("1.35"));
        form.PrintCheck()->setChecked(false);
        return int(QDialog::Accepted);
    };
    Form->Actions().Vlastnosti_ZS->trigger();
    EXPECT_EQ(Pages()->tabText(0), QStringLiteral("stálé"));
    EXPECT_EQ(Find<QLabel>("ZS1_gamaf")->text(), QStringLiteral("1.35"));
    EXPECT_FALSE(Find<QLabel>("ZS1_gamaf")->isEnabled());

    DialogAnswer = [](QDialog& dialog) {
        static_cast<TZSprop_form&>(dialog).NameEdit()->setText(QStringLiteral("jiné"));
        return int(QDialog::Rejected);
    };
    Form->Actions().Vlastnosti_ZS->trigger();
    EXPECT_EQ(Pages()->tabText(0), QStringLiteral("stálé"));
    EXPECT_EQ(Task.LoadCases[0].Caption, QStringLiteral("stálé"));
}

TEST_F(MainFormTest, NewLoadCaseOpensTheDialogForItselfOnTheSelectedName)
{
    QString shownNumber;
    QWidget* focused = nullptr;
    QString selected;
    DialogAnswer = [&](QDialog& dialog) {
        auto& form = static_cast<TZSprop_form&>(dialog);
        shownNumber = form.NumberEdit()->text();
        focused = form.focusWidget();
        selected = form.NameEdit()->selectedText();
        form.show();
        form.GamafEdit()->setFocus(); // where the user left it last time
        form.hide();
        return int(QDialog::Accepted);
    };
    Form->Actions().Novy_ZS->trigger();
    EXPECT_EQ(shownNumber, QStringLiteral("2"));
    EXPECT_EQ(DialogsShown, 1);
    Form->Actions().Novy_ZS->trigger();
    EXPECT_EQ(focused, Form->PropertiesDialog()->NameEdit());
    EXPECT_EQ(selected, QStringLiteral("[nový]"));
}
