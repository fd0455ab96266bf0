// The print preview: pages shown one or two at a time, navigation, zoom, fit, scroll placement,
// the mouse, the progress bar during a layout, closing, and printing / PDF from the preview.
#include "document/uDokument.h"
#include "document/ui/PreviewPartsWidget.h"
#include "document/ui/uPreview.h"
#include "tests/support/PreviewPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

QWheelEvent Wheel(int delta, Qt::MouseButtons buttons)
{
    return QWheelEvent(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), buttons, Qt::NoModifier,
        Qt::NoScrollPhase, false);
}

} // namespace

class PreviewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Preview = std::make_unique<TPreview>(Doc);
        Stand.Attach(*Preview);
        Preview->Prompts.ShowError = [this](QWidget*, const QString& message) { Errors << message; };
        Preview->resize(700, 800);
    }

    // A document of `pages` pages, laid out as the report is: the preview shows itself.
    void Lay(int pages)
    {
        Doc.Reset();
        Doc.AddPage();
        Doc.Frame = QStringList { QStringLiteral("<left 20><right 20><top 20><bottom 20><curx 0><cury 0>") };
        QStringList words;
        for (int i = 1; i <= pages; ++i)
            words << QStringLiteral("strana %1").arg(i);
        Doc.Body = QStringList { words.join(QStringLiteral("<newpage>")) };
        Doc.LayOut();
        QCoreApplication::processEvents();
    }

    int Shown() const { return Doc.CurrentPage ? Doc.CurrentPage->Number : 0; }
    QSize View() const { return Preview->ViewArea()->size(); }
    double FitZoom(double width) const { return std::min(View().width() / width, View().height() / 29700.0); }

    TDokument Doc;
    std::unique_ptr<TPreview> Preview;
    QTemporaryDir Dir;
    TPreviewStandIn Stand;
    QString& PrintTo = Stand.PrintTo;
    QString& PdfPath = Stand.PdfPath;
    int& PrintDialogs = Stand.PrintDialogs;
    QStringList Errors;
};

TEST_F(PreviewTest, StartsEmptyWithItsControls)
{
    EXPECT_EQ(Preview->windowTitle(), QStringLiteral("Náhled tisku"));
    EXPECT_FLOAT_EQ(Preview->Zoom, 0.1f);
    EXPECT_EQ(Preview->HScroll()->value(), 50);
    EXPECT_EQ(Preview->VScroll()->value(), 50);
    const char* names[] = { "SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5",
        "SpeedButton6", "SpeedButton7", "SpeedButton10", "SpeedButton8", "SpeedButton9" };
    const QStringList hints { "První stránka", "Předchozí stránka", "Další stránka", "Poslední stránka", "Zvětšit",
        "Zmenšit", "Zoom celou stránku", "počet zobrazených stran", "Tisk aktuální stránky", "Tisk celého dokumentu" };
    for (int i = 0; i < 10; ++i) {
        auto* button = Preview->findChild<QToolButton*>(QString::fromLatin1(names[i]));
        ASSERT_NE(button, nullptr) << names[i];
        EXPECT_EQ(button->toolTip(), hints[i]);
    }
    EXPECT_EQ(Preview->findChild<QToolButton*>("SpeedButton10")->statusTip(),
        QStringLiteral("přepínač zda bude zobrazena jedna nabo dvě stránky současně"));
    EXPECT_EQ(Preview->findChild<QPushButton*>("BitBtn1")->text(), QStringLiteral("  zavřít"));
    EXPECT_EQ(Preview->PanelText(0), QStringLiteral("Strana:"));
    EXPECT_EQ(Preview->PanelText(1), QStringLiteral("Počet stran:"));
    // Before the first reset nothing is drawn and fit does nothing.
    EXPECT_FALSE(Preview->Sheets().Shown);
    Preview->PStrana();
    EXPECT_FLOAT_EQ(Preview->Zoom, 0.1f);
}

TEST_F(PreviewTest, OnePageDocument)
{
    Lay(1);
    ASSERT_TRUE(Preview->isVisible());
    EXPECT_EQ(Preview->PanelText(0), QStringLiteral("Strana:1"));
    EXPECT_EQ(Preview->PanelText(1), QStringLiteral("Počet stran:1"));
    EXPECT_EQ(Preview->PanelText(2), QStringLiteral("A4"));
    EXPECT_EQ(Preview->PanelText(3), QString());
    EXPECT_EQ(Preview->windowTitle(), QStringLiteral("Náhled tisku [bez titulku]"));
    for (auto command : { &TPreview::PFirst, &TPreview::PPrev, &TPreview::PNext, &TPreview::PLast }) {
        (Preview.get()->*command)();
        EXPECT_EQ(Shown(), 1);
    }
    EXPECT_NEAR(Preview->Zoom, FitZoom(21000), 1e-6); // showing fits the page
}

TEST_F(PreviewTest, TwoPageViewOnFivePages)
{
    Preview->SetTwoPages(true);
    Lay(5);
    EXPECT_EQ(Shown(), 1); // pages 1 and 2
    EXPECT_EQ(Preview->PanelText(0), QStringLiteral("Strana:1"));
    EXPECT_EQ(Preview->PanelText(1), QStringLiteral("Počet stran:5"));
    TPreview::TSheets sheets = Preview->Sheets();
    EXPECT_TRUE(sheets.Second.isValid());
    EXPECT_GE(sheets.First.left(), 0); // fitted for two sheets: both whole in the view
    EXPECT_LE(sheets.Second.right(), View().width());
    EXPECT_EQ(sheets.Second.left(), sheets.First.left() + sheets.First.width() + 10); // the gap
    EXPECT_EQ(sheets.Second.height(), sheets.First.height());

    Preview->PLast();
    EXPECT_EQ(Shown(), 5);
    EXPECT_FALSE(Preview->Sheets().Second.isValid()); // the last page has no next one

    Preview->PStrana();
    EXPECT_EQ(Shown(), 4);
    EXPECT_TRUE(Preview->Sheets().Second.isValid());
    // Fit leaves room for the gap and the outline: both sheets lie whole in the view.
    EXPECT_NEAR(Preview->Zoom, std::min((View().width() - 12) / 42000.0, View().height() / 29700.0), 1e-6);
    EXPECT_LE(Preview->Sheets().Second.right(), View().width());

    for (const int width : { 500, 701, 933 }) { // a narrow window: the width decides the zoom
        Preview->resize(width, 1000);
        QCoreApplication::processEvents();
        Preview->PStrana();
        const TPreview::TSheets narrow = Preview->Sheets();
        EXPECT_GE(narrow.First.left(), 0) << width;
        EXPECT_LT(narrow.Second.left() + narrow.Second.width(), View().width()) << width; // outline included
    }

    Preview->SetTwoPages(false); // back to one page: fit keeps the page
    Preview->PLast();
    Preview->PStrana();
    EXPECT_EQ(Shown(), 5);
    EXPECT_NEAR(Preview->Zoom, FitZoom(21000), 1e-6);
}

// The report's way: page 1 is shown as soon as it is laid out, the rest follows in the background
// or at once when a command needs it.
TEST_F(PreviewTest, FirstPageAtOnceTheRestOnDemandOrInTheBackground)
{
    const auto begin = [this] {
        Doc.Reset();
        Doc.AddPage();
        Doc.TaskTitle = QStringLiteral("Vaznice V1");
        for (int i = 1; i <= 30; ++i)
            Doc.AddLine(QStringLiteral("strana %1<newpage>").arg(i));
        Doc.BeginLayOut(1);
    };
    begin();
    ASSERT_TRUE(Preview->isVisible());
    EXPECT_TRUE(Doc.LayoutPending());
    EXPECT_EQ(Doc.CompletePages(), 1);
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(Preview->PanelText(1), QStringLiteral("Počet stran:…"));
    EXPECT_EQ(Preview->windowTitle(), QStringLiteral("Náhled tisku Vaznice V1"));
    Preview->PNext(); // laid out on demand
    EXPECT_EQ(Shown(), 2);
    while (Doc.LayoutPending())
        QCoreApplication::processEvents();
    EXPECT_EQ(Shown(), 2); // the background leaves the view where it is
    EXPECT_EQ(Preview->PanelText(1), QStringLiteral("Počet stran:31"));

    begin();
    Preview->PLast();
    EXPECT_FALSE(Doc.LayoutPending());
    EXPECT_EQ(Shown(), 31);

    begin(); // the whole document is written, and the window says where
    PdfPath = Dir.filePath(QStringLiteral("posudek.pdf"));
    QString said;
    QObject::connect(Preview.get(), &TPreview::StatusMessage, [&said](const QString& message) { said = message; });
    Preview->SavePdfClick();
    EXPECT_EQ(PdfPageCount(PdfPath), 31);
    EXPECT_EQ(said, QStringLiteral("Posudek uložen do souboru ") + QDir::toNativeSeparators(PdfPath));
    EXPECT_EQ(Preview->MessageText(), said);
}

// At 930 x 700 the height decides the two-page fit: both sheets with their outlines lie in the
// view, and a resize keeps a fitted view fitted.
TEST_F(PreviewTest, TwoPageFitKeepsBothSheetsWholeAndFollowsTheWindow)
{
    Preview->SetTwoPages(true);
    Preview->resize(930, 700);
    Lay(3);
    const auto whole = [this](const QRect& sheet) {
        return sheet.left() >= 0 && sheet.top() >= 0 && sheet.left() + sheet.width() < View().width()
            && sheet.top() + sheet.height() < View().height(); // the outline is one pixel outside
    };
    EXPECT_TRUE(whole(Preview->Sheets().First));
    EXPECT_TRUE(whole(Preview->Sheets().Second));
    for (const QSize size : { QSize(700, 500), QSize(1200, 640) }) {
        Preview->resize(size);
        QCoreApplication::processEvents();
        EXPECT_TRUE(whole(Preview->Sheets().First)) << size.width();
        EXPECT_TRUE(whole(Preview->Sheets().Second)) << size.width();
        EXPECT_NEAR(Preview->Zoom, std::min((View().width() - 12) / 42000.0, (View().height() - 2) / 29700.0), 1e-6)
            << size.width(); // fitted anew
    }
}

TEST_F(PreviewTest, NavigationStopsAtTheEnds)
{
    Lay(3);
    EXPECT_EQ(Shown(), 1); // the preview opens on the first page
    Preview->PPrev();
    EXPECT_EQ(Shown(), 1);
    Preview->PLast();
    Preview->PNext();
    EXPECT_EQ(Shown(), 3);
    Preview->PPrev();
    EXPECT_EQ(Shown(), 2);
    Preview->PFirst();
    Preview->PPrev();
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(Preview->PanelText(0), QStringLiteral("Strana:1"));
}

TEST_F(PreviewTest, ZoomStepsAndLimits)
{
    Lay(1);
    // A view 416 pixels high fits the page at 416 / 29700 = 0.014.
    Preview->resize(Preview->width(), Preview->height() - View().height() + 416);
    QCoreApplication::processEvents();
    ASSERT_EQ(View().height(), 416);
    Preview->PStrana();
    ASSERT_NEAR(Preview->Zoom, 0.014, 1e-4);
    const float fit = Preview->Zoom;
    Preview->PZoomMinus(TPreview::Button); // below 0.1: no change
    EXPECT_EQ(Preview->Zoom, fit);
    Preview->PZoomplus(TPreview::Button);
    EXPECT_NEAR(Preview->Zoom, 0.064, 1e-4);
    Preview->PZoomplus(TPreview::Button);
    Preview->PZoomMinus(TPreview::Button); // 0.114 is above 0.1
    EXPECT_NEAR(Preview->Zoom, 0.064, 1e-4);

    // The wheel steps by 0.005 and stops above 0.01.
    Preview->Zoom = 0.012f;
    Preview->PrevAppMessage(Wheel(-120, Qt::NoButton));
    EXPECT_NEAR(Preview->Zoom, 0.007, 1e-6);
    Preview->PrevAppMessage(Wheel(-120, Qt::NoButton));
    EXPECT_NEAR(Preview->Zoom, 0.007, 1e-6);
    Preview->PrevAppMessage(Wheel(120, Qt::NoButton));
    EXPECT_NEAR(Preview->Zoom, 0.012, 1e-6);
    Preview->PrevAppMessage(Wheel(240, Qt::NoButton)); // two notches at once: nothing
    Preview->PrevAppMessage(Wheel(120, Qt::LeftButton)); // another button held: nothing
    EXPECT_NEAR(Preview->Zoom, 0.012, 1e-6);
}

TEST_F(PreviewTest, WheelMessagesOfTheWindowActOncePerNotch)
{
    Lay(1);
    QApplication::setActiveWindow(Preview.get()); // activation installs the wheel filter
    ASSERT_TRUE(Preview->isActiveWindow());
    Preview->Zoom = 0.05f;
    QWheelEvent notch(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, true);
    QSpontaneKeyEvent::setSpontaneous(&notch); // as from the window system: it travels up to the window
    QApplication::sendEvent(Preview->ViewArea(), &notch);
    EXPECT_NEAR(Preview->Zoom, 0.055, 1e-6);
}

TEST_F(PreviewTest, WheelWithMiddleButtonTurnsPages)
{
    Lay(3);
    Preview->PrevAppMessage(Wheel(-120, Qt::MiddleButton));
    EXPECT_EQ(Shown(), 2);
    Preview->PrevAppMessage(Wheel(120, Qt::MiddleButton));
    EXPECT_EQ(Shown(), 1);
}

TEST_F(PreviewTest, ScrollPositionsPlaceTheSheetAgainstTheEdges)
{
    Lay(1);
    Preview->Zoom = 0.01f; // a sheet of 210 x 297 pixels, smaller than the view
    Preview->HScroll()->setValue(0);
    Preview->VScroll()->setValue(0);
    EXPECT_EQ(Preview->Sheets().First.topLeft(), QPoint(0, 0));
    Preview->HScroll()->setValue(100);
    Preview->VScroll()->setValue(100);
    const QRect sheet = Preview->Sheets().First;
    EXPECT_EQ(sheet.size(), QSize(210, 297));
    EXPECT_NEAR(sheet.x() + sheet.width(), View().width(), 1);
    EXPECT_NEAR(sheet.y() + sheet.height(), View().height(), 1);
    Preview->HScroll()->setValue(50);
    EXPECT_NEAR(Preview->Sheets().First.center().x(), View().width() / 2, 1); // 50 centres
}

TEST_F(PreviewTest, MiddleButtonPansOneStepPerMove)
{
    Lay(1);
    Preview->Bevel1MouseMove(Qt::NoButton, QPoint(100, 100)); // remembered, nothing moves
    EXPECT_EQ(Preview->HScroll()->value(), 50);
    Preview->Bevel1MouseMove(Qt::MiddleButton, QPoint(90, 120));
    EXPECT_EQ(Preview->HScroll()->value(), 49);
    EXPECT_EQ(Preview->VScroll()->value(), 51);
    Preview->Bevel1MouseMove(Qt::MiddleButton | Qt::LeftButton, QPoint(200, 10));
    EXPECT_EQ(Preview->HScroll()->value(), 49);
    Preview->HScroll()->setValue(100);
    Preview->Bevel1MouseMove(Qt::MiddleButton, QPoint(300, 10)); // stays within 0..100
    EXPECT_EQ(Preview->HScroll()->value(), 100);
    EXPECT_EQ(Preview->VScroll()->value(), 51);
}

TEST_F(PreviewTest, DrawsWhiteSheetsOnTheWorkspace)
{
    Preview->SetTwoPages(true);
    Lay(2);
    Preview->PStrana();
    const QImage image = Preview->ViewArea()->grab().toImage();
    const TPreview::TSheets sheets = Preview->Sheets();
    const QColor workspace = Preview->palette().color(QPalette::Dark);
    for (const QRect& sheet : { sheets.First, sheets.Second }) {
        const QPoint blank(sheet.right() - 3, sheet.top() + 3); // the right margin's corner
        EXPECT_EQ(image.pixel(blank), qRgb(255, 255, 255));
    }
    EXPECT_EQ(image.pixel(sheets.First.right() + 5, sheets.First.center().y()), workspace.rgb()); // the gap
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)); // the view's outline
}

TEST_F(PreviewTest, ProgressBarDuringTheLayout)
{
    auto* bar = Preview->findChild<TPreviewStatusBar*>(QStringLiteral("StatusBar1"));
    ASSERT_NE(bar, nullptr);
    std::vector<int> rights;
    bool panelsHidden = true;
    // Told after the preview, which observes the document from its construction.
    struct TWatch : TDocumentObserver
    {
        std::function<void()> Seen;
        void LayoutProgress(int, int) override { Seen(); }
    } watch;
    watch.Seen = [&] {
        rights.push_back(bar->ProgressRight());
        panelsHidden = panelsHidden && !Preview->findChild<QLabel*>(QStringLiteral("Panel1"))->isVisible();
    };
    Doc.AddObserver(&watch);
    Lay(2);
    Doc.RemoveObserver(&watch);
    ASSERT_GE(rights.size(), 2u);
    EXPECT_TRUE(std::is_sorted(rights.begin(), rights.end()));
    EXPECT_GT(rights.back(), bar->width() / 2);
    EXPECT_TRUE(panelsHidden);
    EXPECT_FALSE(bar->ProgressMode()); // the four panels are back
    EXPECT_TRUE(Preview->findChild<QLabel*>(QStringLiteral("Panel1"))->isVisible());
}

TEST_F(PreviewTest, EscapeTheCloseButtonAndResetCloseTheWindow)
{
    Lay(1);
    ASSERT_TRUE(Preview->isVisible());
    QTest::keyClick(Preview.get(), Qt::Key_Escape);
    EXPECT_FALSE(Preview->isVisible());
    Lay(1);
    Preview->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_FALSE(Preview->isVisible());
    Lay(1);
    Doc.Reset();
    EXPECT_FALSE(Preview->isVisible());
    Preview->update(); // a reset document draws nothing
    EXPECT_FALSE(Preview->Sheets().Shown);
}

TEST_F(PreviewTest, PdfFromThePreviewHasThePagesOfTheDocument)
{
    Lay(3);
    PdfPath = Dir.filePath(QStringLiteral("posudek.pdf"));
    Preview->findChild<QToolButton*>("SpeedButton11")->click();
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_EQ(PdfPageCount(PdfPath), 3);

    PdfPath = Dir.filePath(QStringLiteral("chybí/posudek.pdf")); // a folder that does not exist
    Preview->SavePdfClick();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors[0].startsWith(QStringLiteral("Soubor "))) << Errors[0].toStdString();
}

TEST_F(PreviewTest, PrintButtonsAskFirstAndPrintTheDocumentOrThePage)
{
    Lay(4);
    Preview->SpeedButton9Click(); // cancelled: nothing printed
    EXPECT_EQ(PrintDialogs, 1);
    PrintTo = Dir.filePath(QStringLiteral("vse.pdf"));
    Preview->findChild<QToolButton*>("SpeedButton9")->click();
    EXPECT_EQ(PdfPageCount(PrintTo), 4);
    Preview->PFirst();
    Preview->PNext();
    PrintTo = Dir.filePath(QStringLiteral("strana.pdf"));
    Preview->findChild<QToolButton*>("SpeedButton8")->click();
    EXPECT_EQ(PdfPageCount(PrintTo), 1);
    EXPECT_EQ(PrintDialogs, 3);
    EXPECT_TRUE(Errors.isEmpty());
}
