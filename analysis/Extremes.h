#pragma once
// The extremes of the diagrams, the calculation as the result tabs and the report show it, and the
// probes.
#include "analysis/Results.h"

#include <QStringList>

// The largest and the smallest value of one diagram and where they lie (m from the left end).
struct TExtreme
{
    double Max = 0, xMax = 0, Min = 0, xMin = 0;
};

// The extremes of every diagram a calculation gives.
struct TExtremes
{
    TExtreme Mn, Md, Qn, Qd, f;

    const TExtreme& M(bool characteristic) const { return characteristic ? Mn : Md; }
    const TExtreme& Q(bool characteristic) const { return characteristic ? Qn : Qd; }
};

// The extremes over the span, a function of the sums alone: the largest and smallest of the values
// on the beam — the samples (at x = 0 the value just right of the end, at x = L the value the
// samples give there) and, where the sums carry their exact lines, the values between them (both
// sides of every load edge inside the span, zero shear, zero slope). Under an envelope the maxima
// come from the upper curves and the minima from the lower ones, and between the samples from every
// member's lines. Values within 1e-12 of the diagram's largest magnitude count as equal: the last
// position (largest x) among them is taken, so a constant diagram reports its own value at x = L.
TExtremes FindExtremes(double spanL, const TResultStore& sums);

// Which value of a line LineExtreme looks at.
enum class TLineValue { M, Q, f };
// The extreme of one factored sum (TResultSet::Superpose) by the same rule.
TExtreme LineExtreme(double spanL, const TSamples& samples, const TExactLine& line, TLineValue which);

struct TDiagramCaptions
{
    QString Moment; // "Ohybový moment [ZS name]" / "[kombinace name]"
    QString Shear;
    QString Deflection;
    bool Computed = false; // false when nothing was computed: keep the captions shown so far
};

// The diagram captions for the choice and its sums: "[ZS name]", "[kombinace name]", "[obálka
// kombinací]" or "[obálka zatěžovacích stavů]". Not Computed under the envelope choice when the sums
// hold no envelope.
TDiagramCaptions SelectionCaptions(const TCalculationChoice& choice, const TResultStore& sums);

// A calculation as the result tabs and the report show it.
struct TCalculation
{
    TResultStore Sums;
    TExtremes Extremes;
    TDiagramCaptions Captions;
    double SpanL = 0; // the span and end condition the sums belong to (not the live task's)
    unsigned char Typ = 11;
    QStringList Warnings; // the loads of the members that lie outside the span (SelectionLoadWarnings)
};

// The sums of the choice, their extremes and captions. Throws TError like SumSelection.
TCalculation Calculate(const TResultSet& results, const TCalculationChoice& choice);
// The same for the task as it is now (BuildModel first).
TCalculation Calculate(const TTask& task);

// The position in metres shown by a probe at horizontal pixel X of a `width`-pixel image:
// spanL / width * X, X limited to 0..width-1 (the mouse may leave the image while a button is
// held); 0 for a zero width.
double ProbeX(double spanL, int width, int X);
// The sample nearest to that position (halves to even), limited to 0..100; 0 for a zero span or
// width.
int ProbeSampleIndex(double spanL, int width, int X);
// The values a probe shows at x: from the exact line where the sums have it, else from the nearest
// sample (the envelope's curves have no line of their own).
struct TProbeValues
{
    double Mmax = 0, Mmin = 0, Qmax = 0, Qmin = 0, fmax = 0, fmin = 0;
};
TProbeValues ProbeValues(const TCalculation& c, double x, bool momentCharacteristic, bool shearCharacteristic);
