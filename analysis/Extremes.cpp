// The extremes of the diagrams with their positions, the calculation as the result tabs show it,
// and the probe's sample.
#include "analysis/uCalcUnit.h"
#include "model/uMyCommonLib.h"

#include <algorithm>
#include <cmath>

namespace {

// The extremes start at 0 and compare with equality, so the last sample wins a tie and a position
// whose extreme no sample reaches keeps its previous value.
void Track(double value, double x, TExtreme& e)
{
    if (value >= e.Max) {
        e.Max = value;
        e.xMax = x;
    }
    if (value <= e.Min) {
        e.Min = value;
        e.xMin = x;
    }
}

// Both curves of an envelope go through the same tracking: the lower curve never exceeds the upper
// one, so the maximum comes from the upper curve and the minimum from the lower one, and a sample
// where the two meet gives one position.
TExtreme Extreme(double spanL, const TSamples& upper, const TSamples& lower, const TExtreme& previous)
{
    TExtreme e;
    e.xMax = previous.xMax;
    e.xMin = previous.xMin;
    for (int i = 0; i < SampleCount; ++i) {
        const double x = SampleX(spanL, i);
        Track(upper[i], x, e);
        Track(lower[i], x, e);
    }
    return e;
}

} // namespace

TExtremes FindExtremes(double spanL, const TResultStore& s, const TExtremes& previous)
{
    TExtremes e;
    e.Mn = Extreme(spanL, s.Mn, s.MomentMin(true), previous.Mn);
    e.Md = Extreme(spanL, s.Md, s.MomentMin(false), previous.Md);
    e.Qn = Extreme(spanL, s.Qn, s.ShearMin(true), previous.Qn);
    e.Qd = Extreme(spanL, s.Qd, s.ShearMin(false), previous.Qd);
    e.f = Extreme(spanL, s.fn, s.fnMin(), previous.f);
    return e;
}

TExtremes ShownPositions(const TExtremes& shown, const TCalculationChoice& choice)
{
    TExtremes e;
    e.Mn = e.Md = shown.M(choice.MomentCharacteristic);
    e.Qn = e.Qd = shown.Q(choice.ShearCharacteristic);
    e.f = shown.f;
    return e;
}

TCalculation Calculate(const TTask& task, const TMessageSink& messages, const TExtremes& previous)
{
    TCalculation c;
    c.Sums = SumSelection(task, messages);
    c.Extremes = FindExtremes(task.SpanL(), c.Sums, previous);
    c.Captions = SelectionCaptions(task.Calc, c.Sums);
    return c;
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
