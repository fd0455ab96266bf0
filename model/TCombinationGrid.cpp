#include "model/TCombinationGrid.h"

#include <algorithm>

TCombinationGrid::TCombinationGrid()
{
    SetSize(5, 2);
}

void TCombinationGrid::SetSize(int cols, int rows)
{
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    Cells.resize(size_t(cols));
    for (auto& column : Cells)
        column.resize(size_t(rows));
}

QString TCombinationGrid::Cell(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return QString();
    return Cells[size_t(col)][size_t(row)];
}

void TCombinationGrid::SetCell(int col, int row, const QString& text)
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return;
    Cells[size_t(col)][size_t(row)] = text;
}

void TCombinationGrid::InsertColumn(int col)
{
    col = std::clamp(col, 0, ColCount());
    Cells.insert(Cells.begin() + col, std::vector<QString>(size_t(RowCount())));
}

void TCombinationGrid::RemoveColumn(int col)
{
    if (col < 0 || col >= ColCount())
        return;
    Cells.erase(Cells.begin() + col);
}

void TCombinationGrid::RemoveRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    for (auto& column : Cells)
        column.erase(column.begin() + row);
}

void TCombinationGrid::Clear()
{
    for (auto& column : Cells)
        std::fill(column.begin(), column.end(), QString());
}
