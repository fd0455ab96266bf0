#include "design/LoadCaseSolutions.h"

std::vector<TResultStore> SolveEachLoadCase(const TTask& task)
{
    std::vector<TResultStore> cases;
    cases.reserve(task.LoadCases.size());
    for (const TLoadCase& c : task.LoadCases)
        cases.push_back(SolveLoadCase(task, c.Number));
    return cases;
}
