// The load generator wizard: its pages, the captions that follow the choices, "ok" and "storno".
#include "wizard/ui/uZatWizard.h"

#include "app/NumberFields.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace {

class WizardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Wizard.ShowError = [this](QWidget*, const QString& message) { Errors << message; };
        Wizard.Ask = [this](QWidget*, const QString& question) {
            Questions << question;
            return Answer;
        };
    }

    template <typename T = QWidget> T* Find(const char* name) const
    {
        T* widget = Wizard.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Text(const char* label) const { return Find<QLabel>(label)->text(); }
    void Type(const char* edit, const char* text) { Find<QLineEdit>(edit)->setText(QString::fromUtf8(text)); }
    void Click(const char* button) { Find<QAbstractButton>(button)->click(); }
    QString Title() const
    {
        const int page = Wizard.Pages()->currentIndex() + 1;
        return Wizard.Pages()->currentWidget()->findChild<QLabel*>(QStringLiteral("Label_title%1").arg(page))->text();
    }
    // Which of "zpět", "dále" and "ok" are shown.
    std::array<bool, 3> Buttons() const
    {
        return { Find<QPushButton>("BitBtn1")->isVisible(), Find<QPushButton>("BitBtn2")->isVisible(),
            Find<QPushButton>("BitBtn3")->isVisible() };
    }

    TZatWizard Wizard;
    QStringList Errors, Questions;
    bool Answer = false;
};

using B = std::array<bool, 3>;

} // namespace

TEST_F(WizardTest, WalksThePagesAndGeneratesAFloorWithPointLoads)
{
    TTask task = TTask::StartState();
    task.Generator.CheckBox2 = true; // the never shown cantilever inputs are kept for the file
    task.Generator.Edit3 = QStringLiteral("1,2");
    Wizard.LoadFrom(task);
    Wizard.show();
    EXPECT_EQ(Wizard.windowTitle(), QStringLiteral("Generátor zatížení"));
    EXPECT_EQ(Title(), QStringLiteral(" 1. Rozměry a typ prvku"));
    EXPECT_EQ(Buttons(), (B { false, true, false }));
    EXPECT_TRUE(Find<QPushButton>("BitBtn2")->isDefault());
    EXPECT_TRUE(Find<QRadioButton>("RadioButton3")->isChecked());
    Type("Edit1", "6");
    Type("Edit4", "1,5");
    Click("RadioButton4");
    EXPECT_EQ(Text("Label23"), QStringLiteral("vlastní hmotnost trámu"));
    EXPECT_EQ(Text("Label52"), QStringLiteral("užitné zatížení"));
    EXPECT_EQ(Find<QRadioButton>("RadioButton1")->text(), QStringLiteral("spojité zatížení (panely, desky)"));

    Click("BitBtn2");
    EXPECT_EQ(Title(), QStringLiteral(" 2.  Způsob zatížení prvku"));
    EXPECT_EQ(Buttons(), (B { true, true, false }));
    EXPECT_EQ(Text("Label9"), QStringLiteral("m,   d >0 !"));
    Click("RadioButton2");
    Type("Edit5", "2");
    Type("Edit6", "1");

    Click("BitBtn2");
    EXPECT_EQ(Title(), QStringLiteral(" 3. Stálá a dlouhodobá zatížení"));
    EXPECT_FALSE(Find("Edit10")->isHidden()); // g1 with point loads
    EXPECT_EQ(Text("Label27"), QStringLiteral("vlastní hmotnost žeber"));
    Type("Edit8", "0.5");
    Type("Edit9", "1.1");
    Type("Edit10", "0.2");
    Type("Edit12", "2");
    Type("Edit13", "1.35");

    Click("BitBtn2");
    EXPECT_EQ(Title(), QStringLiteral(" 4. Krátkodobá a užitná zatížení"));
    EXPECT_TRUE(Find("Label47")->isHidden()); // no snow on a floor
    EXPECT_TRUE(Find("Edit21")->isHidden());
    Type("Edit22", "1.5");
    Type("Edit23", "1.3");

    Click("BitBtn2");
    EXPECT_EQ(Title(), QStringLiteral(" 5. Generovat zatížení"));
    EXPECT_EQ(Buttons(), (B { true, false, true }));
    EXPECT_TRUE(Text("Label56").contains(QStringLiteral("vygenerovat jednotlivé zatěžovací stavy")));
    EXPECT_TRUE(
        Text("Label56").endsWith(QStringLiteral("klikněte na \"zpět\". Stiskem \"ok\" bude vygenerováno zatížení.")));
    Click("BitBtn1");
    EXPECT_EQ(Buttons(), (B { true, true, false }));
    Click("BitBtn2");

    QTest::keyClick(Find("Edit1"), Qt::Key_Return); // Enter generates on the last page
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_TRUE(Questions.isEmpty()); // the untouched new load case is replaced without a question
    EXPECT_EQ(Wizard.result(), int(QDialog::Accepted));
    EXPECT_EQ(Wizard.ProgressBar()->value(), 60);
    ASSERT_TRUE(Wizard.ApplyTo(task));
    ASSERT_EQ(task.LoadCases.size(), 3u);
    EXPECT_EQ(task.LoadCases[2].Caption, QStringLiteral("užitné zatížení"));
    EXPECT_EQ(task.LoadCases[1].Px.size(), 3u);
    EXPECT_DOUBLE_EQ(task.ReadPx(1, 1).P, 2 * 1.5 * 2); // G·Z·(d/2 + d1)
    EXPECT_EQ(task.SpanText, QStringLiteral("6"));
    EXPECT_EQ(task.Generator.Edit4, QStringLiteral("1,5"));
    EXPECT_TRUE(task.Generator.RadioButton4 && task.Generator.RadioButton2);
    EXPECT_TRUE(task.Generator.CheckBox2);
    EXPECT_EQ(task.Generator.Edit3, QStringLiteral("1,2"));
    EXPECT_TRUE(task.Print[1].Enabled);
    EXPECT_FALSE(Wizard.ApplyTo(task)); // handed over once

    // The next opening starts at page 1 with the inputs of the task.
    Wizard.LoadFrom(task);
    EXPECT_EQ(Wizard.Pages()->currentIndex(), 0);
    EXPECT_EQ(Wizard.ProgressBar()->value(), 0);
    EXPECT_EQ(Find<QLineEdit>("Edit23")->text(), QStringLiteral("1.3"));
}

TEST_F(WizardTest, CaptionsFollowTheCheckedButtonsOnOpening)
{
    TTask task;
    task.Generator.RadioButton3 = false;
    task.Generator.RadioButton4 = true;
    task.Generator.RadioButton1 = false;
    task.Generator.RadioButton2 = true;
    Wizard.LoadFrom(task);
    EXPECT_TRUE(Find<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_EQ(Text("Label35"), QStringLiteral("podlaha"));
    EXPECT_EQ(Find<QRadioButton>("RadioButton2")->text(), QStringLiteral("osamělá břemena (stropní žebra)"));
    EXPECT_FALSE(Find("Label27")->isHidden());
    EXPECT_TRUE(Find("Edit20")->isHidden());

    Click("RadioButton3");
    Click("RadioButton1");
    EXPECT_EQ(Text("Label31"), QStringLiteral("střešní desky/plechy"));
    EXPECT_EQ(Text("Label47"), QStringLiteral("zatížení sněhem"));
    EXPECT_FALSE(Find("Edit20")->isHidden());
    EXPECT_TRUE(Find("Label28")->isHidden());
    EXPECT_TRUE(Find("Edit10")->isHidden());
}

TEST_F(WizardTest, RefusalKeepsTheWizardOpenAndStornoChangesNothing)
{
    TTask task = TTask::StartState();
    task.Grid.SetCell(1, 1, QStringLiteral("ULS"));
    Wizard.LoadFrom(task);
    Wizard.show();
    Click("RadioButton2");
    Type("Edit5", "-2");
    for (int i = 0; i < 4; ++i)
        Click("BitBtn2");
    Click("BitBtn3");
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_EQ(Errors[0], QStringLiteral("Rozteč mezi břemeny d musí být větší než 0."));
    EXPECT_TRUE(Wizard.isVisible());
    EXPECT_EQ(Wizard.ProgressBar()->value(), 0);
    EXPECT_EQ(Find<QLineEdit>("Edit5")->text(), QStringLiteral("-2"));
    EXPECT_FALSE(Wizard.ApplyTo(task));

    QTest::keyClick(Find("BitBtn4"), Qt::Key_Return); // Enter on the focused "storno" cancels
    EXPECT_EQ(Wizard.result(), int(QDialog::Rejected));
    EXPECT_FALSE(Wizard.ApplyTo(task));
    ASSERT_EQ(task.LoadCases.size(), 1u);
    EXPECT_EQ(task.LoadCases[0].Caption, QStringLiteral("[nový]"));
    EXPECT_TRUE(task.Generator.Edit5.isEmpty());

    Find("BitBtn4")->setFocus();
    Wizard.LoadFrom(task);
    Wizard.show(); // reopened: Enter goes on with "dále", it does not cancel
    EXPECT_EQ(Wizard.focusWidget(), Find("BitBtn2"));
}

TEST_F(WizardTest, AsksBeforeReplacingEnteredLoadCasesAndStartsFromTheSpan)
{
    TTask task = TTask::StartState();
    task.LoadCases[0].Caption = QStringLiteral("G");
    task.SpanText = QStringLiteral("4,5");
    Wizard.LoadFrom(task);
    Wizard.show();
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), QStringLiteral("4,5")); // an empty L starts from the span
    Type("Edit4", "1,2x");
    EXPECT_TRUE(IsMarkedUnreadable(Find<QLineEdit>("Edit4")));
    Type("Edit4", "1,2");
    EXPECT_FALSE(IsMarkedUnreadable(Find<QLineEdit>("Edit4")));
    for (int i = 0; i < 4; ++i)
        Click("BitBtn2");
    Click("BitBtn3");
    EXPECT_EQ(Questions, QStringList { QStringLiteral("Generátor nahradí všechny zatěžovací stavy. Pokračovat?") });
    EXPECT_TRUE(Wizard.isVisible()); // Ne: the wizard stays, the task is untouched
    EXPECT_FALSE(Wizard.ApplyTo(task));
    Answer = true;
    Click("BitBtn3");
    EXPECT_EQ(Wizard.result(), int(QDialog::Accepted));
    ASSERT_TRUE(Wizard.ApplyTo(task));
    EXPECT_EQ(task.LoadCases.size(), 4u);

    task.Generator.Edit1 = QStringLiteral("6"); // L of its own stays
    Wizard.LoadFrom(task);
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), QStringLiteral("6"));
}
