#include "document/uDokument.h"
#include "document/LayoutEngine.h"
#include "model/TError.h"

#include <QPainter>
#include <algorithm>

void TPrintPage::Paint(QPainter& painter, const QRectF& target, double pixelsPerUnit) const
{
    PaintPicture(painter, Picture, target, pixelsPerUnit);
}

QString CreditLineText()
{
    return QStringLiteral(" – statika prostého trabíku");
}

TDokument::TDokument()
{
    InstallPageFonts();
    Font = QFont(QStringLiteral("Arial CE"));
    Font.setPointSize(10);
}

TDokument::~TDokument() = default;

const TPrintPage* TPageList::At(int number) const
{
    if (number < 1 || number > Count())
        return nullptr;
    return &Pages[static_cast<size_t>(number) - 1];
}

TPrintPage* TPageList::At(int number)
{
    return const_cast<TPrintPage*>(static_cast<const TPageList&>(*this).At(number));
}

TPrintPage& TPageList::Append()
{
    TPrintPage& page = Pages.emplace_back();
    page.Number = Count();
    return page;
}

void TDokument::AddObserver(TDocumentObserver* observer)
{
    if (observer && std::find(Observers.begin(), Observers.end(), observer) == Observers.end())
        Observers.push_back(observer);
}

void TDokument::RemoveObserver(TDocumentObserver* observer)
{
    Observers.erase(std::remove(Observers.begin(), Observers.end(), observer), Observers.end());
}

// Observers are called over a copy of the list: one may remove itself when told.
void TDokument::ReportProgress(int pos, int total)
{
    for (TDocumentObserver* o : std::vector(Observers))
        o->LayoutProgress(pos, total);
}

void TDokument::Reset()
{
    // No page pointer may dangle while the preview closes (it may still repaint).
    Pending.reset();
    CurrentPage = nullptr;
    PageList.Clear();
    for (TDocumentObserver* o : std::vector(Observers)) {
        try {
            o->DocumentReset();
        } catch (...) {
            // Closing the preview never fails a reset.
        }
    }
    Ready = true;
    Frame.clear();
    Body.clear();
}

namespace {

// The preview's caption names the task the page belongs to.
void TitlePage(TPrintPage& page, const QString& taskTitle)
{
    if (!taskTitle.isEmpty())
        page.Title = taskTitle;
}

} // namespace

void TDokument::AddPage()
{
    State.ClearMarks();
    CurrentPage = &PageList.Append();
    TitlePage(*CurrentPage, TaskTitle);
}

void TDokument::LayOut()
{
    StartRun();
    ContinueRun(std::numeric_limits<int>::max(), false);
}

void TDokument::BeginLayOut(int pages)
{
    StartRun();
    if (!ContinueRun(pages, true)) {
        for (TDocumentObserver* o : std::vector(Observers))
            o->LayoutPaused();
    }
}

void TDokument::LayOutMore(int pages)
{
    if (Pending && CompletePages() < pages)
        ContinueRun(pages, true);
}

void TDokument::StartRun()
{
    Pending.reset();
    InstallPageFonts();
    // Laying out needs a page to start on; a caller that forgot AddPage gets one.
    if (!CurrentPage)
        AddPage();
    TitlePage(*CurrentPage, TaskTitle); // the title was copied after the first page was added
    for (TDocumentObserver* o : std::vector(Observers))
        o->LayoutStarted();
    if (NoDiacritics)
        StripDiacritics();
    Pending = std::make_unique<TLayoutEngine>(*this);
    try {
        Pending->Start();
    } catch (...) {
        EndRun(false);
        throw;
    }
}

// The engine draws on CurrentPage: while the run goes on in parts, the viewer's page is put back.
bool TDokument::ContinueRun(int pages, bool keepShownPage)
{
    TPrintPage* shown = CurrentPage;
    CurrentPage = PageList.At(PageList.Count());
    bool done = false;
    try {
        done = Pending->Continue(pages);
    } catch (...) {
        if (keepShownPage && shown)
            CurrentPage = shown;
        EndRun(false);
        throw;
    }
    if (keepShownPage && shown)
        CurrentPage = shown;
    if (done)
        EndRun(true);
    return done;
}

void TDokument::EndRun(bool completed)
{
    Pending.reset();
    InFrame = false;
    for (TDocumentObserver* o : std::vector(Observers))
        o->LayoutFinished(completed);
}
