// Creating, filling and deleting load cases, and New task.
#include "model/TTask.h"

#include "model/uMyCommonLib.h"

namespace {

// The text of a number in a row's edit.
QString ValueText(double value)
{
    return FormatFixed(value, 3, 6);
}

} // namespace

int TTask::NewLoadCase(TCaller caller)
{
    TLoadCase loadCase;
    loadCase.Number = ++ZSCounter;
    LoadCases.push_back(loadCase);
    ActiveLoadCase = int(LoadCases.size()) - 1;
    if (caller != TCaller::Generator)
        for (TLoadKind kind : { KindPx, KindQ, KindQQ, KindMx })
            AddEmptyRow(kind);
    return ActiveLoadCase;
}

int TTask::NewLoadCase(const QString& name, double gamaf, bool longTerm, bool printResults)
{
    const int index = NewLoadCase(TCaller::Generator);
    TZSInfo info = InfoOf(LoadCases[size_t(index)]);
    info.Name = name;
    info.Gamaf = gamaf;
    info.LongTerm = longTerm;
    info.ShortTerm = !longTerm;
    info.PrintResults = printResults;
    SetZSInfo(info);
    return index;
}

void TTask::AddEmptyRow(TLoadKind kind, bool checked)
{
    TLoadCase* loadCase = ActiveCase();
    if (!loadCase)
        return;
    switch (kind) {
    case KindPx:
        loadCase->Px.push_back({ checked, {}, {} });
        break;
    case KindQ:
        loadCase->Q.push_back({ checked, {} });
        break;
    case KindQQ:
        loadCase->QQ.push_back({ checked, {}, {}, {}, {} });
        break;
    case KindMx:
        loadCase->Mx.push_back({ checked, {}, {} });
        break;
    }
}

void TTask::AddPxRow(bool checked, double P, double a)
{
    if (TLoadCase* loadCase = ActiveCase())
        loadCase->Px.push_back({ checked, ValueText(P), ValueText(a) });
}

void TTask::AddQRow(bool checked, double q)
{
    if (TLoadCase* loadCase = ActiveCase())
        loadCase->Q.push_back({ checked, ValueText(q) });
}

void TTask::AddQQRow(bool checked, double qa, double a, double qb, double b)
{
    if (TLoadCase* loadCase = ActiveCase())
        loadCase->QQ.push_back({ checked, ValueText(qa), ValueText(a), ValueText(qb), ValueText(b) });
}

void TTask::AddMxRow(bool checked, double M, double a)
{
    if (TLoadCase* loadCase = ActiveCase())
        loadCase->Mx.push_back({ checked, ValueText(M), ValueText(a) });
}

void TTask::DeleteActiveLoadCase()
{
    const int index = ActiveLoadCase;
    if (index < 0 || index >= int(LoadCases.size()))
        return;
    LoadCases.erase(LoadCases.begin() + index);
    // The deleted load case's flags go with it; the others keep theirs (columns are by position).
    const int column = LoadCaseColumn(index);
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
    Print[TPrintOption::GeneratorData].Enabled = false;
    Print[TPrintOption::Characteristic].Checked = true;
    Print[TPrintOption::LoadCaseForces].Checked = true;
    // A material or a section of the previous task goes with the value it gave.
    const TDeflectionInputs start;
    if (!Deflection.Material.isEmpty()) {
        Deflection.Edit31 = start.Edit31;
        Deflection.EUnit = start.EUnit;
    }
    if (!Deflection.Section.isEmpty()) {
        Deflection.Edit30 = start.Edit30;
        Deflection.IyUnit = start.IyUnit;
    }
    Deflection.Material.clear();
    Deflection.Section.clear();
    Deflection.SectionConfirmed = false;
    Deflection.DeflectionLimit = start.DeflectionLimit;
    CombinationRule = DefaultCombinationRule();
    ExtensionItems.clear();
}
