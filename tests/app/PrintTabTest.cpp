// Tab "Tisk" and the main window's report commands: preview, print, PDF and page setup.
#include "MainFormFixture.h"

#include "app/DiagramsTab.h"
#include "app/PrintOptionsWidget.h"
#include "app/PrintTab.h"
#include "document/uDokument.h"
#include "document/ui/uPreview.h"
#include "model/uMyCommonLib.h"
#include "report/ui/uPageSetup.h"
#include "storage/uProjectFile.h"
#include "tests/support/PreviewPrompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>

namespace {

class PrintTabTest : public MainFormTest
{
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        Preview = std::make_unique<TPreview>(Doc);
        Stand.Attach(*Preview);
        PageSetup = std::make_unique<TfPageSetup>(Doc);
        PageSetup->ShowError = [this](QWidget*, const QString& message) { Errors << message; };
        Form->AttachReport(Doc, *Preview, *PageSetup);
    }

    void OpenExample() // a task with two load cases and results marked for the report
    {
        LoadProject(QStringLiteral(TRABIK_TEST_DATA "/../../examples/strop.dat"), Task);
        Form->RefreshFromModel();
    }
    QCheckBox* Box(int number) const { return Form->PrintOptions()->CheckBox(number); }

    TDokument Doc;
    std::unique_ptr<TPreview> Preview;
    std::unique_ptr<TfPageSetup> PageSetup;
    QTemporaryDir Dir;
    TPreviewStandIn Stand;
    QString& PrintTo = Stand.PrintTo;
    QString& PdfPath = Stand.PdfPath;
    int& PrintDialogs = Stand.PrintDialogs;
};

TEST_F(PrintTabTest, OptionsWithTheirGroupsDefaultsAndEnabledStates)
{
    const QList<int> on { 2, 4, 6, 8, 10, 11, 14, 15, 18, 19 };
    const QList<int> disabled { 1 }; // until the load generator has run
    for (int box = 1; box <= 22; ++box) {
        ASSERT_NE(Box(box), nullptr) << box;
        EXPECT_EQ(Box(box)->objectName(), QStringLiteral("CheckBox%1").arg(box));
        EXPECT_EQ(Box(box)->isChecked(), on.contains(box)) << box;
        EXPECT_EQ(Box(box)->isEnabled(), !disabled.contains(box)) << box;
    }
    const auto group = [this](int box) { return qobject_cast<QGroupBox*>(Box(box)->parent())->title(); };
    EXPECT_EQ(group(1), QStringLiteral("Zadání"));
    EXPECT_EQ(Box(1)->text(), QStringLiteral("údaje z Generátoru zatížení"));
    EXPECT_EQ(group(13), QStringLiteral("Vnitřní síly"));
    EXPECT_EQ(Box(13)->text(), QStringLiteral("normové hodnoty"));
    EXPECT_EQ(group(16), QStringLiteral("Průhyby"));
    EXPECT_EQ(Box(16)->text(), QStringLiteral("pro vybrané kombinace"));
    EXPECT_EQ(group(22), QStringLiteral("Možnosti posudku"));
    EXPECT_EQ(Box(22)->text(), QStringLiteral("schema zatížení pro kombinace"));
    EXPECT_TRUE(Form->PrintTab()->isAncestorOf(Form->PrintOptions()->PreviewButton()));
    EXPECT_EQ(Form->PrintOptions()->PreviewButton()->text(), QStringLiteral("Náhled tisku"));
}

TEST_F(PrintTabTest, OptionsAreBoundToTheTask)
{
    Box(7)->click();
    Box(2)->click();
    EXPECT_TRUE(Task.Print[7].Checked);
    EXPECT_FALSE(Task.Print[2].Checked);
    Form->Nova_ulohaExecute(); // a new task: characteristic values on, the generator box disabled again
    EXPECT_TRUE(Box(13)->isChecked());
    EXPECT_FALSE(Box(1)->isEnabled());
    Task.Print[1].Enabled = true; // as the load generator does while the tab is hidden
    Form->PageControl()->setCurrentWidget(Form->PrintTab());
    EXPECT_TRUE(Box(1)->isEnabled());
}

TEST_F(PrintTabTest, PreviewComposesTheReportAndShowsItsPages)
{
    OpenExample();
    Task.Job = QStringLiteral("Zakázka 7");
    const QString reaction = Find<QLineEdit>(QStringLiteral("Edit18"))->text();
    const TCalculationChoice choice = Task.Calc;
    Form->PrintOptions()->PreviewButton()->click();
    ASSERT_TRUE(Errors.isEmpty()) << Errors.join('\n').toStdString();
    EXPECT_TRUE(Preview->isVisible());
    // Page 1 at once, captioned with the task; the rest is laid out in the background.
    EXPECT_EQ(Doc.CurrentPage, Doc.Page(1));
    EXPECT_EQ(Preview->windowTitle(), QStringLiteral("Náhled tisku ") + Task.TaskTitle);
    EXPECT_TRUE(Doc.LayoutPending());
    EXPECT_EQ(Preview->PanelText(1), QStringLiteral("Počet stran:…"));
    while (Doc.LayoutPending())
        QCoreApplication::processEvents();
    EXPECT_GE(Doc.PageCount(), 2);
    EXPECT_EQ(Preview->PanelText(1), QStringLiteral("Počet stran:") + QString::number(Doc.PageCount()));
    EXPECT_EQ(Doc.CurrentPage, Doc.Page(1));
    EXPECT_EQ(Doc.Job, QStringLiteral("Zakázka 7"));
    EXPECT_TRUE(Doc.Frame.contains(QStringLiteral("<box 18 17 190 34>"))); // the dialog's settings
    EXPECT_TRUE(Doc.Body.join(QString()).contains(QStringLiteral("Výsledky pro")));
    // The report is a function of the task: the window's selection and results stay as they were.
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("Edit18"))->text(), reaction);
    EXPECT_EQ(Task.Calc.Mode, choice.Mode);
    EXPECT_EQ(Task.Calc.ComboBox1, choice.ComboBox1);
    EXPECT_EQ(Task.Calc.ComboBox2, choice.ComboBox2);
    EXPECT_EQ(Task.Calc.MomentCharacteristic, choice.MomentCharacteristic);

    // Whatever the screen showed before, the same task gives the same mark-up.
    const QStringList body = Doc.Body;
    Form->PageControl()->setCurrentWidget(Form->DiagramsTab());
    Find<QRadioButton>("RadioButton5")->click(); // design moments on screen
    Find<QRadioButton>("RadioButton3")->click(); // the envelope chosen
    Form->Actions().Spocitat_prubehy->trigger();
    Form->PrintOptions()->PreviewButton()->click();
    ASSERT_TRUE(Errors.isEmpty()) << Errors.join('\n').toStdString();
    EXPECT_EQ(Doc.Body, body);
    EXPECT_FALSE(Task.Calc.MomentCharacteristic);
    EXPECT_EQ(Task.Calc.Mode, TCalculationChoice::Envelope);
}

TEST_F(PrintTabTest, PageSetupSettingsReachTheReportAndBadMarginsStopIt)
{
    OpenExample();
    PageSetup->findChild<QLineEdit*>(QStringLiteral("LMEdit"))->setText(QStringLiteral("25"));
    Form->Actions().Nahled_tisku->trigger();
    EXPECT_TRUE(Doc.Frame.contains(QStringLiteral("<box 23 17 190 34>")));

    PageSetup->findChild<QLineEdit*>(QStringLiteral("LMEdit"))->setText(QStringLiteral("x"));
    Form->Actions().Nahled_tisku->trigger();
    EXPECT_EQ(Errors, QStringList { QStringLiteral("'x' is not a valid integer value") });
    EXPECT_FALSE(Preview->isVisible());
    EXPECT_TRUE(Doc.Frame.isEmpty());
}

TEST_F(PrintTabTest, PrintAsksFirstAndPrintsThePreviewedPages)
{
    OpenExample();
    Form->Actions().Tisk->trigger(); // cancelled: the document is not touched
    EXPECT_EQ(PrintDialogs, 1);
    EXPECT_FALSE(Doc.Ready);
    EXPECT_FALSE(Preview->isVisible());

    PrintTo = Dir.filePath(QStringLiteral("tisk.pdf"));
    Form->Actions().Tisk->trigger();
    ASSERT_TRUE(Errors.isEmpty()) << Errors.join('\n').toStdString();
    EXPECT_GE(Doc.PageCount(), 2);
    EXPECT_EQ(PdfPageCount(PrintTo), Doc.PageCount());
    EXPECT_FALSE(Preview->isVisible()); // printing closes the preview
}

TEST_F(PrintTabTest, SavePdfMenuItemWritesTheReport)
{
    QMenu* file = Form->menuBar()->findChild<QMenu*>(QStringLiteral("Soubor1"));
    ASSERT_NE(file, nullptr);
    const QList<QAction*> items = file->actions();
    const qsizetype tisk = items.indexOf(Form->Actions().Tisk);
    ASSERT_GE(tisk, 0);
    QAction* save = items.value(tisk + 1);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text().remove(QLatin1Char('&')), QStringLiteral("Uložit PDF…")); // "&" marks the Alt letter

    OpenExample();
    save->trigger(); // cancelled save dialog: nothing happens
    EXPECT_FALSE(Doc.Ready);
    PdfPath = Dir.filePath(QStringLiteral("posudek.pdf"));
    save->trigger();
    ASSERT_TRUE(Errors.isEmpty()) << Errors.join('\n').toStdString();
    EXPECT_EQ(PdfPageCount(PdfPath), Doc.PageCount());
    EXPECT_TRUE(Form->statusBar()->currentMessage().endsWith(QDir::toNativeSeparators(PdfPath)));

    PdfPath = Dir.filePath(QStringLiteral("chybí/posudek.pdf")); // cannot be written: said, no preview left open
    save->trigger();
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_FALSE(Preview->isVisible());

    Task.SpanText = QString(); // refused before the file name is asked for
    Preview->Prompts.ChoosePdfFile = [](QWidget*) -> QString {
        ADD_FAILURE() << "asked for a file";
        return {};
    };
    save->trigger();
    ASSERT_EQ(Errors.size(), 2);
    EXPECT_TRUE(Errors[1].startsWith(QStringLiteral("Délka prvku L")));
}

TEST_F(PrintTabTest, PageSetupActionShowsTheDialogModally)
{
    QDialog* shown = nullptr;
    DialogAnswer = [&shown](QDialog& dialog) {
        shown = &dialog;
        return int(QDialog::Rejected);
    };
    Form->Actions().Nastaveni_stranky->trigger();
    EXPECT_EQ(DialogsShown, 1);
    EXPECT_EQ(shown, PageSetup.get());
    EXPECT_FALSE(Doc.Ready); // nothing else happens
}

TEST_F(PrintTabTest, ReportWithoutASpanIsRefused)
{
    Task.SpanText = QStringLiteral("0");
    Form->Actions().Nahled_tisku->trigger();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors[0].startsWith(QStringLiteral("Délka prvku L")));
    EXPECT_FALSE(Preview->isVisible());
}

} // namespace
