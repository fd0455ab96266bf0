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
    const bool mn = task.Calc.MomentCharacteristic, qn = task.Calc.ShearCharacteristic;
    store.ShowM = mn ? store.Mn : store.Md;
    store.ShowQ = qn ? store.Qn : store.Qd;
    const TEnvelope& e = store.Envelope;
    store.ShowMmin = !store.HasEnvelope ? store.ShowM : mn ? e.Mnmin : e.Mdmin;
    store.ShowQmin = !store.HasEnvelope ? store.ShowQ : qn ? e.Qnmin : e.Qdmin;
    const TSamples& fLower = store.fnMin();
    // Both curves of an envelope go through the same tracking: the lower curve never exceeds the
    // upper one, so the maxima come from the upper curve and the minima from the lower one, and a
    // sample where the two meet gives one position.
    for (int i = 0; i < SampleCount; ++i) {
        const double x = SampleX(spanL, i);
        Track(store.ShowM[i], x, store.Mmax, store.xMmax, store.Mmin, store.xMmin);
        Track(store.ShowMmin[i], x, store.Mmax, store.xMmax, store.Mmin, store.xMmin);
        Track(store.ShowQ[i], x, store.Qmax, store.xQmax, store.Qmin, store.xQmin);
        Track(store.ShowQmin[i], x, store.Qmax, store.xQmax, store.Qmin, store.xQmin);
        Track(store.fn[i], x, store.fmax, store.xfmax, store.fmin, store.xfmin);
        Track(fLower[i], x, store.fmax, store.xfmax, store.fmin, store.xfmin);
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
