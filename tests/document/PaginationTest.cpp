// Page breaks, the frame on every page, the credit line, progress and hostile input.
#include "DocumentTestUtil.h"
#include "model/TError.h"

#include <QPdfWriter>

namespace {

// Header with the page number; leaves the cursor one line below the text area's top.
const QStringList HeaderFrame { "<left 20><right 20><top 20><bottom 20><cur 5 5><mark 1>",
    "<cur 0 0>Strana &pagenumber;<br>" };

class Pagination : public ::testing::Test
{
protected:
    void Lay(const QStringList& frame, const QStringList& body)
    {
        Prepare(Doc, frame, body);
        Doc.LayOut();
    }
    int Line() { return RoundEven(1.5 * M.H()); }

    TDokument Doc;
    TMeasure M;
};

} // namespace

TEST_F(Pagination, EmptyBodyGivesOnePageWithFrameAndCredit)
{
    Lay(HeaderFrame, {});
    ASSERT_EQ(Doc.PageCount(), 1);
    EXPECT_EQ(Doc.CurrentPage, Doc.Pages().Last());
    EXPECT_EQ(FindText(Doc.Page(1), "1").Pos.x(), 2000 + M.Width("Strana "));
    const auto all = Doc.Page(1)->Picture.ItemsOf<TTextItem>();
    ASSERT_FALSE(all.empty());
    const TTextItem& credit = all.back();
    EXPECT_EQ(credit.Rotation, 90);
    EXPECT_EQ(credit.Pos, QPoint(500, 29200)); // 5 mm inside the sheet, where printers print
    EXPECT_EQ(credit.Font.PixelSize, 133);
    EXPECT_FALSE(credit.Font.Bold);
    EXPECT_TRUE(credit.Text.startsWith(QString::fromUtf8("PROGRAM Trabík v.2.2")));
}

TEST_F(Pagination, FrameRepeatsAndBodyContinuesOneLineBelowIt)
{
    Lay(HeaderFrame, { "první<newpage>druhá" });
    ASSERT_EQ(Doc.PageCount(), 2);
    // Page 1: the body starts exactly where the frame left the cursor.
    EXPECT_EQ(FindText(Doc.Page(1), "první").Pos, QPoint(2000, 2000 + Line()));
    EXPECT_EQ(FindText(Doc.Page(2), "Strana ").Pos, QPoint(2000, 2000));
    EXPECT_EQ(FindText(Doc.Page(2), "2").Pos.x(), 2000 + M.Width("Strana "));
    EXPECT_EQ(FindText(Doc.Page(2), "druhá").Pos, QPoint(2000, 2000 + 2 * Line()));
}

TEST_F(Pagination, AutomaticBreakWhenLinePassesBottomMargin)
{
    QStringList body;
    for (int i = 0; i < 80; ++i)
        body << QStringLiteral("L%1<br>").arg(i);
    Lay(SimpleFrame(), body);
    int perPage = 0; // first n with 2000 + n * step >= 29700 - 2000
    while (2000 + perPage * Line() < 27700)
        ++perPage;
    EXPECT_EQ(Texts(Doc.Page(1)).size(), static_cast<size_t>(perPage));
    EXPECT_EQ(FindText(Doc.Page(1), QStringLiteral("L%1").arg(perPage - 1)).Pos.y(), 2000 + (perPage - 1) * Line());
    EXPECT_EQ(FindText(Doc.Page(2), QStringLiteral("L%1").arg(perPage)).Pos, QPoint(2000, 2000 + Line()));
    EXPECT_EQ(Doc.PageCount(), (80 + perPage - 1) / perPage);
}

TEST_F(Pagination, WordThatFitsExactlyIsDrawnThenLineBreaks)
{
    // Find a first word whose width plus that of "X" is a whole number of millimetres, so a
    // right margin can end exactly after "X".
    QString first;
    for (int k = 1; k < 400 && first.isEmpty(); ++k) {
        const QString candidate = QString(k % 40 + 1, QLatin1Char('a')) + QString(k / 40, QLatin1Char('i'));
        if ((M.Width(candidate) + M.Width("X")) % 100 == 0)
            first = candidate;
    }
    ASSERT_FALSE(first.isEmpty());
    const int rightMm = (21000 - 2000 - M.Width(first) - M.Width("X")) / 100;
    const QString frame = QStringLiteral("<left 20><right %1><top 20><bottom 20><curx 0><cury 0>").arg(rightMm);
    Lay({ frame }, { first + "<u></u>X<u></u>Y" });
    EXPECT_EQ(FindText(Doc.Page(1), "X").Pos, QPoint(2000 + M.Width(first), 2000));
    EXPECT_EQ(FindText(Doc.Page(1), "Y").Pos, QPoint(2000, 2000 + Line()));
    // One millimetre less room and "X" itself moves to the next line.
    const QString narrower = QStringLiteral("<left 20><right %1><top 20><bottom 20><curx 0><cury 0>").arg(rightMm + 1);
    Lay({ narrower }, { first + "<u></u>X" });
    EXPECT_EQ(FindText(Doc.Page(1), "X").Pos, QPoint(2000, 2000 + Line()));
}

TEST_F(Pagination, LongWordRunsPastMarginAtLineStart)
{
    const QString longWord(300, QLatin1Char('m'));
    Lay(SimpleFrame(), { "a " + longWord + " b" });
    EXPECT_EQ(FindText(Doc.Page(1), longWord + " ").Pos, QPoint(2000, 2000 + Line()));
    EXPECT_EQ(FindText(Doc.Page(1), "b").Pos, QPoint(2000, 2000 + 2 * Line()));
}

TEST_F(Pagination, StylesDoNotSurviveAPageBreak)
{
    Lay(SimpleFrame(), { "<b><pen 20><sup>A<newpage>B</b>C" });
    EXPECT_TRUE(FindText(Doc.Page(1), "A").Font.Bold);
    const TTextItem b = FindText(Doc.Page(2), "B");
    EXPECT_FALSE(b.Font.Bold);
    EXPECT_EQ(b.Font.Size, 270);
    EXPECT_EQ(b.Pos.y(), 2000 + Line()); // Raise is back to 0
    EXPECT_FALSE(FindText(Doc.Page(2), "C").Font.Bold);
}

TEST_F(Pagination, EveryPageHasOneCreditLine)
{
    Lay(SimpleFrame(), { "a<newpage>b<newpage>c" });
    ASSERT_EQ(Doc.PageCount(), 3);
    for (const TPrintPage& page : Doc.Pages()) {
        int credits = 0;
        for (const TTextItem& t : page.Picture.ItemsOf<TTextItem>())
            if (t.Rotation == 90) {
                ++credits;
                EXPECT_EQ(t.Pos, QPoint(500, 29200));
            }
        EXPECT_EQ(credits, 1) << "page " << page.Number;
    }
}

TEST_F(Pagination, GotoOnNextPageFindsTheFramesMark)
{
    Lay(HeaderFrame, { "<cur 50 50><mark 1><newpage><goto 1>X" });
    EXPECT_EQ(FindText(Doc.Page(2), "X").Pos, QPoint(2500, 2500));
}

TEST_F(Pagination, SpaceYBreaksPageWhenRoomIsShort)
{
    Lay(SimpleFrame(), { "<cury 200>a<spacey 50>b<spacey 300>c" });
    ASSERT_EQ(Doc.PageCount(), 2);
    EXPECT_EQ(FindText(Doc.Page(1), "b").Pos.y(), 22000);
    EXPECT_EQ(FindText(Doc.Page(2), "c").Pos.y(), 2000 + Line());
}

TEST_F(Pagination, TableRowsContinueOnNextPageAtTheSameX)
{
    QStringList body { "<cury 250><curx 30><table 1>" };
    for (int r = 0; r < 12; ++r)
        body << QStringLiteral("<tr><td>r%1<td>v").arg(r);
    body << "</table>";
    Lay(SimpleFrame(), body);
    ASSERT_EQ(Doc.PageCount(), 2);
    const auto page2 = Texts(Doc.Page(2));
    ASSERT_FALSE(page2.empty());
    EXPECT_EQ(page2.front().Pos.x(), 5000 + M.Width("-"));
    EXPECT_EQ(page2.front().Pos.y(), 2000 + Line());
}

TEST_F(Pagination, FrameThatBreaksPagesStopsWithMessage)
{
    for (const char* bad : { "<newpage>", "<cury 270><spacey 50>" }) {
        Prepare(Doc, { QStringLiteral("<left 20><bottom 20>") + bad }, { "text<newpage>x" });
        try {
            Doc.LayOut();
            FAIL() << "no error for " << bad;
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message.startsWith(QString::fromUtf8("Rámec stránky nesmí zalamovat stránku"))) << bad;
        }
        EXPECT_EQ(Doc.PageCount(), 1);
        EXPECT_FALSE(Doc.InFrame);
    }
    // A frame that leaves the cursor below the bottom margin would break every page again.
    QStringList longFrame { "<left 20><bottom 20>" };
    for (int i = 0; i < 60; ++i)
        longFrame << "x<br>";
    Prepare(Doc, longFrame, { "a<br>b<newpage>y" });
    try {
        Doc.LayOut();
        FAIL() << "no error for a frame past the bottom margin";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message.startsWith(QString::fromUtf8("Rámec stránky končí pod dolním okrajem"))) << e.what();
    }
    EXPECT_EQ(Doc.PageCount(), 2);
}

TEST_F(Pagination, ProgressCountsCharactersAndEndsOnLastToken)
{
    struct TWatch : TDocumentObserver
    {
        std::vector<std::pair<int, int>> Calls;
        bool Finished = false;
        void LayoutProgress(int pos, int total) override { Calls.emplace_back(pos, total); }
        void LayoutFinished(bool completed) override { Finished = completed; }
    } watch;
    Doc.AddObserver(&watch);
    Lay({ "<b>" }, { "ab cd", "<br>" });
    Doc.RemoveObserver(&watch);
    const auto& calls = watch.Calls;
    ASSERT_GE(calls.size(), 2u);
    const int total = (3 + 2) + (5 + 2) + (4 + 2);
    EXPECT_EQ(calls.front(), std::make_pair(0, total));
    // Frame: token at 1 -> 1; body line 1 tokens at 1 and 4 -> 1 + 4; line 2 at 1 -> 5 + 1.
    EXPECT_EQ(calls.back(), std::make_pair(6, total));
    EXPECT_TRUE(watch.Finished);
    // A kept block taken whole: the layout goes on after its </keep> with the same count.
    Doc.AddObserver(&watch);
    Lay({ "<b>" }, { "<keep>ab cd", "</keep><br>" });
    Doc.RemoveObserver(&watch);
    // Frame 1; line 1 tokens at 0, 6 and 9 -> 1 + 10; line 2 at 0 and 7 -> 11 + 8.
    EXPECT_EQ(calls.back(), std::make_pair(19, (3 + 2) + (11 + 2) + (11 + 2)));
}

TEST_F(Pagination, DiacriticsAreStrippedFromFrameAndBody)
{
    Doc.NoDiacritics = true;
    Lay({ "<left 20><top 20><curx 0><cury 0>Zpracoval: Jiří Šťastný<br>" },
        { "Průhyb od normového zatížení: Výpočtové hodnoty: äöőł" });
    EXPECT_EQ(Doc.Body.first(), QString::fromUtf8("Pruhyb od normoveho zatizeni: Vypoctove hodnoty: äöőł"));
    EXPECT_EQ(Doc.Frame.first(), QString::fromUtf8("<left 20><top 20><curx 0><cury 0>Zpracoval: Jiri Stastny<br>"));
    FindText(Doc.Page(1), "Pruhyb ");
    FindText(Doc.Page(1), "Stastny");
    Doc.StripDiacritics();
    EXPECT_EQ(Doc.Body.first(), QString::fromUtf8("Pruhyb od normoveho zatizeni: Vypoctove hodnoty: äöőł"));
}

TEST_F(Pagination, CreditLineLosesAccentsOnlyWhenAsked)
{
    auto credits = [&] {
        std::vector<std::string> out;
        for (const TPrintPage& page : Doc.Pages())
            for (const TTextItem& t : page.Picture.ItemsOf<TTextItem>())
                if (t.Rotation == 90)
                    out.push_back(t.Text.toStdString());
        return out;
    };
    Lay(SimpleFrame(), { "a<newpage>b" });
    EXPECT_EQ(credits(), std::vector<std::string>(2, "PROGRAM Trabík v.2.2 – statika prostého trabíku"));
    Doc.NoDiacritics = true;
    Lay(SimpleFrame(), { "a<newpage>b" });
    // The dash is not one of the accented letters and stays.
    EXPECT_EQ(credits(), std::vector<std::string>(2, "PROGRAM Trabik v.2.2 – statika prosteho trabiku"));
}

TEST_F(Pagination, AllThirtyLettersAreReplaced)
{
    Doc.Body = QStringList { QString::fromUtf8("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ <b>1") };
    Doc.StripDiacritics();
    EXPECT_EQ(Doc.Body.first(), QStringLiteral("acdeeinorstuuyzACDEEINORSTUUYZ <b>1"));
}

namespace {

// Lines "L0<br>" .. so that `free` lines of page 1 are left, then `block`.
QStringList FillPage(int perPage, int free, const QString& block)
{
    QStringList body;
    for (int i = 0; i < perPage - free; ++i)
        body << QStringLiteral("L%1<br>").arg(i);
    return body << block;
}

} // namespace

TEST_F(Pagination, KeptBlockMovesToTheNextPageOnlyWhenItFitsThere)
{
    int perPage = 0;
    while (2000 + perPage * Line() < 27700)
        ++perPage;
    // Three lines with two left: the heading goes with its lines to page 2.
    Lay(SimpleFrame(), FillPage(perPage, 2, "<keep>Nadpis<br>a<br>b<br></keep>c"));
    ASSERT_EQ(Doc.PageCount(), 2);
    EXPECT_EQ(FindText(Doc.Page(2), "Nadpis").Pos, QPoint(2000, 2000 + Line()));
    EXPECT_EQ(FindText(Doc.Page(2), "c").Pos.y(), 2000 + 4 * Line());
    // With room for it the block stays, laid out as without the tags (measuring left no trace).
    const QString block = "<mark 2>Nadpis<br>a<br><goto 2><moverel 5 0><linerel 5 0>b<br>";
    Lay(SimpleFrame(), FillPage(perPage, 3, block + "c"));
    const std::vector<TTextItem> plain = Texts(Doc.Page(1));
    const size_t plainItems = Doc.Page(1)->Picture.Items.size();
    Lay(SimpleFrame(), FillPage(perPage, 3, "<keep>" + block + "</keep>c"));
    ASSERT_EQ(Doc.PageCount(), 1);
    const std::vector<TTextItem> kept = Texts(Doc.Page(1));
    ASSERT_EQ(kept.size(), plain.size());
    for (size_t i = 0; i < kept.size(); ++i)
        EXPECT_TRUE(kept[i].Text == plain[i].Text && kept[i].Pos == plain[i].Pos) << kept[i].Text.toStdString();
    EXPECT_EQ(Doc.Page(1)->Picture.Items.size(), plainItems);
    // A block taller than a page is not moved: it starts where it stands.
    QString tall = "<keep>";
    for (int i = 0; i < perPage + 5; ++i)
        tall += QStringLiteral("T%1<br>").arg(i);
    Lay(SimpleFrame(), FillPage(perPage, 4, tall + "</keep>"));
    EXPECT_EQ(FindText(Doc.Page(1), "T0").Pos.y(), 2000 + (perPage - 4) * Line());
}

TEST_F(Pagination, KeptBlockCountsItsDrawingsAndRoomAndNests)
{
    // A drawing that would pass the bottom margin moves its block; so does room asked by <spacey.
    Lay(SimpleFrame(), { "<cury 240>a<keep>b<moverel 0 20><linerel 10 0></keep>" });
    EXPECT_EQ(FindText(Doc.Page(2), "b").Pos.y(), 2000 + Line());
    Lay(SimpleFrame(), { "<cury 240>a<keep>b<spacey 40>c</keep>" });
    EXPECT_EQ(FindText(Doc.Page(2), "b").Pos.y(), 2000 + Line());
    // An outer block too tall for any page splits, but the heading inside it goes with its lines.
    QString body = "<cury 245><keep><keep>Nadpis<br>a<br>b<br>c<br></keep>";
    for (int i = 0; i < 200; ++i)
        body += QStringLiteral("T%1<br>").arg(i);
    Lay(SimpleFrame(), { body + "</keep>" });
    EXPECT_EQ(FindText(Doc.Page(2), "Nadpis").Pos.y(), 2000 + Line());
    // A block with its own page break, and an unmatched </keep>, are set as they come.
    Lay(SimpleFrame(), { "<cury 250>a<keep>b<br>c<newpage>d</keep></keep>e" });
    EXPECT_EQ(FindText(Doc.Page(1), "b").Pos.y(), 27000);
    EXPECT_EQ(Doc.PageCount(), 2);
}

namespace {

// Every item of every page, as text.
std::vector<std::string> Dump(const TDokument& doc)
{
    std::vector<std::string> out;
    const auto pt = [](QPoint p) { return std::to_string(p.x()) + "," + std::to_string(p.y()) + " "; };
    const auto pen = [](const TPagePen& p) { return std::to_string(p.Width) + "/" + std::to_string(p.Color); };
    for (const TPrintPage& page : doc.Pages()) {
        out.push_back("page " + std::to_string(page.Number));
        for (const TPageItem& item : page.Picture.Items) {
            if (const auto* t = std::get_if<TTextItem>(&item))
                out.push_back("text " + pt(t->Pos) + t->Text.toStdString() + " " + std::to_string(t->Font.Size) + " "
                    + std::to_string(t->Font.Bold) + std::to_string(t->Font.Italic) + std::to_string(t->Font.Color)
                    + " " + std::to_string(t->Rotation));
            else if (const auto* l = std::get_if<TLineItem>(&item))
                out.push_back("line " + pt(l->From) + pt(l->To) + pen(l->Pen));
            else if (const auto* r = std::get_if<TRectItem>(&item))
                out.push_back("rect " + pt(r->Corner1) + pt(r->Corner2) + pen(r->Pen));
            else
                out.push_back("other");
        }
    }
    return out;
}

} // namespace

// A block that fits where it stands is set exactly as without the keeping: the same items, the same
// state after it (style, pen, marks, cursor), page numbers and the page count, also when it ends
// within a line, nests, comes after page breaks, has a line break past the bottom margin at its
// end, or stops the layout with an error.
TEST_F(Pagination, KeptBlockIsSetAsUnkeptWhenItFits)
{
    const QStringList frame { "<left 20><right 20><top 20><bottom 20><cur 80 262>&pagenumber;/&pagecount;",
        "<curx 0><cury 0>" };
    int perPage = 0;
    while (2000 + perPage * Line() < 27700)
        ++perPage;
    const std::vector<QStringList> bodies {
        { "a<keep>b<br>", "<b>c &pagenumber;/&pagecount;", "d</keep>e <mark 2>f</b>", "<goto 2>g" },
        { "<keep>x<keep>y<br>z</keep>w</keep>v<keep>", "u</keep>t" },
        { "<keep><pen 20><mark 3><moverel 10 5><linerel 20 0><table 1><tr><td>q<td>r</table></keep><goto 3>s",
            "<linerel 5 5><sqr 3>a</sqr>" },
        { "a<newpage>b<keep><i>c &pagecount;<br>d</keep>e<spacey 10>f<newpage>g" },
        FillPage(perPage, 1, "<keep>a<br></keep>b<keep>c</keep>"),
        { "<keep>a<br><color 1>b<br></keep><keep><pen x>c</keep>d" },
    };
    for (const QStringList& body : bodies) {
        QStringList plain = body;
        for (QString& line : plain)
            line.replace(QStringLiteral("keep>"), QStringLiteral("none>")); // unknown tags cut words as well
        QString kept, expected;
        try {
            Lay(frame, body);
        } catch (const TError& e) {
            kept = e.Message;
        }
        const std::vector<std::string> withTags = Dump(Doc);
        try {
            Lay(frame, plain);
        } catch (const TError& e) {
            expected = e.Message;
        }
        EXPECT_EQ(withTags, Dump(Doc)) << body.join('|').toStdString();
        EXPECT_EQ(kept, expected);
    }
}

TEST_F(Pagination, PageCountGivesTheFinalNumberOfPagesOnEveryPage)
{
    Lay({ "<left 20><right 20><top 20><bottom 20><cur 80 262>&pagenumber;/&pagecount;<curx 0><cury 0>" },
        { "a<newpage>b<newpage>c" });
    ASSERT_EQ(Doc.PageCount(), 3);
    for (int n = 1; n <= 3; ++n) {
        const auto texts = Texts(Doc.Page(n));
        ASSERT_GE(texts.size(), 3u);
        EXPECT_EQ(texts[0].Text + texts[1].Text + texts[2].Text, QStringLiteral("%1/3").arg(n));
    }
}

// A run laid out in parts gives the pages of one whole run, and while it is pending the viewer's
// page stays put and nothing half-done is printed.
TEST_F(Pagination, RunInPartsGivesTheSamePages)
{
    QStringList body;
    for (int i = 0; i < 40; ++i) {
        body << QStringLiteral(
            "<keep><h2>Oddíl %1</h2>Text oddílu <b>%1</b> s <frac>q L<sup>2</sup><denom>8</frac>.<br>")
                    .arg(i);
        body << QStringLiteral("<table 1><tr><td>x<td>%1,0<tr><td>M<td>56,25</table><br><spacey 30>").arg(i);
        body << QStringLiteral("<mark 2><linerel 40 10><goto 2><moverel 0 25><br></keep>");
    }
    Lay(HeaderFrame, body);
    TDokument parts;
    Prepare(parts, HeaderFrame, body);
    parts.BeginLayOut(2);
    ASSERT_TRUE(parts.LayoutPending());
    EXPECT_EQ(parts.CompletePages(), 2);
    EXPECT_EQ(parts.CurrentPage, parts.Page(1));
    parts.CurrentPage = parts.Page(2); // the viewer moves on
    parts.LayOutMore(4);
    EXPECT_GE(parts.CompletePages(), 4);
    EXPECT_EQ(parts.CurrentPage, parts.Page(2));
    QPdfWriter writer(QStringLiteral("/dev/null"));
    EXPECT_THROW(parts.PrintAll(writer), TError);
    parts.FinishLayOut();
    EXPECT_FALSE(parts.LayoutPending());

    ASSERT_GT(Doc.PageCount(), 4);
    ASSERT_EQ(parts.PageCount(), Doc.PageCount());
    for (int n = 1; n <= Doc.PageCount(); ++n) {
        const TPagePicture& whole = Doc.Page(n)->Picture;
        const TPagePicture& inParts = parts.Page(n)->Picture;
        ASSERT_EQ(inParts.Items.size(), whole.Items.size()) << n;
        const auto texts = Texts(Doc.Page(n)), partTexts = Texts(parts.Page(n));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(partTexts[i].Text, texts[i].Text) << n;
            EXPECT_EQ(partTexts[i].Pos, texts[i].Pos) << n;
        }
        const auto lines = whole.ItemsOf<TLineItem>(), partLines = inParts.ItemsOf<TLineItem>();
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(partLines[i].To, lines[i].To) << n;
    }
}
