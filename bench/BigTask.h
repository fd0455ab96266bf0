#pragma once
// The large tasks the speed budgets are measured on: many load cases with loads of every kind and
// combinations over a rolling window of them.
#include "model/TTask.h"

#include <algorithm>

struct TBigTaskShape
{
    int LoadCases = 200;
    int LoadsPerCase = 15; // point forces, uniform, partial and moments in turn
    int Combinations = 50;
    int CasesPerCombination = 50;
};

inline TTask BigTask(const TBigTaskShape& shape = {})
{
    TTask task;
    task.Job = QStringLiteral("Výrobní hala Pardubice");
    task.Author = QStringLiteral("Ing. Novák");
    task.TaskTitle = QStringLiteral("Vaznice V1");
    task.SpanText = QStringLiteral("7,5");
    for (int i = 0; i < shape.LoadCases; ++i) {
        task.NewLoadCase(QStringLiteral("ZS %1").arg(i + 1), 1.35, i % 3 != 0, true);
        for (int k = 0; k < shape.LoadsPerCase; ++k) {
            const double a = 0.5 + 0.4 * k;
            switch (k % 4) {
            case 0:
                task.AddPxRow(true, 12.5 + k + i % 7, a);
                break;
            case 1:
                task.AddQRow(true, 3.25 + 0.5 * k);
                break;
            case 2:
                task.AddQQRow(true, 1.5 + i % 5, 0.5 + 0.1 * k, 2.75, 1.125);
                break;
            default:
                task.AddMxRow(true, -4.5 * k, 7.0 - a);
                break;
            }
        }
    }
    task.RefreshCombinationGrid();
    for (int c = 0; c < shape.Combinations; ++c) {
        task.AddCombination();
        const int row = c + 1;
        // Load case i belongs to combination c when it lies in the window starting at c.
        for (int i = 0; i < shape.LoadCases; ++i) {
            const int offset = (i - c + shape.LoadCases) % shape.LoadCases;
            if (offset >= shape.CasesPerCombination)
                task.Grid.SetCell(TTask::LoadCaseColumn(i), row, QStringLiteral("0"));
        }
    }
    task.ActiveLoadCase = 0;
    task.RefreshCalculationLists();
    return task;
}
