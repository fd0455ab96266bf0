// The combination rows of the grid: their members and names.
#include "analysis/Combinations.h"

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
        if (task.Grid.Flag(column, row))
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

bool CombinationPrinted(const TCombinationGrid& grid, int row)
{
    return grid.Flag(2, row);
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
