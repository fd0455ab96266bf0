#include "app/DiagramImageWidget.h"

#include "app/ResultFields.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

TDiagramImageWidget::TDiagramImageWidget(const QString& name, TDiagramKind kind, QWidget* parent)
    : QWidget(parent)
    , Kind(kind)
{
    setObjectName(name);
    setMinimumSize(300, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
}

void TDiagramImageWidget::Show(std::shared_ptr<const TCalculation> result, const TCalculationChoice& choice)
{
    Result = std::move(result);
    Choice = choice;
    update();
}

QImage TDiagramImageWidget::Picture() const
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintDiagram(painter, Kind, *Result, Choice, width(), height());
    return image;
}

void TDiagramImageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintDiagram(painter, Kind, *Result, Choice, width(), height());
    PaintExtremeValues(painter);
}

// Each extreme beside its peak, on the axis side of it, on a white ground; one that would overlap
// the other or leave the picture is not written.
void TDiagramImageWidget::PaintExtremeValues(QPainter& painter) const
{
    if (Kind == TDiagramKind::Deflection || !(Result->SpanL > 0))
        return;
    const bool moment = Kind == TDiagramKind::Moment;
    const TExtreme& e
        = moment ? Result->Extremes.M(Choice.MomentCharacteristic) : Result->Extremes.Q(Choice.ShearCharacteristic);
    const double scale = std::max(std::abs(e.Max), std::abs(e.Min));
    if (!(scale > 0))
        return;
    const double sign = moment ? -1 : 1; // hogging moments up, positive shear down, as painted
    const int h0 = height() / 2;
    const QFontMetrics metrics(font());
    std::vector<QRect> placed;
    for (const auto& [x, value] : { std::pair(e.xMax, e.Max), std::pair(e.xMin, e.Min) }) {
        const QString text = ResultText(value);
        if (value == 0 || !std::isfinite(x))
            continue;
        const int px = int(std::lround(width() * x / Result->SpanL));
        const int py = int(std::lround(h0 + h0 * sign * value / scale));
        QRect box(0, 0, metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
        box.moveTop(py < h0 ? py + 2 : py - box.height() - 2);
        box.moveLeft(px + 4 + box.width() <= width() ? px + 4 : px - 4 - box.width());
        const bool overlaps
            = std::any_of(placed.begin(), placed.end(), [&box](const QRect& r) { return r.intersects(box); });
        if (overlaps || !rect().contains(box))
            continue;
        placed.push_back(box);
        painter.fillRect(box, QColor(255, 255, 255, 220));
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void TDiagramImageWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit Probed(event->position().toPoint().x(), width());
    QWidget::mouseMoveEvent(event);
}
