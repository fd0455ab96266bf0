#include "document/PagePicture.h"
#include "document/PageFonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <unordered_map>

namespace {

struct TFontForPaint
{
    QFont Font;
    double Ascent = 0;
};

// Replays one picture; fonts are built once per paint. What a PDF makes of the calls matters for
// its size and speed: a run of lines with one pen is one path, the font is set only when it
// changes, and text is drawn with a hairline pen as the lines are (switching between a cosmetic
// and a scaled pen makes the PDF engine restate the transform).
class TPictureReplay
{
public:
    TPictureReplay(QPainter& p, double pixelsPerUnit)
        : Painter(p)
    {
        const QTransform t = p.combinedTransform();
        DeviceScale = pixelsPerUnit > 0 ? pixelsPerUnit : std::sqrt(std::abs(t.determinant()));
    }

    void operator()(const TTextItem& item)
    {
        Flush();
        const TFontForPaint& f = FontFor(item.Font);
        if (&f != CurrentFont) {
            Painter.setFont(f.Font);
            CurrentFont = &f;
        }
        Painter.setPen(QPen(QColor::fromRgb(item.Font.Color), 0));
        if (item.Rotation == 0) {
            Painter.drawText(QPointF(item.Pos.x(), item.Pos.y() + f.Ascent), item.Text);
            return;
        }
        Painter.save();
        Painter.translate(item.Pos);
        Painter.rotate(-item.Rotation);
        Painter.drawText(QPointF(0, f.Ascent), item.Text);
        Painter.restore();
    }
    void operator()(const TLineItem& item)
    {
        if (!Lines.empty() && !(item.Pen == LinesPen))
            Flush();
        LinesPen = item.Pen;
        Lines.emplace_back(item.From, item.To);
    }
    void operator()(const TRectItem& item)
    {
        Flush();
        Painter.setPen(PenFor(item.Pen));
        Painter.drawRect(QRectF(item.Corner1, item.Corner2).normalized());
    }
    void operator()(const TEllipseItem& item)
    {
        Flush();
        Painter.setPen(PenFor(item.Pen));
        Painter.drawEllipse(QRectF(item.Corner1, item.Corner2).normalized());
    }
    void operator()(const TBitmapItem& item)
    {
        Flush();
        Painter.drawImage(QRectF(item.Target), item.Image);
    }
    void Flush()
    {
        if (Lines.empty())
            return;
        Painter.setPen(PenFor(LinesPen));
        Painter.drawLines(Lines.data(), int(Lines.size()));
        Lines.clear();
    }

private:
    QPen PenFor(const TPagePen& pen) const
    {
        QPen p(QColor::fromRgb(pen.Color), pen.Width, pen.Style);
        // A hairline, or a pen thinner than one device pixel, is drawn one device pixel wide.
        if (pen.Width <= 1 || pen.Width * DeviceScale < 1.0)
            p.setWidth(0);
        return p;
    }

    const TFontForPaint& FontFor(const TPageFont& font)
    {
        const QString key = font.Face + QLatin1Char('/') + QString::number(font.PixelSize)
            + QString::number(int(font.Bold) + 2 * int(font.Italic) + 4 * int(font.Underline));
        auto it = Fonts.find(key);
        if (it == Fonts.end()) {
            TFontForPaint f;
            f.Font = MakePageFont(font);
            f.Ascent = QFontMetricsF(f.Font).ascent();
            it = Fonts.emplace(key, f).first;
        }
        return it->second;
    }

    QPainter& Painter;
    double DeviceScale = 1;
    std::unordered_map<QString, TFontForPaint> Fonts; // entries stay where they are (CurrentFont)
    const TFontForPaint* CurrentFont = nullptr;
    std::vector<QLineF> Lines; // lines waiting to be drawn with LinesPen
    TPagePen LinesPen;
};

} // namespace

void PaintPicture(QPainter& painter, const TPagePicture& picture, const QRectF& target, double pixelsPerUnit)
{
    if (picture.Width <= 0 || picture.Height <= 0 || target.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / picture.Width, target.height() / picture.Height);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    TPictureReplay replay(painter, pixelsPerUnit);
    for (const TPageItem& item : picture.Items)
        std::visit(replay, item);
    replay.Flush();
    painter.restore();
}
