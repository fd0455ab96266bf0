#pragma once
// The analysis: result store, load case solver, combination sums and extremes.
#include "analysis/ExactLine.h"
#include "model/TTask.h"

#include <QString>
#include <array>
#include <vector>

constexpr int SampleCount = 101;
using TSamples = std::array<double, SampleCount>;

// x_i = i * L / 100.
double SampleX(double spanL, int i);

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
    std::vector<TExactLine> Lines; // each member's exact line, for the extremes
};

// The sums of one calculation: reactions, the 101 samples of each diagram and, under the envelope
// choice, the envelope itself.
struct TResultStore
{
    double An = 0, Bn = 0, Man = 0, Mbn = 0;
    double Ad = 0, Bd = 0, Mad = 0, Mbd = 0;
    TSamples Mn {}, Md {}, Qn {}, Qd {}, fn {};
    // Set when fn stays 0 for a reason the deflection tab should name (DeflectionProblem).
    TDeflectionIssue fIssue = TDeflectionIssue::None;
    // The same sums as exact functions of x (empty under the envelope: its members have them).
    TExactLine Line;

    // Under the envelope choice: HasEnvelope, the envelope itself, and the values above hold its
    // maxima (reactions, Mn, Md, Qn, Qd, fn), which the fields and probes show by default.
    bool HasEnvelope = false;
    TEnvelope Envelope;

    // The moment and shear lines of the characteristic or the design values.
    const TSamples& Moment(bool characteristic) const { return characteristic ? Mn : Md; }
    const TSamples& Shear(bool characteristic) const { return characteristic ? Qn : Qd; }
    // The lower curves of an envelope; without an envelope the same as Moment and Shear.
    const TSamples& MomentMin(bool characteristic) const
    {
        return !HasEnvelope ? Moment(characteristic) : characteristic ? Envelope.Mnmin : Envelope.Mdmin;
    }
    const TSamples& ShearMin(bool characteristic) const
    {
        return !HasEnvelope ? Shear(characteristic) : characteristic ? Envelope.Qnmin : Envelope.Qdmin;
    }
    // The lower deflection curve: the envelope's fmin, else fn.
    const TSamples& fnMin() const { return HasEnvelope ? Envelope.fmin : fn; }
};

// Whether the sums hold anything (all zeros before the first calculation and for empty loads).
bool HasResults(const TResultStore& store);

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

// The deflection tab's line for the store: why fn is 0, or empty when it was computed.
QString DeflectionProblem(const TResultStore& store);

// The section values of the deflection tab, converted: Iy in m4, Emod in Pa.
double SectionIy(const TDeflectionInputs& inputs);
double SectionEmod(const TDeflectionInputs& inputs);

// Every result to 0, the deflection issue to None and the envelope away.
void ClearTotals(TResultStore& store);

// Adds the load case captioned `name` (exact match, the last such page) into the store: once as it
// is and once times its gamma_f, and its deflection line (characteristic, for the section of
// task.Deflection) into fn; a section without stiffness leaves fn at 0 and sets fIssue instead of
// failing. A name that matches no load case adds nothing. Throws TError with a Czech message,
// adding nothing, for a span that is not a number greater than 0 (every end condition: an empty
// span field is the usual cause), for an unknown end condition code, and for loads whose results
// are not finite numbers.
void AddLoadCase(const TTask& task, TResultStore& store, const QString& name);
// The same for the load case with number n (GetZSInfo), whatever its caption.
void AddLoadCaseNumber(const TTask& task, TResultStore& store, int number);
// The load case with number n alone.
TResultStore SolveLoadCase(const TTask& task, int number);

// The member load cases of combination row `row` (>= 1), as indexes into task.LoadCases: every page
// with a grid column (a page added since the grid was last refreshed has none) whose cell is not
// "0". Empty for a row outside the grid.
std::vector<int> CombinationMembers(const TTask& task, int row);
// The pages (indexes into task.LoadCases) combination row `row` adds, in order. A member whose
// column header is the caption of its own page adds that page, so two load cases with one caption
// are both added once; a header out of step with its page adds the page of that caption (the last
// such), or nothing when no page has it.
std::vector<int> CombinationPages(const TTask& task, int row);
// The first row (>= 1) of the combination named `name`, letter case ignored; -1 when none.
int CombinationRow(const TCombinationGrid& grid, const QString& name);

// Adds the pages of the combination `name` (first row of that name, letter case ignored; see
// CombinationPages). Returns false when no row has that name (nothing added).
bool AddCombination(const TTask& task, TResultStore& store, const QString& name);
// The same for combination row `row` (>= 1). Returns false when the row has no member.
bool AddCombinationRow(const TTask& task, TResultStore& store, int row);
// Combination row `row` alone.
TResultStore SumCombinationRow(const TTask& task, int row);
// Whether combination row `row` has a member.
bool CombinationRowHasMember(const TTask& task, int row);

// The envelope over every combination row with a member, or over the load cases when there is
// none. Throws TError like AddLoadCase.
TEnvelope ComputeEnvelope(const TTask& task);

// The sums for the load case, the combination or the envelope chosen in task.Calc. Under the
// envelope the store holds the envelope (HasEnvelope) and its maxima. A name that matches no load
// case or combination row gives zeros. Throws like AddLoadCase; nothing partial is returned.
TResultStore SumSelection(const TTask& task);

// The message for a chosen name that matches nothing (the sums stay 0, the user is told why), e.g.
// "Kombinace „K9“ neexistuje."; empty when the choice names something or is the envelope.
QString MissingChoiceMessage(const TTask& task, const TCalculationChoice& choice);

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

// The extremes of every diagram over the span: over its samples and, where the sums carry their
// exact line, also between them (both sides of every load edge, zero shear, zero slope); under an
// envelope the maxima come from the upper curves and the minima from the lower ones, and between
// the samples from every member's line. Values that differ from the extreme by at most 1e-12 of
// the diagram's largest magnitude count as equal: the last position (largest x) among them is
// taken. An extreme starts at 0, so when no value reaches 0 from its side, it stays 0 and its
// position is the one `previous` has.
TExtremes FindExtremes(double spanL, const TResultStore& sums, const TExtremes& previous = {});

// A calculation as the result tabs and the report show it.
struct TCalculation
{
    TResultStore Sums;
    TExtremes Extremes;
    TDiagramCaptions Captions;
};

// The positions the diagrams keep from the extremes they showed (see FindExtremes): the moment and
// the shear diagram show one kind at a time, the one the switches of `choice` pick.
TExtremes ShownPositions(const TExtremes& shown, const TCalculationChoice& choice);

// The calculation of task.Calc: its sums, their extremes (positions kept from `previous`, usually
// ShownPositions of what the diagrams showed) and captions. Throws like SumSelection.
TCalculation Calculate(const TTask& task, const TExtremes& previous = {});

// The sample a probe at horizontal pixel X of a `width`-pixel image points at (halves to even),
// limited to 0..100; 0 for a zero span or width. X outside 0..width-1 counts as the nearest edge
// pixel (the mouse may leave the image while a button is held).
int ProbeSampleIndex(double spanL, int width, int X);
// The position in metres shown by that probe: SpanL / width * X, X limited as above; 0 for a zero
// width.
double ProbeX(double spanL, int width, int X);
