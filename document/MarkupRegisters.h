#pragma once
// Interpreter state that outlives pages: argument slots, colours, marks, the table being
// collected, the fraction and root registers. It lives in the document and is kept between lines,
// pages and layout runs (a tag given too few arguments reuses what earlier tags left in Args).
#include <QRgb>
#include <QString>
#include <array>
#include <vector>

struct TMarkupRegisters
{
    static constexpr int ArgCount = 6;
    static constexpr int MarkCount = 6;
    static constexpr int ColorCount = 3;

    std::array<int, ArgCount + 1> Args {}; // slots 1..6; slot 0 unused
    std::array<QRgb, ColorCount> Colors { qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255) };
    std::array<int, MarkCount> MarkX {};
    std::array<int, MarkCount> MarkY {};

    // The table being collected: TableCells[row][column]; row 0 and column 0 are never used.
    // Rows are stored ragged; a missing cell is empty.
    std::vector<std::vector<QString>> TableCells { std::vector<QString>(1) };
    std::vector<int> TableWidths { 64 };
    int TableBorder = 0;
    int TableCol = 0;
    int TableRow = 0;

    int FracX = 0;
    int FracY = 0;
    int FracEnd = 0;
    bool FracOpen = false;

    int RootX = 0;
    int RootY = 0;
    int RootEnd = 0;
    int RootIndex = 0;
    bool RootOpen = false;

    int LineTop = 0;

    void ClearMarks()
    {
        MarkX.fill(0);
        MarkY.fill(0);
    }
};
