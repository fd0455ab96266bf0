#include "analysis/Diagrams.h"

#include "model/uMyCommonLib.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace {

// The larger magnitude of the two extremes; 10 when both are 0 so an empty diagram is a bare axis.
double Scale(double min, double max)
{
    const double s = std::max(std::fabs(min), std::fabs(max));
    return s == 0 ? 10 : s;
}

// round(h0 + h0 * value / s), kept far inside int: stale extremes must not overflow the pixel.
int PixelY(int h0, double value, double s)
{
    double y = h0 + h0 * value / s;
    if (std::isnan(y))
        y = h0;
    return int(RoundHalfEven(std::clamp(y, -1e6, 1e6)));
}

int PixelX(int width, int i)
{
    return int(RoundHalfEven(double(width) * i / 100));
}

void PaintHatching(QPainter& painter, const TSamples& values, double sign, double s, int width, int h0)
{
    for (int i = 0; i < SampleCount; ++i) {
        const int x = PixelX(width, i);
        painter.drawLine(x, h0, x, PixelY(h0, sign * values[i], s));
    }
}

void PaintLine(QPainter& painter, const TSamples& values, double sign, double s, int width, int h0)
{
    QPolygon line(SampleCount);
    for (int i = 0; i < SampleCount; ++i)
        line[i] = QPoint(PixelX(width, i), PixelY(h0, sign * values[i], s));
    painter.drawPolyline(line);
}

// An envelope: the area between each curve and the axis hatched, and both curves drawn as lines
// so that the inner one shows where the two lie on the same side.
void PaintEnvelopeHatching(
    QPainter& painter, const TSamples& upper, const TSamples& lower, double sign, double s, int width, int h0)
{
    PaintHatching(painter, upper, sign, s, width, h0);
    PaintHatching(painter, lower, sign, s, width, h0);
    PaintLine(painter, upper, sign, s, width, h0);
    PaintLine(painter, lower, sign, s, width, h0);
}

QImage PaintImage(
    TDiagramKind kind, const TCalculation& result, const TCalculationChoice& choice, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintDiagram(painter, kind, result, choice, width, height);
    return image;
}

} // namespace

void PaintDiagram(QPainter& painter, TDiagramKind kind, const TCalculation& result, const TCalculationChoice& choice,
    int width, int height)
{
    const TResultStore& store = result.Sums;
    const bool mn = choice.MomentCharacteristic, qn = choice.ShearCharacteristic;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, width, height, Qt::white);
    const int h0 = height / 2;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(0, h0, width, h0);
    switch (kind) {
    case TDiagramKind::Moment: {
        painter.setPen(QPen(Qt::blue, 1));
        const TExtreme& e = result.Extremes.M(mn);
        const double s = Scale(e.Min, e.Max);
        if (store.HasEnvelope)
            PaintEnvelopeHatching(painter, store.Moment(mn), store.MomentMin(mn), -1, s, width, h0);
        else
            PaintHatching(painter, store.Moment(mn), -1, s, width, h0);
        break;
    }
    case TDiagramKind::Shear: {
        painter.setPen(QPen(Qt::red, 1));
        const TExtreme& e = result.Extremes.Q(qn);
        const double s = Scale(e.Min, e.Max);
        if (store.HasEnvelope)
            PaintEnvelopeHatching(painter, store.Shear(qn), store.ShearMin(qn), 1, s, width, h0);
        else
            PaintHatching(painter, store.Shear(qn), 1, s, width, h0);
        break;
    }
    case TDiagramKind::Deflection: {
        painter.setPen(QPen(Qt::red, 2));
        const double s = Scale(result.Extremes.f.Min, result.Extremes.f.Max);
        PaintLine(painter, store.fn, 1, s, width, h0);
        if (store.HasEnvelope)
            PaintLine(painter, store.Envelope.fmin, 1, s, width, h0);
        break;
    }
    }
    painter.restore();
}

QImage PaintMomentDiagram(const TCalculation& result, int width, int height, const TCalculationChoice& choice)
{
    return PaintImage(TDiagramKind::Moment, result, choice, width, height);
}

QImage PaintShearDiagram(const TCalculation& result, int width, int height, const TCalculationChoice& choice)
{
    return PaintImage(TDiagramKind::Shear, result, choice, width, height);
}

QImage PaintDeflectionDiagram(const TCalculation& result, int width, int height, const TCalculationChoice& choice)
{
    return PaintImage(TDiagramKind::Deflection, result, choice, width, height);
}
