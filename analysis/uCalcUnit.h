#pragma once
// The analysis: result store, load case solver, combination sums and extremes.
#include "model/TTask.h"

#include <QString>
#include <array>
#include <functional>

constexpr int SampleCount = 101;
using TSamples = std::array<double, SampleCount>;

// x_i = i * L / 100.
double SampleX(double spanL, int i);

// Messages the analysis has for the user (e.g. "Ve verzi 2.0 není aplikováno."); the window shows
// each one modally, the report and the CLI may collect or ignore them.
using TMessageSink = std::function<void(const QString& message)>;

struct TResultStore
{
    double An = 0, Bn = 0, Man = 0, Mbn = 0;
    double Ad = 0, Bd = 0, Mad = 0, Mbd = 0;
    TSamples Mn {}, Md {}, Qn {}, Qd {}, fn {};

    // Extremes of the displayed diagrams and their positions (see FindExtremes).
    double Mmax = 0, xMmax = 0, Mmin = 0, xMmin = 0;
    double Qmax = 0, xQmax = 0, Qmin = 0, xQmin = 0;
    double fmax = 0, xfmax = 0, fmin = 0, xfmin = 0;
    TSamples ShowM {}, ShowQ {}; // Mn or Md, Qn or Qd as the diagrams show them
};

// The section values of the deflection tab, converted: Iy in m4, Emod in Pa.
double SectionIy(const TDeflectionInputs& inputs);
double SectionEmod(const TDeflectionInputs& inputs);

void ClearTotals(TResultStore& store);

// Adds the load case captioned `name` (exact match, the last such page) into the store: once as it
// is and once times its gamma_f. Refreshes the calculation lists of the task first. A name that
// matches no load case adds nothing. Throws TError with a Czech message for a span the formulas
// cannot divide by.
void AddLoadCase(TTask& task, TResultStore& store, const QString& name, const TMessageSink& messages = {});

struct TDiagramCaptions
{
    QString Moment; // "Ohybový moment [ZS name]" / "[kombinace name]"
    QString Shear;
    QString Deflection;
};

// The summation step of the calculation: the load case or the combination chosen in task.Calc.
// Under the envelope choice nothing is computed and the store is left as it was.
TDiagramCaptions SumSelection(TTask& task, TResultStore& store, const TMessageSink& messages = {});

// Steps 2 to 5 of DrawDiagrams: ShowM/ShowQ from the characteristic/design choice and the extremes
// with their positions.
void FindExtremes(const TTask& task, TResultStore& store);

// The sample a probe at horizontal pixel X of a `width`-pixel image points at (halves to even),
// limited to 0..100; 0 for a zero span or width.
int ProbeSampleIndex(double spanL, int width, int X);
