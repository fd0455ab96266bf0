// The envelope: every combination of the grid summed on its own, then sample by sample the largest
// and the smallest value over them; and the sums of the calculation choice.
#include "analysis/Results.h"

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
void Take(TEnvelope& e, TResultStore&& s)
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
    if (e.fIssue == TDeflectionIssue::None) {
        e.fIssue = s.fIssue;
        e.fProblem = s.fProblem;
    }
    e.LinesN.push_back(std::move(s.LineN));
    e.LinesD.push_back(std::move(s.LineD));
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

// The store shows the envelope's maxima where it shows one value (reaction fields, probes).
TResultStore ShowEnvelope(TEnvelope&& envelope)
{
    TResultStore store;
    store.An = envelope.An.Max;
    store.Bn = envelope.Bn.Max;
    store.Man = envelope.Man.Max;
    store.Mbn = envelope.Mbn.Max;
    store.Ad = envelope.Ad.Max;
    store.Bd = envelope.Bd.Max;
    store.Mad = envelope.Mad.Max;
    store.Mbd = envelope.Mbd.Max;
    store.Mn = envelope.Mnmax;
    store.Md = envelope.Mdmax;
    store.Qn = envelope.Qnmax;
    store.Qd = envelope.Qdmax;
    store.fn = envelope.fmax;
    store.fIssue = envelope.fIssue;
    store.fProblem = envelope.fProblem;
    store.Envelope = std::move(envelope);
    store.HasEnvelope = true;
    return store;
}

// The load case the calculation tab names: the last page of that caption (letter case counts).
int CaseNamed(const TAnalysisModel& model, const QString& name)
{
    for (int i = int(model.Cases.size()) - 1; i >= 0; --i)
        if (model.Cases[size_t(i)].Name == name)
            return i;
    return -1;
}

const TCombinationModel* CombinationNamed(const TAnalysisModel& model, const QString& name)
{
    for (const TCombinationModel& c : model.Combinations)
        if (c.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

} // namespace

TEnvelope ComputeEnvelope(const TResultSet& results)
{
    TEnvelope envelope;
    for (const TCombinationModel& c : results.Model().Combinations)
        if (c.HasMember)
            Take(envelope, SumMembers(results, c.Members));
    if (envelope.Count == 0) {
        envelope.OverLoadCases = true;
        // Every page: two pages of one caption are two members.
        for (int i = 0; i < results.CaseCount(); ++i)
            Take(envelope, SumMembers(results, { i }));
    }
    DropDeflection(envelope);
    return envelope;
}

std::vector<int> SelectionMembers(const TAnalysisModel& model, const TCalculationChoice& choice)
{
    std::vector<int> members;
    switch (choice.Mode) {
    case TCalculationChoice::LoadCase:
        if (const int i = CaseNamed(model, choice.ComboBox1); i >= 0)
            members.push_back(i);
        break;
    case TCalculationChoice::Combination:
        if (const TCombinationModel* c = CombinationNamed(model, choice.ComboBox2))
            members = c->Members;
        break;
    case TCalculationChoice::Envelope: {
        // The members ComputeEnvelope takes.
        bool combinations = false;
        for (const TCombinationModel& c : model.Combinations)
            if (c.HasMember) {
                combinations = true;
                members.insert(members.end(), c.Members.begin(), c.Members.end());
            }
        if (!combinations)
            for (int i = 0; i < int(model.Cases.size()); ++i)
                members.push_back(i);
        std::sort(members.begin(), members.end());
        members.erase(std::unique(members.begin(), members.end()), members.end());
        break;
    }
    }
    return members;
}

TResultStore SumSelection(const TResultSet& results, const TCalculationChoice& choice)
{
    if (choice.Mode == TCalculationChoice::Envelope)
        return ShowEnvelope(ComputeEnvelope(results));
    return SumMembers(results, SelectionMembers(results.Model(), choice));
}
