// Layout: the run over frame and body, setting words, symbols, line and page breaks.
#include "document/LayoutEngine.h"
#include "document/PageFonts.h"
#include "document/uDokument.h"
#include "model/TError.h"

#include <algorithm>
#include <climits>

TLayoutEngine::TLayoutEngine(TDokument& document)
    : Doc(document)
    , Reg(document.Registers())
{
}

TLayoutEngine::~TLayoutEngine() = default;

int TLayoutEngine::Arg(int slot) const
{
    return Reg.Args[slot];
}

int TLayoutEngine::Millimetres(int slot) const
{
    return ClampCoord(static_cast<long long>(Reg.Args[slot]) * 100);
}

TPageFont TLayoutEngine::DocumentFont() const
{
    return DocumentPageFont(Doc.Font, Doc.FontColor);
}

void TLayoutEngine::OpenCanvas()
{
    Canvas = std::make_unique<TPageCanvas>(Doc.CurrentPage->Picture, Metrics, DocumentFont());
}

namespace {

int textLength(const QStringList& lines)
{
    long long n = 0;
    for (const QString& line : lines)
        n += line.size() + 2;
    return static_cast<int>(qMin<long long>(n, std::numeric_limits<int>::max()));
}

} // namespace

void TLayoutEngine::Run()
{
    Start();
    Continue(std::numeric_limits<int>::max());
}

void TLayoutEngine::Start()
{
    OpenCanvas();
    Doc.ProgressPos = 0;
    const long long total = static_cast<long long>(textLength(Doc.Frame)) + textLength(Doc.Body);
    Doc.ProgressTotal = static_cast<int>(qMin<long long>(total, std::numeric_limits<int>::max()));
    ProgressClock.start();
    ReportProgress(true);
    RunFrame();
    BodyLines = Doc.Body;
    NextLine = 0;
}

// Page k is complete once page k + 1 has been begun; the run stops between body lines.
bool TLayoutEngine::Continue(int pages)
{
    if (!Canvas)
        return true;
    while (NextLine < BodyLines.size()) {
        if (Doc.PageCount() > pages)
            return false;
        BodyLine = NextLine++;
        InterpretLine(BodyLines[BodyLine]);
    }
    BodyLine = -1;
    DrawCredit();
    Canvas.reset();
    // "n/N": the count is known only now; the texts keep the width they were set with.
    const QString count = QString::number(Doc.PageCount());
    for (const auto& [page, index] : PageCountItems)
        std::get<TTextItem>(page->Picture.Items[index]).Text = count;
    ReportProgress(true);
    return true;
}

void TLayoutEngine::RunFrame()
{
    Doc.InFrame = true;
    const QStringList frame = Doc.Frame;
    for (const QString& line : frame)
        InterpretLine(line);
    Doc.InFrame = false;
}

void TLayoutEngine::InterpretLine(const QString& line, int start)
{
    InterpretFrom(line, start, Doc.ProgressPos);
}

// The progress position of a token is the line's base plus the token's index plus one, so a line
// adds the index of its last token plus one.
void TLayoutEngine::InterpretFrom(const QString& text, int start, int base)
{
    const QString* line = &text;
    int i = start;
    while (i < line->size() && !(Measure && Measure->Done)) {
        Doc.ProgressPos = static_cast<int>(qMin<long long>(static_cast<long long>(base) + i + 1, INT_MAX));
        ReportProgress(false);
        if (Measure)
            ++Measure->Tokens;
        const TMarkupToken token = ReadToken(*line, i);
        TLineCursor cursor { *line, token.End, base };
        Execute(token, cursor);
        if (cursor.Next) { // a kept block ended on a later line
            line = cursor.Next;
            base = cursor.Base;
        }
        i = cursor.Index + 1;
    }
}

void TLayoutEngine::ReportProgress(bool force)
{
    if (!Doc.Observed() || Measure)
        return;
    // A repaint per token would make a long run crawl: report a few times a second, and read the
    // clock only every so many tokens.
    if (!force && --TokensToClockRead > 0)
        return;
    TokensToClockRead = 256;
    const qint64 now = ProgressClock.elapsed();
    if (!force && LastProgressReport >= 0 && now - LastProgressReport < 40)
        return;
    LastProgressReport = now;
    Doc.ReportProgress(Doc.ProgressPos, Doc.ProgressTotal);
}

// What ReportProgress(false) once per token would have done over `tokens` tokens that were laid out
// all at once: the clock is read (once, at the position reached) if it was due among them, and
// the count to the next reading goes on as if they had been read one by one.
void TLayoutEngine::SkipProgress(int tokens)
{
    if (!Doc.Observed() || tokens <= 0)
        return;
    const int due = std::max(TokensToClockRead, 1); // the token whose report reads the clock
    if (tokens < due) {
        TokensToClockRead -= tokens;
        return;
    }
    const int afterReading = (tokens - due) % 256;
    TokensToClockRead = 1;
    ReportProgress(false);
    TokensToClockRead = 256 - afterReading;
}

void TLayoutEngine::SetWord(const QString& text, bool pageCount)
{
    // The margin is read anew after every break: a break starts a page with its own margins.
    auto right = [this] { return Doc.CurrentPage->PageWidth - At.Margins.Right; };
    const int width = Canvas->TextWidth(text);
    if (static_cast<long long>(X()) + width > right())
        BreakLine();
    Canvas->TextOut(X(), Y() - At.Raise, text);
    if (pageCount && Measure)
        Measure->PageCountItems.push_back(Canvas->Target().Items.size() - 1);
    else if (pageCount)
        PageCountItems.emplace_back(Doc.CurrentPage, Doc.CurrentPage->Picture.Items.size() - 1);
    X() = ClampCoord(static_cast<long long>(X()) + width);
    if (X() >= right())
        BreakLine();
}

void TLayoutEngine::DrawSymbol(const QString& symbolText)
{
    // The Symbol face is not installed anywhere we run: its codes are drawn as Unicode glyphs in
    // the text font, which keeps size, style and colour as the face switch would.
    const QString glyphs = SymbolToUnicode(symbolText);
    Canvas->TextOut(X(), Y() - At.Raise, glyphs);
    X() = ClampCoord(static_cast<long long>(X()) + Canvas->TextWidth(glyphs));
    if (X() >= Doc.CurrentPage->PageWidth - At.Margins.Right)
        BreakLine();
}

void TLayoutEngine::BreakLine()
{
    X() = At.Margins.Left;
    Y() = ClampCoord(static_cast<long long>(Y()) + RoundEven(1.5 * Canvas->XHeight()));
    if (Y() >= Doc.CurrentPage->PageHeight - At.Margins.Bottom && !Doc.InFrame) {
        if (Measure) // a block measured ahead runs on as if the page had no end
            Measure->WouldBreak = true;
        else
            BreakPage();
    }
}

void TLayoutEngine::BreakPage()
{
    if (Measure) { // <newpage> in a block: it is not kept together
        Measure->Breaks = Measure->Done = true;
        return;
    }
    // The frame runs again on every new page; a frame that breaks pages itself would never end.
    if (Doc.InFrame)
        throw TError(QStringLiteral("Rámec stránky nesmí zalamovat stránku (<newpage>, <spacey>): sazba "
                                    "byla zastavena na straně %1.")
                         .arg(Doc.CurrentPage->Number));
    // The line break after the frame breaking the page again means the frame leaves the cursor
    // below the bottom margin: every further page would do the same.
    if (BreakingPage)
        throw TError(QStringLiteral("Rámec stránky končí pod dolním okrajem: sazba byla zastavena na straně %1.")
                         .arg(Doc.CurrentPage->Number));
    DrawCredit();
    Canvas.reset();
    Doc.AddPage();
    At = TPagePosition(); // a new page starts with the default margins, the cursor at its corner
    OpenCanvas();
    Y() = At.Margins.Top;
    X() = At.Margins.Left;
    RunFrame();
    BreakingPage = true;
    BreakLine();
    BreakingPage = false;
    BodyTop = Y();
}

void TLayoutEngine::DrawCredit()
{
    TPageFont font;
    font.Face = Canvas->Font.Face;
    font.Size = 100;
    font.PixelSize = 133; // 100 points at the canvas's 96 dpi
    font.Color = Canvas->Font.Color;
    QString text = QStringLiteral("PROGRAM ") + QString::fromUtf8(TrabikCaption) + CreditLineText();
    if (Doc.NoDiacritics) // the whole sheet is then free of accents, the credit included
        text = WithoutDiacritics(text);
    // 5 mm inside the sheet's left and bottom edges, where every printer still prints.
    const int inset = 500;
    Canvas->RotatedTextOut(inset, Doc.CurrentPage->PageHeight - inset, text, font);
}
