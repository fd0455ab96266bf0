#include "document/ui/uPreview.h"

#include "document/PageFonts.h"
#include "document/PdfExport.h"
#include "document/uDokument.h"
#include "document/ui/PreviewPartsWidget.h"
#include "model/TError.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>
#include <limits>

namespace {

const QString Caption = QStringLiteral("Náhled tisku");
const int ScrollBarSize = 12;
const int SheetGap = 10; // pixels between the two sheets
const int PagesPerTurn = 8; // laid out in the background per turn of the event loop (a few ms)

// Screen coordinates of a zoomed page; far zooms stay within what a QRect can hold.
int R(double v)
{
    return RoundEven(qBound(-1.0e9, v, 1.0e9));
}

bool ExecPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setWindowTitle(QStringLiteral("Tisk"));
    // The preview decides what is printed: the whole document or the page shown.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TPreviewPrompts TPreviewPrompts::Interactive()
{
    TPreviewPrompts prompts;
    prompts.PrintDialog = ExecPrintDialog;
    prompts.ChoosePdfFile = ChoosePdfFileInteractive;
    prompts.ShowError = [](QWidget* parent, const QString& message) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Trabík"), message, QMessageBox::Ok, parent);
        box.exec();
    };
    return prompts;
}

QString ChoosePdfFileInteractive(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Uložit PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setNameFilters({ QStringLiteral("dokument PDF (*.pdf)"), QStringLiteral("všechny soubory (*.*)") });
    dialog.selectFile(QStringLiteral("posudek.pdf"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Složka:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Název souboru:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Typ souborů:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Uložit"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Storno"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

TPreview::TPreview(TDokument& doc, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , Prompts(TPreviewPrompts::Interactive())
    , Doc(doc)
    , PrintDialog1Printer(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("Preview"));
    setWindowTitle(Caption);
    setSizeGripEnabled(false);
    setAttribute(Qt::WA_QuitOnClose, false); // an open preview does not keep the program running
    PrintDialog1Printer.setDocName(QStringLiteral("posudek"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildToolBar();
    BuildPageArea();
    BuildStatusBar();
    BackgroundLayout = new QTimer(this);
    BackgroundLayout->setSingleShot(true);
    BackgroundLayout->setInterval(0);
    connect(BackgroundLayout, &QTimer::timeout, this, &TPreview::LayOutInBackground);
    Doc.AddObserver(this);
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(qMin(760, screen.width()), qMin(900, screen.height() - 40));
    move(screen.center() - QPoint(width() / 2, height() / 2));
}

TPreview::~TPreview()
{
    Doc.RemoveObserver(this);
    if (WheelFilterInstalled)
        qApp->removeEventFilter(this);
}

void TPreview::BuildToolBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(1);
    const auto add = [this, bar, row](const char* name, const QString& hint, TPreviewIcon icon,
                         const std::function<void()>& handler) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(PreviewIcon(icon));
        button->setIconSize(QSize(20, 20));
        button->setAutoRaise(true);
        const int split = hint.indexOf(QLatin1Char('|')); // "tool tip|long hint"
        button->setToolTip(split < 0 ? hint : hint.left(split));
        button->setStatusTip(split < 0 ? hint : hint.mid(split + 1));
        row->addWidget(button);
        if (handler)
            connect(button, &QToolButton::clicked, this, handler);
        return button;
    };
    add("SpeedButton1", QStringLiteral("První stránka"), TPreviewIcon::First, [this] { PFirst(); });
    add("SpeedButton2", QStringLiteral("Předchozí stránka"), TPreviewIcon::Prev, [this] { PPrev(); });
    add("SpeedButton3", QStringLiteral("Další stránka"), TPreviewIcon::Next, [this] { PNext(); });
    add("SpeedButton4", QStringLiteral("Poslední stránka"), TPreviewIcon::Last, [this] { PLast(); });
    row->addSpacing(8);
    add("SpeedButton5", QStringLiteral("Zvětšit"), TPreviewIcon::ZoomIn, [this] { PZoomplus(Button); });
    add("SpeedButton6", QStringLiteral("Zmenšit"), TPreviewIcon::ZoomOut, [this] { PZoomMinus(Button); });
    add("SpeedButton7", QStringLiteral("Zoom celou stránku"), TPreviewIcon::Fit, [this] { PStrana(); });
    SpeedButton10 = add("SpeedButton10",
        QStringLiteral("počet zobrazených stran|přepínač zda bude zobrazena jedna nabo dvě stránky současně"),
        TPreviewIcon::TwoPages, nullptr);
    SpeedButton10->setCheckable(true);
    connect(SpeedButton10, &QToolButton::toggled, this, [this] { PStrana(); });
    row->addSpacing(8);
    add("SpeedButton8", QStringLiteral("Tisk aktuální stránky"), TPreviewIcon::PrintPage, [this] { PPrewPrint(); });
    add("SpeedButton9", QStringLiteral("Tisk celého dokumentu"), TPreviewIcon::PrintAll,
        [this] { SpeedButton9Click(); });
    add("SpeedButton11", QStringLiteral("Uložit PDF"), TPreviewIcon::Pdf, [this] { SavePdfClick(); });
    row->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("  zavřít"), bar);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &TPreview::BitBtn1Click);
    row->addWidget(close);
    layout()->addWidget(bar);
}

void TPreview::BuildPageArea()
{
    PageArea = new QWidget(this);
    PageArea->setObjectName(QStringLiteral("PageArea"));
    PageArea->setAutoFillBackground(true);
    QPalette workspace = PageArea->palette();
    workspace.setColor(QPalette::Window, workspace.color(QPalette::Dark));
    PageArea->setPalette(workspace);
    PageArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    PageArea->installEventFilter(this);
    Bevel1 = new TPreviewView(*this, PageArea);
    HScrollBar = new QScrollBar(Qt::Horizontal, PageArea);
    VScrollBar = new QScrollBar(Qt::Vertical, PageArea);
    HScrollBar->setObjectName(QStringLiteral("HScroll"));
    VScrollBar->setObjectName(QStringLiteral("VScroll"));
    for (QScrollBar* bar : { HScrollBar, VScrollBar }) {
        bar->setRange(0, 100);
        bar->setValue(50);
        connect(bar, &QScrollBar::valueChanged, this, &TPreview::HScrollChange);
    }
    static_cast<QBoxLayout*>(layout())->addWidget(PageArea, 1);
}

void TPreview::BuildStatusBar()
{
    StatusBar1 = new TPreviewStatusBar(this);
    const int widths[4] = { 70, 100, 40, 50 };
    const QString texts[4] = { QStringLiteral("Strana:"), QStringLiteral("Počet stran:"), QString(), QString() };
    for (int i = 0; i < 4; ++i) {
        Panels[i] = new QLabel(texts[i], StatusBar1);
        Panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        Panels[i]->setFixedWidth(widths[i]);
        Panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(Panels[i]);
    }
    Message = new QLabel(StatusBar1);
    Message->setObjectName(QStringLiteral("StatusMessage"));
    StatusBar1->addWidget(Message, 1);
    layout()->addWidget(StatusBar1);
}

QWidget* TPreview::ViewArea() const
{
    return Bevel1;
}

QString TPreview::PanelText(int panel) const
{
    return panel >= 0 && panel < 4 ? Panels[panel]->text() : QString();
}

QString TPreview::MessageText() const
{
    return Message->text();
}

void TPreview::ShowMessage(const QString& message)
{
    Message->setText(message);
    emit StatusMessage(message);
}

bool TPreview::TwoPages() const
{
    return SpeedButton10->isChecked();
}

void TPreview::SetTwoPages(bool down)
{
    SpeedButton10->setChecked(down);
}

// The layout shows the window with one undivided status panel for the progress bar.
void TPreview::LayoutStarted()
{
    BackgroundLayout->stop();
    InBackground = false;
    Message->clear();
    show();
    raise();
    activateWindow();
    StatusBar1->SetProgressMode(true);
    repaint();
}

void TPreview::Progress(int pos, int total)
{
    if (!StatusBar1->ProgressMode())
        return; // the background layout after the first pages draws no bar
    StatusBar1->SetProgress(pos, total);
    // The window system maps a freshly shown window only through its events: until it is on the
    // screen those are let through (user input stays queued, so no command can run meanwhile);
    // after that the bar is painted directly.
    if (windowHandle() && !windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    StatusBar1->repaint();
}

// The first pages of a layout are there: they are shown, and the rest is laid out in the
// background.
void TPreview::LayoutPaused()
{
    StatusBar1->SetProgressMode(false);
    InBackground = true;
    PFirst();
    PStrana();
    show();
    raise();
    activateWindow();
    BackgroundLayout->start();
}

// After a whole layout (also one stopped by an error) the first page is shown, fitted: showing the
// window fitted the view to the empty page there was then. A layout that ends in the background
// leaves the view where the user has put it.
void TPreview::LayoutFinished(bool)
{
    StatusBar1->SetProgressMode(false);
    BackgroundLayout->stop();
    if (InBackground) {
        InBackground = false;
        Redraw();
        return;
    }
    PFirst();
    PStrana();
    show();
    raise();
    activateWindow();
}

void TPreview::LayOutInBackground()
{
    const bool secondMissing = TwoPages() && !SecondSheet();
    if (EnsurePages(Doc.CompletePages() + PagesPerTurn) && Doc.LayoutPending())
        BackgroundLayout->start();
    if (secondMissing && SecondSheet())
        Redraw();
}

bool TPreview::EnsurePages(int number)
{
    if (!Doc.LayoutPending() || Doc.CompletePages() >= number)
        return true;
    try {
        Doc.LayOutMore(number);
    } catch (const TError& error) {
        Prompts.ShowError(this, error.Message);
        return false;
    }
    return true;
}

const TPrintPage* TPreview::CompletePage(int number) const
{
    return number >= 1 && number <= Doc.CompletePages() ? Doc.Page(number) : nullptr;
}

const TPrintPage* TPreview::SecondSheet() const
{
    return TwoPages() && Doc.CurrentPage ? CompletePage(Doc.CurrentPage->Number + 1) : nullptr;
}

void TPreview::ClosePreview()
{
    hide();
}

void TPreview::BitBtn1Click()
{
    close();
}

void TPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // the window system showing it again (restored from an icon) is no new showing
    PFirst();
    PStrana();
}

void TPreview::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !WheelFilterInstalled) {
        qApp->installEventFilter(this);
        WheelFilterInstalled = true;
    }
}

bool TPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PageArea && event->type() == QEvent::Resize)
        FormResize();
    if (event->type() == QEvent::Wheel && isVisible()) {
        // The application delivers one wheel message to a widget and then to its parents: act once.
        const auto* widget = qobject_cast<QWidget*>(watched);
        const auto* wheel = static_cast<const QWheelEvent*>(event);
        const bool repeated = event == LastWheelEvent && wheel->timestamp() == LastWheelTime;
        if (widget && widget->window() == this && !repeated) {
            LastWheelEvent = event;
            LastWheelTime = wheel->timestamp();
            PrevAppMessage(*wheel);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPreview::FormResize()
{
    Updating = true;
    const int w = qMax(0, PageArea->width() - ScrollBarSize);
    const int h = qMax(0, PageArea->height() - ScrollBarSize);
    Bevel1->setGeometry(0, 0, w, h);
    VScrollBar->setGeometry(w, 0, ScrollBarSize, h);
    HScrollBar->setGeometry(0, h, w, ScrollBarSize);
    Updating = false;
    if (Fitted)
        PStrana(); // a fitted view stays fitted
}

void TPreview::HScrollChange()
{
    if (!Updating)
        Redraw();
}

void TPreview::Redraw()
{
    UpdateStatus();
    Bevel1->update();
}

void TPreview::UpdateStatus()
{
    if (!Doc.Ready || !Doc.CurrentPage)
        return;
    const TPrintPage& page = *Doc.CurrentPage;
    Panels[0]->setText(QStringLiteral("Strana:") + QString::number(page.Number));
    // The count is known when the layout has ended.
    Panels[1]->setText(QStringLiteral("Počet stran:")
        + (Doc.LayoutPending() ? QStringLiteral("…") : QString::number(Doc.PageCount())));
    Panels[2]->setText(page.Format);
    setWindowTitle(Caption + QLatin1Char(' ') + page.Title);
}

TPreview::TSheets TPreview::Sheets() const
{
    if (!Doc.Ready || !Doc.CurrentPage)
        return {};
    const TPrintPage& page = *Doc.CurrentPage;
    const double z = Zoom;
    const int right = R(page.PageWidth * z);
    const int bottom = R(page.PageHeight * z);
    double width = page.PageWidth * z; // on the screen, with the gap between two sheets
    const TPrintPage* next = SecondSheet();
    int right2 = 0;
    if (next) {
        right2 = R(next->PageWidth * z) + right;
        width = right2 + SheetGap; // the pixels the two sheets are drawn with
    }
    const int dx = R((Bevel1->width() - width) * HScrollBar->value() / 100.0);
    const int dy = R((Bevel1->height() - page.PageHeight * z) * VScrollBar->value() / 100.0);
    TSheets sheets;
    sheets.Shown = true;
    sheets.First = QRect(dx, dy, right, bottom);
    if (next)
        sheets.Second = QRect(right + dx + SheetGap, dy, right2 - right, bottom);
    return sheets;
}

void TPreview::PPaint(QPainter& painter)
{
    const TSheets sheets = Sheets();
    if (!sheets.Shown)
        return;
    painter.setPen(Qt::black);
    painter.setBrush(palette().color(QPalette::Dark));
    painter.drawRect(Bevel1->rect().adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheets.First);
    Doc.CurrentPage->Paint(painter, sheets.First);
    if (sheets.Second.isValid()) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRect(sheets.Second);
        SecondSheet()->Paint(painter, sheets.Second);
    }
}

void TPreview::PFirst()
{
    if (TPrintPage* first = Doc.Page(1))
        Doc.CurrentPage = first;
    Redraw();
}

void TPreview::PPrev()
{
    if (TPrintPage* prev = Doc.CurrentPage ? Doc.Page(Doc.CurrentPage->Number - 1) : nullptr)
        Doc.CurrentPage = prev;
    Redraw();
}

void TPreview::PNext()
{
    if (Doc.CurrentPage)
        EnsurePages(Doc.CurrentPage->Number + (TwoPages() ? 2 : 1));
    if (TPrintPage* next = Doc.CurrentPage ? Doc.Page(Doc.CurrentPage->Number + 1) : nullptr)
        Doc.CurrentPage = next;
    Redraw();
}

void TPreview::PLast()
{
    EnsurePages(std::numeric_limits<int>::max());
    if (TPrintPage* last = Doc.Page(Doc.PageCount()))
        Doc.CurrentPage = last;
    Redraw();
}

void TPreview::PZoomplus(TSender sender)
{
    Fitted = false;
    Zoom += sender == Button ? 0.05f : 0.005f;
    Redraw();
}

void TPreview::PZoomMinus(TSender sender)
{
    const float step = sender == Button ? 0.05f : 0.005f;
    if (Zoom > 2 * step) {
        Zoom -= step;
        Fitted = false;
    }
    Redraw();
}

void TPreview::PStrana()
{
    if (!Doc.Ready || !Doc.CurrentPage)
        return;
    if (TwoPages())
        EnsurePages(Doc.CurrentPage->Number + 1);
    Updating = true;
    if (TwoPages() && Doc.CurrentPage->Number == Doc.CompletePages() && Doc.CurrentPage->Number > 1)
        Doc.CurrentPage = Doc.Page(Doc.CurrentPage->Number - 1); // the last two pages
    const TPrintPage& page = *Doc.CurrentPage;
    // Two sheets share the view less the gap of pixels between them, so that both fit whole; two
    // pixels more, across and down, keep room for the rounding of the sheets and their outlines.
    double total = page.PageWidth;
    double room = Bevel1->width();
    const double height = Bevel1->height() - (TwoPages() ? 2 : 0);
    const TPrintPage* next = SecondSheet();
    if (next) {
        total += next->PageWidth;
        room -= SheetGap + 2;
    }
    // A view with no room yet (a window never laid out) keeps the zoom it has.
    if (room > 0 && height > 0) {
        Zoom = float(qMin(room / total, height / double(page.PageHeight)));
        Fitted = true;
    }
    HScrollBar->setValue(50);
    VScrollBar->setValue(50);
    Updating = false;
    Redraw();
}

void TPreview::PrevAppMessage(const QWheelEvent& event)
{
    const int delta = event.angleDelta().y();
    if (delta != 120 && delta != -120)
        return; // exactly one notch
    if (event.buttons() == Qt::NoButton)
        delta < 0 ? PZoomMinus(Wheel) : PZoomplus(Wheel);
    else if (event.buttons() == Qt::MiddleButton)
        delta < 0 ? PNext() : PPrev();
}

void TPreview::Bevel1MouseMove(Qt::MouseButtons buttons, const QPoint& pos)
{
    if (buttons == Qt::MiddleButton) {
        if (pos.x() != LastPointer.x())
            StepScroll(HScrollBar, pos.x() < LastPointer.x() ? -1 : 1);
        if (pos.y() != LastPointer.y())
            StepScroll(VScrollBar, pos.y() > LastPointer.y() ? 1 : -1);
    }
    LastPointer = pos;
}

void TPreview::StepScroll(QScrollBar* bar, int step)
{
    bar->setValue(qBound(0, bar->value() + step, 100));
}

bool TPreview::ExecutePrintDialog()
{
    return Prompts.PrintDialog(PrintDialog1Printer, this);
}

void TPreview::PrintPages(bool currentOnly)
{
    if (!ExecutePrintDialog() || (!currentOnly && !EnsurePages(std::numeric_limits<int>::max())))
        return;
    try {
        if (currentOnly)
            Doc.PrintCurrentPage(PrintDialog1Printer);
        else
            Doc.PrintAll(PrintDialog1Printer);
    } catch (const TError& error) {
        Prompts.ShowError(this, error.Message);
    }
}

void TPreview::PPrewPrint()
{
    PrintPages(true);
}

void TPreview::SpeedButton9Click()
{
    PrintPages(false);
}

void TPreview::SavePdfClick()
{
    if (Doc.Pages().IsEmpty())
        return;
    const QString path = Prompts.ChoosePdfFile(this);
    if (path.isEmpty() || !EnsurePages(std::numeric_limits<int>::max()))
        return;
    try {
        WriteDocumentPdf(Doc, path);
    } catch (const TError& error) {
        Prompts.ShowError(this, error.Message);
        return;
    }
    ShowMessage(QStringLiteral("Posudek uložen do souboru %1").arg(QDir::toNativeSeparators(path)));
}
