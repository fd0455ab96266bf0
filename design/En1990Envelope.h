#pragma once
// The envelope of the EN 1990 combinations: at every point and for every quantity each permanent load
// case counts unfavourable or favourable, whichever is worse for the extreme sought, and a variable
// one only where it is unfavourable, with the leading action (and for 6.10a,b the expression) that
// gives the worst value. Built over the load cases solved once at factor 1.
#include "design/En1990.h"
#include "design/LoadCaseSolutions.h"

#include <vector>

// An extreme of the envelope with the combination that gives it ("" where no combination gives a
// value of that sign, the extreme being 0). For the reactions x is not used.
struct TEnExtreme
{
    double Max = 0, xMax = 0, Min = 0, xMin = 0;
    QString MaxBy, MinBy;
};

struct TEnEnvelope
{
    TEnKind Kind = TEnKind::Uls;
    QString Rule; // the ULS rule, "6.10" or "6.10a,b"
    std::vector<TEnCombination> Combinations; // as the rule lists them
    // Pointwise envelope at the 101 samples (f in the unit of fn, SLS only).
    TSamples Mmax {}, Mmin {}, Qmax {}, Qmin {}, fmax {}, fmin {};
    TEnExtreme A, B, Ma, Mb; // reactions and restraint moments
    TEnExtreme M, Q, f; // exact over the span
    bool WithDeflection = false; // the serviceability kinds
    TDeflectionIssue fIssue = TDeflectionIssue::None; // why f stays 0
    // The line of every combination that gives an extreme of M, Q or f: each lies inside the
    // envelope and touches it at its extreme, so the extremes of these lines are the envelope's.
    std::vector<TExactLine> GoverningLines;
};

// Throws TError for a load case without a type (ClassificationProblem) and as the solver does.
TEnEnvelope ComputeEnEnvelope(const TTask& task, TEnKind kind);
// The same over solutions at hand (SolveEachLoadCase).
TEnEnvelope ComputeEnEnvelope(const TTask& task, TEnKind kind, const std::vector<TResultStore>& cases);
