// Bad mark-up never crashes: indices out of range are ignored, magnitudes are clamped, arguments
// that are not integers and tables too large to draw stop the layout with a message.
#include "DocumentTestUtil.h"
#include "model/TError.h"

#include <QPainter>

namespace {

class HostileInput : public ::testing::Test
{
protected:
    TPrintPage* Lay(const QStringList& body)
    {
        Prepare(Doc, SimpleFrame(), body);
        Doc.LayOut();
        return Doc.Page(1);
    }
    TDokument Doc;
    TMeasure M;
};

bool InsideLimits(const QPoint& p)
{
    return std::abs(p.x()) <= CoordLimit && std::abs(p.y()) <= CoordLimit;
}

} // namespace

TEST_F(HostileInput, MarkAndColourNumbersOutOfRangeAreIgnored)
{
    TPrintPage* p = Lay({ "<moverel 10 10><mark 0><mark 6><mark -1><goto 9><gotox 6><gotoy -3>A<color 3><color -1>B" });
    EXPECT_EQ(FindText(p, "A").Pos, QPoint(3000, 3000));
    EXPECT_EQ(FindText(p, "B").Font.Color, qRgb(0, 0, 0));
    EXPECT_EQ(Doc.Registers().MarkX[0], 3000);
}

TEST_F(HostileInput, HugeArgumentsAreClampedNotOverflowed)
{
    TPrintPage* p = Lay({ "<moverel 2147483647 -2147483648><linerel -2147483648 2147483647>",
        "<line 2147483647 2147483647 -2147483648 0><circle 2147483647 0 2147483647><boxrel 2147483647 1>",
        "<img 2147483647 2147483647>*.bmp</img><cur 2147483647 -2147483648><left -2147483648><tab>x<br>y" });
    for (const auto& l : p->Picture.ItemsOf<TLineItem>())
        EXPECT_TRUE(InsideLimits(l.From) && InsideLimits(l.To));
    for (const auto& e : p->Picture.ItemsOf<TEllipseItem>())
        EXPECT_TRUE(InsideLimits(e.Corner1) && InsideLimits(e.Corner2));
    EXPECT_EQ(FindText(p, "y").Pos.x(), -CoordLimit); // the margin clamped
}

TEST_F(HostileInput, FontSizeAndPenAreClamped)
{
    TPrintPage* p
        = Lay({ "<fontsize 2147483647>A<fontsize -5>B<fontsize 0>C<pen -4><line 0 0 1 1><pen 99999><line 0 0 1 1>" });
    EXPECT_EQ(FindText(p, "A").Font.Size, MaxCanvasFontSize);
    EXPECT_EQ(FindText(p, "B").Font.Size, MinCanvasFontSize);
    EXPECT_GE(FindText(p, "C").Font.PixelSize, 1);
    const auto lines = p->Picture.ItemsOf<TLineItem>();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Pen.Width, 1);
    EXPECT_EQ(lines[1].Pen.Width, 1000);
}

TEST_F(HostileInput, LargestFontStillMeasuresDrawsAndBreaksPages)
{
    // Past the cap the font engine gave negative heights: <br> moved the cursor up and the rest of
    // the page vanished without a word.
    Lay({ "<fontsize 2147483647>A<br>C<br><fontsize 10>B" });
    ASSERT_EQ(Doc.PageCount(), 2);
    const TTextItem a = FindText(Doc.Page(1), "A");
    ASSERT_EQ(a.Font.Size, MaxCanvasFontSize);
    const int h = M.H(a.Font);
    EXPECT_GT(h, EmPixels(MaxCanvasFontSize)); // the cell is taller than the em
    EXPECT_EQ(FindText(Doc.Page(1), "C").Pos.y(), a.Pos.y() + RoundEven(1.5 * h));
    EXPECT_EQ(FindText(Doc.Page(2), "B").Font.Size, 270);

    // The glyph is really painted, at the place recorded (0.1 mm per pixel).
    QImage img(2100, 2970, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        Doc.Page(1)->Paint(painter, QRectF(0, 0, img.width(), img.height()));
    }
    int ink = 0;
    for (int y = a.Pos.y() / 10; y < (a.Pos.y() + h) / 10; ++y)
        for (int x = a.Pos.x() / 10; x < (a.Pos.x() + M.W(a.Font)) / 10; ++x)
            ink += qGray(img.pixel(x, y)) < 128;
    EXPECT_GT(ink, 10000);

    // A huge document font is held to the same cap.
    Doc.Font.setPointSize(1000);
    EXPECT_EQ(FindText(Lay({ "D" }), "D").Font.Size, MaxCanvasFontSize);
}

TEST_F(HostileInput, ClosingTagsWithoutOpenersAreIgnored)
{
    TPrintPage* p = Lay({ "</sqr></frac><denom></table>X</sup>Y</ul>Z" });
    EXPECT_TRUE(p->Picture.ItemsOf<TLineItem>().empty());
    EXPECT_EQ(FindText(p, "X").Pos, QPoint(2000, 2000));
    // Closing tags without an opening one still act: </sup> enlarges, </ul> moves the margin left.
    EXPECT_EQ(FindText(p, "Y").Font.Size, RoundEven(270 * 1.25));
    EXPECT_EQ(FindText(p, "Z").Pos.x(), 1750);
    // A second </sqr> after a closed root draws nothing more.
    TPrintPage* q = Lay({ "<sqr 2>a</sqr></sqr>" });
    EXPECT_EQ(q->Picture.ItemsOf<TLineItem>().size(), 5u);
}

TEST_F(HostileInput, EnormousTableStopsWithMessage)
{
    QString row = "<table 1><tr>";
    for (int i = 0; i < 1000; ++i)
        row += "<td>x";
    QStringList body { row };
    for (int i = 0; i < 200; ++i)
        body << "<tr><td>y";
    body << "</table>";
    Prepare(Doc, SimpleFrame(), body);
    try {
        Doc.LayOut();
        FAIL() << "no error";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message.startsWith(QString::fromUtf8("Tabulka je příliš velká"))) << e.what();
    }
}

// A table that breaks the page replays a frame with a table of its own while its rows are drawn.
TEST_F(HostileInput, TableInTheFrameDuringABodyTableBreak)
{
    QStringList frame = SimpleFrame();
    frame << "<table 0><tr><td>r<td>s</table>";
    QString body = "<table 1>";
    for (int i = 1; i <= 80; ++i)
        body += QStringLiteral("<tr><td>a%1<td>b%1").arg(i);
    body += "</table><td>stray";
    Prepare(Doc, frame, { body });
    Doc.LayOut();
    ASSERT_GE(Doc.PageCount(), 2);
    EXPECT_EQ(FindText(Doc.Page(1), "a1").Text, QStringLiteral("a1"));
    EXPECT_EQ(FindText(Doc.Pages().Last(), "b80").Text, QStringLiteral("b80"));
}

TEST_F(HostileInput, ManyPagesOfNothing)
{
    QString line;
    for (int i = 0; i < 300; ++i)
        line += "<newpage>";
    Lay({ line });
    EXPECT_EQ(Doc.PageCount(), 301);
    EXPECT_EQ(Doc.Pages().Last()->Number, 301);
}

TEST_F(HostileInput, ControlCharactersAndLoneSurrogatesAreJustText)
{
    const QString odd
        = QString::fromUtf8("a\tb\x01") + QChar(0xD800) + QStringLiteral("<") + QChar(0) + QStringLiteral(">&");
    TPrintPage* p = Lay({ odd, "", "<", "&", ">", ";" });
    EXPECT_FALSE(Texts(p).empty());
}
