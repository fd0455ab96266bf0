#pragma once
// Image7, Image8, Image9: one diagram of the result its tab shows, painted at the widget's own size (it
// grows with the window; 300 x 120 at least) and probed by the mouse.
#include "analysis/Diagrams.h"

#include <QWidget>
#include <memory>

class TDiagramImageWidget : public QWidget
{
    Q_OBJECT
public:
    TDiagramImageWidget(const QString& name, TDiagramKind kind, QWidget* parent = nullptr);

    // The result to paint, shared with its tab, and the switches it is shown under.
    void Show(std::shared_ptr<const TCalculation> result, const TCalculationChoice& choice);
    // The picture as shown now (for the report's <imgform), without the values the screen adds.
    QImage Picture() const;
    QSize sizeHint() const override { return { 300, 120 }; }

signals:
    void Probed(int X, int width); // the mouse is over horizontal pixel X of a width-pixel image

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void PaintExtremeValues(QPainter& painter) const;

    TDiagramKind Kind;
    std::shared_ptr<const TCalculation> Result = std::make_shared<const TCalculation>();
    TCalculationChoice Choice; // the switches
};
