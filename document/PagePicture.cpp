#include "document/PagePicture.h"
#include "document/PageFonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <cmath>

namespace {

struct TFontForPaint
{
    QFont Font;
    double Ascent = 0;
};

// Replays one picture; fonts are built once per paint.
class TPictureReplay
{
public:
    explicit TPictureReplay(QPainter& p)
        : Painter(p)
    {
        const QTransform t = p.combinedTransform();
        DeviceScale = std::sqrt(std::abs(t.determinant()));
    }

    void operator()(const TTextItem& item)
    {
        const TFontForPaint& f = FontFor(item.Font);
        Painter.setFont(f.Font);
        Painter.setPen(QColor::fromRgb(item.Font.Color));
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
        Painter.setPen(PenFor(item.Pen));
        Painter.drawLine(item.From, item.To);
    }
    void operator()(const TRectItem& item)
    {
        Painter.setPen(PenFor(item.Pen));
        Painter.drawRect(QRectF(item.Corner1, item.Corner2).normalized());
    }
    void operator()(const TEllipseItem& item)
    {
        Painter.setPen(PenFor(item.Pen));
        Painter.drawEllipse(QRectF(item.Corner1, item.Corner2).normalized());
    }
    void operator()(const TBitmapItem& item) { Painter.drawImage(QRectF(item.Target), item.Image); }

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
            it = Fonts.insert(key, f);
        }
        return *it;
    }

    QPainter& Painter;
    double DeviceScale = 1;
    QHash<QString, TFontForPaint> Fonts;
};

} // namespace

void PaintPicture(QPainter& painter, const TPagePicture& picture, const QRectF& target)
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
    TPictureReplay replay(painter);
    for (const TPageItem& item : picture.Items)
        std::visit(replay, item);
    painter.restore();
}
