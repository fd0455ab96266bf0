#pragma once
// The load cases as the serviceability and timber checks take them: every load case solved alone at
// factor 1 (its samples and exact line, through SolveEachLoadCase), and any combination of them
// summed by a vector of factors, with the exact extremes of the sum.
#include "design/LoadCaseSolutions.h"

#include <QString>
#include <vector>

struct TSolvedCase
{
    QString Name; // the load case's caption
    TSamples f {}; // deflection at the samples, mm, downwards positive (0 without a deflection line)
    TResultStore Store; // the load case alone
};

// Every load case of the task in page order. With Emod (Pa) and Iy (m4) given (both > 0), the
// deflection lines are of that section instead of the deflection tab's. Throws TError as the solver.
std::vector<TSolvedCase> SolveCases(const TTask& task, double Emod = 0, double Iy = 0);

// The extremes of the sum of factors[i] x case i over the span (exact between the samples).
struct TCombinedExtremes
{
    TExtreme M, Q; // kNm, kN
    TExtreme f; // mm, downwards positive
    bool HasDeflection = true; // false when a case has no deflection line (f stays 0)
    double A = 0, B = 0; // end reactions, kN, upwards positive
};
TCombinedExtremes CombineCases(const std::vector<TSolvedCase>& cases, const std::vector<double>& factors, double spanL);

// A combination as "1,35·Stálé + 1,5·Užitné" (members with factor 0 left out).
QString CombinationFormula(const std::vector<TSolvedCase>& cases, const std::vector<double>& factors);
