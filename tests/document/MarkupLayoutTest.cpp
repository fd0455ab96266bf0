// Mark-up commands, checked on the primitives they record. The frame puts the cursor at (2000, 2000).
#include "DocumentTestUtil.h"
#include "model/TError.h"

namespace {

class MarkupLayout : public ::testing::Test
{
protected:
    TPrintPage* Lay(const QStringList& body)
    {
        Prepare(Doc, SimpleFrame(), body);
        Doc.LayOut();
        return Doc.Page(1);
    }
    int Line() { return RoundEven(1.5 * M.H()); } // one line step in the document font

    TDokument Doc;
    TMeasure M;
};

} // namespace

TEST_F(MarkupLayout, SubscriptIsSmallerBoldAndLowered)
{
    TPrintPage* p = Lay({ "<b>A<sub>n</sub></b> = " });
    const TPageFont bold = BaseFont(270, true);
    const TPageFont small = BaseFont(216, true);
    const TTextItem a = FindText(p, "A");
    const TTextItem n = FindText(p, "n");
    const TTextItem eq = FindText(p, "= ");
    EXPECT_EQ(a.Pos, QPoint(2000, 2000));
    EXPECT_EQ(a.Font, bold);
    EXPECT_EQ(n.Font, small);
    EXPECT_EQ(n.Pos, QPoint(2000 + M.Width("A", bold), 2000 + M.H(bold) / 3));
    EXPECT_EQ(eq.Font, BaseFont());
    EXPECT_EQ(eq.Pos.x(), 2000 + M.Width("A", bold) + M.Width("n", small) + M.Width(" "));
    EXPECT_EQ(eq.Pos.y(), 2000);
}

TEST_F(MarkupLayout, SuperscriptIsRaisedByAThirdOfTheXHeight)
{
    TPrintPage* p = Lay({ "x<sup>2</sup>y" });
    const TTextItem two = FindText(p, "2");
    EXPECT_EQ(two.Font.Size, 216);
    EXPECT_EQ(two.Pos, QPoint(2000 + M.Width("x"), 2000 - M.H() / 3));
    EXPECT_EQ(FindText(p, "y").Pos, QPoint(two.Pos.x() + M.Width("2", BaseFont(216)), 2000));
    EXPECT_EQ(FindText(p, "y").Font.Size, 270);
}

TEST_F(MarkupLayout, SecondBlankIsAWordOfItsOwn)
{
    TPrintPage* p = Lay({ "a  b" });
    EXPECT_EQ(FindText(p, "b").Pos.x(), 2000 + M.Width("a ") + M.Width(" "));
}

TEST_F(MarkupLayout, TabGoesToNextMultipleOf20mm)
{
    TPrintPage* p = Lay({ "<curx 21><tab>A<curx 20><tab>B<curx 40><tab><tab>C" });
    EXPECT_EQ(FindText(p, "A").Pos.x(), 6000);
    EXPECT_EQ(FindText(p, "B").Pos.x(), 6000);
    EXPECT_EQ(FindText(p, "C").Pos.x(), 10000);
}

TEST_F(MarkupLayout, HeadingsScaleAndBreakInTheirOwnFont)
{
    TPrintPage* p = Lay({ "<h1>T</h1>U<h2>V</h2>W" });
    const TTextItem t = FindText(p, "T");
    EXPECT_EQ(t.Font, BaseFont(405, true));
    const int y1 = 2000 + RoundEven(1.5 * M.H(BaseFont(405, true)));
    EXPECT_EQ(FindText(p, "U").Pos, QPoint(2000, y1));
    EXPECT_EQ(FindText(p, "U").Font, BaseFont());
    EXPECT_EQ(FindText(p, "V").Font, BaseFont(338));
    const int y2 = y1 + RoundEven(1.5 * M.H(BaseFont(338)));
    EXPECT_EQ(FindText(p, "W").Pos, QPoint(2000, y2));
    EXPECT_EQ(FindText(p, "W").Font.Size, 270); // R(338 * 0.8)
}

TEST_F(MarkupLayout, UnknownTagsAndWrongFormsAreIgnored)
{
    TPrintPage* p = Lay({ "<h3>Nad</h3><br 5><b 1>x<fontsize>y" });
    EXPECT_EQ(FindText(p, "Nad").Pos, QPoint(2000, 2000));
    EXPECT_EQ(FindText(p, "Nad").Font, BaseFont());
    EXPECT_EQ(FindText(p, "x").Pos, QPoint(2000 + M.Width("Nad"), 2000));
    EXPECT_EQ(FindText(p, "x").Font, BaseFont());
    EXPECT_EQ(FindText(p, "y").Font, BaseFont());
}

TEST_F(MarkupLayout, ListItemStartsLineWithHyphen)
{
    TPrintPage* p = Lay({ "Seznam<ul><li>první<li>druhá</ul>konec" });
    EXPECT_EQ(FindText(p, "-").Pos, QPoint(2250, 2000 + 2 * Line()));
    EXPECT_EQ(FindText(p, "první").Pos, QPoint(2250 + M.Width("-"), 2000 + 2 * Line()));
    EXPECT_EQ(FindText(p, "druhá").Pos.y(), 2000 + 3 * Line());
    EXPECT_EQ(FindText(p, "konec").Pos, QPoint(2000, 2000 + 4 * Line()));
}

TEST_F(MarkupLayout, SymbolsAreDrawnAsUnicodeGlyphs)
{
    TPrintPage* p = Lay({ "<kapa><FI><alfa>&get;&let;&ae;&ne;&imp;<ortho><fi><SUMA><+->" });
    QString all;
    for (const TTextItem& t : Texts(p))
        all += t.Text;
    EXPECT_EQ(all, QString::fromUtf8("χ∅α≥≤≈≠⇒⊥ϕΣ±"));
    EXPECT_EQ(FindText(p, "∅").Pos.x(), 2000 + M.Width("χ"));
}

TEST_F(MarkupLayout, EntitiesAndPageNumberAreSetAsWords)
{
    TPrintPage* p = Lay({ "a&lt;b&gt;c&amp;d &pagenumber;" });
    EXPECT_EQ(
        FindText(p, "&").Pos.x(), 2000 + M.Width("a") + M.Width("<") + M.Width("b") + M.Width(">") + M.Width("c"));
    EXPECT_EQ(FindText(p, "1").Pos.x(), FindText(p, "d ").Pos.x() + M.Width("d "));
}

TEST_F(MarkupLayout, CursorCommandsCountFromMarginsDrawingFromSheet)
{
    TPrintPage* p = Lay({ "<cur 5 7>A<curx 0><cury 0>B<line 0 0 10 10><pen 30><moverel 0 25><mark 2><linerel 10 0>" });
    EXPECT_EQ(FindText(p, "A").Pos, QPoint(2500, 2700));
    EXPECT_EQ(FindText(p, "B").Pos, QPoint(2000, 2000));
    const auto lines = p->Picture.ItemsOf<TLineItem>();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].From, QPoint(0, 0));
    EXPECT_EQ(lines[0].To, QPoint(1000, 1000));
    EXPECT_EQ(lines[0].Pen.Width, 1);
    const int afterB = 2000 + M.Width("B");
    EXPECT_EQ(Doc.Registers().MarkX[2], afterB);
    EXPECT_EQ(Doc.Registers().MarkY[2], 4500);
    EXPECT_EQ(lines[1].From, QPoint(afterB, 4500));
    EXPECT_EQ(lines[1].To, QPoint(afterB + 1000, 4500));
    EXPECT_EQ(lines[1].Pen.Width, 30);
}

TEST_F(MarkupLayout, LineRelContinuesFromEndOfLastLine)
{
    TPrintPage* p = Lay({ "<line 10 10 20 10><linerel 0 5>" });
    const auto lines = p->Picture.ItemsOf<TLineItem>();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].From, QPoint(2000, 1000)); // the pen stayed where <line ended
    EXPECT_EQ(lines[1].To, QPoint(2000, 2500)); // the target is relative to the cursor
}

TEST_F(MarkupLayout, FiguresAreOutlinesAndKeepTheCursor)
{
    TPrintPage* p = Lay({ "<box 10 20 30 40><circle 50 60 5><boxrel 10 -5><circlerel 2>X" });
    const auto rects = p->Picture.ItemsOf<TRectItem>();
    const auto ellipses = p->Picture.ItemsOf<TEllipseItem>();
    ASSERT_EQ(rects.size(), 2u);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(rects[0].Corner1, QPoint(1000, 2000));
    EXPECT_EQ(rects[0].Corner2, QPoint(3000, 4000));
    EXPECT_EQ(ellipses[0].Corner1, QPoint(4500, 5500));
    EXPECT_EQ(ellipses[0].Corner2, QPoint(5500, 6500));
    EXPECT_EQ(rects[1].Corner1, QPoint(2000, 2000));
    EXPECT_EQ(rects[1].Corner2, QPoint(3000, 1500));
    EXPECT_EQ(ellipses[1].Corner1, QPoint(1800, 1800));
    EXPECT_EQ(FindText(p, "X").Pos, QPoint(2000, 2000));
}

TEST_F(MarkupLayout, TableWithBordersSizesColumnsByWidestText)
{
    TPrintPage* p = Lay(
        { "Normové hodnoty:<br><table 1><tr><td>x [m]", "<td>0,000", "<tr><td>Mn [kNm]", "<td>12,5", "</table><br>Z" });
    const int c1 = std::max(M.Width("x [m]--"), M.Width("Mn [kNm]--"));
    const int c2 = std::max(M.Width("0,000--"), M.Width("12,5--"));
    const int indent = M.Width("-");
    const int y1 = 2000 + Line(), y2 = y1 + Line();
    EXPECT_EQ(FindText(p, "x [m]").Pos, QPoint(2000 + indent, y1));
    EXPECT_EQ(FindText(p, "0,000").Pos, QPoint(2000 + c1 + indent, y1));
    EXPECT_EQ(FindText(p, "Mn [kNm]").Pos, QPoint(2000 + indent, y2));
    EXPECT_EQ(FindText(p, "12,5").Pos, QPoint(2000 + c1 + indent, y2));
    const auto rects = p->Picture.ItemsOf<TRectItem>();
    ASSERT_EQ(rects.size(), 4u);
    const int h = M.H();
    EXPECT_EQ(rects[0].Corner1, QPoint(2000, y1 - RoundEven(h / 4.0)));
    EXPECT_EQ(rects[0].Corner2, QPoint(2000 + c1, y1 + RoundEven(1.25 * h)));
    EXPECT_EQ(rects[3].Corner1, QPoint(2000 + c1, y2 - RoundEven(h / 4.0)));
    EXPECT_EQ(rects[3].Corner2, QPoint(2000 + c1 + c2, y2 + RoundEven(1.25 * h)));
    EXPECT_EQ(FindText(p, "Z").Pos, QPoint(2000, y2 + 2 * Line())); // the row's own break plus the <br>
}

TEST_F(MarkupLayout, TableWithoutBordersDrawsOnlyText)
{
    TPrintPage* p = Lay({ "<table 0><tr><td>a<td>b<tr><td>c</table>" });
    EXPECT_TRUE(p->Picture.ItemsOf<TRectItem>().empty());
    EXPECT_EQ(FindText(p, "b").Pos.x(), 2000 + std::max(M.Width("a--"), M.Width("c--")) + M.Width("-"));
    EXPECT_EQ(FindText(p, "c").Pos.y(), 2000 + Line());

    // Opened without its argument the table still collects and draws, and a border switched on
    // by the table before does not carry over.
    p = Lay({ "<table 1><tr><td>x</table>A<table><tr><td>cell1<td>cell2</table>B" });
    EXPECT_EQ(p->Picture.ItemsOf<TRectItem>().size(), 1u);
    const int x0 = 2000 + M.Width("A"), y = 2000 + Line();
    EXPECT_EQ(FindText(p, "cell1").Pos, QPoint(x0 + M.Width("-"), y));
    EXPECT_EQ(FindText(p, "cell2").Pos, QPoint(x0 + M.Width("cell1--") + M.Width("-"), y));
    EXPECT_EQ(FindText(p, "B").Pos, QPoint(x0, y + Line())); // rows start where </table> was read
}

TEST_F(MarkupLayout, TableCellsAreRawTextAndOtherTextRunsAtOnce)
{
    TPrintPage* p = Lay({ "<table 2><tr>hned<td>a &amp; b</table>" });
    const TTextItem now = FindText(p, "hned");
    EXPECT_EQ(now.Pos, QPoint(2000, 2000));
    EXPECT_EQ(FindText(p, "a &amp; b").Pos, QPoint(2000 + M.Width("hned") + M.Width("-"), 2000));
    EXPECT_TRUE(p->Picture.ItemsOf<TRectItem>().empty()); // border only for exactly 1
}

TEST_F(MarkupLayout, RootDrawsSignIndexAndOverbar)
{
    TPrintPage* p = Lay({ "<sqr 2>a</sqr>b" });
    const int w = M.W(), h = M.H();
    const int rootX = 2000 + w;
    const int ax = 2000 + M.Width("2X");
    const int rootEnd = ax + M.Width("a");
    EXPECT_EQ(FindText(p, "a").Pos, QPoint(ax, 2000));
    EXPECT_EQ(FindText(p, "b").Pos, QPoint(rootEnd, 2000));
    const TTextItem index = FindText(p, "2");
    EXPECT_EQ(index.Font.Size, 216);
    EXPECT_EQ(index.Pos, QPoint(rootX - M.Width("2"), 2000 + RoundEven(0.5 * h) - M.H(BaseFont(216))));
    const auto lines = p->Picture.ItemsOf<TLineItem>();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].From, QPoint(rootX, 2000 + h));
    EXPECT_EQ(lines[0].To, QPoint(rootX - RoundEven(0.1 * w), 2000 + RoundEven(0.5 * h)));
    EXPECT_EQ(lines[1].To, QPoint(rootX - M.Width("2"), 2000 + RoundEven(0.5 * h)));
    EXPECT_EQ(lines[2].From, QPoint(rootX, 2000 + h));
    EXPECT_EQ(lines[2].To, QPoint(rootX + RoundEven(0.5 * w), 2000));
    EXPECT_EQ(lines[3].To, QPoint(rootEnd, 2000));
    EXPECT_EQ(lines[4].To, QPoint(rootEnd, 2000 + RoundEven(0.2 * h)));
}

TEST_F(MarkupLayout, SuperscriptInRadicandLiftsOverbar)
{
    TPrintPage* p = Lay({ "<sqr 3>a<sup>2</sup></sqr>" });
    const auto lines = p->Picture.ItemsOf<TLineItem>();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3].From.y(), 2000 - M.H(BaseFont(216)));
}

TEST_F(MarkupLayout, FractionSetsNumeratorOverDenominator)
{
    TPrintPage* p = Lay({ "<frac>1<denom>22</frac>x" });
    const int h = M.H();
    EXPECT_EQ(FindText(p, "1").Pos, QPoint(2000, 2000 - RoundEven(0.6 * h)));
    EXPECT_EQ(FindText(p, "22").Pos, QPoint(2000, 2000 + RoundEven(0.8 * h)));
    const int end = 2000 + std::max(M.Width("1"), M.Width("22"));
    const auto lines = p->Picture.ItemsOf<TLineItem>();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].From, QPoint(2000, 2000 + RoundEven(0.5 * h)));
    EXPECT_EQ(lines[0].To, QPoint(end, 2000 + RoundEven(0.5 * h)));
    EXPECT_EQ(FindText(p, "x").Pos, QPoint(end, 2000));
}

TEST_F(MarkupLayout, StylesColoursAndSizes)
{
    TPrintPage* p = Lay({ "<i><u>a</u></i><color 1>r<color 2>m<color 0>k<fontsize 12>big" });
    EXPECT_TRUE(FindText(p, "a").Font.Italic);
    EXPECT_TRUE(FindText(p, "a").Font.Underline);
    EXPECT_EQ(FindText(p, "r").Font.Color, qRgb(255, 0, 0));
    EXPECT_EQ(FindText(p, "m").Font.Color, qRgb(0, 0, 255));
    EXPECT_EQ(FindText(p, "k").Font.Color, qRgb(0, 0, 0));
    EXPECT_EQ(FindText(p, "big").Font.Size, 324);
    EXPECT_EQ(FindText(p, "big").Font.PixelSize, 432);
}

TEST_F(MarkupLayout, ParallelAndCrossedBox)
{
    TPrintPage* p = Lay({ "<paral><rectfi>Z" });
    const auto texts = Texts(p);
    ASSERT_EQ(texts.size(), 4u);
    const int slash = M.Width("/");
    EXPECT_EQ(texts[1].Pos.x(), 2000 + slash - slash / 3);
    const int x = 2000 + 2 * slash - slash / 3;
    const int w = M.W(), h = M.H();
    const auto rects = p->Picture.ItemsOf<TRectItem>();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Corner1, QPoint(x, 2000 + RoundEven(0.4 * h)));
    EXPECT_EQ(rects[0].Corner2, QPoint(x + w, 2000 + RoundEven(0.75 * h)));
    EXPECT_EQ(texts[2].Pos.x(), x + RoundEven(0.2 * w));
    EXPECT_EQ(texts[3].Pos.x(), x + RoundEven(0.2 * w) + slash + RoundEven(0.8 * w));
}

TEST_F(MarkupLayout, BadArgumentStopsLayoutAndKeepsPages)
{
    Prepare(Doc, SimpleFrame(), { "před<newpage>text", "<cur 1  2>", "nikdy" });
    try {
        Doc.LayOut();
        FAIL() << "no error";
    } catch (const TError& e) {
        EXPECT_EQ(e.Message, QStringLiteral("'' is not a valid integer value"));
    }
    EXPECT_EQ(Doc.PageCount(), 2);
    EXPECT_FALSE(Doc.InFrame);
    EXPECT_EQ(FindText(Doc.Page(2), "text").Pos.y(), 2000 + Line());
    for (const TTextItem& t : Texts(Doc.Page(2)))
        EXPECT_NE(t.Text, QStringLiteral("nikdy"));
}

TEST_F(MarkupLayout, AmpersandInRunningText)
{
    Prepare(Doc, SimpleFrame(), { "A & B" });
    EXPECT_THROW(Doc.LayOut(), TError);
    TPrintPage* p = Lay({ "A &amp; B" });
    EXPECT_EQ(FindText(p, "&").Pos.x(), 2000 + M.Width("A "));
}
