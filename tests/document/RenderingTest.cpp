// Replaying pictures: onto an image (what the preview does) and onto a PDF (what printing does).
#include "DocumentTestUtil.h"

#include "document/PdfExport.h"
#include "model/TError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

int DarkPixels(const QImage& img, const QRect& area)
{
    int n = 0;
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                ++n;
    return n;
}

// A white A4 sheet at scale pixels per millimetre.
QImage BlankSheet(int scale = 4)
{
    QImage img(210 * scale, 297 * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// The page at scale pixels per millimetre.
QImage Render(const TPrintPage& page, int scale = 4)
{
    QImage img = BlankSheet(scale);
    QPainter painter(&img);
    page.Paint(painter, QRectF(0, 0, img.width(), img.height()));
    return img;
}

int CountPdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = f.readAll();
    int n = 0;
    for (int i = data.indexOf("/Type /Page"); i >= 0; i = data.indexOf("/Type /Page", i + 1))
        if (data.mid(i + 11, 1) != "s")
            ++n;
    return n;
}

} // namespace

TEST(Rendering, TextAndFiguresLandWhereRecorded)
{
    TDokument doc;
    Prepare(doc, SimpleFrame(), { "<cur 30 50><fontsize 20>XXXX<box 100 200 150 250><pen 50><line 20 280 190 280>" });
    doc.LayOut();
    const QImage img = Render(*doc.Page(1)); // 4 px per mm
    TMeasure m;
    const int width = m.Width("XXXX", BaseFont(540)) / 25; // page units -> px at 4 px/mm
    EXPECT_GT(DarkPixels(img, QRect(50 * 4, 70 * 4, width, 4 * 5)), 100); // text at (50 mm, 70 mm)
    EXPECT_EQ(DarkPixels(img, QRect(50 * 4, 60 * 4, width, 4 * 8)), 0); // nothing above it
    EXPECT_GT(DarkPixels(img, QRect(100 * 4 - 1, 220 * 4, 3, 20)), 5); // left edge of the box
    EXPECT_EQ(DarkPixels(img, QRect(110 * 4, 210 * 4, 30 * 4, 30 * 4)), 0); // not filled
    EXPECT_GT(DarkPixels(img, QRect(100 * 4, 280 * 4 - 2, 4, 5)), 5); // the 0.5 mm line
    EXPECT_GT(DarkPixels(img, QRect(5 * 4, 200 * 4, 8, 92 * 4)), 20); // credit 5 mm inside the left edge
    EXPECT_EQ(DarkPixels(img, QRect(0, 0, 5 * 4, 297 * 4)), 0); // ... and nothing outside it
    EXPECT_EQ(DarkPixels(img, QRect(5 * 4, 0, 8, 100 * 4)), 0); // ... starting at the bottom
}

TEST(Rendering, ImagesAreCopiedIntoThePicture)
{
    QTemporaryDir dir;
    QImage fileImage(8, 8, QImage::Format_RGB32);
    fileImage.fill(Qt::red);
    ASSERT_TRUE(fileImage.save(dir.filePath("cerveny.bmp")));
    TDokument doc;
    QImage logo(4, 4, QImage::Format_RGB32);
    logo.fill(Qt::green);
    doc.Images.SetLogo(logo);
    QImage diagram(6, 6, QImage::Format_RGB32);
    diagram.fill(Qt::blue);
    doc.Images.SetImageSource("Image7", [&] { return diagram; });
    doc.Images.BaseDirectory = dir.path();
    Prepare(doc, SimpleFrame(),
        { "<imgform 50 30>image7</imgform>A<imgform 10 10>Image99</imgform><img 10 20>cerveny.bmp</img>",
            "<img 5 5>chybi.bmp</img><img 5 5>*.bmp</img>" });
    doc.LayOut();
    diagram.fill(Qt::black); // the window's picture changes after the layout
    const auto bitmaps = doc.Page(1)->Picture.ItemsOf<TBitmapItem>();
    ASSERT_EQ(bitmaps.size(), 5u);
    EXPECT_EQ(bitmaps[0].Target, QRect(2000, 2000, 5000, 3000));
    EXPECT_EQ(bitmaps[0].Image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(bitmaps[1].Image.pixel(0, 0), qRgb(0, 255, 0)); // unknown name: the logo
    EXPECT_EQ(bitmaps[2].Image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(bitmaps[3].Image.pixel(0, 0), qRgb(0, 255, 0)); // unreadable file: the logo
    EXPECT_EQ(bitmaps[4].Image.pixel(0, 0), qRgb(0, 255, 0)); // "*.bmp": the logo
    EXPECT_EQ(FindText(doc.Page(1), "A").Pos, QPoint(2000, 2000)); // images keep the cursor
    const QImage img = Render(*doc.Page(1));
    EXPECT_EQ(img.pixel(50 * 4, 45 * 4), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(25 * 4, 35 * 4), qRgb(255, 0, 0)); // drawn later, on top
}

TEST(Rendering, PrintAllWritesOneA4SheetPerPage)
{
    QTemporaryDir dir;
    TDokument doc;
    Prepare(doc, SimpleFrame(), { "jedna<newpage>dvě<newpage>tři" });
    doc.LayOut();
    const QString all = dir.filePath("all.pdf");
    {
        QPdfWriter writer(all);
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        doc.PrintAll(writer);
        EXPECT_EQ(writer.pageLayout().fullRect(QPageLayout::Millimeter).size(), QSizeF(210, 297));
    }
    EXPECT_EQ(CountPdfPages(all), 3);
    const QString current = dir.filePath("current.pdf");
    doc.CurrentPage = doc.Page(2);
    {
        QPdfWriter writer(current);
        doc.PrintCurrentPage(writer);
    }
    EXPECT_EQ(CountPdfPages(current), 1);
}

// The PDF goes to a temporary file first: a write that cannot finish leaves what was there.
TEST(Rendering, PdfReplacesTheOldFileOnlyWhenWrittenWhole)
{
    QTemporaryDir dir;
    TDokument doc;
    Prepare(doc, SimpleFrame(), { "jedna<newpage>dvě" });
    doc.LayOut();
    const QString path = dir.filePath("posudek.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    WriteDocumentPdf(doc, path);
    EXPECT_EQ(CountPdfPages(path), 2);

    // A target that cannot be replaced (here a folder with a file in it, which even root cannot
    // rename a file over): an error, the target untouched, no temporary file left beside it.
    const QString blocked = dir.filePath("blocked.pdf");
    ASSERT_TRUE(QDir(dir.path()).mkpath("blocked.pdf/inside"));
    EXPECT_THROW(WriteDocumentPdf(doc, blocked), TError);
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_TRUE(QFileInfo::exists(blocked + "/inside"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "posudek.pdf" });
}

// Words are drawn as glyph runs, a line's words in one font together; they must land where Qt's
// own text drawing puts them, in every font, colour and fallback glyph, on every page painted with
// one painter (fonts and shaped words are kept from page to page).
TEST(Rendering, GlyphRunsDrawTheWordsAsTextDrawingDoes)
{
    TDokument doc;
    Prepare(doc, SimpleFrame(),
        { "<u>Podtržené</u> a prostý nosník <b>tučně</b> a <i>kurzívou</i> <color 255 0 0>červeně<color 0 0 0> M &get; "
          "12,5 kNm "
          "<u>podtrženě</u>",
            "<fontsize 20>Velké písmo <fontsize 8>malé písmo",
            "<newpage><gama> = 1,35 <b>ZS 1</b> [kN.m<sup>-1</sup>] <u>podtržené</u>" });
    doc.LayOut();
    ASSERT_EQ(doc.PageCount(), 2);
    // The texts without the rotated credit line, each drawn by Qt itself.
    const auto reference = [](const TPrintPage& page) {
        QImage img = BlankSheet();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(img.width() / 21000.0, img.height() / 29700.0);
        for (const TTextItem& t : Texts(&page)) {
            const QFont font = MakePageFont(t.Font);
            p.setFont(font);
            p.setPen(QPen(QColor::fromRgb(t.Font.Color), 0));
            p.drawText(QPointF(t.Pos.x(), t.Pos.y() + QFontMetricsF(font).ascent()), t.Text);
        }
        return img;
    };
    const auto render = [](TPicturePainter& painter, const TPrintPage& page) {
        QImage img = BlankSheet();
        TPagePicture text;
        for (const TTextItem& t : Texts(&page))
            text.Add(TTextItem(t));
        QPainter p(&img);
        painter.Paint(p, text, QRectF(img.rect()));
        return img;
    };
    const auto differing = [](const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64)
                    ++n;
        return n;
    };
    TPicturePainter painter;
    for (int k : { 1, 2, 1 }) {
        const QImage expected = reference(*doc.Page(k));
        const QImage drawn = render(painter, *doc.Page(k));
        const int dark = DarkPixels(expected, expected.rect());
        EXPECT_GT(dark, 300) << "page " << k;
        EXPECT_LT(differing(expected, drawn), dark / 50) << "page " << k;
    }
}

TEST(Rendering, PaintingIsTheSameAtAnyResolution)
{
    TDokument doc;
    Prepare(doc, SimpleFrame(), { "<box 20 20 190 277>Text" });
    doc.LayOut();
    const QImage small = Render(*doc.Page(1), 2);
    const QImage large = Render(*doc.Page(1), 8).scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The box edge sits at 20 mm in both renderings.
    EXPECT_GT(DarkPixels(small, QRect(39, 100, 3, 100)), 20);
    EXPECT_LT(qGray(large.pixel(40, 150)), 250);
}

TEST(Rendering, PageFontsUseLiberationSansAndPixelSizes)
{
    InstallPageFonts();
    InstallPageFonts(); // idempotent
    EXPECT_EQ(QFont::substitutes("Arial CE").filter("Liberation Sans", Qt::CaseInsensitive).size(), 1);
    const QFont f = MakePageFont(BaseFont(270));
    EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(f.pixelSize(), 360); // 10 pt: 36 page units per point
    TMeasure m;
    EXPECT_EQ(m.H(), RoundEven(QFontMetricsF(f).height()));
    EXPECT_EQ(RoundEven(2.5), 2);
    EXPECT_EQ(RoundEven(3.5), 4);
    EXPECT_EQ(RoundEven(-2.5), -2);
}

TEST(Rendering, SampleWithEveryConstructLaysOut)
{
    QFile file(QStringLiteral(TRABIK_TEST_DATA "/document/sample-all.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TDokument doc;
    Prepare(doc, SimpleFrame(), QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')));
    doc.Images.BaseDirectory = QStringLiteral(TRABIK_TEST_DATA "/document");
    doc.LayOut();
    EXPECT_EQ(doc.PageCount(), 3);
    const auto bitmaps = doc.Page(1)->Picture.ItemsOf<TBitmapItem>();
    ASSERT_EQ(bitmaps.size(), 1u); // the file; no logo or diagram is registered
    EXPECT_EQ(bitmaps[0].Image.size(), QSize(32, 16));
    EXPECT_EQ(FindText(doc.Pages().Last(), "3").Font.Size, 270); // &pagenumber; on the last page
}
