#include "document/uDokument.h"
#include "document/LayoutEngine.h"
#include "model/TError.h"

#include <QPainter>

void TPrintPage::Paint(QPainter& painter, const QRectF& target) const
{
    PaintPicture(painter, Picture, target);
}

QString CreditLineText()
{
    return QStringLiteral(" – statika prostého nosníku");
}

TDokument::TDokument()
{
    InstallPageFonts();
    Font = QFont(QStringLiteral("Arial CE"));
    Font.setPointSize(10);
}

TDokument::~TDokument() = default;

void TDokument::Reset()
{
    // No page pointer may dangle while the preview closes (it may still repaint).
    FirstPage = LastPage = CurrentPage = nullptr;
    PageCount = 0;
    OwnedPages.clear();
    if (ClosePreviewHook) {
        try {
            ClosePreviewHook();
        } catch (...) {
            // Closing the preview never fails a reset.
        }
    }
    Ready = true;
    Frame.clear();
    Body.clear();
    if (ResetFontHook)
        Font = ResetFontHook();
}

void TDokument::AddPage()
{
    auto page = std::make_unique<TPrintPage>();
    page->Number = PageCount + 1;
    page->Prev = LastPage;
    State.ClearMarks();
    ++PageCount;
    if (LastPage)
        LastPage->Next = page.get();
    else
        FirstPage = page.get();
    LastPage = CurrentPage = page.get();
    OwnedPages.push_back(std::move(page));
}

TPrintPage* TDokument::Page(int number) const
{
    if (number < 1 || number > static_cast<int>(OwnedPages.size()))
        return nullptr;
    return OwnedPages[number - 1].get();
}

void TDokument::LayOut()
{
    InstallPageFonts();
    // Laying out needs a page to start on; a caller that forgot AddPage gets one.
    if (!CurrentPage)
        AddPage();
    if (LayoutStartedHook)
        LayoutStartedHook();
    if (NoDiacritics)
        StripDiacritics();
    TLayoutEngine engine(*this);
    try {
        engine.Run();
    } catch (...) {
        InFrame = false;
        if (LayoutFinishedHook)
            LayoutFinishedHook(false);
        throw;
    }
    if (LayoutFinishedHook)
        LayoutFinishedHook(true);
}
