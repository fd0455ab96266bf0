#pragma once
// The one place where design/ calls the analysis solver: the combinations of EN 1990, the design
// values of the member checks and the deflection lines of the serviceability checks are all sums of
// these solutions.
#include "analysis/Combinations.h"
#include "analysis/Extremes.h"

#include <vector>

// Every load case of the task solved alone, in page order: the characteristic values at factor 1,
// the design values times the load case's gamma_f, the deflection of the deflection tab's section.
// Throws TError as the calculation does.
std::vector<TResultStore> SolveEachLoadCase(const TTask& task);

// The resultant of each load case, downwards positive: the sum of its reactions A + B (kN). A sum
// within rounding of 0 against |A| + |B| (a couple, balanced loads) is 0.
std::vector<double> LoadCaseResultants(const std::vector<TResultStore>& cases);
