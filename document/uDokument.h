#pragma once
// The document: two lists of mark-up lines (page frame and body) that LayOut typesets into pages,
// each page a recorded picture in page units (0.01 mm; A4 = 21000 x 29700).
//
// One report:  doc.Reset(); doc.AddPage(); doc.Job = ...; doc.AddFrameLine(...); doc.AddLine(...);
//              doc.LayOut();                 // throws TError on a bad mark-up argument
//              PaintPicture(painter, doc.CurrentPage->Picture, rect);  or  doc.PrintAll(pdfWriter);
#include "document/ImageProvider.h"
#include "document/MarkupRegisters.h"
#include "document/PagePicture.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

// Caption of the main window; the credit line on every page starts with it.
inline const char* const TrabikCaption = "Trabík v.2.2";

class TPrintPage
{
public:
    TPagePicture Picture;
    int LeftMargin = 1000;
    int RightMargin = 1000;
    int TopMargin = 1000;
    int BottomMargin = 1000;
    int CursorX = 0;
    int CursorY = 0;
    int Raise = 0;
    int PageWidth = 21000;
    int PageHeight = 29700;
    TPrintPage* Prev = nullptr;
    TPrintPage* Next = nullptr;
    int Number = 1;
    QString Title = QStringLiteral("[bez titulku]");
    QString Format = QStringLiteral("A4");

    // The page's picture stretched into target (the preview and the printer use this).
    void Paint(QPainter& painter, const QRectF& target) const;
};

class TDokument
{
public:
    TDokument();
    ~TDokument();
    TDokument(const TDokument&) = delete;
    TDokument& operator=(const TDokument&) = delete;

    // Base font: face, point size and style; the layout starts every page with S = 27 x point size.
    QFont Font;
    QColor FontColor = Qt::black;
    TPrintPage* FirstPage = nullptr;
    TPrintPage* LastPage = nullptr;
    TPrintPage* CurrentPage = nullptr; // the preview moves it between pages
    bool Ready = false;
    int PageCount = 0;
    QString Job;
    QString Author;
    QString TaskTitle;
    QStringList Frame;
    QStringList Body;

    // Mirrors the page setup check box "nepoužívat diakritiku": LayOut strips accents first.
    bool NoDiacritics = false;
    // Logo and named images for <img and <imgform.
    TImageProvider Images;

    // Layout state readable by the preview.
    bool InFrame = false;
    int ProgressPos = 0;
    int ProgressTotal = 0;

    // Hooks a window registers. ClosePreviewHook is called by Reset (its exceptions are ignored).
    // ResetFontHook, when set, gives the font Reset installs (the page setup's font chooser).
    // LayoutStartedHook / LayoutFinishedHook bracket LayOut (finished gets false after an error);
    // ProgressHook gets (ProgressPos, ProgressTotal), throttled to a few calls per second plus the
    // first and the last position.
    std::function<void()> ClosePreviewHook;
    std::function<QFont()> ResetFontHook;
    std::function<void()> LayoutStartedHook;
    std::function<void(int pos, int total)> ProgressHook;
    std::function<void(bool completed)> LayoutFinishedHook;

    void Reset();
    void AddPage();
    void AddLine(const QString& text) { Body.append(text); }
    void AddFrameLine(const QString& text) { Frame.append(text); }

    // Typesets Frame and Body starting on CurrentPage. A bad argument stops the run with a TError
    // (the pages so far are kept); so does a frame that itself breaks pages.
    void LayOut();
    void StripDiacritics();

    // One sheet per page at its true 210 x 297 mm on a PDF writer or a printer. Throws TError
    // when the device cannot be painted on.
    void PrintAll(QPagedPaintDevice& device) const;
    void PrintCurrentPage(QPagedPaintDevice& device) const;

    // Page by number (1-based), nullptr when out of range.
    TPrintPage* Page(int number) const;
    const TMarkupRegisters& Registers() const { return State; }
    TMarkupRegisters& Registers() { return State; }

private:
    std::vector<std::unique_ptr<TPrintPage>> OwnedPages;
    TMarkupRegisters State;
};

// The text with the thirty Czech accented letters replaced by their plain forms; every other
// character is kept.
QString WithoutDiacritics(QString text);

// The program's own credit at the end of the rotated line along every page's left edge.
QString CreditLineText();

// Maps "Arial CE"/"Arial" to Liberation Sans and "MS Sans Serif" to the UI font. Idempotent; the
// document calls it itself, entry points may call it early.
void InstallPageFonts();
