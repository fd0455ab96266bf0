#pragma once
// Building tasks for the solver tests through the model's own operations: load cases made as the
// load generator makes them, so the numbers land in the value texts.
#include "analysis/Checks.h"
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

// The sums of the load case captioned `name` (the last page of that caption), as the calculation
// tab computes them.
inline TResultStore Solve(const TTask& task, const QString& name)
{
    TCalculationChoice choice;
    choice.ComboBox1 = name;
    return SumSelection(TResultSet(BuildModel(task)), choice);
}

// The sums of the load cases at these indexes of task.LoadCases, added as a combination adds them.
inline TResultStore SumCases(const TTask& task, const std::vector<int>& members)
{
    return SumMembers(TResultSet(BuildModel(task)), members);
}

// The sums of the choice of the task.
inline TResultStore SumSelection(const TTask& task)
{
    return SumSelection(TResultSet(BuildModel(task)), task.Calc);
}

inline TEnvelope ComputeEnvelope(const TTask& task)
{
    return ComputeEnvelope(TResultSet(BuildModel(task)));
}

// The checks of the task as it is now.
inline QStringList SelectionLoadWarnings(const TTask& task)
{
    return SelectionLoadWarnings(BuildModel(task), task.Calc);
}

inline TDeflectionCheck CheckDeflection(const TTask& task, const TResultStore& sums, const TExtreme& f)
{
    return CheckDeflection(task.Typ, task.SpanL(), task.Deflection.DeflectionLimit, sums, f);
}
