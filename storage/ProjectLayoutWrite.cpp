// SaveProject's order of values: identification, geometry, load cases, combinations, options.
#include "storage/ProjectPrimitives.h"
#include "storage/uProjectFile.h"

#include "model/TError.h"

namespace {

// The radio buttons RadioTyp11, 12, 21, 22, 02, 20 in file order.
constexpr unsigned char EndConditions[6] = { 11, 12, 21, 22, 2, 20 };

void WriteCount(TProjectWriter& f, qsizetype count, const QString& what)
{
    if (count > MaxFileInt)
        throw TError(
            QStringLiteral("Úlohu nelze uložit: %1 je %2, soubor jich pojme nejvýše 65535.").arg(what).arg(count));
    WriteInt(f, int(count));
}

void WriteLoads(TProjectWriter& f, const TTask& task, const TLoadCase& loadCase, const TZSInfo& info)
{
    const int n = info.Number;
    for (int k = 1; k <= info.Counts[KindPx]; ++k) {
        const TPxLoad load = task.ReadPx(n, k);
        WriteBool(f, load.Included);
        WriteDouble(f, load.P);
        WriteDouble(f, load.a);
    }
    for (int k = 1; k <= info.Counts[KindQ]; ++k) {
        const TQLoad load = task.ReadQ(n, k);
        WriteBool(f, load.Included);
        WriteDouble(f, load.q);
    }
    for (int k = 1; k <= info.Counts[KindQQ]; ++k) {
        // The tick as the user left it: a partial load that the end condition switches off keeps it,
        // so that it counts again once the end condition allows partial loads (the opened task
        // switches it off again).
        const TQQLoad load = task.ReadQQ(n, k);
        const std::size_t row = std::size_t(k - 1);
        WriteBool(f, row < loadCase.QQ.size() ? loadCase.QQ[row].Checked : load.Included);
        WriteDouble(f, load.qa);
        WriteDouble(f, load.a);
        WriteDouble(f, load.qb);
        WriteDouble(f, load.b);
    }
    for (int k = 1; k <= info.Counts[KindMx]; ++k) {
        const TMxLoad load = task.ReadMx(n, k);
        WriteBool(f, load.Included);
        WriteDouble(f, load.M);
        WriteDouble(f, load.a);
    }
}

void WriteLoadCase(TProjectWriter& f, const TTask& task, const TLoadCase& loadCase)
{
    const TZSInfo info = task.GetZSInfo(loadCase.Number);
    WriteStr(f, info.Name);
    // The number is not read back (Open renumbers), so a number past 16 bits simply wraps.
    WriteInt(f, info.Number & 0xFFFF);
    WriteDouble(f, info.Gamaf);
    WriteBool(f, info.LongTerm);
    WriteBool(f, info.ShortTerm);
    const QString what = QStringLiteral("počet zatížení jednoho druhu v zatěžovacím stavu „%1“").arg(info.Name);
    for (int count : info.Counts)
        WriteCount(f, count, what);
    WriteBool(f, info.PrintResults);
    WriteLoads(f, task, loadCase, info);
}

void WriteGrid(TProjectWriter& f, const TCombinationGrid& grid)
{
    WriteCount(f, grid.ColCount(), QStringLiteral("počet sloupců tabulky kombinací"));
    WriteCount(f, grid.RowCount(), QStringLiteral("počet řádků tabulky kombinací"));
    for (int col = 0; col < grid.ColCount(); ++col)
        for (int row = 0; row < grid.RowCount(); ++row)
            WriteStr(f, grid.Cell(col, row));
}

void WriteReportOptions(TProjectWriter& f, const TPrintOptions& print)
{
    WriteBool(f, print[1].Checked);
    WriteBool(f, print[1].Enabled);
    for (int box : { 2, 3, 10, 11, 12, 13, 14, 4, 5, 6, 7 })
        WriteBool(f, print[box].Checked);
}

void WriteGenerator(TProjectWriter& f, const TGeneratorInputs& g)
{
    WriteStr(f, g.Edit1);
    WriteBool(f, g.CheckBox1);
    WriteStr(f, g.Edit2);
    WriteBool(f, g.CheckBox2);
    WriteStr(f, g.Edit3);
    WriteStr(f, g.Edit4);
    for (bool radio : { g.RadioButton3, g.RadioButton4, g.RadioButton1, g.RadioButton2 })
        WriteBool(f, radio);
    for (const QString* text : { &g.Edit5, &g.Edit6, &g.Edit8, &g.Edit9, &g.Edit10, &g.Edit12, &g.Edit13, &g.Edit14,
             &g.Edit15, &g.Edit16, &g.Edit17, &g.Edit18, &g.Edit19, &g.Edit20, &g.Edit21, &g.Edit22, &g.Edit23 })
        WriteStr(f, *text);
}

void WriteDeflectionAndLayout(TProjectWriter& f, const TTask& task)
{
    WriteStr(f, task.Deflection.Edit30);
    WriteStr(f, task.Deflection.Edit31);
    WriteStr(f, task.Deflection.IyUnit);
    WriteStr(f, task.Deflection.EUnit);
    for (int box : { 8, 9, 15, 16, 17, 18, 19, 20, 21, 22 })
        WriteBool(f, task.Print[box].Checked);
}

} // namespace

QByteArray EncodeProject(const TTask& task)
{
    TProjectWriter f;
    WriteStr(f, task.Job);
    WriteStr(f, task.Author);
    WriteStr(f, task.TaskTitle);
    WriteStr(f, task.SpanText);
    for (unsigned char typ : EndConditions)
        WriteBool(f, task.Typ == typ);
    WriteCount(f, qsizetype(task.LoadCases.size()), QStringLiteral("počet zatěžovacích stavů"));
    for (const TLoadCase& loadCase : task.LoadCases)
        WriteLoadCase(f, task, loadCase);
    WriteGrid(f, task.Grid);
    WriteReportOptions(f, task.Print);
    WriteGenerator(f, task.Generator);
    WriteDeflectionAndLayout(f, task);
    return f.Data();
}
