#pragma once
// The three diagrams of a calculation painted as the diagram tabs show them: white surface, black
// axis at mid-height, 101 samples spread over the width, scaled to the larger extreme. The switches
// of `choice` pick the characteristic or the design moments and shear forces. Sums holding an
// envelope (HasEnvelope) are painted with both curves of each diagram: the areas between the axis
// and the upper and lower curves hatched, both curves outlined, and two deflection lines.
#include "analysis/Extremes.h"

#include <QImage>

class QPainter;

enum class TDiagramKind { Moment, Shear, Deflection };

// Paints on a surface of width x height pixels whose top-left corner is the painter's origin.
void PaintDiagram(QPainter& painter, TDiagramKind kind, const TCalculation& result, const TCalculationChoice& choice,
    int width, int height);

// Hogging moments point up, blue hatching.
QImage PaintMomentDiagram(const TCalculation& result, int width, int height, const TCalculationChoice& choice = {});
// Positive shear points down, red hatching.
QImage PaintShearDiagram(const TCalculation& result, int width, int height, const TCalculationChoice& choice = {});
// Positive deflection lies below the axis, a red line two pixels wide.
QImage PaintDeflectionDiagram(const TCalculation& result, int width, int height, const TCalculationChoice& choice = {});
