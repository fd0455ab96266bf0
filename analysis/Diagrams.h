#pragma once
// The three diagrams of the result store painted as the diagram tabs show them: white surface,
// black axis at mid-height, 101 samples spread over the width, scaled to the larger extreme.
// FindExtremes must have run: the scale comes from the extremes, the values from ShowM and ShowQ.
// A store holding an envelope (HasEnvelope) is painted with both curves of each diagram: the areas
// between the axis and the upper and lower curves hatched, both curves outlined, and two
// deflection lines.
#include "analysis/uCalcUnit.h"

#include <QImage>

class QPainter;

enum class TDiagramKind { Moment, Shear, Deflection };

// Paints on a surface of width x height pixels whose top-left corner is the painter's origin.
void PaintDiagram(QPainter& painter, TDiagramKind kind, const TResultStore& store, int width, int height);

// Hogging moments point up, blue hatching.
QImage PaintMomentDiagram(const TResultStore& store, int width, int height);
// Positive shear points down, red hatching.
QImage PaintShearDiagram(const TResultStore& store, int width, int height);
// Positive deflection lies below the axis, a red line two pixels wide.
QImage PaintDeflectionDiagram(const TResultStore& store, int width, int height);
