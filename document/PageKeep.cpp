// <keep> ... </keep>: a block that is set on one page when it fits on one. The layout has no
// look-ahead of its own, so at <keep> the block is laid out once on a scratch picture, without page
// breaks, to find how low it reaches; when that is below the bottom margin but the block would fit
// on a fresh page, the page is broken before it. A block taller than a page is set as it comes, and
// the blocks inside it are then kept by the same rule.
#include "document/LayoutEngine.h"
#include "document/MarkupRegisters.h"
#include "document/PageFonts.h"
#include "document/uDokument.h"
#include "model/TError.h"

#include <algorithm>

namespace {

// The lowest y the items of a scratch picture need on a page. A text line needs only its top above
// the bottom margin (as the line breaks go); drawings need their whole height.
int LowestNeed(const TPagePicture& picture, int need)
{
    const auto lower = [&need](int y) { need = std::max(need, y); };
    for (const TPageItem& item : picture.Items) {
        if (const auto* text = std::get_if<TTextItem>(&item))
            lower(text->Pos.y() + 1);
        else if (const auto* line = std::get_if<TLineItem>(&item))
            lower(std::max(line->From.y(), line->To.y()));
        else if (const auto* rect = std::get_if<TRectItem>(&item))
            lower(std::max(rect->Corner1.y(), rect->Corner2.y()));
        else if (const auto* ellipse = std::get_if<TEllipseItem>(&item))
            lower(std::max(ellipse->Corner1.y(), ellipse->Corner2.y()));
        else if (const auto* bitmap = std::get_if<TBitmapItem>(&item))
            lower(std::max(bitmap->Target.top(), bitmap->Target.bottom() + 1));
    }
    return need;
}

} // namespace

void TLayoutEngine::TagKeep(TLineCursor& cursor)
{
    if (Measure) {
        ++Measure->Depth;
        return;
    }
    if (Doc.InFrame)
        return;
    ++KeepDepth;
    if (FittingDepth != 0)
        return; // inside a block already known to fit here
    const std::optional<int> need = MeasureBlock(cursor);
    if (!need)
        return;
    const int bottom = Doc.CurrentPage->PageHeight - At.Margins.Bottom;
    if (*need > bottom) {
        const int top = FreshPageTop();
        // Breaking at the top of a page would only repeat the same page.
        if (Y() <= top || static_cast<long long>(top) + (*need - Y()) > bottom)
            return;
        BreakPage();
    }
    FittingDepth = KeepDepth;
}

void TLayoutEngine::TagKeepEnd(TLineCursor&)
{
    if (Measure) {
        if (--Measure->Depth == 0)
            Measure->Done = true;
        return;
    }
    if (Doc.InFrame || KeepDepth == 0)
        return; // a </keep> without its <keep>
    if (FittingDepth == KeepDepth)
        FittingDepth = 0;
    --KeepDepth;
}

int TLayoutEngine::FreshPageTop()
{
    if (BodyTop)
        return *BodyTop;
    // Before the first page break: the frame's top margin and one line, as BreakPage leaves it.
    TPagePicture scratch;
    TPageCanvas canvas(scratch, Metrics, DocumentFont());
    return At.Margins.Top + RoundEven(1.5 * canvas.XHeight());
}

// The lowest y the block from the cursor to its </keep> (or to the end of the body) reaches when it
// is laid out from here without page breaks; none when it orders a page break itself or stops the
// layout with an error (the real run then stops at the same place). Leaves the layout as it was.
std::optional<int> TLayoutEngine::MeasureBlock(const TLineCursor& cursor)
{
    const TPagePosition at = At;
    const TMarkupRegisters registers = Reg;
    const int progress = Doc.ProgressPos;
    std::unique_ptr<TPageCanvas> canvas = std::move(Canvas);
    TPagePicture scratch;
    Canvas = std::make_unique<TPageCanvas>(scratch, Metrics, canvas->Font);
    Canvas->Pen = canvas->Pen;
    Canvas->PenPos = canvas->PenPos;
    Measure = TMeasure();
    Measure->Need = Y();
    const auto restore = [&] {
        Measure.reset();
        Canvas = std::move(canvas);
        At = at;
        Reg = registers;
        Doc.ProgressPos = progress;
    };
    std::optional<int> need;
    try {
        InterpretLine(cursor.Line, cursor.Index + 1);
        for (int line = BodyLine + 1; BodyLine >= 0 && !Measure->Done && line < BodyLines.size(); ++line)
            InterpretLine(BodyLines.at(line));
        if (!Measure->Breaks)
            need = LowestNeed(scratch, Measure->Need);
    } catch (const TError&) {
        need.reset(); // the real run stops at the same place with the same message
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return need;
}
