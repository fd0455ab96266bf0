// The extremes of the diagrams with their positions, the calculation as the result tabs show it,
// and the probe's sample.
#include "analysis/uCalcUnit.h"
#include "model/uMyCommonLib.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Values this close to the extreme, relative to the diagram's largest magnitude, are rounding noise
// of one another: the last position among them is taken.
constexpr double Noise = 1e-12;

// The extremes start at 0, so the maximum is never below 0 and the minimum never above it. Among
// the values within noise of an extreme the last position (largest x) wins; a position whose
// extreme no value reaches keeps its previous value.
TExtreme Decide(const std::vector<TCandidate>& values, size_t samplesFrom, const TExtreme& previous)
{
    double max = 0, min = 0, magnitude = 0;
    for (const TCandidate& c : values) {
        max = std::max(max, c.Value);
        min = std::min(min, c.Value);
        magnitude = std::max(magnitude, std::fabs(c.Value));
    }
    const double tolerance = Noise * magnitude;
    TExtreme e;
    e.xMax = previous.xMax;
    e.xMin = previous.xMin;
    const TCandidate* atMax = nullptr;
    const TCandidate* atMin = nullptr;
    for (const TCandidate& c : values) {
        if (c.Value >= max - tolerance && (!atMax || c.x >= atMax->x))
            atMax = &c;
        if (c.Value <= min + tolerance && (!atMin || c.x >= atMin->x))
            atMin = &c;
    }
    // A value between the samples that exceeds them by mere noise keeps the samples' own extreme, so
    // that the diagrams scaled by it stay as they were.
    double sampleMax = 0, sampleMin = 0;
    for (size_t i = samplesFrom; i < values.size(); ++i) {
        sampleMax = std::max(sampleMax, values[i].Value);
        sampleMin = std::min(sampleMin, values[i].Value);
    }
    e.Max = max - sampleMax <= tolerance ? sampleMax : max;
    e.Min = sampleMin - min <= tolerance ? sampleMin : min;
    if (atMax)
        e.xMax = atMax->x;
    if (atMin)
        e.xMin = atMin->x;
    return e;
}

// The samples of both curves of an envelope (the lower curve never exceeds the upper one, so the
// maximum comes from the upper curve and the minimum from the lower one).
void AddSamples(double spanL, const TSamples& upper, const TSamples& lower, std::vector<TCandidate>& out)
{
    for (int i = 0; i < SampleCount; ++i) {
        const double x = SampleX(spanL, i);
        out.push_back({ x, upper[i] });
        if (&lower != &upper)
            out.push_back({ x, lower[i] });
    }
}

} // namespace

TExtremes FindExtremes(double spanL, const TResultStore& s, const TExtremes& previous)
{
    // Kept from call to call (the memory of a calculation of many loads), emptied here.
    static thread_local TLineCandidates c;
    for (std::vector<TCandidate>* v : { &c.Mn, &c.Md, &c.Qn, &c.Qd, &c.f })
        v->clear();
    const bool withF = s.fIssue == TDeflectionIssue::None;
    if (s.HasEnvelope) {
        for (const TExactLine& line : s.Envelope.Lines)
            AddLineCandidates(line, withF, c);
    } else {
        AddLineCandidates(s.Line, withF, c);
    }
    const auto decide = [spanL](std::vector<TCandidate>& values, const TSamples& upper, const TSamples& lower,
                            const TExtreme& before) {
        const size_t samplesFrom = values.size();
        AddSamples(spanL, upper, lower, values);
        return Decide(values, samplesFrom, before);
    };
    TExtremes e;
    e.Mn = decide(c.Mn, s.Mn, s.MomentMin(true), previous.Mn);
    e.Md = decide(c.Md, s.Md, s.MomentMin(false), previous.Md);
    e.Qn = decide(c.Qn, s.Qn, s.ShearMin(true), previous.Qn);
    e.Qd = decide(c.Qd, s.Qd, s.ShearMin(false), previous.Qd);
    e.f = decide(c.f, s.fn, s.fnMin(), previous.f);
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

TCalculation Calculate(const TTask& task, const TExtremes& previous)
{
    TCalculation c;
    c.Sums = SumSelection(task);
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
