#pragma once
// The combination grid KombiGrid as data: cells[col][row], row 0 and column 0 fixed.
// Flag cells: "" = yes, "0" = no.
#include <QString>
#include <vector>

class TCombinationGrid
{
public:
    TCombinationGrid(); // 5 columns, 2 rows, all empty: the state before the first refresh

    int ColCount() const { return int(Cells.size()); }
    int RowCount() const { return Cells.empty() ? 0 : int(Cells.front().size()); }
    void SetSize(int cols, int rows); // new cells are empty; cells outside are dropped
    QString Cell(int col, int row) const; // empty outside the grid
    void SetCell(int col, int row, const QString& text); // ignored outside the grid
    void InsertColumn(int col); // an empty column; col is limited to 0..ColCount()
    void RemoveColumn(int col); // ignored outside the grid
    void RemoveRow(int row); // ignored outside the grid
    void Clear(); // every cell empty, size kept

    // The one reading of a flag cell (columns 2 and up, rows 1 and up): "0" is no, any other text
    // yes. The grid, the sums, the envelope, the warnings and the report all go by it.
    bool Flag(int col, int row) const { return Cell(col, row) != QLatin1String("0"); }
    void SetFlag(int col, int row, bool yes) { SetCell(col, row, yes ? QString() : QStringLiteral("0")); }

private:
    std::vector<std::vector<QString>> Cells;
};
