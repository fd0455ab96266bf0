// LoadProject's order of values; load cases are rebuilt through the operations the load generator
// uses, so the rows show the numbers in fixed notation with three decimals.
#include "storage/ProjectPrimitives.h"
#include "storage/uProjectFile.h"

#include "model/TError.h"

namespace {

constexpr unsigned char EndConditions[6] = { 11, 12, 21, 22, 2, 20 };

void ReadLoads(TProjectReader& f, TTask& task, const std::array<int, 4>& counts)
{
    const TCaller caller = TCaller::Generator;
    for (int k = 0; k < counts[KindPx]; ++k) {
        const bool checked = ReadBool(f);
        const double P = ReadDouble(f);
        task.AddPxRow(caller, checked, P, ReadDouble(f));
    }
    for (int k = 0; k < counts[KindQ]; ++k) {
        const bool checked = ReadBool(f);
        task.AddQRow(caller, checked, ReadDouble(f));
    }
    for (int k = 0; k < counts[KindQQ]; ++k) {
        const bool checked = ReadBool(f);
        const double qa = ReadDouble(f);
        const double a = ReadDouble(f);
        const double qb = ReadDouble(f);
        task.AddQQRow(caller, checked, qa, a, qb, ReadDouble(f));
    }
    for (int k = 0; k < counts[KindMx]; ++k) {
        const bool checked = ReadBool(f);
        const double M = ReadDouble(f);
        task.AddMxRow(caller, checked, M, ReadDouble(f));
    }
}

void ReadLoadCase(TProjectReader& f, TTask& task)
{
    const int index = task.NewLoadCase(TCaller::Generator);
    TZSInfo info;
    info.Name = ReadStr(f);
    ReadInt(f); // the saved number: the i-th load case of the file becomes number i
    info.Gamaf = ReadDouble(f);
    info.LongTerm = ReadBool(f);
    info.ShortTerm = !info.LongTerm;
    ReadBool(f); // short-term is always the negation of long-term
    for (int& count : info.Counts)
        count = ReadInt(f);
    info.PrintResults = ReadBool(f);
    info.Number = task.LoadCases[size_t(index)].Number;
    task.SetZSInfo(info);
    ReadLoads(f, task, info.Counts);
}

void ReadGrid(TProjectReader& f, TCombinationGrid& grid)
{
    const int cols = ReadInt(f);
    const int rows = ReadInt(f);
    // Every cell takes at least two bytes: a foreign file must not make us allocate 4 billion cells.
    if (qint64(cols) * rows * 2 > f.Remaining())
        throw TError(QStringLiteral("Read beyond end of file"));
    grid.SetSize(cols, rows);
    for (int col = 0; col < cols; ++col)
        for (int row = 0; row < rows; ++row)
            grid.SetCell(col, row, ReadStr(f));
}

void ReadReportOptions(TProjectReader& f, TPrintOptions& print)
{
    print[1].Checked = ReadBool(f);
    print[1].Enabled = ReadBool(f);
    for (int box : { 2, 3, 10, 11, 12, 13, 14, 4, 5, 6, 7 })
        print[box].Checked = ReadBool(f);
}

void ReadGenerator(TProjectReader& f, TGeneratorInputs& g)
{
    g.Edit1 = ReadStr(f);
    g.CheckBox1 = ReadBool(f);
    g.Edit2 = ReadStr(f);
    g.CheckBox2 = ReadBool(f);
    g.Edit3 = ReadStr(f);
    g.Edit4 = ReadStr(f);
    for (bool* radio : { &g.RadioButton3, &g.RadioButton4, &g.RadioButton1, &g.RadioButton2 })
        *radio = ReadBool(f);
    for (QString* text : { &g.Edit5, &g.Edit6, &g.Edit8, &g.Edit9, &g.Edit10, &g.Edit12, &g.Edit13, &g.Edit14,
             &g.Edit15, &g.Edit16, &g.Edit17, &g.Edit18, &g.Edit19, &g.Edit20, &g.Edit21, &g.Edit22, &g.Edit23 })
        *text = ReadStr(f);
}

void ReadDeflectionAndLayout(TProjectReader& f, TTask& task)
{
    task.Deflection.Edit30 = ReadStr(f);
    task.Deflection.Edit31 = ReadStr(f);
    task.Deflection.IyUnit = ReadStr(f);
    task.Deflection.EUnit = ReadStr(f);
    for (int box : { 8, 9, 15, 16, 17, 18, 19, 20, 21, 22 })
        task.Print[box].Checked = ReadBool(f);
}

} // namespace

TTask DecodeProject(const QByteArray& bytes, const TTask& base)
{
    TProjectReader f(bytes);
    TTask task = base;
    task.DeleteAllLoadCases();
    task.ZSCounter = 0;
    task.Job = ReadStr(f);
    task.Author = ReadStr(f);
    task.TaskTitle = ReadStr(f);
    task.SpanText = ReadStr(f);
    // Checking a radio button selects its end condition; unchecking one selects nothing.
    for (unsigned char typ : EndConditions)
        if (ReadBool(f))
            task.SetTyp(typ);
    const int count = ReadInt(f);
    for (int i = 0; i < count; ++i)
        ReadLoadCase(f, task);
    // The rows were made after the end condition was set: partial loads follow it as on screen.
    task.SetTyp(task.Typ);
    ReadGrid(f, task.Grid);
    task.RefreshCalculationLists();
    ReadReportOptions(f, task.Print);
    ReadGenerator(f, task.Generator);
    ReadDeflectionAndLayout(f, task);
    return task;
}
