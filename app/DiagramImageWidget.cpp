#include "app/DiagramImageWidget.h"

#include <QMouseEvent>
#include <QPainter>

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
}

void TDiagramImageWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit Probed(event->position().toPoint().x(), width());
    QWidget::mouseMoveEvent(event);
}
