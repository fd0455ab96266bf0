#include "design/LoadCaseSolutions.h"

std::vector<TResultStore> SolveEachLoadCase(const TTask& task)
{
    // Each load case solved once, each alone as the calculation sums it.
    const TResultSet results(BuildModel(task));
    std::vector<TResultStore> cases;
    cases.reserve(size_t(results.CaseCount()));
    for (int i = 0; i < results.CaseCount(); ++i)
        cases.push_back(SumMembers(results, { i }));
    return cases;
}
