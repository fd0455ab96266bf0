#pragma once
// Building tasks for the solver tests through the model's own operations: load cases made as the
// load generator makes them, so the numbers land in the value texts.
#include "analysis/uCalcUnit.h"
#include "tests/support/LoadCaseBuilders.h"

#include <QString>
#include <QStringList>
#include <vector>

inline TTask MakeTask(unsigned char typ, const QString& span)
{
    TTask task;
    task.SpanText = span;
    task.SetTyp(typ);
    return task;
}

// The store after ClearTotals and AddLoadCase(name).
inline TResultStore Solve(TTask& task, const QString& name)
{
    TResultStore store;
    ClearTotals(store);
    AddLoadCase(task, store, name);
    return store;
}
