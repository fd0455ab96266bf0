#pragma once
// The drawing surface of the layout: it holds the current font and pen, measures text in page
// units, and records what it draws into a page picture.
#include "document/PagePicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <memory>
#include <unordered_map>

// What a page measures of a font depends on its face, pixel size, bold and italic only (underline
// and colour change nothing). The figures of each such font, word widths included, are kept for
// the whole life of the thread, so a layout run measures only words no run has measured before;
// a font is opened only for those.
class TFontMetricsCache
{
public:
    struct TEntry
    {
        int Height = 1; // X height: the full character cell
        int XWidth = 0; // width of "X"
        QHash<QString, int> Widths;
    };

    TFontMetricsCache();
    ~TFontMetricsCache();
    TFontMetricsCache(const TFontMetricsCache&) = delete;
    TFontMetricsCache& operator=(const TFontMetricsCache&) = delete;

    const TEntry& Get(const TPageFont& font) { return *Find(font).Figures; }
    int TextWidth(const TPageFont& font, const QString& text);

    struct TKey
    {
        QString Face;
        int PixelSize = 0;
        bool Bold = false;
        bool Italic = false;
        bool operator==(const TKey& o) const
        {
            return PixelSize == o.PixelSize && Bold == o.Bold && Italic == o.Italic && Face == o.Face;
        }
    };
    struct TKeyHash
    {
        size_t operator()(const TKey& k) const;
    };

private:
    // One font as this cache uses it: the shared figures, and the font itself once a word had to
    // be measured with it.
    struct TFont
    {
        TKey Key;
        std::shared_ptr<TEntry> Figures;
        std::unique_ptr<QFontMetricsF> Metrics;
    };
    TFont& Find(const TPageFont& font);

    std::unordered_map<TKey, std::unique_ptr<TFont>, TKeyHash> Fonts;
    TFont* Last = nullptr; // the canvas asks for one font many times in a row
};

class TPageCanvas
{
public:
    TPageCanvas(TPagePicture& picture, TFontMetricsCache& metrics, const TPageFont& font);

    TPageFont Font;
    TPagePen Pen;
    QPoint PenPos;

    void SetSize(int size); // clamped to the canvas font range
    int Size() const { return Font.Size; }
    void SetFace(const QString& face) { Font.Face = face; }

    int TextWidth(const QString& text) { return Metrics.TextWidth(Font, text); }
    int XHeight() { return Metrics.Get(Font).Height; }
    int XWidth() { return Metrics.Get(Font).XWidth; }

    void TextOut(int x, int y, const QString& text);
    void RotatedTextOut(int x, int y, const QString& text, const TPageFont& font);
    void MoveTo(int x, int y) { PenPos = QPoint(x, y); }
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void StretchDraw(const QRect& target, const QImage& image);

    TPagePicture& Target() { return Picture; }

private:
    TPagePicture& Picture;
    TFontMetricsCache& Metrics;
};
