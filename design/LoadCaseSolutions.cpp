#include "design/LoadCaseSolutions.h"

#include <cmath>

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

std::vector<double> LoadCaseResultants(const std::vector<TResultStore>& cases)
{
    std::vector<double> resultants;
    for (const TResultStore& c : cases) {
        const double sum = c.An + c.Bn; // the reactions, upwards positive, balance the load
        resultants.push_back(std::fabs(sum) <= 1e-9 * (std::fabs(c.An) + std::fabs(c.Bn)) ? 0.0 : sum);
    }
    return resultants;
}
