#include "document/PageCanvas.h"
#include "document/PageFonts.h"

namespace {

QString fontKey(const TPageFont& f)
{
    return f.Face + QLatin1Char('/') + QString::number(f.PixelSize) + (f.Bold ? QLatin1Char('b') : QLatin1Char('-'))
        + (f.Italic ? QLatin1Char('i') : QLatin1Char('-'));
}

bool isBlank(const QString& text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

} // namespace

TFontMetricsCache::TEntry::TEntry(const QFont& f)
    : Metrics(f)
    , Height(qMax(1, RoundEven(Metrics.height()))) // a line always moves the cursor down
    , XWidth(RoundEven(Metrics.horizontalAdvance(QStringLiteral("X"))))
{
}

TFontMetricsCache::TEntry& TFontMetricsCache::Get(const TPageFont& font)
{
    const QString key = fontKey(font);
    auto it = Entries.find(key);
    if (it == Entries.end())
        it = Entries.emplace(key, std::make_unique<TEntry>(MakePageFont(font))).first;
    return *it->second;
}

int TFontMetricsCache::TextWidth(const TPageFont& font, const QString& text)
{
    TEntry& e = Get(font);
    auto it = e.Widths.constFind(text);
    if (it != e.Widths.constEnd())
        return *it;
    if (e.Widths.size() > 20000) // bound the memory of a long run with few repeated words
        e.Widths.clear();
    const int w = ClampCoord(RoundEven(e.Metrics.horizontalAdvance(text)));
    e.Widths.insert(text, w);
    return w;
}

TPageCanvas::TPageCanvas(TPagePicture& picture, TFontMetricsCache& metrics, const TPageFont& font)
    : Font(font)
    , Picture(picture)
    , Metrics(metrics)
{
    SetSize(font.Size);
}

void TPageCanvas::SetSize(int size)
{
    Font.Size = qBound(MinCanvasFontSize, size, MaxCanvasFontSize);
    Font.PixelSize = EmPixels(Font.Size);
}

void TPageCanvas::TextOut(int x, int y, const QString& text)
{
    // Blanks draw nothing unless they are underlined.
    if (text.isEmpty() || (!Font.Underline && isBlank(text)))
        return;
    Picture.Add(TTextItem { QPoint(x, y), text, Font, 0 });
}

void TPageCanvas::RotatedTextOut(int x, int y, const QString& text, const TPageFont& font)
{
    Picture.Add(TTextItem { QPoint(x, y), text, font, 90 });
}

void TPageCanvas::LineTo(int x, int y)
{
    Picture.Add(TLineItem { PenPos, QPoint(x, y), Pen });
    PenPos = QPoint(x, y);
}

void TPageCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Picture.Add(TRectItem { QPoint(x1, y1), QPoint(x2, y2), Pen });
}

void TPageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    Picture.Add(TEllipseItem { QPoint(x1, y1), QPoint(x2, y2), Pen });
}

void TPageCanvas::StretchDraw(const QRect& target, const QImage& image)
{
    if (!image.isNull())
        Picture.Add(TBitmapItem { target, image });
}
