#include "app/KombiBitmaps.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap Blank()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap Tick()
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 140, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(3, 8.5);
    path.lineTo(6.5, 12);
    path.lineTo(13, 3.5);
    p.drawPath(path);
    return pixmap;
}

QPixmap Cross()
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 128), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
    return pixmap;
}

// A printer seen from the front: body, paper tray slot and, when printing, a sheet in it.
QPixmap Printer(bool withPaper)
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    const QColor outline = withPaper ? QColor(0, 0, 0) : QColor(128, 128, 128);
    const QColor body = withPaper ? QColor(192, 192, 192) : QColor(224, 224, 224);
    if (withPaper) {
        p.setPen(QColor(0, 0, 0));
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 6); // the sheet sticking out of the top
        p.setPen(QColor(0, 0, 128));
        p.drawLine(5, 3, 9, 3);
        p.drawLine(5, 5, 9, 5);
    }
    p.setPen(outline);
    p.setBrush(body);
    p.drawRect(1, 7, 13, 6);
    p.drawLine(3, 13, 3, 14);
    p.drawLine(12, 13, 12, 14);
    p.setPen(withPaper ? QColor(0, 160, 0) : QColor(160, 160, 160));
    p.drawPoint(12, 9); // the power light
    p.setPen(outline);
    p.drawLine(4, 11, 10, 11); // the output slot
    return pixmap;
}

} // namespace

QPixmap KombiBitmap(TKombiBitmap which)
{
    switch (which) {
    case TKombiBitmap::KOMB_YES:
        return Tick();
    case TKombiBitmap::KOMB_NO:
        return Cross();
    case TKombiBitmap::PRINT_YES:
        return Printer(true);
    case TKombiBitmap::PRINT_NO:
        return Printer(false);
    }
    return Blank();
}
