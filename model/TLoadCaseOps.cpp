// Creating, filling and deleting load cases, and New task.
#include "model/TTask.h"

#include "model/uMyCommonLib.h"

namespace {

// Only the load generator (and the project file reader acting as it) puts numbers into the edits.
QString ValueText(TCaller caller, double value)
{
    return caller == TCaller::Generator ? FormatFixed(value, 3, 6) : QString();
}

} // namespace

int TTask::NewLoadCase(TCaller caller)
{
    TLoadCase loadCase;
    loadCase.Number = ++ZSCounter;
    LoadCases.push_back(loadCase);
    ActiveLoadCase = int(LoadCases.size()) - 1;
    if (caller != TCaller::Generator) {
        // The add actions are the senders here, so the rows stay empty and unchecked.
        AddPxRow(TCaller::User, false, 0, 0);
        AddQRow(TCaller::User, false, 0);
        AddQQRow(TCaller::User, false, 0, 0, 0, 0);
        AddMxRow(TCaller::User, false, 0, 0);
    }
    return ActiveLoadCase;
}

void TTask::AddPxRow(TCaller caller, bool checked, double P, double a)
{
    if (TLoadCase* loadCase = ActiveCase())
        loadCase->Px.push_back({ checked, ValueText(caller, P), ValueText(caller, a) });
}

void TTask::AddQRow(TCaller caller, bool checked, double q)
{
    if (TLoadCase* loadCase = ActiveCase())
        loadCase->Q.push_back({ checked, ValueText(caller, q) });
}

void TTask::AddQQRow(TCaller caller, bool checked, double qa, double a, double qb, double b)
{
    // A new partial load is enabled whatever the end condition; only EnablePartialLoads disables.
    if (TLoadCase* loadCase = ActiveCase())
        loadCase->QQ.push_back({ checked, true, ValueText(caller, qa), ValueText(caller, a), ValueText(caller, qb),
            ValueText(caller, b) });
}

void TTask::AddMxRow(TCaller caller, bool checked, double M, double a)
{
    if (TLoadCase* loadCase = ActiveCase())
        loadCase->Mx.push_back({ checked, ValueText(caller, M), ValueText(caller, a) });
}

void TTask::EnablePartialLoads(bool enabled)
{
    for (TLoadCase& loadCase : LoadCases)
        for (TQQRow& row : loadCase.QQ)
            row.Enabled = enabled;
}

void TTask::DeleteActiveLoadCase()
{
    const int index = ActiveLoadCase;
    if (index < 0 || index >= int(LoadCases.size()))
        return;
    LoadCases.erase(LoadCases.begin() + index);
    // The deleted load case's flags go with it; the others keep theirs (columns are by position).
    const int column = FirstLoadCaseColumn + index;
    if (column < Grid.ColCount())
        Grid.RemoveColumn(column);
    if (LoadCases.empty())
        ActiveLoadCase = -1;
    else if (index >= int(LoadCases.size()))
        ActiveLoadCase = 0;
}

void TTask::DeleteAllLoadCases()
{
    LoadCases.clear();
    ActiveLoadCase = -1;
}

void TTask::NewTask()
{
    DeleteAllLoadCases();
    ZSCounter = -1;
    NewLoadCase(TCaller::MainWindow);
    TaskTitle.clear();
    Grid.SetSize(1, 2);
    Grid.Clear();
    Print[1].Enabled = false;
    Print[13].Checked = true;
    Print[4].Checked = true;
    Deflection.DeflectionLimit = TDeflectionInputs().DeflectionLimit;
    ExtensionItems.clear();
}
