// The envelope: every combination of the grid summed on its own, then sample by sample the largest
// and the smallest value over them.
#include "analysis/uCalcUnit.h"

#include <QStringList>
#include <algorithm>

namespace {

void Take(TRange& range, double value, bool first)
{
    range.Max = first ? value : std::max(range.Max, value);
    range.Min = first ? value : std::min(range.Min, value);
}

void Take(TSamples& max, TSamples& min, const TSamples& values, bool first)
{
    for (int i = 0; i < SampleCount; ++i) {
        max[i] = first ? values[i] : std::max(max[i], values[i]);
        min[i] = first ? values[i] : std::min(min[i], values[i]);
    }
}

// One member (a combination or a load case) into the envelope; the first one sets both curves.
void Take(TEnvelope& e, const TResultStore& s)
{
    const bool first = e.Count == 0;
    Take(e.An, s.An, first);
    Take(e.Bn, s.Bn, first);
    Take(e.Man, s.Man, first);
    Take(e.Mbn, s.Mbn, first);
    Take(e.Ad, s.Ad, first);
    Take(e.Bd, s.Bd, first);
    Take(e.Mad, s.Mad, first);
    Take(e.Mbd, s.Mbd, first);
    Take(e.Mnmax, e.Mnmin, s.Mn, first);
    Take(e.Mdmax, e.Mdmin, s.Md, first);
    Take(e.Qnmax, e.Qnmin, s.Qn, first);
    Take(e.Qdmax, e.Qdmin, s.Qd, first);
    Take(e.fmax, e.fmin, s.fn, first);
    if (e.fIssue == TDeflectionIssue::None)
        e.fIssue = s.fIssue;
    e.Lines.push_back(s.Line);
    ++e.Count;
}

// A deflection that one member cannot give leaves the whole deflection envelope at 0.
void DropDeflection(TEnvelope& e)
{
    if (e.fIssue == TDeflectionIssue::None)
        return;
    e.fmax.fill(0);
    e.fmin.fill(0);
}

} // namespace

TEnvelope ComputeEnvelope(const TTask& task)
{
    TEnvelope envelope;
    for (int row = 1; row < task.Grid.RowCount(); ++row)
        if (CombinationRowHasMember(task, row))
            Take(envelope, SumCombinationRow(task, row));
    if (envelope.Count == 0) {
        envelope.OverLoadCases = true;
        // By number: two pages of one caption are two members.
        for (const TLoadCase& page : task.LoadCases)
            Take(envelope, SolveLoadCase(task, page.Number));
    }
    DropDeflection(envelope);
    return envelope;
}
