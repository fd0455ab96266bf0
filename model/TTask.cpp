#include "model/TTask.h"

#include "model/TEndConditions.h"
#include "model/uMyCommonLib.h"

TTask::TTask() = default;

TTask TTask::StartState()
{
    TTask task;
    task.NewLoadCase(TCaller::MainWindow);
    return task;
}

double TTask::SpanL() const
{
    return StrToFloatX(SpanText);
}

void TTask::SetTyp(unsigned char typ)
{
    Typ = typ;
}

int TTask::IndexOfNumber(int number) const
{
    for (size_t i = 0; i < LoadCases.size(); ++i)
        if (LoadCases[i].Number == number)
            return int(i);
    return -1;
}

TLoadCase* TTask::LoadCaseByNumber(int number)
{
    const int index = IndexOfNumber(number);
    return index < 0 ? nullptr : &LoadCases[size_t(index)];
}

const TLoadCase* TTask::LoadCaseByNumber(int number) const
{
    const int index = IndexOfNumber(number);
    return index < 0 ? nullptr : &LoadCases[size_t(index)];
}

TLoadCase* TTask::ActiveCase()
{
    if (ActiveLoadCase < 0 || ActiveLoadCase >= int(LoadCases.size()))
        return nullptr;
    return &LoadCases[size_t(ActiveLoadCase)];
}

const TLoadCase* TTask::ActiveCase() const
{
    if (ActiveLoadCase < 0 || ActiveLoadCase >= int(LoadCases.size()))
        return nullptr;
    return &LoadCases[size_t(ActiveLoadCase)];
}

TZSInfo TTask::InfoOf(const TLoadCase& loadCase)
{
    TZSInfo info;
    info.Name = loadCase.Caption;
    info.Number = loadCase.Number;
    info.Gamaf = StrToFloatX(loadCase.GamafText);
    info.LongTerm = loadCase.LongShort == QLatin1String("0");
    info.ShortTerm = !info.LongTerm;
    info.Counts = { int(loadCase.Px.size()), int(loadCase.Q.size()), int(loadCase.QQ.size()), int(loadCase.Mx.size()) };
    info.PrintResults = loadCase.PrintResults;
    return info;
}

TZSInfo TTask::FindZSInfo(const QString& name) const
{
    // Captions need not be unique: the last page with the caption wins.
    for (auto it = LoadCases.rbegin(); it != LoadCases.rend(); ++it)
        if (it->Caption == name)
            return InfoOf(*it);
    return TZSInfo();
}

TZSInfo TTask::GetZSInfo(int number) const
{
    const TLoadCase* loadCase = LoadCaseByNumber(number);
    return loadCase ? InfoOf(*loadCase) : TZSInfo();
}

void TTask::SetZSInfo(const TZSInfo& info)
{
    SetZSInfoAt(IndexOfNumber(info.Number), info);
}

void TTask::SetZSInfoAt(int index, const TZSInfo& info)
{
    if (index < 0 || index >= int(LoadCases.size()))
        return;
    TLoadCase& loadCase = LoadCases[size_t(index)];
    loadCase.LongShort = info.LongTerm ? QStringLiteral("0") : QString();
    loadCase.GamafText = FormatFixed(info.Gamaf, 3, 6);
    loadCase.PrintResults = info.PrintResults;
    RenameLoadCase(index, info.Name);
}

void TTask::RenameLoadCase(int index, const QString& name)
{
    if (index < 0 || index >= int(LoadCases.size()))
        return;
    LoadCases[size_t(index)].Caption = name;
    // Combinations find their load cases by the header text: a rename must not drop membership.
    const int column = LoadCaseColumn(index);
    if (column < Grid.ColCount() && Grid.RowCount() > 0)
        Grid.SetCell(column, 0, name);
}

void TTask::ApplyLoadCaseProperties(
    int number, const QString& name, bool longTerm, const QString& gamafText, bool printResults)
{
    const int index = IndexOfNumber(number);
    if (index < 0)
        return;
    TLoadCase& loadCase = LoadCases[size_t(index)];
    loadCase.LongShort = longTerm ? QStringLiteral("0") : QStringLiteral("1");
    loadCase.GamafText = gamafText; // as typed: the readers take it with StrToFloatX
    loadCase.PrintResults = printResults;
    RenameLoadCase(index, name);
}
