#include "document/PageCanvas.h"
#include "document/PageFonts.h"

namespace {

bool isBlank(const QString& text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

using TKey = TFontMetricsCache::TKey;
using TEntry = TFontMetricsCache::TEntry;

// Fonts measured on this thread. Bounded: past the limit the table starts afresh (a cache that
// still uses an entry keeps it alive), and so does a font's word table.
constexpr size_t MaxSharedFonts = 1000;
constexpr int MaxWordsPerFont = 20000;

std::unordered_map<TKey, std::shared_ptr<TEntry>, TFontMetricsCache::TKeyHash>& sharedFigures()
{
    thread_local std::unordered_map<TKey, std::shared_ptr<TEntry>, TFontMetricsCache::TKeyHash> figures;
    return figures;
}

TPageFont pageFont(const TKey& key)
{
    TPageFont f;
    f.Face = key.Face;
    f.PixelSize = key.PixelSize;
    f.Bold = key.Bold;
    f.Italic = key.Italic;
    return f;
}

} // namespace

size_t TFontMetricsCache::TKeyHash::operator()(const TKey& k) const
{
    return qHashMulti(0, k.Face, k.PixelSize, (k.Bold ? 2 : 0) + (k.Italic ? 1 : 0));
}

TFontMetricsCache::TFontMetricsCache() = default;
TFontMetricsCache::~TFontMetricsCache() = default;

TFontMetricsCache::TFont& TFontMetricsCache::Find(const TPageFont& font)
{
    if (Last && Last->Key.PixelSize == font.PixelSize && Last->Key.Bold == font.Bold && Last->Key.Italic == font.Italic
        && Last->Key.Face == font.Face)
        return *Last;
    TKey key { font.Face, font.PixelSize, font.Bold, font.Italic };
    auto it = Fonts.find(key);
    if (it == Fonts.end()) {
        auto entry = std::make_unique<TFont>();
        entry->Key = key;
        auto& shared = sharedFigures();
        auto found = shared.find(key);
        if (found != shared.end()) {
            entry->Figures = found->second;
        } else {
            entry->Metrics = std::make_unique<QFontMetricsF>(MakePageFont(pageFont(key)));
            entry->Figures = std::make_shared<TEntry>();
            entry->Figures->Height = qMax(1, RoundEven(entry->Metrics->height())); // a line always moves down
            entry->Figures->XWidth = RoundEven(entry->Metrics->horizontalAdvance(QStringLiteral("X")));
            if (shared.size() >= MaxSharedFonts)
                shared.clear();
            shared.emplace(key, entry->Figures);
        }
        it = Fonts.emplace(std::move(key), std::move(entry)).first;
    }
    Last = it->second.get();
    return *Last;
}

int TFontMetricsCache::TextWidth(const TPageFont& font, const QString& text)
{
    TFont& f = Find(font);
    TEntry& e = *f.Figures;
    auto it = e.Widths.constFind(text);
    if (it != e.Widths.constEnd())
        return *it;
    if (!f.Metrics)
        f.Metrics = std::make_unique<QFontMetricsF>(MakePageFont(pageFont(f.Key)));
    if (e.Widths.size() > MaxWordsPerFont) // bound the memory of a long run with few repeated words
        e.Widths.clear();
    const int w = ClampCoord(RoundEven(f.Metrics->horizontalAdvance(text)));
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
