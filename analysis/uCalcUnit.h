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
// matches no load case adds nothing. Throws TError with a Czech message, adding nothing, for a span
// that is not a number greater than 0 (every end condition: an empty span field is the usual cause),
// for an unknown end condition code, and for loads whose results are not finite numbers.
void AddLoadCase(TTask& task, TResultStore& store, const QString& name, const TMessageSink& messages = {});
// The same for the load case with number n (GetZSInfo), whatever its caption.
void AddLoadCaseNumber(TTask& task, TResultStore& store, int number, const TMessageSink& messages = {});

struct TDiagramCaptions
{
    QString Moment; // "Ohybový moment [ZS name]" / "[kombinace name]"
    QString Shear;
    QString Deflection;
    bool Computed = false; // false under the envelope: keep the captions shown so far
};

// The summation step of the calculation: the load case or the combination chosen in task.Calc.
// Under the envelope choice nothing is computed and the store is left as it was. The captions name
// the load case or combination as it was chosen when the sum began (AddLoadCase refreshes the lists
// and may change their texts). A combination name that matches no row leaves the store cleared,
// like an unknown load case name. When AddLoadCase throws, the store is cleared before the error
// goes on, so it never holds part of a combination.
TDiagramCaptions SumSelection(TTask& task, TResultStore& store, const TMessageSink& messages = {});

// Adds every member of the combination `name` (first row of that name, letter case ignored).
// Returns false when no row has that name (nothing added). A member column whose header is the
// caption of its own page adds that page, so two load cases with one caption are both added once;
// a header out of step with its page is looked up by caption.
bool AddCombination(TTask& task, TResultStore& store, const QString& name, const TMessageSink& messages = {});

// Steps 2 to 5 of DrawDiagrams: ShowM/ShowQ from the characteristic/design choice and the extremes
// with their positions.
void FindExtremes(const TTask& task, TResultStore& store);

// The sample a probe at horizontal pixel X of a `width`-pixel image points at (halves to even),
// limited to 0..100; 0 for a zero span or width. X outside 0..width-1 counts as the nearest edge
// pixel (the mouse may leave the image while a button is held).
int ProbeSampleIndex(double spanL, int width, int X);
// The position in metres shown by that probe: SpanL / width * X, X limited as above; 0 for a zero
// width.
double ProbeX(double spanL, int width, int X);
