// The image list of the main window: twenty 16 x 16 pictures, indexed as the actions use them.
#include "app/Artwork.h"
#include "app/ArtworkPainting.h"

#include <QPainterPath>
#include <array>

using namespace artwork;

namespace {

void Page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void TextLines(QPainter& p, qreal left, qreal right, qreal top, int count)
{
    p.setPen(QPen(QColor(120, 140, 180), 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * 2), QPointF(right, top + i * 2));
}

void Beam(QPainter& p, qreal left, qreal right, qreal y)
{
    p.setPen(QPen(Steel, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(left, y), QPointF(right, y));
}

void Plus(QPainter& p, QPointF c, const QColor& color)
{
    p.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
    p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
}

void Cross(QPainter& p, QPointF c, const QColor& color)
{
    p.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-2.5, -2.5), c + QPointF(2.5, 2.5));
    p.drawLine(c + QPointF(-2.5, 2.5), c + QPointF(2.5, -2.5));
}

void NewTask(QPainter& p)
{
    Page(p, QRectF(3.5, 1.5, 9, 13));
}

void OpenFolder(QPainter& p)
{
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygonF({ { 1.5, 4 }, { 6, 4 }, { 7, 5.5 }, { 13, 5.5 }, { 13, 13.5 }, { 1.5, 13.5 } }));
    p.setBrush(QColor(255, 225, 120));
    p.drawPolygon(QPolygonF({ { 3.5, 8 }, { 15, 8 }, { 13, 13.5 }, { 1.5, 13.5 } }));
}

void Floppy(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(50, 90, 170));
    p.drawRect(QRectF(2.5, 2.5, 11, 11));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 2.5, 7, 4.5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(5, 9.5, 6, 4));
}

void TwoPages(QPainter& p)
{
    Page(p, QRectF(1.5, 1.5, 8, 10));
    Page(p, QRectF(6.5, 4.5, 8, 10));
}

void Question(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 60));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

void Exit(QPainter& p)
{
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(3.5, 1.5, 8, 13));
    Arrow(p, { 7, 8 }, { 15, 8 }, 4, QColor(200, 30, 30), 1.8);
}

void PageSetup(QPainter& p)
{
    Page(p, QRectF(3.5, 1.5, 10, 13));
    p.setPen(QPen(QColor(200, 60, 60), 0.8, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.5, 4.5, 6, 8));
}

void Printer(QPainter& p)
{
    Page(p, QRectF(4.5, 1.5, 7, 6));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(180, 180, 185));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(QPen(QColor(60, 200, 60), 1.2));
    p.drawPoint(QPointF(12.5, 8.5));
}

void Dimensions(QPainter& p)
{
    Beam(p, 2, 14, 5);
    PinnedSupport(p, { 3, 6 }, 3);
    PinnedSupport(p, { 13, 6 }, 3);
    Arrow(p, { 8, 13 }, { 1.5, 13 }, 3, Navy, 1);
    Arrow(p, { 8, 13 }, { 14.5, 13 }, 3, Navy, 1);
}

void LoadCaseCard(QPainter& p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(235, 240, 250));
    p.drawRect(QRectF(1.5, 4.5, 11, 10));
    p.setBrush(QColor(210, 220, 240));
    p.drawRect(QRectF(1.5, 1.5, 6, 3));
    TextLines(p, 3.5, 10.5, 7.5, 3);
}

void NewLoadCase(QPainter& p)
{
    LoadCaseCard(p);
    Plus(p, { 12, 12 }, QColor(20, 150, 40));
}

void DeleteLoadCase(QPainter& p)
{
    LoadCaseCard(p);
    Cross(p, { 12, 12 }, QColor(210, 30, 30));
}

void PointForce(QPainter& p)
{
    Arrow(p, { 8, 1 }, { 8, 11 }, 4.5, LoadRed, 1.8);
    Beam(p, 1, 15, 13);
}

void UniformLoad(QPainter& p)
{
    p.setPen(QPen(LoadRed, 1));
    p.drawLine(QPointF(1.5, 3), QPointF(14.5, 3));
    for (qreal x : { 2.0, 6.0, 10.0, 14.0 })
        Arrow(p, { x, 3 }, { x, 11 }, 3, LoadRed, 1);
    Beam(p, 1, 15, 13);
}

void VaryingLoad(QPainter& p)
{
    p.setPen(QPen(LoadRed, 1));
    p.drawLine(QPointF(3, 7), QPointF(13, 2));
    Arrow(p, { 3, 7 }, { 3, 11 }, 2.5, LoadRed, 1);
    Arrow(p, { 8, 4.5 }, { 8, 11 }, 3, LoadRed, 1);
    Arrow(p, { 13, 2 }, { 13, 11 }, 3, LoadRed, 1);
    Beam(p, 1, 15, 13);
}

void Moment(QPainter& p)
{
    Beam(p, 1, 15, 12);
    p.setPen(QPen(LoadRed, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 2, 10, 10), 200 * 16, -250 * 16);
    Arrow(p, { 4.2, 9.3 }, { 3.6, 10.8 }, 3.5, LoadRed, 1);
}

void MomentDiagram(QPainter& p)
{
    QPainterPath curve;
    curve.moveTo(2, 4);
    curve.quadTo(8, 20, 14, 4);
    curve.closeSubpath();
    p.setPen(QPen(Navy, 1));
    p.setBrush(QColor(150, 180, 230));
    p.drawPath(curve);
    p.setPen(QPen(Qt::black, 1.4));
    p.drawLine(QPointF(1, 4), QPointF(15, 4));
}

void Info(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 190));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3.5, 2, 2));
    p.drawRect(QRectF(7, 6.5, 2, 6));
}

void Preview(QPainter& p)
{
    Page(p, QRectF(1.5, 1.5, 9, 12));
    TextLines(p, 3, 8, 4.5, 3);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(200, 230, 255, 200));
    p.drawEllipse(QRectF(6.5, 6.5, 6, 6));
    p.setPen(QPen(QColor(40, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.8, 11.8), QPointF(14.5, 14.5));
}

void Wizard(QPainter& p)
{
    p.setPen(QPen(QColor(60, 40, 20), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 14), QPointF(10, 6));
    p.setPen(QPen(QColor(230, 170, 0), 1.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF star(12, 4);
    for (const QPointF& d : { QPointF(3, 0), QPointF(0, 3), QPointF(2, 2), QPointF(2, -2) }) {
        p.drawLine(star - d, star + d);
    }
}

void Deflection(QPainter& p)
{
    PinnedSupport(p, { 2.5, 5 }, 3);
    PinnedSupport(p, { 13.5, 5 }, 3);
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    p.drawLine(QPointF(1, 5), QPointF(15, 5));
    QPainterPath bent;
    bent.moveTo(2.5, 5);
    bent.quadTo(8, 17, 13.5, 5);
    p.setPen(QPen(Navy, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bent);
}

using TPainterFn = void (*)(QPainter&);
constexpr std::array<TPainterFn, ActionImageCount> Painters = {
    NewTask,
    OpenFolder,
    Floppy,
    TwoPages,
    Question,
    Exit,
    PageSetup,
    Printer,
    Dimensions,
    NewLoadCase,
    DeleteLoadCase,
    PointForce,
    UniformLoad,
    VaryingLoad,
    Moment,
    MomentDiagram,
    Info,
    Preview,
    Wizard,
    Deflection,
};

} // namespace

QIcon ActionImage(int index)
{
    if (index < 0 || index >= ActionImageCount)
        return {};
    QIcon icon;
    for (qreal scale : { 1.0, 2.0 })
        icon.addPixmap(Paint(16, 16, scale, Painters[std::size_t(index)]));
    return icon;
}

QIcon NavigationGlyph(bool forward)
{
    QIcon icon;
    for (qreal scale : { 1.0, 2.0 }) {
        icon.addPixmap(Paint(16, 16, scale, [forward](QPainter& p) {
            const QColor green(20, 130, 40);
            if (forward)
                Arrow(p, { 2, 8 }, { 14, 8 }, 7, green, 3);
            else
                Arrow(p, { 14, 8 }, { 2, 8 }, 7, green, 3);
        }));
    }
    return icon;
}
