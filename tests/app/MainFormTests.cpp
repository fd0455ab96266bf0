// The main window: start state, navigation, actions, end conditions, New task and closing.
#include "MainFormFixture.h"

#include "app/GeometryTab.h"
#include "app/WorkflowTab.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

TEST_F(MainFormTest, StartsOnTheTaskTabWithOneNewLoadCase)
{
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2"));
    EXPECT_EQ(Form->size(), QSize(576, 516));
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_uloha"));
    EXPECT_EQ(Find<QLineEdit>("Uloha_edit")->text(), QStringLiteral("Trabík 1"));
    EXPECT_TRUE(Find<QRadioButton>("RadioTyp11")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("RadioTyp11")->font().bold());

    ASSERT_EQ(Pages()->count(), 1);
    EXPECT_EQ(Pages()->tabText(0), QStringLiteral("[nový]"));
    EXPECT_EQ(Pages()->widget(0)->objectName(), QStringLiteral("ZS1"));
    EXPECT_EQ(Find<QLabel>("ZS1_gamaf")->text(), QStringLiteral("1.10"));
    EXPECT_TRUE(Find<QLabel>("ZS1_gamaf")->isEnabled());
    EXPECT_EQ(Find<QLabel>("zs1_LONGSHORT")->text(), QStringLiteral("0"));
    // One unchecked, empty row of each kind, found ignoring letter case as the readers ask.
    for (const char* check : { "ZS1_PxCheck1", "ZS1_qCheck1", "ZS1_qqCheck1", "ZS1_MxCheck1" }) {
        auto* box = Find<QCheckBox>(QString::fromLatin1(check));
        ASSERT_NE(box, nullptr) << check;
        EXPECT_FALSE(box->isChecked()) << check;
    }
    for (const char* edit :
        { "ZS1_P1", "ZS1_Px1", "ZS1_qq1", "ZS1_qqqa1", "ZS1_qqa1", "ZS1_qqqb1", "ZS1_qqb1", "ZS1_M1", "ZS1_Mx1" }) {
        auto* field = Find<QLineEdit>(QString::fromLatin1(edit));
        ASSERT_NE(field, nullptr) << edit;
        EXPECT_TRUE(field->text().isEmpty()) << edit;
    }
    EXPECT_EQ(Find("ZS1_P2"), nullptr);
}

TEST_F(MainFormTest, TabsComeInOrderWithTheirCaptionsAndNavigation)
{
    const QStringList names = { "TabSheet_uloha", "TabSheet_geometrie", "TabSheet_zatizeni", "TabSheet_kombinace",
        "TabSheet_vypocet", "TabSheet_prubehy", "TabSheet_Pruhyb", "TabSheet_posouzeni", "TabSheet_tisk" };
    const QStringList captions = { "Úloha", "Rozměry, podepření", "Zatěžovací stavy", "Kombinace", "Výpočet",
        "Průběh vnitřních sil", "Průhyb", "Posouzení", "Tisk" };
    QTabWidget* tabs = Form->PageControl();
    ASSERT_EQ(tabs->count(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(tabs->widget(i)->objectName(), names[i]);
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        auto* tab = static_cast<TWorkflowTab*>(tabs->widget(i));
        EXPECT_EQ(tab->NextButton() != nullptr, i <= 4) << i;
        EXPECT_EQ(tab->BackButton() != nullptr, i >= 1 && i <= 4) << i;
        EXPECT_EQ(tab->DefaultButton() == tab->NextButton() && tab->NextButton(), i <= 3) << i;
    }
    // The two buttons that lead to the geometry tab explain where they go.
    EXPECT_EQ(static_cast<TWorkflowTab*>(tabs->widget(0))->NextButton()->statusTip(),
        QStringLiteral("přechod na zadání geometrie"));
    EXPECT_EQ(static_cast<TWorkflowTab*>(tabs->widget(2))->BackButton()->statusTip(),
        QStringLiteral("přechod na zadání geometrie"));
    EXPECT_TRUE(static_cast<TWorkflowTab*>(tabs->widget(1))->NextButton()->statusTip().isEmpty());
}

TEST_F(MainFormTest, NavigationButtonsMoveOneTab)
{
    const auto tab = [this](int i) { return static_cast<TWorkflowTab*>(Form->PageControl()->widget(i)); };
    QTest::mouseClick(tab(0)->NextButton(), Qt::LeftButton);
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_geometrie"));
    QTest::mouseClick(tab(1)->BackButton(), Qt::LeftButton);
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_uloha"));
    Form->PageControl()->setCurrentIndex(4);
    QTest::mouseClick(tab(4)->NextButton(), Qt::LeftButton);
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_prubehy"));
    // Enter presses "dále" on the first tabs.
    Form->PageControl()->setCurrentIndex(1);
    QTest::keyClick(tab(1), Qt::Key_Return);
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_zatizeni"));
    QTest::keyClick(Form->PageControl()->tabBar(), Qt::Key_Return); // also with the focus on the tab bar
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_kombinace"));
    QTest::keyClick(tab(3)->BackButton(), Qt::Key_Return); // a focused button takes Enter itself
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_zatizeni"));
    Form->Actions().Geometrie->trigger();
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_geometrie"));
}

TEST_F(MainFormTest, EndConditionsKeepPartialLoadsEnabledAndHighlightTheChoice)
{
    Form->Actions().Pridat_qq->trigger();
    auto* left = Find<QRadioButton>("RadioTyp12");
    for (const char* typ : { "RadioTyp22", "RadioTyp21", "RadioTyp12" }) {
        QTest::mouseClick(Find<QRadioButton>(QString::fromLatin1(typ)), Qt::LeftButton);
        for (const char* name : { "ZS1_qqcheck1", "ZS1_qqcheck2" })
            EXPECT_TRUE(Find<QCheckBox>(QString::fromLatin1(name))->isEnabled()) << typ << " " << name;
    }
    EXPECT_EQ(Task.Typ, 12);
    EXPECT_TRUE(left->font().bold());
    EXPECT_FALSE(Find<QRadioButton>("RadioTyp11")->font().bold());
    EXPECT_FALSE(Find<QRadioButton>("RadioTyp22")->font().bold());
    EXPECT_EQ(left->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    Form->Actions().Pridat_qq->trigger();
    EXPECT_TRUE(Find<QCheckBox>("ZS1_qqcheck3")->isEnabled());

    QTest::mouseClick(Find<QRadioButton>("RadioTyp20"), Qt::LeftButton);
    EXPECT_EQ(Task.Typ, 20);
    EXPECT_FALSE(left->font().bold());
}

TEST_F(MainFormTest, SpanExplanationShowsOnlyWhileTheSpanEditHasFocus)
{
    Form->RozmeryExecute();
    Form->activateWindow();
    TGeometryTab* geometry = Form->GeometryTab();
    EXPECT_FALSE(geometry->SpanExplanation()->isVisible());
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(geometry->SpanEdit(), &in);
    EXPECT_TRUE(geometry->SpanExplanation()->isVisible());
    EXPECT_EQ(geometry->SpanExplanation()->text(), QStringLiteral("teoretická (výpočtová) délka trabíku"));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(geometry->SpanEdit(), &out);
    EXPECT_FALSE(geometry->SpanExplanation()->isVisible());

    QTest::keyClicks(geometry->SpanEdit(), QStringLiteral("6,5"));
    EXPECT_EQ(Task.SpanText, QStringLiteral("6,5"));
}

TEST_F(MainFormTest, IdentificationEditsWriteTheTask)
{
    QTest::keyClicks(Find<QLineEdit>("Jmeno_Edit"), QStringLiteral("Hala"));
    QTest::keyClicks(Find<QLineEdit>("Vypracoval_Edit"), QStringLiteral("Novak"));
    EXPECT_EQ(Task.Job, QStringLiteral("Hala"));
    EXPECT_EQ(Task.Author, QStringLiteral("Novak"));
    EXPECT_EQ(
        Find<QLineEdit>("Jmeno_Edit")->statusTip(), QStringLiteral("jméno zakázky vypisované do záhlaví stránky"));
}

TEST_F(MainFormTest, LoadCaseNumbersAreNeverReusedUntilNewTask)
{
    Form->Actions().Novy_ZS->trigger(); // ZS2; its dialog is cancelled
    Form->Actions().Novy_ZS->trigger(); // ZS3
    EXPECT_EQ(DialogsShown, 2);
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_zatizeni"));
    ASSERT_EQ(Pages()->count(), 3);
    EXPECT_EQ(Pages()->currentWidget()->objectName(), QStringLiteral("ZS3"));
    ASSERT_NE(Find("ZS3_Mx1"), nullptr);

    Pages()->setCurrentIndex(1);
    Answers = { false };
    Form->Actions().Smazat_ZS->trigger();
    EXPECT_EQ(Pages()->count(), 3);
    Answers = { true };
    Form->Actions().Smazat_ZS->trigger();
    EXPECT_EQ(Questions.last(), QStringLiteral("Skutečně smazat zatěžovací stav „[nový]“?"));
    ASSERT_EQ(Pages()->count(), 2);
    EXPECT_EQ(Find("ZS2"), nullptr);
    EXPECT_EQ(Find("ZS2_P1"), nullptr);
    EXPECT_EQ(Pages()->currentWidget()->objectName(), QStringLiteral("ZS3")); // the page that followed

    Form->Actions().Novy_ZS->trigger();
    EXPECT_EQ(Pages()->widget(2)->objectName(), QStringLiteral("ZS4"));

    Form->Actions().Nova_uloha->trigger();
    ASSERT_EQ(Pages()->count(), 1);
    EXPECT_EQ(Pages()->widget(0)->objectName(), QStringLiteral("ZS0"));
    EXPECT_NE(Find("ZS0_qqcheck1"), nullptr);
    EXPECT_EQ(Find("ZS1"), nullptr);
}

TEST_F(MainFormTest, NewTaskKeepsJobAndAuthorButEmptiesTheTitle)
{
    QTest::keyClicks(Find<QLineEdit>("Jmeno_Edit"), QStringLiteral("Hala"));
    QTest::keyClicks(Find<QLineEdit>("ZS1_P1"), QStringLiteral("12"));
    Form->Actions().Nova_uloha->trigger();
    EXPECT_EQ(Find<QLineEdit>("Jmeno_Edit")->text(), QStringLiteral("Hala"));
    EXPECT_TRUE(Find<QLineEdit>("Uloha_edit")->text().isEmpty());
    EXPECT_TRUE(Find<QLineEdit>("ZS0_P1")->text().isEmpty());
}

TEST_F(MainFormTest, OperationsWithoutALoadCaseExplainThemselvesAndChangeNothing)
{
    Answers = { true };
    Form->Actions().Smazat_ZS->trigger();
    ASSERT_EQ(Pages()->count(), 0);
    Answers = { true };
    Form->Actions().Smazat_ZS->trigger(); // confirmed, and nothing to delete
    EXPECT_EQ(Questions.size(), 2);

    Form->Actions().Pridat_Px->trigger();
    Form->Actions().Vlastnosti_ZS->trigger();
    EXPECT_EQ(Messages.size(), 2);
    EXPECT_EQ(DialogsShown, 0);
    EXPECT_TRUE(Task.LoadCases.empty());
    EXPECT_TRUE(Errors.isEmpty());

    Form->Actions().Novy_ZS->trigger();
    EXPECT_EQ(Pages()->widget(0)->objectName(), QStringLiteral("ZS2"));
}

TEST_F(MainFormTest, ClosingAsksAndOnlyYesCloses)
{
    Answers = { false };
    EXPECT_FALSE(Form->close());
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Questions.last(), QStringLiteral("Skutečně ukončit program?"));
    EXPECT_EQ(Pages()->count(), 1);
    Answers = { true };
    Form->Actions().Konec->trigger();
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(MainFormTest, ActionsMenusAndToolBarAreThoseOfTheProgram)
{
    const TMainActions& a = Form->Actions();
    EXPECT_EQ(a.TableActions().size(), 17u);
    EXPECT_EQ(a.Nastaveni_stranky->toolTip(), QStringLiteral("Vzhled tiskové  stránky"));
    EXPECT_EQ(TMainActions::ImageIndex(a.Vlastnosti_ZS), 16);
    EXPECT_EQ(TMainActions::ImageIndex(a.spocitat_pruhyb), 19);
    for (QAction* action : a.TableActions())
        EXPECT_FALSE(action->icon().isNull()) << action->objectName().toStdString();

    QStringList menus;
    for (QAction* item : Form->menuBar()->actions())
        menus << item->text().remove(QLatin1Char('&'));
    EXPECT_EQ(menus, QStringList({ "Soubor", "Úloha", "Zatížení", "Výpočet", "Verze" }));
    EXPECT_EQ(a.Verze->menu(), nullptr);

    auto* toolBar = Form->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(toolBar->actions().size(), 17 + 5); // seventeen buttons and five separators
    auto* open = Form->findChild<QToolButton*>(QStringLiteral("Otevrit_button"));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->toolTip(), QStringLiteral("Načíst data"));
    a.Otevrit->setEnabled(false); // a change of the action keeps the button's own hint
    EXPECT_EQ(open->toolTip(), QStringLiteral("Načíst data"));
    a.Otevrit->setEnabled(true);

    // Tab reaches every button, and the one with the focus shows a frame.
    for (QToolButton* button : toolBar->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->defaultAction()) {
            EXPECT_EQ(button->focusPolicy(), Qt::TabFocus) << button->objectName().toStdString();
        }
    }
    auto* wizard = Form->findChild<QToolButton*>(QStringLiteral("Go_Wizard_button"));
    ASSERT_NE(wizard, nullptr);
    const QImage plain = wizard->grab().toImage();
    QApplication::setActiveWindow(Form.get());
    wizard->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(wizard->hasFocus());
    EXPECT_NE(wizard->grab().toImage(), plain);
}

TEST_F(MainFormTest, TheKeyboardReachesTheMenusAndTheCommands)
{
    const TMainActions& a = Form->Actions();
    const std::pair<QAction*, const char*> shortcuts[] = { { a.Nova_uloha, "Ctrl+N" }, { a.Otevrit, "Ctrl+O" },
        { a.Ulozit, "Ctrl+S" }, { a.Ulozit_jako, "Ctrl+Shift+S" }, { a.Tisk, "Ctrl+P" }, { a.Spocitat_prubehy, "F9" },
        { a.Verze, "F1" } };
    for (const auto& [action, keys] : shortcuts)
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(keys))) << keys;
    // Every menu title and item has an Alt letter of its own within its menu.
    const auto lettersDiffer = [](const QList<QAction*>& items) {
        QSet<QKeySequence> letters;
        for (const QAction* item : items) {
            if (item->isSeparator())
                continue;
            const QKeySequence letter = QKeySequence::mnemonic(item->text());
            EXPECT_FALSE(letter.isEmpty()) << item->text().toStdString();
            EXPECT_FALSE(letters.contains(letter)) << item->text().toStdString();
            letters.insert(letter);
        }
    };
    lettersDiffer(Form->menuBar()->actions());
    for (const QAction* title : Form->menuBar()->actions())
        if (title->menu())
            lettersDiffer(title->menu()->actions());

    QApplication::setActiveWindow(Form.get());
    QSignalSpy about(Form.get(), &TMainForm::AboutRequested);
    QTest::keyClick(Form.get(), Qt::Key_F1);
    EXPECT_EQ(about.count(), 1);
    QTest::keyClick(Form.get(), Qt::Key_F10);
    EXPECT_EQ(Form->menuBar()->activeAction(), Form->menuBar()->actions().constFirst());
    QMenu* file = Form->menuBar()->actions().constFirst()->menu();
    EXPECT_TRUE(file->isVisible());
    file->close();
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(Form->menuBar()->activeAction(), Form->menuBar()->actions().value(2)); // "Zatížení"
    Form->menuBar()->actions().value(2)->menu()->close();
    QTest::keyClick(Form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(FileDialogsShown, 1); // "Uložit jako…" asks, the scripted dialog is cancelled
}

TEST_F(MainFormTest, StatusBarShowsLongHintsAndKeepsTextOnEmptyOnes)
{
    QStatusTipEvent tip(QStringLiteral("nadpis výpočtu"));
    QApplication::sendEvent(Form.get(), &tip);
    EXPECT_EQ(Form->statusBar()->currentMessage(), QStringLiteral("nadpis výpočtu"));
    QStatusTipEvent empty { QString() };
    QApplication::sendEvent(Form.get(), &empty);
    EXPECT_EQ(Form->statusBar()->currentMessage(), QStringLiteral("nadpis výpočtu"));
    EXPECT_EQ(LongHint(QStringLiteral("krátká|dlouhá")), QStringLiteral("dlouhá"));
    EXPECT_EQ(ShortHint(QStringLiteral("|dlouhá")), QString());
    EXPECT_EQ(LongHint(QStringLiteral("celá")), QStringLiteral("celá"));
}

namespace {

class TCountingTab : public TWorkflowTab
{
public:
    TCountingTab()
        : TWorkflowTab(QStringLiteral("TabSheet_test"))
    {
    }
    void Entered() override { ++Count; }
    int Count = 0;
};

} // namespace

TEST_F(MainFormTest, TabsHearWhenTheyAreEntered)
{
    auto* tab = new TCountingTab;
    Form->PageControl()->addTab(tab, QStringLiteral("test"));
    Form->PageControl()->setCurrentWidget(tab);
    EXPECT_EQ(tab->Count, 1);
    Form->PageControl()->setCurrentIndex(0);
    Form->PageControl()->setCurrentWidget(tab);
    EXPECT_EQ(tab->Count, 2);
}
