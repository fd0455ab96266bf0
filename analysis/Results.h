#pragma once
// The result set: every load case of the analysis model solved once at factor 1, and sums of them
// by superposition. A combination — a row of the grid, a generated combination of a design rule —
// is a vector of factors over the load cases; its moment, shear and deflection are the factored
// sums of the solutions, samples and exact line alike, so its extremes are exact too:
//
//     TResultSet results(BuildModel(task));
//     TFactors factors(results.Model().Cases.size(), 0.0);
//     factors[0] = 1.35; factors[2] = 1.5;
//     const TSum sum = results.Superpose(factors);      // throws TError for a load case it cannot use
//     const TExtreme M = LineExtreme(results.Model().L, sum.M, sum.Line, TLineValue::M);
//
// The calculation tab's characteristic values are the factors 1 of the members, the design values
// each member's gamma_f (TResultStore, SumMembers).
#include "analysis/AnalysisModel.h"
#include "analysis/Solver.h"

#include <optional>
#include <vector>

// One factor per load case of the model (index as in TAnalysisModel::Cases); 0: not taken.
using TFactors = std::vector<double>;

// A factored sum of load cases.
struct TSum
{
    double A = 0, B = 0, Ma = 0, Mb = 0;
    TSamples M {}, Q {}, f {};
    // Set when f stays 0, with the text that says why (DeflectionProblemText or the model's).
    TDeflectionIssue fIssue = TDeflectionIssue::None;
    QString fProblem;
    TExactLine Line; // the same sums as exact functions of x
};

class TResultSet
{
public:
    explicit TResultSet(TAnalysisModel model);

    const TAnalysisModel& Model() const { return TheModel; }
    int CaseCount() const { return int(TheModel.Cases.size()); }
    // Load case `index` at factor 1, solved on first use; throws TError with the reason when it
    // cannot be used (TCaseSolution::Error).
    const TCaseSolution& Case(int index) const;

    // The sum of every load case times its factor, in the order of the load cases; cases with
    // factor 0 are not solved. Without `withDeflection` f stays 0 (and fIssue None). A deflection
    // that one taken load case cannot give leaves the whole f at 0 with its reason. Throws TError
    // for a load case that cannot be used and for a sum that is not finite.
    TSum Superpose(const TFactors& factors, bool withDeflection = true) const;

private:
    TAnalysisModel TheModel;
    mutable std::vector<std::optional<TCaseSolution>> Solved;
};

// The largest and smallest value one result takes over the members of an envelope.
struct TRange
{
    double Max = 0, Min = 0;
};

// The envelope ("obalová křivka"): sample by sample the largest and the smallest value over every
// combination of the grid with a member, or over the load cases alone when there is none.
// Characteristic (n) and design (d) values; the deflection is characteristic only.
struct TEnvelope
{
    int Count = 0; // combinations (or load cases) taken; 0: everything stays 0
    bool OverLoadCases = false; // no combination with a member: the load cases one by one
    TSamples Mnmax {}, Mnmin {}, Mdmax {}, Mdmin {};
    TSamples Qnmax {}, Qnmin {}, Qdmax {}, Qdmin {};
    TSamples fmax {}, fmin {};
    TRange An, Bn, Man, Mbn, Ad, Bd, Mad, Mbd;
    TDeflectionIssue fIssue = TDeflectionIssue::None; // the first issue of a member; f stays 0
    QString fProblem;
    std::vector<TExactLine> LinesN, LinesD; // each member's exact lines, for the extremes
};

// The sums of one calculation as the result tabs show them: characteristic and design reactions,
// samples and lines and, under the envelope choice, the envelope itself.
struct TResultStore
{
    double An = 0, Bn = 0, Man = 0, Mbn = 0;
    double Ad = 0, Bd = 0, Mad = 0, Mbd = 0;
    TSamples Mn {}, Md {}, Qn {}, Qd {}, fn {};
    TDeflectionIssue fIssue = TDeflectionIssue::None;
    QString fProblem; // why fn stays 0, for the deflection tab and the report
    TExactLine LineN, LineD; // empty under the envelope: its members have them

    // Under the envelope choice: HasEnvelope, the envelope itself, and the values above hold its
    // maxima (reactions, Mn, Md, Qn, Qd, fn), which the fields and probes show by default.
    bool HasEnvelope = false;
    TEnvelope Envelope;

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
    const TSamples& fnMin() const { return HasEnvelope ? Envelope.fmin : fn; }
};

// Whether the sums hold anything (all zeros before the first calculation and for empty loads).
bool HasResults(const TResultStore& store);
// The deflection tab's line for the store: why fn is 0, or empty when it was computed.
QString DeflectionProblem(const TResultStore& store);

// The members (indexes of load cases) summed: characteristic with factor 1, design with gamma_f.
TResultStore SumMembers(const TResultSet& results, const std::vector<int>& members);
// The envelope over every combination row with a member, or over the load cases when there is none.
TEnvelope ComputeEnvelope(const TResultSet& results);

// The sums for the load case (by caption: the last page of that caption), the combination (the
// first row of that name, letter case ignored) or the envelope the choice names. A name that
// matches nothing gives zeros. Throws TError like Superpose; nothing partial is returned.
TResultStore SumSelection(const TResultSet& results, const TCalculationChoice& choice);
// The load cases the choice takes (for the envelope: every load case a combination takes, or all).
std::vector<int> SelectionMembers(const TAnalysisModel& model, const TCalculationChoice& choice);
