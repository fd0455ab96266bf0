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

QImage PaintImage(TDiagramKind kind, const TResultStore& store, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintDiagram(painter, kind, store, width, height);
    return image;
}

} // namespace

void PaintDiagram(QPainter& painter, TDiagramKind kind, const TResultStore& store, int width, int height)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, width, height, Qt::white);
    const int h0 = height / 2;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(0, h0, width, h0);
    switch (kind) {
    case TDiagramKind::Moment: {
        painter.setPen(QPen(Qt::blue, 1));
        const double s = Scale(store.Mmin, store.Mmax);
        if (store.HasEnvelope)
            PaintEnvelopeHatching(painter, store.ShowM, store.ShowMmin, -1, s, width, h0);
        else
            PaintHatching(painter, store.ShowM, -1, s, width, h0);
        break;
    }
    case TDiagramKind::Shear: {
        painter.setPen(QPen(Qt::red, 1));
        const double s = Scale(store.Qmin, store.Qmax);
        if (store.HasEnvelope)
            PaintEnvelopeHatching(painter, store.ShowQ, store.ShowQmin, 1, s, width, h0);
        else
            PaintHatching(painter, store.ShowQ, 1, s, width, h0);
        break;
    }
    case TDiagramKind::Deflection: {
        painter.setPen(QPen(Qt::red, 2));
        const double s = Scale(store.fmin, store.fmax);
        PaintLine(painter, store.fn, 1, s, width, h0);
        if (store.HasEnvelope)
            PaintLine(painter, store.Envelope.fmin, 1, s, width, h0);
        break;
    }
    }
    painter.restore();
}

QImage PaintMomentDiagram(const TResultStore& store, int width, int height)
{
    return PaintImage(TDiagramKind::Moment, store, width, height);
}

QImage PaintShearDiagram(const TResultStore& store, int width, int height)
{
    return PaintImage(TDiagramKind::Shear, store, width, height);
}

QImage PaintDeflectionDiagram(const TResultStore& store, int width, int height)
{
    return PaintImage(TDiagramKind::Deflection, store, width, height);
}
