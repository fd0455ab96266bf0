#include "app/ArtworkPainting.h"

#include <QPainterPath>
#include <QtMath>

namespace artwork {

QPixmap Paint(int width, int height, qreal scale, const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(qRound(width * scale), qRound(height * scale));
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    paint(p);
    p.end();
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

void Arrow(QPainter& p, QPointF from, QPointF to, qreal head, const QColor& color, qreal width)
{
    const QLineF line(from, to);
    if (line.length() <= 0)
        return;
    const QPointF unit = (to - from) / line.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to - unit * head;
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, base);
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(base + normal * head * 0.5);
    tip.lineTo(base - normal * head * 0.5);
    tip.closeSubpath();
    p.fillPath(tip, color);
    p.restore();
}

void PinnedSupport(QPainter& p, QPointF at, qreal size)
{
    p.save();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    const QPolygonF triangle({ at, at + QPointF(-size * 0.6, size), at + QPointF(size * 0.6, size) });
    p.drawPolygon(triangle);
    p.drawLine(at + QPointF(-size * 0.9, size + 0.5), at + QPointF(size * 0.9, size + 0.5));
    p.restore();
}

void FixedSupport(QPainter& p, QPointF at, qreal height, bool wallOnLeft)
{
    p.save();
    const qreal top = at.y() - height / 2;
    const qreal bottom = at.y() + height / 2;
    const qreal side = wallOnLeft ? -1 : 1;
    p.setPen(QPen(Qt::black, 1.4));
    p.drawLine(QPointF(at.x(), top), QPointF(at.x(), bottom));
    p.setPen(QPen(Qt::black, 0.8));
    for (qreal y = top + 1.5; y <= bottom; y += 2.5)
        p.drawLine(QPointF(at.x(), y), QPointF(at.x() + side * 2.5, y - 2.5));
    p.restore();
}

} // namespace artwork
