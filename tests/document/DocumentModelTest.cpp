#include "DocumentTestUtil.h"

TEST(DocumentModel, FirstPageAfterResetHasDefaults)
{
    TDokument doc;
    EXPECT_FALSE(doc.Ready);
    doc.Reset();
    EXPECT_TRUE(doc.Ready);
    doc.AddPage();
    ASSERT_EQ(doc.PageCount(), 1);
    TPrintPage* p = doc.Page(1);
    EXPECT_EQ(p, doc.Pages().Last());
    EXPECT_EQ(p, doc.CurrentPage);
    EXPECT_EQ(p->Number, 1);
    EXPECT_EQ(p->PageWidth, 21000);
    EXPECT_EQ(p->PageHeight, 29700);
    EXPECT_EQ(p->Title, QStringLiteral("[bez titulku]"));
    EXPECT_EQ(p->Format, QStringLiteral("A4"));
}

TEST(DocumentModel, PagesAreNumberedInOrder)
{
    TDokument doc;
    doc.Reset();
    doc.AddPage();
    doc.AddPage();
    doc.AddPage();
    TPrintPage* third = doc.Page(3);
    ASSERT_TRUE(third);
    int number = 0;
    for (const TPrintPage& page : doc.Pages())
        EXPECT_EQ(page.Number, ++number);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(doc.Pages().Last(), third);
    EXPECT_EQ(doc.CurrentPage, third);
    EXPECT_EQ(doc.Page(4), nullptr);
    EXPECT_EQ(doc.Page(0), nullptr);
}

TEST(DocumentModel, NewPageClearsMarks)
{
    TDokument doc;
    Prepare(doc, {}, { "<moverel 10 20><mark 3>" });
    doc.LayOut();
    EXPECT_EQ(doc.Registers().MarkX[3], 1000);
    EXPECT_EQ(doc.Registers().MarkY[3], 2000);
    doc.AddPage();
    EXPECT_EQ(doc.Registers().MarkX[3], 0);
    EXPECT_EQ(doc.Registers().MarkY[3], 0);
}

TEST(DocumentModel, ResetClosesPreviewKeepsIdentification)
{
    TDokument doc;
    struct TWatch : TDocumentObserver
    {
        TDokument* Doc = nullptr;
        int Closed = 0;
        void DocumentReset() override
        {
            ++Closed;
            EXPECT_EQ(Doc->CurrentPage, nullptr); // a repainting preview finds no stale page
            EXPECT_TRUE(Doc->Pages().IsEmpty());
            throw std::runtime_error("window already gone");
        }
    } watch;
    watch.Doc = &doc;
    doc.AddObserver(&watch);
    doc.Job = "Zakázka";
    doc.Author = "Novák";
    doc.TaskTitle = "Průvlak";
    doc.Reset();
    doc.AddPage();
    doc.AddLine("a");
    doc.AddFrameLine("b");
    doc.Reset(); // the observer's error must not fail the reset
    EXPECT_EQ(watch.Closed, 2);
    EXPECT_EQ(doc.PageCount(), 0);
    EXPECT_EQ(doc.Page(1), nullptr);
    EXPECT_EQ(doc.CurrentPage, nullptr);
    EXPECT_TRUE(doc.Body.isEmpty());
    EXPECT_TRUE(doc.Frame.isEmpty());
    EXPECT_EQ(doc.Job, QStringLiteral("Zakázka"));
    EXPECT_EQ(doc.Author, QStringLiteral("Novák"));
    EXPECT_EQ(doc.TaskTitle, QStringLiteral("Průvlak"));
    doc.RemoveObserver(&watch);
}

TEST(DocumentModel, DocumentFontGivesTheBaseSize)
{
    TDokument doc;
    Prepare(doc, {}, { "X" });
    doc.Font = QFont("Arial CE");
    doc.Font.setPointSize(12); // as the report sets the page setup's font after the reset
    doc.LayOut();
    const auto texts = Texts(doc.Page(1));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Font.Size, 27 * 12);
    EXPECT_EQ(texts[0].Font.PixelSize, 36 * 12);
}

TEST(DocumentModel, LinesContinueWithoutImplicitBreak)
{
    TDokument doc;
    TMeasure m;
    Prepare(doc, SimpleFrame(), { "Ahoj ", "světe" });
    doc.LayOut();
    const TTextItem second = FindText(doc.Page(1), "světe");
    EXPECT_EQ(second.Pos, QPoint(2000 + m.Width("Ahoj "), 2000));
}

TEST(DocumentModel, LayOutWithoutPageGetsOne)
{
    TDokument doc;
    doc.Reset();
    doc.Body = QStringList { "text" };
    doc.LayOut();
    EXPECT_EQ(doc.PageCount(), 1);
}

TEST(DocumentModel, WidthsMeasuredInOneRunServeTheNext)
{
    // Measured underlined first, read back plain later: both must equal a fresh measurement.
    TDokument doc;
    Prepare(doc, SimpleFrame(), { "<u>Wolfram</u>x" });
    doc.LayOut();
    const int fresh = RoundEven(QFontMetricsF(MakePageFont(BaseFont())).horizontalAdvance(QStringLiteral("Wolfram")));
    EXPECT_EQ(FindText(doc.Page(1), "x").Pos.x(), 2000 + fresh);
    Prepare(doc, SimpleFrame(), { "Wolfram<b>x" });
    doc.LayOut();
    EXPECT_EQ(FindText(doc.Page(1), "x").Pos.x(), 2000 + fresh);
}
