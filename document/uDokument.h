#pragma once
// The document: two lists of mark-up lines (page frame and body) that LayOut typesets into pages,
// each page a recorded picture in page units (0.01 mm; A4 = 21000 x 29700).
//
// One report:  doc.Reset(); doc.AddPage(); doc.Job = ...; doc.AddFrameLine(...); doc.AddLine(...);
//              doc.LayOut();                 // throws TError on a bad mark-up argument
//              doc.CurrentPage->Paint(painter, rect);  or  doc.PrintAll(pdfWriter);
#include "document/ImageProvider.h"
#include "document/MarkupRegisters.h"
#include "document/PagePicture.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <deque>
#include <limits>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class TLayoutEngine;

// Caption of the main window; the credit line on every page starts with it.
inline const char* const TrabikCaption = "Trabík v.2.2";

class TPrintPage
{
public:
    TPagePicture Picture;
    int PageWidth = 21000;
    int PageHeight = 29700;
    int Number = 1;
    QString Title = QStringLiteral("[bez titulku]");
    QString Format = QStringLiteral("A4");

    // The page's picture stretched into target (the preview and the printer use this); for
    // pixelsPerUnit see PaintPicture.
    void Paint(QPainter& painter, const QRectF& target, double pixelsPerUnit = 0) const;
};

// The margins every page starts with, before its frame sets its own (page units).
struct TPageMargins
{
    int Left = 1000;
    int Right = 1000;
    int Top = 1000;
    int Bottom = 1000;
};

// The pages of a document in order; page n is At(n) and has Number n. A page never moves once
// added, so a pointer to it stays valid until Clear.
class TPageList
{
public:
    int Count() const { return static_cast<int>(Pages.size()); }
    bool IsEmpty() const { return Pages.empty(); }
    // 1-based; nullptr when out of range.
    const TPrintPage* At(int number) const;
    TPrintPage* At(int number);
    const TPrintPage* First() const { return At(1); }
    const TPrintPage* Last() const { return At(Count()); }

    TPrintPage& Append();
    void Clear() { Pages.clear(); }

    std::deque<TPrintPage>::const_iterator begin() const { return Pages.begin(); }
    std::deque<TPrintPage>::const_iterator end() const { return Pages.end(); }

private:
    std::deque<TPrintPage> Pages;
};

// What a window learns of a document's life; every call does nothing unless overridden.
class TDocumentObserver
{
public:
    virtual ~TDocumentObserver() = default;
    // Reset has dropped every page, so nothing may point into them any more. Its errors are ignored.
    virtual void DocumentReset() { }
    virtual void LayoutStarted() { }
    // pos of total characters laid out: a few times a second, plus the first and the last position.
    virtual void LayoutProgress(int /*pos*/, int /*total*/) { }
    // The first pages of BeginLayOut are complete; the rest follows with LayOutMore.
    virtual void LayoutPaused() { }
    // completed is false when an error stopped the layout.
    virtual void LayoutFinished(bool /*completed*/) { }
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
    TPrintPage* CurrentPage = nullptr; // the preview moves it between pages
    bool Ready = false;
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

    // Observers are told in the order they were added; each removes itself before it goes.
    void AddObserver(TDocumentObserver* observer);
    void RemoveObserver(TDocumentObserver* observer);

    void Reset();
    void AddPage();
    void AddLine(const QString& text) { Body.append(text); }
    void AddFrameLine(const QString& text) { Frame.append(text); }

    // Typesets Frame and Body starting on CurrentPage. A bad argument stops the run with a TError
    // (the pages so far are kept); so does a frame that itself breaks pages. At the end CurrentPage
    // is the last page.
    void LayOut();
    // The same run in parts: BeginLayOut lays out until page `pages` is complete and leaves the rest
    // pending; LayOutMore goes on until page `pages` is complete or the run has ended. While a run
    // is pending, CurrentPage is the viewer's and stays where it is put; the page being drawn is
    // the last one and not complete. Errors are those of LayOut; they end the run.
    void BeginLayOut(int pages);
    void LayOutMore(int pages);
    void FinishLayOut() { LayOutMore(std::numeric_limits<int>::max()); }
    bool LayoutPending() const { return Pending != nullptr; }
    int CompletePages() const { return LayoutPending() ? PageCount() - 1 : PageCount(); }
    void StripDiacritics();

    // One sheet per page at its true 210 x 297 mm on a PDF writer or a printer. Throws TError
    // when the device cannot be painted on, and PrintAll also while a layout is pending.
    // hairlineDpi: pens thinner than one dot at this resolution are hairlines (0: the device's).
    void PrintAll(QPagedPaintDevice& device, int hairlineDpi = 0) const;
    void PrintCurrentPage(QPagedPaintDevice& device) const;

    const TPageList& Pages() const { return PageList; }
    int PageCount() const { return PageList.Count(); }
    // Page by number (1-based), nullptr when out of range.
    TPrintPage* Page(int number) { return PageList.At(number); }
    const TPrintPage* Page(int number) const { return PageList.At(number); }
    const TMarkupRegisters& Registers() const { return State; }
    TMarkupRegisters& Registers() { return State; }

private:
    friend class TLayoutEngine; // reports the layout's progress
    void ReportProgress(int pos, int total);
    bool Observed() const { return !Observers.empty(); }
    void StartRun();
    bool ContinueRun(int pages, bool keepShownPage);
    void EndRun(bool completed);

    TPageList PageList;
    std::vector<TDocumentObserver*> Observers;
    TMarkupRegisters State;
    std::unique_ptr<TLayoutEngine> Pending; // a run laid out in part; it draws on the last page
};

// The text with the thirty Czech accented letters replaced by their plain forms; every other
// character is kept.
QString WithoutDiacritics(QString text);

// The program's own credit at the end of the rotated line along every page's left edge.
QString CreditLineText();

// Maps "Arial CE"/"Arial" to Liberation Sans and "MS Sans Serif" to the UI font. Idempotent; the
// document calls it itself, entry points may call it early.
void InstallPageFonts();
