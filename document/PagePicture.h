#pragma once
// A page picture is our own display list in page units (0.01 mm, origin at the sheet's top-left
// corner, y downwards). Layout records into it; one painter function replays it anywhere.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

class QPainter;
class QRectF;

// The font of one text run. Size is the canvas size S (1/27 pt); PixelSize its em height in
// page units (R(S * 96 / 72)), which is what the painter and the measurements use.
struct TPageFont
{
    QString Face;
    int Size = 270;
    int PixelSize = 360;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    QRgb Color = qRgb(0, 0, 0);

    bool operator==(const TPageFont& o) const
    {
        return Face == o.Face && PixelSize == o.PixelSize && Bold == o.Bold && Italic == o.Italic
            && Underline == o.Underline && Color == o.Color && Size == o.Size;
    }
    bool operator!=(const TPageFont& o) const { return !(*this == o); }
};

struct TPagePen
{
    int Width = 1; // page units; 1 is a hairline
    QRgb Color = qRgb(0, 0, 0);
    Qt::PenStyle Style = Qt::SolidLine;

    bool operator==(const TPagePen& o) const { return Width == o.Width && Color == o.Color && Style == o.Style; }
};

// Text with its top-left corner at Pos. Rotation is 0 or 90 (degrees counter-clockwise, the
// text then runs upward from Pos and its top faces the left edge).
struct TTextItem
{
    QPoint Pos;
    QString Text;
    TPageFont Font;
    int Rotation = 0;
};

struct TLineItem
{
    QPoint From;
    QPoint To;
    TPagePen Pen;
};

// Rectangle and ellipse outlines keep the two corners as the mark-up gave them.
struct TRectItem
{
    QPoint Corner1;
    QPoint Corner2;
    TPagePen Pen;
};

struct TEllipseItem
{
    QPoint Corner1;
    QPoint Corner2;
    TPagePen Pen;
};

// A bitmap stretched into Target. The picture keeps its own (copy-on-write) copy of the image.
struct TBitmapItem
{
    QRect Target;
    QImage Image;
};

using TPageItem = std::variant<TTextItem, TLineItem, TRectItem, TEllipseItem, TBitmapItem>;

class TPagePicture
{
public:
    int Width = 21000;
    int Height = 29700;
    std::vector<TPageItem> Items;

    // Built in place: no variant temporary to move from.
    template <typename TItem> void Add(TItem&& item) { Items.emplace_back(std::forward<TItem>(item)); }
    void Clear() { Items.clear(); }
    bool IsEmpty() const { return Items.empty(); }

    // Every item of one kind, in drawing order (handy for callers and tests).
    template <typename T> std::vector<T> ItemsOf() const
    {
        std::vector<T> out;
        for (const auto& item : Items)
            if (const T* p = std::get_if<T>(&item))
                out.push_back(*p);
        return out;
    }
};

// Replays the picture stretched into target (in the painter's current coordinates) on any
// painter: widget, QImage, printer, PDF. The painter's state is restored afterwards. A pen thinner
// than one device pixel is drawn as a hairline; pixelsPerUnit, when given, says how many pixels a
// page unit is for that rule (else the painter's scale does).
void PaintPicture(QPainter& painter, const TPagePicture& picture, const QRectF& target, double pixelsPerUnit = 0);

class TPictureReplay;

// Paints many pictures with one set of fonts and of shaped texts, which a report repeats page
// after page; PaintPicture is the same for one picture.
class TPicturePainter
{
public:
    TPicturePainter();
    ~TPicturePainter();
    TPicturePainter(const TPicturePainter&) = delete;
    TPicturePainter& operator=(const TPicturePainter&) = delete;

    void Paint(QPainter& painter, const TPagePicture& picture, const QRectF& target, double pixelsPerUnit = 0);

private:
    std::unique_ptr<TPictureReplay> Replay;
};
