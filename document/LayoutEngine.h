#pragma once
// One layout run over a document: the interpreter of the mark-up and the layout operations that
// set words, break lines and pages, and record everything through the page canvas.
#include "document/MarkupTokens.h"
#include "document/PageCanvas.h"
#include "document/uDokument.h"

#include <QElapsedTimer>
#include <QHash>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct TMarkupRegisters;

class TLayoutEngine
{
public:
    explicit TLayoutEngine(TDokument& document);
    ~TLayoutEngine();

    // LayOut from the fresh canvas of the current page to the credit line of the last page.
    void Run();
    // The same run in steps: Start opens the canvas and lays the frame out on the first page;
    // Continue lays body lines out until page `pages` is complete or the body has ended, and is
    // true once the last page is complete.
    void Start();
    bool Continue(int pages);
    // From character `start` on (0-based); stops early when a block being measured ends.
    void InterpretLine(const QString& line, int start = 0);

    // Handlers get the line and the index of the last character consumed so far; the few
    // commands that read raw characters after their tag move it on.
    struct TLineCursor
    {
        const QString& Line;
        int Index;
        int Base = 0; // the progress position the line started at
        // Set when a kept block taken whole from its measure ends on a later body line: the
        // layout goes on in that line after Index, from Base.
        const QString* Next = nullptr;
    };
    using THandler = void (*)(TLayoutEngine&, TLineCursor&);

private:
    // Layout (PageLayout.cpp)
    void OpenCanvas();
    void RunFrame();
    void SetWord(const QString& text, bool pageCount = false);
    void DrawSymbol(const QString& symbolText);
    void BreakLine();
    void BreakPage();
    void DrawCredit();
    void InterpretFrom(const QString& line, int start, int base);
    void ReportProgress(bool force);
    void SkipProgress(int tokens);
    TPageFont DocumentFont() const;

    // Interpreter (MarkupInterpreter.cpp)
    void Execute(const TMarkupToken& token, TLineCursor& cursor);
    class TTagTable;
    static const TTagTable& PlainTags();
    static const TTagTable& ArgumentTags();

    // Lines, lists and styles (MarkupText.cpp)
    void TagBr(TLineCursor&) { BreakLine(); }
    void TagNewPage(TLineCursor&) { BreakPage(); }
    void TagTab(TLineCursor&);
    void TagUl(TLineCursor&);
    void TagUlEnd(TLineCursor&);
    void TagLi(TLineCursor&);
    void TagH1(TLineCursor&);
    void TagH1End(TLineCursor&);
    void TagH2(TLineCursor&);
    void TagH2End(TLineCursor&);
    void TagBold(TLineCursor&) { Canvas->Font.Bold = true; }
    void TagBoldEnd(TLineCursor&) { Canvas->Font.Bold = false; }
    void TagItalic(TLineCursor&) { Canvas->Font.Italic = true; }
    void TagItalicEnd(TLineCursor&) { Canvas->Font.Italic = false; }
    void TagUnderline(TLineCursor&) { Canvas->Font.Underline = true; }
    void TagUnderlineEnd(TLineCursor&) { Canvas->Font.Underline = false; }
    void TagSup(TLineCursor&);
    void TagSub(TLineCursor&);
    void TagSupSubEnd(TLineCursor&);
    void TagFontSize(TLineCursor&);
    void TagColor(TLineCursor&);
    void TagPlusMinus(TLineCursor&);
    void EntityLt(TLineCursor&) { SetWord(QStringLiteral("<")); }
    void EntityGt(TLineCursor&) { SetWord(QStringLiteral(">")); }
    void EntityAmp(TLineCursor&) { SetWord(QStringLiteral("&")); }
    void EntityPageNumber(TLineCursor&);
    void EntityPageCount(TLineCursor&) { SetWord(QString::number(Doc.PageCount()), true); }
    void TagParal(TLineCursor&);
    void TagRectFi(TLineCursor&);
    void Symbol(int code) { DrawSymbol(QString(QChar(code))); }

    // Drawing, cursor, marks, space and margins (MarkupDrawing.cpp)
    void TagPen(TLineCursor&);
    void TagLine(TLineCursor&);
    void TagBox(TLineCursor&);
    void TagCircle(TLineCursor&);
    void TagCircleRel(TLineCursor&);
    void TagBoxRel(TLineCursor&);
    void TagMoveRel(TLineCursor&);
    void TagLineRel(TLineCursor&);
    void TagImg(TLineCursor&);
    void TagImgForm(TLineCursor&);
    void TagCurX(TLineCursor&);
    void TagCurY(TLineCursor&);
    void TagCur(TLineCursor&);
    void TagMark(TLineCursor&);
    void TagGoto(TLineCursor&);
    void TagGotoX(TLineCursor&);
    void TagGotoY(TLineCursor&);
    void TagSpaceY(TLineCursor&);
    void TagSpaceX(TLineCursor&);
    void TagLeft(TLineCursor&);
    void TagRight(TLineCursor&);
    void TagTop(TLineCursor&);
    void TagBottom(TLineCursor&);
    QString ReadImageName(TLineCursor& cursor);
    void DrawImage(const QImage& image);

    // Blocks kept on one page (PageKeep.cpp)
    void TagKeep(TLineCursor&);
    void TagKeepEnd(TLineCursor&);
    struct TMeasuredBlock;
    std::optional<int> MeasureBlock(
        const TLineCursor& cursor, long long giveUp, std::unique_ptr<TMeasuredBlock>& taken);
    void TakeMeasured(TMeasuredBlock& block, TLineCursor& cursor);
    int FreshPageTop();

    // Fractions, roots, tables (MarkupMath.cpp)
    void TagFrac(TLineCursor&);
    void TagDenom(TLineCursor&);
    void TagFracEnd(TLineCursor&);
    void TagSqr(TLineCursor&);
    void TagSqrEnd(TLineCursor&);
    void TagTable(TLineCursor&);
    void TagTr(TLineCursor&);
    void TagTd(TLineCursor&);
    void TagTableEnd(TLineCursor&);
    void CheckTableSize(int rows, int columns) const;

    int& X() { return At.X; }
    int& Y() { return At.Y; }
    int Arg(int slot) const;
    int Millimetres(int slot) const;

    // Where the layout stands on the current page; every new page starts from these defaults.
    struct TPagePosition
    {
        TPageMargins Margins;
        int X = 0;
        int Y = 0;
        int Raise = 0; // upward offset of text drawn now (super- and subscripts)
    };

    TDokument& Doc;
    TMarkupRegisters& Reg;
    TPagePosition At;
    TFontMetricsCache Metrics;
    std::unique_ptr<TPageCanvas> Canvas;
    QStringList BodyLines; // the body as the run began
    int NextLine = 0;
    int BodyLine = -1; // the body line being laid out, for measuring a kept block ahead; -1 in the frame
    QElapsedTimer ProgressClock;
    qint64 LastProgressReport = -1;
    int TokensToClockRead = 0;
    bool BreakingPage = false;

    // A block measured ahead: laid out on a scratch picture with no page breaks.
    struct TMeasure
    {
        int Depth = 1; // <keep> opened inside it
        int Need = 0; // the lowest y the block needs on its page
        bool Done = false; // its </keep> has been read
        bool Breaks = false; // it orders a page break itself: it cannot be kept
        bool WouldBreak = false; // laid out for real here, a line or <spacey would break the page
        int Line = -1; // the body line being measured
        int Tokens = 0; // tokens read so far
        // Where its </keep> was read: body line, last character and that line's progress base,
        // and the progress position of the </keep>.
        int EndLine = -1;
        int EndIndex = -1;
        int EndBase = 0;
        int EndProgress = 0;
        std::vector<size_t> PageCountItems; // the &pagecount; texts among the scratch items
    };
    std::optional<TMeasure> Measure;
    int KeepDepth = 0; // <keep> open in the layout
    int FittingDepth = 0; // the depth of the open block known to fit on this page; 0 none
    std::optional<int> BodyTop; // where the body starts on a fresh page, once a page break showed it
    // The &pagecount; texts drawn so far, given the final count at the end of the run.
    std::vector<std::pair<TPrintPage*, size_t>> PageCountItems;
};
