// <keep> ... </keep>: a block that is set on one page when it fits on one. The layout has no
// look-ahead of its own, so at <keep> the block is laid out once on a scratch picture, without page
// breaks, to find how low it reaches; when that is below the bottom margin but the block would fit
// on a fresh page, the page is broken before it. A block taller than a page is set as it comes, and
// the blocks inside it are then kept by the same rule. A block that fits where it stands is not laid
// out a second time: its scratch items and the state after it are taken over (TakeMeasured).
#include "document/LayoutEngine.h"
#include "document/MarkupRegisters.h"
#include "document/PageFonts.h"
#include "document/uDokument.h"
#include "model/TError.h"

#include <algorithm>

namespace {

// The lowest y the items of a scratch picture from index `from` on need on a page, and at least
// `need`. A text line needs only its top above the bottom margin (as the line breaks go); drawings
// need their whole height.
int LowestNeed(const TPagePicture& picture, size_t from, int need)
{
    const auto lower = [&need](int y) { need = std::max(need, y); };
    for (size_t i = from; i < picture.Items.size(); ++i) {
        const TPageItem& item = picture.Items[i];
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

// A measured block that the real run would lay out exactly as the measure did: what it drew and
// the layout's state after its </keep>.
struct TLayoutEngine::TMeasuredBlock
{
    TPagePicture Picture;
    TPagePosition At;
    TMarkupRegisters Registers;
    TPageFont Font;
    TPagePen Pen;
    QPoint PenPos;
    TMeasure End;
};

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
    const int bottom = Doc.CurrentPage->PageHeight - At.Margins.Bottom;
    const int top = FreshPageTop();
    // A block that needs more than this fits neither here nor on a fresh page: it is set as it
    // comes. (Breaking at the top of a page would only repeat the same page.)
    const long long giveUp = Y() <= top ? bottom : static_cast<long long>(bottom) - top + Y();
    std::unique_ptr<TMeasuredBlock> measured;
    const std::optional<int> need = MeasureBlock(cursor, giveUp, measured);
    if (!need || *need > giveUp)
        return;
    if (*need > bottom) {
        BreakPage();
    } else if (measured) {
        TakeMeasured(*measured, cursor);
        return;
    }
    FittingDepth = KeepDepth;
}

void TLayoutEngine::TagKeepEnd(TLineCursor& cursor)
{
    if (Measure) {
        if (--Measure->Depth == 0) {
            Measure->Done = true;
            Measure->EndLine = Measure->Line;
            Measure->EndIndex = cursor.Index;
            Measure->EndBase = cursor.Base;
            Measure->EndProgress = Doc.ProgressPos;
        }
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
// layout with an error (the real run then stops at the same place). Once the block needs more than
// giveUp the rest is not measured: the answer could only grow. Leaves the layout as it was.
//
// The measure runs the same commands on the same state as the real run would, and differs from it
// only where the real run breaks a page. So when it reads the block's </keep> with no page break
// due on the way, `taken` gets its items and the state after it: laying the block out again would
// give the same.
std::optional<int> TLayoutEngine::MeasureBlock(
    const TLineCursor& cursor, long long giveUp, std::unique_ptr<TMeasuredBlock>& taken)
{
    const TPagePosition at = At;
    TMarkupRegisters registers = Reg;
    const int progress = Doc.ProgressPos;
    std::unique_ptr<TPageCanvas> canvas = std::move(Canvas);
    TPagePicture scratch;
    Canvas = std::make_unique<TPageCanvas>(scratch, Metrics, canvas->Font);
    Canvas->Pen = canvas->Pen;
    Canvas->PenPos = canvas->PenPos;
    Measure = TMeasure();
    Measure->Need = Y();
    Measure->Line = BodyLine;
    const auto restore = [&] {
        Measure.reset();
        Canvas = std::move(canvas);
        At = at;
        Reg = std::move(registers);
        Doc.ProgressPos = progress;
    };
    std::optional<int> need;
    try {
        InterpretFrom(cursor.Line, cursor.Index + 1, cursor.Base);
        size_t scanned = 0;
        int lowest = Measure->Need;
        const auto tooTall = [&] {
            lowest = LowestNeed(scratch, scanned, std::max(lowest, Measure->Need));
            scanned = scratch.Items.size();
            return lowest > giveUp;
        };
        bool stopped = false;
        for (int line = BodyLine + 1; BodyLine >= 0 && !Measure->Done && line < BodyLines.size(); ++line) {
            if ((stopped = tooTall()))
                break;
            Measure->Line = line;
            InterpretLine(BodyLines.at(line));
        }
        if (stopped)
            need = lowest;
        else if (!Measure->Breaks)
            need = LowestNeed(scratch, scanned, std::max(lowest, Measure->Need));
        if (need && Measure->Done && !Measure->Breaks && !Measure->WouldBreak) {
            taken = std::make_unique<TMeasuredBlock>();
            taken->At = At;
            taken->Registers = std::move(Reg);
            taken->Font = Canvas->Font;
            taken->Pen = Canvas->Pen;
            taken->PenPos = Canvas->PenPos;
            taken->End = std::move(*Measure);
        }
    } catch (const TError&) {
        need.reset(); // the real run stops at the same place with the same message
    } catch (...) {
        restore();
        throw;
    }
    restore(); // the scratch canvas goes: the picture can be taken
    if (taken)
        taken->Picture = std::move(scratch);
    return need;
}

// The real run of a block that fits where it stands, from the measure: its items, the state after
// its </keep> and the progress, and the layout goes on after the </keep>.
void TLayoutEngine::TakeMeasured(TMeasuredBlock& block, TLineCursor& cursor)
{
    std::vector<TPageItem>& items = Canvas->Target().Items;
    const size_t first = items.size();
    items.insert(items.end(), std::make_move_iterator(block.Picture.Items.begin()),
        std::make_move_iterator(block.Picture.Items.end()));
    for (const size_t index : block.End.PageCountItems)
        PageCountItems.emplace_back(Doc.CurrentPage, first + index);
    At = block.At;
    Reg = std::move(block.Registers);
    Canvas->Font = block.Font;
    Canvas->Pen = block.Pen;
    Canvas->PenPos = block.PenPos;
    --KeepDepth; // its </keep> has been read
    if (block.End.EndLine != BodyLine) {
        BodyLine = block.End.EndLine;
        NextLine = BodyLine + 1;
        cursor.Next = &BodyLines.at(BodyLine);
    }
    cursor.Index = block.End.EndIndex;
    cursor.Base = block.End.EndBase;
    Doc.ProgressPos = block.End.EndProgress;
    SkipProgress(block.End.Tokens);
}
