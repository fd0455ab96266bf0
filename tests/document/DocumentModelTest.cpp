#include "DocumentTestUtil.h"

TEST(DocumentModel, FirstPageAfterResetHasDefaults)
{
    TDokument doc;
    EXPECT_FALSE(doc.Ready);
    doc.Reset();
    EXPECT_TRUE(doc.Ready);
    doc.AddPage();
    ASSERT_EQ(doc.PageCount, 1);
    TPrintPage* p = doc.FirstPage;
    EXPECT_EQ(p, doc.LastPage);
    EXPECT_EQ(p, doc.CurrentPage);
    EXPECT_EQ(p->Number, 1);
    EXPECT_EQ(p->LeftMargin, 1000);
    EXPECT_EQ(p->RightMargin, 1000);
    EXPECT_EQ(p->TopMargin, 1000);
    EXPECT_EQ(p->BottomMargin, 1000);
    EXPECT_EQ(p->CursorX, 0);
    EXPECT_EQ(p->CursorY, 0);
    EXPECT_EQ(p->PageWidth, 21000);
    EXPECT_EQ(p->PageHeight, 29700);
    EXPECT_EQ(p->Title, QStringLiteral("[bez titulku]"));
    EXPECT_EQ(p->Format, QStringLiteral("A4"));
    EXPECT_EQ(p->Prev, nullptr);
    EXPECT_EQ(p->Next, nullptr);
}

TEST(DocumentModel, PagesAreLinkedInOrder)
{
    TDokument doc;
    doc.Reset();
    doc.AddPage();
    doc.AddPage();
    doc.AddPage();
    TPrintPage* second = doc.Page(2);
    TPrintPage* third = doc.Page(3);
    ASSERT_TRUE(second && third);
    EXPECT_EQ(third->Number, 3);
    EXPECT_EQ(second->Next, third);
    EXPECT_EQ(third->Prev, second);
    EXPECT_EQ(doc.LastPage, third);
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
    int closed = 0;
    doc.ClosePreviewHook = [&] {
        ++closed;
        EXPECT_EQ(doc.CurrentPage, nullptr); // a repainting preview finds no stale page
        throw std::runtime_error("window already gone");
    };
    doc.Job = "Zakázka";
    doc.Author = "Novák";
    doc.TaskTitle = "Průvlak";
    doc.Reset();
    doc.AddPage();
    doc.AddLine("a");
    doc.AddFrameLine("b");
    doc.Reset(); // the hook's error must not fail the reset
    EXPECT_EQ(closed, 2);
    EXPECT_EQ(doc.PageCount, 0);
    EXPECT_EQ(doc.FirstPage, nullptr);
    EXPECT_EQ(doc.CurrentPage, nullptr);
    EXPECT_TRUE(doc.Body.isEmpty());
    EXPECT_TRUE(doc.Frame.isEmpty());
    EXPECT_EQ(doc.Job, QStringLiteral("Zakázka"));
    EXPECT_EQ(doc.Author, QStringLiteral("Novák"));
    EXPECT_EQ(doc.TaskTitle, QStringLiteral("Průvlak"));
}

TEST(DocumentModel, ResetTakesPageSetupFont)
{
    TDokument doc;
    QFont chosen("Arial CE");
    chosen.setPointSize(12);
    doc.ResetFontHook = [&] { return chosen; };
    Prepare(doc, {}, { "X" });
    EXPECT_EQ(doc.Font.pointSize(), 12);
    doc.LayOut();
    const auto texts = Texts(doc.FirstPage);
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
    const TTextItem second = FindText(doc.FirstPage, "světe");
    EXPECT_EQ(second.Pos, QPoint(2000 + m.Width("Ahoj "), 2000));
}

TEST(DocumentModel, LayOutWithoutPageGetsOne)
{
    TDokument doc;
    doc.Reset();
    doc.Body = QStringList { "text" };
    doc.LayOut();
    EXPECT_EQ(doc.PageCount, 1);
}
