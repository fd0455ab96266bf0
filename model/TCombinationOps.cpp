// The combination grid operations and the calculation tab's lists.
#include "model/TTask.h"

#include <algorithm>

namespace {

QString DefaultCombinationName(int row)
{
    return QStringLiteral("Komb_%1").arg(row);
}

// The list entry the text stands for: the same text, else the first entry equal ignoring case,
// else the first entry; an empty list leaves the text as it is.
QString ChooseEntry(const QString& text, const QStringList& entries)
{
    if (entries.isEmpty() || entries.contains(text))
        return text;
    for (const QString& entry : entries)
        if (entry.compare(text, Qt::CaseInsensitive) == 0)
            return entry;
    return entries.first();
}

} // namespace

void TTask::RefreshCombinationGrid()
{
    Grid.SetSize(FirstLoadCaseColumn + int(LoadCases.size()), std::max(Grid.RowCount(), 1));
    Grid.SetCell(0, 0, QStringLiteral("index"));
    Grid.SetCell(1, 0, QStringLiteral("název"));
    Grid.SetCell(2, 0, QStringLiteral("tisk"));
    for (size_t i = 0; i < LoadCases.size(); ++i)
        Grid.SetCell(LoadCaseColumn(int(i)), 0, LoadCases[i].Caption);
    for (int row = 1; row < Grid.RowCount(); ++row) {
        Grid.SetCell(0, row, QString::number(row));
        if (Grid.Cell(1, row).isEmpty())
            Grid.SetCell(1, row, DefaultCombinationName(row));
    }
}

void TTask::AddCombination()
{
    const int row = std::max(Grid.RowCount(), 1);
    Grid.SetSize(Grid.ColCount(), row + 1);
    // The new cells are empty: printed, every load case included.
    Grid.SetCell(0, row, QString::number(row));
    Grid.SetCell(1, row, DefaultCombinationName(row));
}

void TTask::ToggleGridFlag(int col, int row)
{
    if (col < 2 || row < 1 || col >= Grid.ColCount() || row >= Grid.RowCount())
        return;
    Grid.SetFlag(col, row, !Grid.Flag(col, row));
}

void TTask::DeleteCombination(int row)
{
    if (row < 1 || row >= Grid.RowCount())
        return;
    Grid.RemoveRow(row);
    for (int r = row; r < Grid.RowCount(); ++r)
        Grid.SetCell(0, r, QString::number(r));
}

void TTask::MapGridColumnsByCaption(const QStringList& oldCaptions)
{
    const TCombinationGrid old = Grid;
    std::vector<bool> taken(size_t(oldCaptions.size()), false);
    Grid.SetSize(FirstLoadCaseColumn + int(LoadCases.size()), old.RowCount());
    for (int i = 0; i < int(LoadCases.size()); ++i) {
        const int column = LoadCaseColumn(i);
        int from = -1;
        for (int j = 0; j < int(oldCaptions.size()) && from < 0; ++j)
            if (!taken[size_t(j)] && oldCaptions[j] == LoadCases[size_t(i)].Caption)
                from = j;
        if (from >= 0)
            taken[size_t(from)] = true;
        for (int row = 0; row < Grid.RowCount(); ++row)
            Grid.SetCell(column, row, from >= 0 ? old.Cell(LoadCaseColumn(from), row) : QString());
    }
}

QStringList TTask::LoadCaseNames() const
{
    QStringList names;
    for (const TLoadCase& loadCase : LoadCases)
        names << loadCase.Caption;
    return names;
}

QStringList TTask::CombinationNames() const
{
    QStringList names;
    for (int row = 1; row < Grid.RowCount(); ++row)
        if (!Grid.Cell(1, row).isEmpty())
            names << Grid.Cell(1, row);
    return names;
}

void TTask::RefreshCalculationLists()
{
    Calc.ComboBox1 = ChooseEntry(Calc.ComboBox1, LoadCaseNames());
    Calc.ComboBox2 = ChooseEntry(Calc.ComboBox2, CombinationNames());
}
