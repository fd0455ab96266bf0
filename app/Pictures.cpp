// Support and load pictures, the logo and the program icon.
#include "app/Artwork.h"
#include "app/ArtworkPainting.h"
#include "model/TEndConditions.h"

#include <QPainterPath>

using namespace artwork;

namespace {

// One end of the beam; a free end has no support.
void BeamEnd(QPainter& p, TEndSupport kind, QPointF at, bool left)
{
    if (kind == TEndSupport::Pinned)
        PinnedSupport(p, at + QPointF(0, 1), 5);
    else if (kind == TEndSupport::Fixed)
        FixedSupport(p, at, 12, left);
}

void DimensionText(QPainter& p, const QRectF& box, const QString& text, const QColor& color = Navy)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(9);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

// A dimension line with ticks between x1 and x2 at height y, broken in the middle for its name.
void Dimension(QPainter& p, qreal x1, qreal x2, qreal y, const QString& name)
{
    const qreal middle = (x1 + x2) / 2;
    const qreal gap = 4;
    p.setPen(QPen(Navy, 0.8));
    p.drawLine(QPointF(x1, y), QPointF(middle - gap, y));
    p.drawLine(QPointF(middle + gap, y), QPointF(x2, y));
    p.drawLine(QPointF(x1, y - 2), QPointF(x1, y + 2));
    p.drawLine(QPointF(x2, y - 2), QPointF(x2, y + 2));
    DimensionText(p, QRectF(middle - gap, y - 5, 2 * gap, 9), name);
}

constexpr qreal BeamY = 13;
constexpr qreal DimensionY = 19.5;

void LoadBeam(QPainter& p)
{
    p.setPen(QPen(Steel, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(2, BeamY), QPointF(58, BeamY));
}

void PxPicture(QPainter& p)
{
    LoadBeam(p);
    Arrow(p, { 26, 0 }, { 26, BeamY - 1 }, 4, LoadRed, 1.4);
    DimensionText(p, QRectF(28, -1, 10, 10), QStringLiteral("P"), LoadRed);
    Dimension(p, 2, 26, DimensionY, QStringLiteral("a"));
}

void QPicture_(QPainter& p)
{
    LoadBeam(p);
    p.setPen(QPen(LoadRed, 1));
    p.drawLine(QPointF(2, 4), QPointF(58, 4));
    for (qreal x = 4; x < 58; x += 8)
        Arrow(p, { x, 4 }, { x, BeamY - 1 }, 3, LoadRed, 0.9);
    DimensionText(p, QRectF(24, 15, 12, 9), QStringLiteral("q"), LoadRed);
}

void QQPicture(QPainter& p)
{
    LoadBeam(p);
    const qreal xa = 18, xb = 44, ya = 8, yb = 2;
    p.setPen(QPen(LoadRed, 1));
    p.drawLine(QPointF(xa, ya), QPointF(xb, yb));
    for (qreal x = xa; x <= xb + 0.1; x += 6.5) {
        const qreal y = ya + (yb - ya) * (x - xa) / (xb - xa);
        Arrow(p, { x, y }, { x, BeamY - 1 }, 2.5, LoadRed, 0.9);
    }
    DimensionText(p, QRectF(xa - 14, 0, 13, 9), QStringLiteral("qa"), LoadRed);
    DimensionText(p, QRectF(xb + 1, -1, 13, 9), QStringLiteral("qb"), LoadRed);
    Dimension(p, 2, xa, DimensionY, QStringLiteral("a"));
    Dimension(p, xb, 58, DimensionY, QStringLiteral("b"));
}

void MxPicture(QPainter& p)
{
    LoadBeam(p);
    p.setPen(QPen(LoadRed, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(20.5, 1.5, 11, 11), 200 * 16, -250 * 16);
    Arrow(p, { 21.6, 9.8 }, { 21.0, 11.6 }, 3.5, LoadRed, 1);
    p.setBrush(LoadRed);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(26, BeamY), 1.6, 1.6);
    DimensionText(p, QRectF(32, -1, 10, 10), QStringLiteral("M"), LoadRed);
    Dimension(p, 2, 26, DimensionY, QStringLiteral("a"));
}

} // namespace

QPixmap SupportPicture(unsigned char typ)
{
    const TEndCondition& ends = EndConditionOf(typ);
    const TEndSupport left = ends.Left(), right = ends.Right();
    return Paint(50, 15, 2, [left, right](QPainter& p) {
        const qreal y = 6;
        p.setPen(QPen(Steel, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(5, y), QPointF(45, y));
        BeamEnd(p, left, { 5, y }, true);
        BeamEnd(p, right, { 45, y }, false);
    });
}

QPixmap LoadPicture(TLoadKind kind)
{
    switch (kind) {
    case KindPx:
        return Paint(60, 24, 2, PxPicture);
    case KindQ:
        return Paint(60, 24, 2, QPicture_);
    case KindQQ:
        return Paint(60, 24, 2, QQPicture);
    case KindMx:
        return Paint(60, 24, 2, MxPicture);
    }
    return {};
}

QPixmap LogoPicture(int width, int height)
{
    return Paint(width, height, 2, [width, height](QPainter& p) {
        const qreal beamY = height * 0.72;
        const qreal l = 10, r = width - 10;
        for (qreal x = l + 6; x < r - 2; x += 12)
            Arrow(p, { x, beamY - 13 }, { x, beamY - 2 }, 3, LoadRed, 0.9);
        p.setPen(QPen(LoadRed, 1));
        p.drawLine(QPointF(l + 4, beamY - 13), QPointF(r - 4, beamY - 13));
        p.setPen(QPen(Steel, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(l, beamY), QPointF(r, beamY));
        PinnedSupport(p, { l + 4, beamY + 1.5 }, 7);
        PinnedSupport(p, { r - 4, beamY + 1.5 }, 7);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(int(height * 0.42));
        font.setBold(true);
        font.setItalic(true);
        p.setFont(font);
        p.setPen(Navy);
        p.drawText(QRectF(0, 0, width, beamY - 14), Qt::AlignCenter, QStringLiteral("Trabík"));
    });
}

QPixmap ProgramIconPicture(int size)
{
    return Paint(32, 32, size / 32.0, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 60, 140));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
        p.setPen(QPen(QColor(255, 204, 0), 1.5));
        p.drawLine(QPointF(6, 9), QPointF(26, 9));
        for (qreal x : { 8.0, 16.0, 24.0 })
            Arrow(p, { x, 9 }, { x, 17 }, 3.5, QColor(255, 204, 0), 1.5);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(4, 20), QPointF(28, 20));
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(QColor(30, 60, 140));
        p.drawPolygon(QPolygonF({ { 7, 22 }, { 4, 27 }, { 10, 27 } }));
        p.drawPolygon(QPolygonF({ { 25, 22 }, { 22, 27 }, { 28, 27 } }));
    });
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : { 16, 32, 48, 64 })
        icon.addPixmap(ProgramIconPicture(size));
    return icon;
}
