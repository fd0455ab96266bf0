#pragma once
// The drawing surface of the layout: it holds the current font and pen, measures text in page
// units, and records what it draws into a page picture.
#include "document/PagePicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <memory>
#include <unordered_map>

// Metrics per font, shared by all pages of a layout run. Word widths are cached too: a report
// measures the same few hundred words over and over.
class TFontMetricsCache
{
public:
    struct TEntry
    {
        explicit TEntry(const QFont& f);
        QFontMetricsF Metrics;
        int Height; // X height: the full character cell
        int XWidth; // width of "X"
        QHash<QString, int> Widths;
    };

    TEntry& Get(const TPageFont& font);
    int TextWidth(const TPageFont& font, const QString& text);

private:
    std::unordered_map<QString, std::unique_ptr<TEntry>> Entries;
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

private:
    TPagePicture& Picture;
    TFontMetricsCache& Metrics;
};
