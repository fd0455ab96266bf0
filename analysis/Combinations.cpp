// The summation step of the calculation: one load case, every member of one combination, or the
// envelope of all combinations.
#include "analysis/uCalcUnit.h"

namespace {

TDiagramCaptions Captions(const QString& what)
{
    TDiagramCaptions captions;
    captions.Moment = QStringLiteral("Ohybový moment [") + what + QLatin1Char(']');
    captions.Shear = QStringLiteral("Posouvající síla [") + what + QLatin1Char(']');
    captions.Deflection = QStringLiteral("Průhyb trabíku [") + what + QLatin1Char(']');
    captions.Computed = true;
    return captions;
}

int CombinationRow(const TCombinationGrid& grid, const QString& name)
{
    for (int r = 1; r < grid.RowCount(); ++r)
        if (grid.Cell(1, r).compare(name, Qt::CaseInsensitive) == 0)
            return r;
    return -1;
}

} // namespace

bool CombinationRowHasMember(const TTask& task, int row)
{
    const int pages = int(task.LoadCases.size());
    for (int j = 1; j <= pages && j + 2 < task.Grid.ColCount(); ++j)
        if (task.Grid.Cell(j + 2, row) != QLatin1String("0"))
            return true;
    return false;
}

bool AddCombinationRow(TTask& task, TResultStore& store, int row, const TMessageSink& messages)
{
    if (row < 1 || row >= task.Grid.RowCount() || !CombinationRowHasMember(task, row))
        return false;
    // Membership is read by page position; AddLoadCase refreshes lists but never the grid, so the
    // row and its columns stay put while the members are added. A page without a column (added
    // since the grid was last refreshed) has no cell and is not a member.
    const int pages = int(task.LoadCases.size());
    for (int j = 1; j <= pages && j + 2 < task.Grid.ColCount(); ++j) {
        if (task.Grid.Cell(j + 2, row) == QLatin1String("0"))
            continue;
        // By caption alone, two pages of one caption would give the later one twice.
        const QString header = task.Grid.Cell(j + 2, 0);
        const TLoadCase& page = task.LoadCases[size_t(j - 1)];
        if (page.Caption == header)
            AddLoadCaseNumber(task, store, page.Number, messages);
        else
            AddLoadCase(task, store, header, messages);
    }
    return true;
}

bool AddCombination(TTask& task, TResultStore& store, const QString& name, const TMessageSink& messages)
{
    const int row = CombinationRow(task.Grid, name);
    if (row < 0)
        return false;
    AddCombinationRow(task, store, row, messages);
    return true;
}

namespace {

// The store shows the envelope's maxima where it shows one value (reaction fields, probes).
void ShowEnvelope(TResultStore& store, const TEnvelope& envelope)
{
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
    store.Envelope = envelope;
    store.HasEnvelope = true;
}

} // namespace

TDiagramCaptions SumSelection(TTask& task, TResultStore& store, const TMessageSink& messages)
{
    const TCalculationChoice::TMode mode = task.Calc.Mode;
    // Taken before AddLoadCase refreshes the lists, so the captions name what is summed.
    const QString name = mode == TCalculationChoice::LoadCase ? task.Calc.ComboBox1 : task.Calc.ComboBox2;
    ClearTotals(store);
    try {
        if (mode == TCalculationChoice::Envelope) {
            const TEnvelope envelope = ComputeEnvelope(task, messages);
            ShowEnvelope(store, envelope);
            return Captions(envelope.OverLoadCases ? QStringLiteral("obálka zatěžovacích stavů")
                                                   : QStringLiteral("obálka kombinací"));
        }
        if (mode == TCalculationChoice::LoadCase) {
            AddLoadCase(task, store, name, messages);
            return Captions(QStringLiteral("ZS ") + name);
        }
        AddCombination(task, store, name, messages);
        return Captions(QStringLiteral("kombinace ") + name);
    } catch (...) {
        ClearTotals(store); // never show part of a combination
        throw;
    }
}
