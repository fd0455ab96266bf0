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

// Why the deflection line stays 0 although load cases were added.
enum class TDeflectionIssue {
    None, // computed
    ZeroE, // modulus of elasticity 0 (an empty field reads as 0)
    ZeroIy, // second moment of area 0
    ZeroBoth,
    NegativeE,
    NegativeIy,
    NotANumber, // E or Iy is infinite or not a number
    OutOfRange, // E x Iy overflows or underflows
    NotFinite // the deflection itself overflows (huge loads on a very soft section)
};

// The deflection tab's line for the issue, e.g. "Průhyb nelze spočítat: modul pružnosti E je
// nulový."; empty for None.
QString DeflectionProblemText(TDeflectionIssue issue);
// What is wrong with the section values E (Pa) and Iy (m4) for a deflection: None when E x Iy is
// a positive finite number.
TDeflectionIssue SectionIssue(double Emod, double Iy);

// The largest and smallest value one result takes over the members of an envelope.
struct TRange
{
    double Max = 0, Min = 0;
};

// The envelope ("obalová křivka"): sample by sample the largest and the smallest value over every
// combination of the grid (each summed as the combination choice sums it), or over the load cases
// alone when the grid has no combination with a member. Characteristic (n) and design (d) values;
// the deflection is characteristic only.
struct TEnvelope
{
    int Count = 0; // combinations (or load cases) taken; 0: everything stays 0
    bool OverLoadCases = false; // no combination with a member: the load cases one by one
    TSamples Mnmax {}, Mnmin {}, Mdmax {}, Mdmin {};
    TSamples Qnmax {}, Qnmin {}, Qdmax {}, Qdmin {};
    TSamples fmax {}, fmin {};
    TRange An, Bn, Man, Mbn, Ad, Bd, Mad, Mbd;
    TDeflectionIssue fIssue = TDeflectionIssue::None; // the first issue of a member; f stays 0
};

struct TResultStore
{
    double An = 0, Bn = 0, Man = 0, Mbn = 0;
    double Ad = 0, Bd = 0, Mad = 0, Mbd = 0;
    TSamples Mn {}, Md {}, Qn {}, Qd {}, fn {};
    // Set when fn stays 0 for a reason the deflection tab should name (DeflectionProblem).
    TDeflectionIssue fIssue = TDeflectionIssue::None;

    // Under the envelope choice: HasEnvelope, the envelope itself, and the values above hold its
    // maxima (reactions, Mn, Md, Qn, Qd, fn), which the fields and probes show by default.
    bool HasEnvelope = false;
    TEnvelope Envelope;

    // Extremes of the displayed diagrams and their positions (see FindExtremes).
    double Mmax = 0, xMmax = 0, Mmin = 0, xMmin = 0;
    double Qmax = 0, xQmax = 0, Qmin = 0, xQmin = 0;
    double fmax = 0, xfmax = 0, fmin = 0, xfmin = 0;
    TSamples ShowM {}, ShowQ {}; // Mn or Md, Qn or Qd as the diagrams show them
    // The lower curves of an envelope as the diagrams show them (Mnmin or Mdmin, Qnmin or Qdmin);
    // without an envelope the same as ShowM and ShowQ.
    TSamples ShowMmin {}, ShowQmin {};
    // The lower deflection curve: the envelope's fmin, else fn.
    const TSamples& fnMin() const { return HasEnvelope ? Envelope.fmin : fn; }
};

// The deflection tab's line for the store: why fn is 0, or empty when it was computed.
QString DeflectionProblem(const TResultStore& store);

// The section values of the deflection tab, converted: Iy in m4, Emod in Pa.
double SectionIy(const TDeflectionInputs& inputs);
double SectionEmod(const TDeflectionInputs& inputs);

// Every result to 0, the deflection issue to None and the envelope away; the extremes stay.
void ClearTotals(TResultStore& store);

// Adds the load case captioned `name` (exact match, the last such page) into the store: once as it
// is and once times its gamma_f, and its deflection line (characteristic, for the section of
// task.Deflection) into fn; a section without stiffness leaves fn at 0 and sets fIssue instead of
// failing. Refreshes the calculation lists of the task first. A name that
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
    bool Computed = false; // false when nothing was computed: keep the captions shown so far
};

// The summation step of the calculation: the load case, the combination or the envelope chosen in
// task.Calc. Under the envelope the store holds the envelope (HasEnvelope) and the maxima, and the
// captions say "[obálka kombinací]" ("[obálka zatěžovacích stavů]" without combinations). The captions name
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
// The same for combination row `row` (>= 1). Returns false when the row has no member.
bool AddCombinationRow(TTask& task, TResultStore& store, int row, const TMessageSink& messages = {});
// Whether combination row `row` has a member (a load case page with a cell other than "0").
bool CombinationRowHasMember(const TTask& task, int row);

// The envelope over every combination row with a member, or over the load cases when there is
// none. Each message of the solver reaches `messages` once, however many members repeat it. Throws
// TError like AddLoadCase.
TEnvelope ComputeEnvelope(TTask& task, const TMessageSink& messages = {});

// Steps 2 to 5 of DrawDiagrams: ShowM/ShowQ from the characteristic/design choice and the extremes
// with their positions. Under an envelope the maxima come from the upper curves and the minima from
// the lower ones (ShowMmin, ShowQmin, fnMin()).
void FindExtremes(const TTask& task, TResultStore& store);

// The sample a probe at horizontal pixel X of a `width`-pixel image points at (halves to even),
// limited to 0..100; 0 for a zero span or width. X outside 0..width-1 counts as the nearest edge
// pixel (the mouse may leave the image while a button is held).
int ProbeSampleIndex(double spanL, int width, int X);
// The position in metres shown by that probe: SpanL / width * X, X limited as above; 0 for a zero
// width.
double ProbeX(double spanL, int width, int X);
