// What the diagrams show: characteristic or design values, their extremes and the probe's sample.
#include "analysis/uCalcUnit.h"
#include "model/uMyCommonLib.h"

#include <algorithm>
#include <cmath>

namespace {

// The extremes start at 0 and compare with equality, so the last sample wins a tie and a position
// whose extreme no sample reaches keeps its previous value.
void Track(double value, double x, double& max, double& xMax, double& min, double& xMin)
{
    if (value >= max) {
        max = value;
        xMax = x;
    }
    if (value <= min) {
        min = value;
        xMin = x;
    }
}

} // namespace

void FindExtremes(const TTask& task, TResultStore& store)
{
    const double spanL = task.SpanL();
    store.Mmax = store.Mmin = store.Qmax = store.Qmin = store.fmax = store.fmin = 0;
    store.ShowM = task.Calc.MomentCharacteristic ? store.Mn : store.Md;
    store.ShowQ = task.Calc.ShearCharacteristic ? store.Qn : store.Qd;
    for (int i = 0; i < SampleCount; ++i) {
        const double x = SampleX(spanL, i);
        Track(store.ShowM[i], x, store.Mmax, store.xMmax, store.Mmin, store.xMmin);
        Track(store.ShowQ[i], x, store.Qmax, store.xQmax, store.Qmin, store.xQmin);
        Track(store.fn[i], x, store.fmax, store.xfmax, store.fmin, store.xfmin);
    }
}

double ProbeX(double spanL, int width, int X)
{
    if (width <= 0)
        return 0;
    return spanL / width * std::clamp(X, 0, width - 1);
}

int ProbeSampleIndex(double spanL, int width, int X)
{
    const double x = ProbeX(spanL, width, X);
    const double index = 100 * x / spanL;
    if (!std::isfinite(index)) // zero span (0/0)
        return 0;
    return int(std::clamp<long long>(RoundHalfEven(index), 0, 100));
}
