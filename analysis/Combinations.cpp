// The summation step of the calculation: one load case, every member of one combination, or the
// envelope of all combinations.
#include "analysis/uCalcUnit.h"

int CombinationRow(const TCombinationGrid& grid, const QString& name)
{
    for (int r = 1; r < grid.RowCount(); ++r)
        if (grid.Cell(1, r).compare(name, Qt::CaseInsensitive) == 0)
            return r;
    return -1;
}

std::vector<int> CombinationMembers(const TTask& task, int row)
{
    std::vector<int> members;
    if (row < 1 || row >= task.Grid.RowCount())
        return members;
    const int pages = int(task.LoadCases.size());
    for (int index = 0; index < pages; ++index) {
        const int column = TTask::FirstLoadCaseColumn + index;
        if (column >= task.Grid.ColCount())
            break;
        if (task.Grid.Cell(column, row) != QLatin1String("0"))
            members.push_back(index);
    }
    return members;
}

bool CombinationRowHasMember(const TTask& task, int row)
{
    return !CombinationMembers(task, row).empty();
}

std::vector<int> CombinationPages(const TTask& task, int row)
{
    std::vector<int> pages;
    for (int index : CombinationMembers(task, row)) {
        // By caption alone, two pages of one caption would give the later one twice.
        const QString header = task.Grid.Cell(TTask::LoadCaseColumn(index), 0);
        const int page = task.LoadCases[size_t(index)].Caption == header
            ? index
            : task.IndexOfNumber(task.FindZSInfo(header).Number);
        if (page >= 0)
            pages.push_back(page);
    }
    return pages;
}

bool AddCombinationRow(const TTask& task, TResultStore& store, int row)
{
    for (int page : CombinationPages(task, row))
        AddLoadCaseNumber(task, store, task.LoadCases[size_t(page)].Number);
    return CombinationRowHasMember(task, row);
}

bool AddCombination(const TTask& task, TResultStore& store, const QString& name)
{
    const int row = CombinationRow(task.Grid, name);
    if (row < 0)
        return false;
    AddCombinationRow(task, store, row);
    return true;
}

TResultStore SumCombinationRow(const TTask& task, int row)
{
    TResultStore store;
    AddCombinationRow(task, store, row);
    return store;
}

namespace {

// The store shows the envelope's maxima where it shows one value (reaction fields, probes).
TResultStore ShowEnvelope(const TEnvelope& envelope)
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
    store.Envelope = envelope;
    store.HasEnvelope = true;
    return store;
}

} // namespace

TResultStore SumSelection(const TTask& task)
{
    TResultStore store;
    switch (task.Calc.Mode) {
    case TCalculationChoice::Envelope:
        return ShowEnvelope(ComputeEnvelope(task));
    case TCalculationChoice::LoadCase:
        AddLoadCase(task, store, task.Calc.ComboBox1);
        break;
    case TCalculationChoice::Combination:
        AddCombination(task, store, task.Calc.ComboBox2);
        break;
    }
    return store;
}

QString MissingChoiceMessage(const TTask& task, const TCalculationChoice& choice)
{
    if (choice.Mode == TCalculationChoice::LoadCase && task.FindZSInfo(choice.ComboBox1).Number == -1)
        return task.LoadCases.empty() ? QStringLiteral("Není žádný zatěžovací stav.")
                                      : QStringLiteral("Zatěžovací stav „%1“ neexistuje.").arg(choice.ComboBox1);
    if (choice.Mode == TCalculationChoice::Combination && CombinationRow(task.Grid, choice.ComboBox2) < 0)
        return task.CombinationNames().isEmpty() ? QStringLiteral("Není žádná kombinace.")
                                                 : QStringLiteral("Kombinace „%1“ neexistuje.").arg(choice.ComboBox2);
    return {};
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
