// Drawing commands (millimetres), images, cursor and marks, space and margin commands.
#include "document/LayoutEngine.h"
#include "document/MarkupRegisters.h"
#include "document/PageFonts.h"
#include "document/uDokument.h"

#include <algorithm>

namespace {

int offset(int base, int delta)
{
    return ClampCoord(static_cast<long long>(base) + delta);
}

bool validMark(int n)
{
    return n >= 0 && n < TMarkupRegisters::MarkCount;
}

} // namespace

void TLayoutEngine::TagPen(TLineCursor&)
{
    // Up to 1 cm; zero and negative widths draw hairlines.
    Canvas->Pen.Width = qBound(1, Arg(1), 1000);
}

void TLayoutEngine::TagLine(TLineCursor&)
{
    Canvas->MoveTo(Millimetres(1), Millimetres(2));
    Canvas->LineTo(Millimetres(3), Millimetres(4));
}

void TLayoutEngine::TagBox(TLineCursor&)
{
    Canvas->Rectangle(Millimetres(1), Millimetres(2), Millimetres(3), Millimetres(4));
}

void TLayoutEngine::TagCircle(TLineCursor&)
{
    const int cx = Millimetres(1), cy = Millimetres(2), r = Millimetres(3);
    Canvas->Ellipse(offset(cx, -r), offset(cy, -r), offset(cx, r), offset(cy, r));
}

void TLayoutEngine::TagCircleRel(TLineCursor&)
{
    const int r = Millimetres(1);
    Canvas->Ellipse(offset(X(), -r), offset(Y(), -r), offset(X(), r), offset(Y(), r));
}

void TLayoutEngine::TagBoxRel(TLineCursor&)
{
    Canvas->Rectangle(X(), Y(), offset(X(), Millimetres(1)), offset(Y(), Millimetres(2)));
}

void TLayoutEngine::TagMoveRel(TLineCursor&)
{
    X() = offset(X(), Millimetres(1));
    Y() = offset(Y(), Millimetres(2));
    Canvas->MoveTo(X(), Y());
}

void TLayoutEngine::TagLineRel(TLineCursor&)
{
    X() = offset(X(), Millimetres(1));
    Y() = offset(Y(), Millimetres(2));
    Canvas->LineTo(X(), Y());
}

QString TLayoutEngine::ReadImageName(TLineCursor& cursor)
{
    // The name runs to the next '<'; then everything up to the next '>' is skipped, which
    // swallows the closing "</img>".
    const QString& line = cursor.Line;
    const int start = cursor.Index + 1;
    int lt = line.indexOf(QLatin1Char('<'), start);
    if (lt < 0)
        lt = line.size();
    const QString name = line.mid(start, lt - start);
    const int gt = line.indexOf(QLatin1Char('>'), lt);
    cursor.Index = gt < 0 ? line.size() - 1 : gt;
    return name;
}

void TLayoutEngine::DrawImage(const QImage& image)
{
    const QPoint from(X(), Y());
    const QPoint to(offset(X(), Millimetres(1)), offset(Y(), Millimetres(2)));
    Canvas->StretchDraw(QRect(from, QSize(to.x() - from.x(), to.y() - from.y())), image);
}

void TLayoutEngine::TagImg(TLineCursor& cursor)
{
    DrawImage(Doc.Images.FileImage(ReadImageName(cursor)));
}

void TLayoutEngine::TagImgForm(TLineCursor& cursor)
{
    DrawImage(Doc.Images.NamedImage(ReadImageName(cursor)));
}

void TLayoutEngine::TagCurX(TLineCursor&)
{
    X() = offset(At.Margins.Left, Millimetres(1));
}

void TLayoutEngine::TagCurY(TLineCursor&)
{
    Y() = offset(At.Margins.Top, Millimetres(1));
}

void TLayoutEngine::TagCur(TLineCursor&)
{
    X() = offset(At.Margins.Left, Millimetres(1));
    Y() = offset(At.Margins.Top, Millimetres(2));
}

// Mark numbers outside 0 to 5 are ignored, like colour numbers.
void TLayoutEngine::TagMark(TLineCursor&)
{
    if (!validMark(Arg(1)))
        return;
    Reg.MarkX[Arg(1)] = X();
    Reg.MarkY[Arg(1)] = Y();
}

void TLayoutEngine::TagGoto(TLineCursor&)
{
    if (!validMark(Arg(1)))
        return;
    X() = Reg.MarkX[Arg(1)];
    Y() = Reg.MarkY[Arg(1)];
}

void TLayoutEngine::TagGotoX(TLineCursor&)
{
    if (validMark(Arg(1)))
        X() = Reg.MarkX[Arg(1)];
}

void TLayoutEngine::TagGotoY(TLineCursor&)
{
    if (validMark(Arg(1)))
        Y() = Reg.MarkY[Arg(1)];
}

void TLayoutEngine::TagSpaceY(TLineCursor&)
{
    const TPrintPage& page = *Doc.CurrentPage;
    const bool roomShort = static_cast<long long>(page.PageHeight) - At.Margins.Bottom - Y() < Millimetres(1);
    if (Measure) { // measured ahead: the block needs this much room below the cursor
        Measure->Need = std::max(Measure->Need, ClampCoord(static_cast<long long>(Y()) + Millimetres(1)));
        Measure->WouldBreak = Measure->WouldBreak || roomShort;
    } else if (roomShort) {
        BreakPage();
    }
}

void TLayoutEngine::TagSpaceX(TLineCursor&)
{
    const TPrintPage& page = *Doc.CurrentPage;
    if (static_cast<long long>(page.PageWidth) - At.Margins.Right - X() < Millimetres(1))
        BreakLine();
}

void TLayoutEngine::TagLeft(TLineCursor&)
{
    At.Margins.Left = Millimetres(1);
}
void TLayoutEngine::TagRight(TLineCursor&)
{
    At.Margins.Right = Millimetres(1);
}
void TLayoutEngine::TagTop(TLineCursor&)
{
    At.Margins.Top = Millimetres(1);
}
void TLayoutEngine::TagBottom(TLineCursor&)
{
    At.Margins.Bottom = Millimetres(1);
}
