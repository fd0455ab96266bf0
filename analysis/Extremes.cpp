// The extremes of the diagrams with their positions, the calculation as the result tabs show it,
// and the probes.
#include "analysis/Extremes.h"

#include "analysis/Checks.h"
#include "model/uMyCommonLib.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Values this close to the extreme, relative to the diagram's largest magnitude, are rounding noise
// of one another: the last position among them is taken.
constexpr double Noise = 1e-12;

// The extremes of the candidates, starting from the first of them: only values on the beam are
// candidates. Among the values within noise of an extreme the last position (largest x) wins.
// `samplesFrom` is where the samples start among the candidates.
TExtreme Decide(const std::vector<TCandidate>& values, size_t samplesFrom)
{
    TExtreme e;
    if (values.empty())
        return e;
    double max = values.front().Value, min = max, magnitude = 0;
    for (const TCandidate& c : values) {
        max = std::max(max, c.Value);
        min = std::min(min, c.Value);
        magnitude = std::max(magnitude, std::fabs(c.Value));
    }
    const double tolerance = Noise * magnitude;
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
    double sampleMax = max, sampleMin = min;
    if (samplesFrom < values.size()) {
        sampleMax = sampleMin = values[samplesFrom].Value;
        for (size_t i = samplesFrom; i < values.size(); ++i) {
            sampleMax = std::max(sampleMax, values[i].Value);
            sampleMin = std::min(sampleMin, values[i].Value);
        }
    }
    e.Max = max - sampleMax <= tolerance ? sampleMax : max;
    e.Min = sampleMin - min <= tolerance ? sampleMin : min;
    e.xMax = atMax->x;
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

TExtreme DecideWithSamples(double spanL, std::vector<TCandidate>& values, const TSamples& upper, const TSamples& lower)
{
    const size_t samplesFrom = values.size();
    AddSamples(spanL, upper, lower, values);
    return Decide(values, samplesFrom);
}

// The candidates of the lines, kept from call to call (the memory of a calculation of many loads).
TLineCandidates& EmptyCandidates()
{
    static thread_local TLineCandidates c;
    for (std::vector<TCandidate>* v : { &c.M, &c.Q, &c.f })
        v->clear();
    return c;
}

} // namespace

TExtremes FindExtremes(double spanL, const TResultStore& s)
{
    const bool withF = s.fIssue == TDeflectionIssue::None;
    // The characteristic lines carry the deflection, the design lines do not.
    const auto candidates = [&s, withF](bool design) -> TLineCandidates& {
        TLineCandidates& c = EmptyCandidates();
        if (!s.HasEnvelope)
            AddLineCandidates(design ? s.LineD : s.LineN, !design && withF, c);
        else
            for (const TExactLine& line : design ? s.Envelope.LinesD : s.Envelope.LinesN)
                AddLineCandidates(line, !design && withF, c);
        return c;
    };
    TExtremes e;
    TLineCandidates& n = candidates(false);
    e.Mn = DecideWithSamples(spanL, n.M, s.Mn, s.MomentMin(true));
    e.Qn = DecideWithSamples(spanL, n.Q, s.Qn, s.ShearMin(true));
    e.f = DecideWithSamples(spanL, n.f, s.fn, s.fnMin());
    TLineCandidates& d = candidates(true); // the same memory, emptied: n is done with
    e.Md = DecideWithSamples(spanL, d.M, s.Md, s.MomentMin(false));
    e.Qd = DecideWithSamples(spanL, d.Q, s.Qd, s.ShearMin(false));
    return e;
}

TExtreme LineExtreme(double spanL, const TSamples& samples, const TExactLine& line, TLineValue which)
{
    TLineCandidates& c = EmptyCandidates();
    AddLineCandidates(line, which == TLineValue::f, c);
    std::vector<TCandidate>& values = which == TLineValue::M ? c.M : which == TLineValue::Q ? c.Q : c.f;
    return DecideWithSamples(spanL, values, samples, samples);
}

TCalculation Calculate(const TResultSet& results, const TCalculationChoice& choice)
{
    TCalculation c;
    c.SpanL = results.Model().L;
    c.Typ = results.Model().Typ;
    c.Sums = SumSelection(results, choice);
    c.Extremes = FindExtremes(c.SpanL, c.Sums);
    c.Captions = SelectionCaptions(choice, c.Sums);
    c.Warnings = SelectionLoadWarnings(results.Model(), choice);
    return c;
}

TCalculation Calculate(const TTask& task)
{
    return Calculate(TResultSet(BuildModel(task)), task.Calc);
}

TDiagramCaptions SelectionCaptions(const TCalculationChoice& choice, const TResultStore& sums)
{
    TDiagramCaptions captions;
    QString what;
    switch (choice.Mode) {
    case TCalculationChoice::LoadCase:
        what = QStringLiteral("ZS ") + choice.ComboBox1;
        break;
    case TCalculationChoice::Combination:
        what = QStringLiteral("kombinace ") + choice.ComboBox2;
        break;
    case TCalculationChoice::Envelope:
        if (!sums.HasEnvelope)
            return captions; // nothing computed yet: the captions stay
        what = sums.Envelope.OverLoadCases ? QStringLiteral("obálka zatěžovacích stavů")
                                           : QStringLiteral("obálka kombinací");
        break;
    }
    captions.Moment = QStringLiteral("Ohybový moment [") + what + QLatin1Char(']');
    captions.Shear = QStringLiteral("Posouvající síla [") + what + QLatin1Char(']');
    captions.Deflection = QStringLiteral("Průhyb trabíku [") + what + QLatin1Char(']');
    captions.Computed = true;
    return captions;
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

TProbeValues ProbeValues(const TCalculation& c, double x, bool momentCharacteristic, bool shearCharacteristic)
{
    const TResultStore& s = c.Sums;
    TProbeValues v;
    const double index = 100 * x / c.SpanL;
    const int i = std::isfinite(index) ? int(std::clamp<long long>(RoundHalfEven(index), 0, 100)) : 0;
    v.Mmax = s.Moment(momentCharacteristic)[i];
    v.Mmin = s.MomentMin(momentCharacteristic)[i];
    v.Qmax = s.Shear(shearCharacteristic)[i];
    v.Qmin = s.ShearMin(shearCharacteristic)[i];
    v.fmax = s.fn[i];
    v.fmin = s.fnMin()[i];
    if (s.HasEnvelope || !(c.SpanL > 0))
        return v;
    v.Mmax = v.Mmin = (momentCharacteristic ? s.LineN : s.LineD).At(x).M;
    v.Qmax = v.Qmin = (shearCharacteristic ? s.LineN : s.LineD).At(x).Q;
    if (s.LineN.EI > 0)
        v.fmax = v.fmin = s.LineN.At(x).f;
    return v;
}
