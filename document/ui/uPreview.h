#pragma once
// Preview: the laid-out pages of the document on the screen, one page or two side by side, zoomed
// and panned; it prints them and writes them to PDF. It replays the page pictures. It observes the
// document: a layout shows it, reports progress to it and leaves it on the first page; Reset
// closes it. A layout begun with BeginLayOut is shown as soon as its first pages are there; the
// preview lays the rest out in the background, and at once when a page or a command needs it.
//
//   TPreview preview(doc);                  // observes doc until it is destroyed
//   doc.Reset(); ...; doc.BeginLayOut(1);   // shows page 1, the rest follows
#include "document/uDokument.h"

#include <QDialog>
#include <QPrinter>
#include <functional>

class QLabel;
class QScrollBar;
class QTimer;
class QToolButton;
class QPushButton;
class QWheelEvent;
class TDokument;
class TPreviewStatusBar;
class TPreviewView;

// Where the preview waits for the user; tests swap the functions.
struct TPreviewPrompts
{
    std::function<bool(QPrinter& printer, QWidget* parent)> PrintDialog; // true when confirmed
    std::function<QString(QWidget* parent)> ChoosePdfFile; // empty when cancelled
    std::function<void(QWidget* parent, const QString& message)> ShowError;

    static TPreviewPrompts Interactive();
};

// The save dialog for a PDF: filter, default suffix, overwrite question, Czech labels.
QString ChoosePdfFileInteractive(QWidget* parent);

class TPreview : public QDialog, private TDocumentObserver
{
    Q_OBJECT
public:
    enum TSender { Button, Wheel }; // the zoom step depends on who asks

    explicit TPreview(TDokument& doc, QWidget* parent = nullptr);
    ~TPreview() override;

    TDokument& Document() const { return Doc; }
    TPreviewPrompts Prompts;
    float Zoom = 0.1f; // screen pixels per page unit

    // Navigation, zoom and fit.
    void PFirst();
    void PPrev();
    void PNext();
    void PLast();
    void PZoomplus(TSender sender);
    void PZoomMinus(TSender sender);
    void PStrana();

    // Printing and PDF from the preview (each asks first; a cancel changes nothing).
    void PPrewPrint(); // the current page
    void SpeedButton9Click(); // the whole document
    void SavePdfClick();
    bool ExecutePrintDialog(); // PrintDialog1 on Printer(); true when confirmed
    QPrinter& Printer() { return PrintDialog1Printer; }

    void BitBtn1Click(); // "  zavřít"
    void ClosePreview();

    // The layout's progress bar over the status bar (ProgressPos of ProgressTotal).
    void Progress(int pos, int total);

    // The mouse: the application's wheel messages and moves over the page area.
    void PrevAppMessage(const QWheelEvent& event);
    void Bevel1MouseMove(Qt::MouseButtons buttons, const QPoint& pos);

    bool TwoPages() const; // the two-page switch is down
    void SetTwoPages(bool down); // as pressing SpeedButton10 (also fits)
    QScrollBar* HScroll() const { return HScrollBar; }
    QScrollBar* VScroll() const { return VScrollBar; }
    QWidget* ViewArea() const; // Bevel1
    QString PanelText(int panel) const; // the status bar's panels 0..3
    QString MessageText() const; // what the last command said, beside the panels

    // Where the sheets of the current drawing lie, in page-area pixels (Second is invalid when one
    // page is shown); Shown is false when nothing is drawn.
    struct TSheets
    {
        bool Shown = false;
        QRect First;
        QRect Second;
    };
    TSheets Sheets() const;
    void PPaint(QPainter& painter); // draws the pages into the page area

signals:
    void StatusMessage(const QString& message); // also shown beside the panels

protected:
    void showEvent(QShowEvent* event) override; // FormShow
    void changeEvent(QEvent* event) override; // FormActivate
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolBar();
    void BuildPageArea();
    void BuildStatusBar();
    void FormResize();
    void Redraw();
    void UpdateStatus();
    void HScrollChange();
    void DocumentReset() override { ClosePreview(); }
    void LayoutStarted() override;
    void LayoutProgress(int pos, int total) override { Progress(pos, total); }
    void LayoutPaused() override;
    void LayoutFinished(bool completed) override;
    void LayOutInBackground();
    bool EnsurePages(int number); // page `number` laid out (or the run over); false after an error
    const TPrintPage* CompletePage(int number) const;
    const TPrintPage* SecondSheet() const; // the page shown beside the current one, if any
    void ShowMessage(const QString& message);
    void PrintPages(bool currentOnly);
    void StepScroll(QScrollBar* bar, int step);

    TDokument& Doc;
    QPrinter PrintDialog1Printer;
    QWidget* PageArea = nullptr;
    TPreviewView* Bevel1 = nullptr;
    QScrollBar* HScrollBar = nullptr;
    QScrollBar* VScrollBar = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    TPreviewStatusBar* StatusBar1 = nullptr;
    QLabel* Panels[4] = {};
    QLabel* Message = nullptr;
    QTimer* BackgroundLayout = nullptr;
    QPoint LastPointer;
    bool Updating = false;
    bool InBackground = false; // the document's layout goes on while its first pages are shown
    bool Fitted = false; // the zoom is a fit's, so a resize fits anew
    bool WheelFilterInstalled = false;
    const QEvent* LastWheelEvent = nullptr; // one wheel message reaches the filter once per widget
    quint64 LastWheelTime = 0;
};
