#pragma once
// The drawn diagrams of the report as mark-up: a base line, the 101 samples as a hatch or as an
// outline, and on request ordinates with their values (extremes, ends, load edges) and the x axis
// with the span. Pure functions of plain numbers; every length is in millimetres.
#include "analysis/Combinations.h"
#include "analysis/Extremes.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// A value to write at an ordinate: x from the left end of the beam.
struct TDiagramPoint
{
    double x = 0;
    double Value = 0;
};

// How labels measure: the width of a text and the height of a line of the report font.
struct TLabelFont
{
    std::function<double(const QString&)> Width = [](const QString& text) { return 1.8 * text.size(); };
    double Height = 3.3;
};

class QFont;
// The report font as the layout measures it.
TLabelFont ReportLabelFont(const QFont& font);

struct TDiagramFigure
{
    TSamples Y {};
    double SpanL = 1;
    double Width = 70; // of the base line
    double Sign = 1; // +1: positive values below the base line, -1: above it
    double ScaleA = 0, ScaleB = 0; // the two extremes; the larger magnitude is drawn Amplitude() long
    bool Hatched = true; // the samples as vertical lines; otherwise the outline through their ends
    bool Labels = false; // ordinates with values and the x axis with the span
    bool SpanLine = true; // with Labels: the span's dimension line under the diagram
    double LabelFactor = 1; // the values written are Value times this (deflection in mm)
    std::vector<TDiagramPoint> Points; // labelled ordinates, most important first
};

// The base line stands 25 mm below the cursor; values reach 25 mm from it, 20 mm with labels,
// so the labels stay inside the 50 mm the diagram takes.
double DiagramAmplitude(bool labels);
// How far below the diagram's starting line the next text may begin: 50 mm, 57 mm with labels
// (the span's dimension line under the diagram).
int DiagramHeight(bool labels);

// The mark-up of one diagram drawn from the cursor; it sets mark 2 to the start of the base line.
QStringList DiagramLines(const TDiagramFigure& figure, const TLabelFont& font);

// Where to write values: the extremes, both ends, then every point the exact line gives (both
// sides of load edges, zero slopes), values kept only once per position.
std::vector<TDiagramPoint> DiagramPoints(
    const TExtreme& extreme, const TSamples& y, double spanL, const std::vector<TCandidate>& more);

// The sign convention of the diagrams, as the report prints it under its first diagram and the
// diagram tab under its two diagrams.
QString SignConventionText(bool withDeflection);
