#pragma once
// Image7, Image8, Image9: one diagram of the result its tab shows, painted at the widget's own size (it
// grows with the window; 300 x 120 at least) and probed by the mouse.
#include "analysis/Diagrams.h"

#include <QWidget>

class TDiagramImageWidget : public QWidget
{
    Q_OBJECT
public:
    TDiagramImageWidget(const QString& name, TDiagramKind kind, const TCalculation& result,
        const TCalculationChoice& choice, QWidget* parent = nullptr);

    // The picture as shown now (for the report's <imgform), without the values the screen adds.
    QImage Picture() const;
    // The span the extremes' positions are measured on; the screen writes the extreme values of
    // the moment and shear diagrams at their peaks when it knows it.
    void SetSpan(double spanL) { SpanL = spanL; }
    QSize sizeHint() const override { return { 300, 120 }; }

signals:
    void Probed(int X, int width); // the mouse is over horizontal pixel X of a width-pixel image

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void PaintExtremeValues(QPainter& painter) const;

    TDiagramKind Kind;
    double SpanL = 0;
    const TCalculation& Result;
    const TCalculationChoice& Choice; // the switches
};
