// Line, list and style commands, and the special characters.
#include "document/LayoutEngine.h"
#include "document/MarkupRegisters.h"
#include "document/PageFonts.h"
#include "document/uDokument.h"

namespace {

int floorDiv(int a, int b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

void TLayoutEngine::TagTab(TLineCursor&)
{
    // Tab stops every 20 mm from the sheet's left edge; always strictly to the right.
    X() = ClampCoord((static_cast<long long>(floorDiv(X(), 2000)) + 1) * 2000);
}

void TLayoutEngine::TagUl(TLineCursor&)
{
    At.Margins.Left = ClampCoord(static_cast<long long>(At.Margins.Left) + 250);
    BreakLine();
}

void TLayoutEngine::TagUlEnd(TLineCursor&)
{
    At.Margins.Left = ClampCoord(static_cast<long long>(At.Margins.Left) - 250);
    BreakLine();
}

void TLayoutEngine::TagLi(TLineCursor&)
{
    BreakLine();
    SetWord(QStringLiteral("-"));
}

void TLayoutEngine::TagH1(TLineCursor&)
{
    Canvas->Font.Bold = true;
    Canvas->SetSize(RoundEven(Canvas->Size() * 1.5));
}

void TLayoutEngine::TagH1End(TLineCursor&)
{
    BreakLine();
    Canvas->Font.Bold = false;
    Canvas->SetSize(RoundEven(Canvas->Size() / 1.5));
}

void TLayoutEngine::TagH2(TLineCursor&)
{
    Canvas->SetSize(RoundEven(Canvas->Size() * 1.25));
}

void TLayoutEngine::TagH2End(TLineCursor&)
{
    BreakLine();
    Canvas->SetSize(RoundEven(Canvas->Size() * 0.8));
}

void TLayoutEngine::TagSup(TLineCursor&)
{
    At.Raise = Canvas->XHeight() / 3;
    Canvas->SetSize(RoundEven(Canvas->Size() * 0.8));
    Reg.LineTop = Y() - Canvas->XHeight();
}

void TLayoutEngine::TagSub(TLineCursor&)
{
    At.Raise = -(Canvas->XHeight() / 3);
    Canvas->SetSize(RoundEven(Canvas->Size() * 0.8));
}

void TLayoutEngine::TagSupSubEnd(TLineCursor&)
{
    At.Raise = 0;
    Canvas->SetSize(RoundEven(Canvas->Size() * 1.25));
}

void TLayoutEngine::TagFontSize(TLineCursor&)
{
    Canvas->SetSize(static_cast<int>(qBound<long long>(
        static_cast<long long>(MinCanvasFontSize), 27LL * Arg(1), static_cast<long long>(MaxCanvasFontSize))));
}

void TLayoutEngine::TagColor(TLineCursor&)
{
    // Colour numbers outside the table are ignored, like mark numbers.
    const int n = Arg(1);
    if (n >= 0 && n < TMarkupRegisters::ColorCount)
        Canvas->Font.Color = Reg.Colors[n];
}

void TLayoutEngine::TagPlusMinus(TLineCursor&)
{
    SetWord(QString(QChar(0xB1)));
}

void TLayoutEngine::EntityPageNumber(TLineCursor&)
{
    SetWord(QString::number(Doc.CurrentPage->Number));
}

void TLayoutEngine::TagParal(TLineCursor&)
{
    Symbol('/');
    X() -= Canvas->TextWidth(QStringLiteral("/")) / 3;
    Symbol('/');
}

void TLayoutEngine::TagRectFi(TLineCursor&)
{
    const int h = Canvas->XHeight();
    const int w = Canvas->XWidth();
    Canvas->Rectangle(X(), Y() + RoundEven(0.4 * h), X() + w, Y() + RoundEven(0.75 * h));
    X() += RoundEven(0.2 * w);
    Symbol('/');
    X() += RoundEven(0.8 * w);
}
