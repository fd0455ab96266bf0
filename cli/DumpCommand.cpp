// trabik-cli dump: everything a project file holds, as the program sees it after opening, in JSON.
#include "analysis/Combinations.h"
#include "cli/CliCommand.h"
#include "model/TEndConditions.h"
#include "storage/uProjectFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

// The loads as the load readers give them: included flag and numbers.
QJsonObject LoadsJson(const TTask& task, const TZSInfo& info)
{
    const int n = info.Number;
    QJsonArray px, q, qq, mx;
    for (int k = 1; k <= info.Counts[KindPx]; ++k) {
        const TPxLoad l = task.ReadPx(n, k);
        px.append(QJsonObject { { "Included", l.Included }, { "P", l.P }, { "a", l.a } });
    }
    for (int k = 1; k <= info.Counts[KindQ]; ++k) {
        const TQLoad l = task.ReadQ(n, k);
        q.append(QJsonObject { { "Included", l.Included }, { "q", l.q } });
    }
    for (int k = 1; k <= info.Counts[KindQQ]; ++k) {
        const TQQLoad l = task.ReadQQ(n, k);
        qq.append(
            QJsonObject { { "Included", l.Included }, { "qa", l.qa }, { "a", l.a }, { "qb", l.qb }, { "b", l.b } });
    }
    for (int k = 1; k <= info.Counts[KindMx]; ++k) {
        const TMxLoad l = task.ReadMx(n, k);
        mx.append(QJsonObject { { "Included", l.Included }, { "M", l.M }, { "a", l.a } });
    }
    return { { "PointForces", px }, { "UniformLoads", q }, { "PartialLoads", qq }, { "PointMoments", mx } };
}

QJsonArray LoadCasesJson(const TTask& task)
{
    QJsonArray cases;
    for (const TLoadCase& loadCase : task.LoadCases) {
        const TZSInfo info = task.GetZSInfo(loadCase.Number);
        QJsonObject o = LoadsJson(task, info);
        o[QStringLiteral("Number")] = info.Number;
        o[QStringLiteral("Name")] = info.Name;
        o[QStringLiteral("Gamaf")] = info.Gamaf;
        o[QStringLiteral("LongTerm")] = info.LongTerm;
        o[QStringLiteral("PrintResults")] = info.PrintResults;
        cases.append(o);
    }
    return cases;
}

// Rows of the grid as they are shown, and the members of each combination as the calculation
// takes them (CombinationMembers), named by their column headers.
QJsonObject CombinationsJson(const TTask& task)
{
    const TCombinationGrid& grid = task.Grid;
    QJsonArray rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
        QJsonArray cells;
        for (int col = 0; col < grid.ColCount(); ++col)
            cells.append(grid.Cell(col, row));
        rows.append(cells);
    }
    QJsonArray combinations;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cell(1, row).isEmpty())
            continue;
        QJsonArray members;
        for (int index : CombinationMembers(task, row))
            members.append(grid.Cell(TTask::FirstLoadCaseColumn + index, 0));
        combinations.append(QJsonObject { { "Name", grid.Cell(1, row) }, { "LoadCases", members } });
    }
    return { { "Grid", rows }, { "Combinations", combinations } };
}

QJsonObject PrintOptionsJson(const TPrintOptions& print)
{
    QJsonObject o;
    for (int box = 1; box <= 22; ++box)
        o[QStringLiteral("CheckBox%1").arg(box)]
            = QJsonObject { { "Checked", print[box].Checked }, { "Enabled", print[box].Enabled } };
    return o;
}

QJsonObject GeneratorJson(const TGeneratorInputs& g)
{
    return {
        { "Edit1", g.Edit1 },
        { "CheckBox1", g.CheckBox1 },
        { "Edit2", g.Edit2 },
        { "CheckBox2", g.CheckBox2 },
        { "Edit3", g.Edit3 },
        { "Edit4", g.Edit4 },
        { "RadioButton3", g.RadioButton3 },
        { "RadioButton4", g.RadioButton4 },
        { "RadioButton1", g.RadioButton1 },
        { "RadioButton2", g.RadioButton2 },
        { "Edit5", g.Edit5 },
        { "Edit6", g.Edit6 },
        { "Edit8", g.Edit8 },
        { "Edit9", g.Edit9 },
        { "Edit10", g.Edit10 },
        { "Edit12", g.Edit12 },
        { "Edit13", g.Edit13 },
        { "Edit14", g.Edit14 },
        { "Edit15", g.Edit15 },
        { "Edit16", g.Edit16 },
        { "Edit17", g.Edit17 },
        { "Edit18", g.Edit18 },
        { "Edit19", g.Edit19 },
        { "Edit20", g.Edit20 },
        { "Edit21", g.Edit21 },
        { "Edit22", g.Edit22 },
        { "Edit23", g.Edit23 },
    };
}

QJsonObject TaskJson(const TTask& task)
{
    QJsonObject o = CombinationsJson(task);
    o[QStringLiteral("Job")] = task.Job;
    o[QStringLiteral("Author")] = task.Author;
    o[QStringLiteral("TaskTitle")] = task.TaskTitle;
    o[QStringLiteral("SpanText")] = task.SpanText;
    o[QStringLiteral("SpanL")] = task.SpanL();
    o[QStringLiteral("Typ")] = int(task.Typ);
    o[QStringLiteral("EndCondition")] = EndConditionOf(task.Typ).Caption;
    o[QStringLiteral("LoadCases")] = LoadCasesJson(task);
    o[QStringLiteral("PrintOptions")] = PrintOptionsJson(task.Print);
    o[QStringLiteral("LoadGenerator")] = GeneratorJson(task.Generator);
    o[QStringLiteral("Deflection")] = QJsonObject { { "Edit30", task.Deflection.Edit30 },
        { "IyUnit", task.Deflection.IyUnit }, { "Edit31", task.Deflection.Edit31 }, { "EUnit", task.Deflection.EUnit },
        { "DeflectionLimit", task.Deflection.DeflectionLimit }, { "Material", task.Deflection.Material },
        { "Section", task.Deflection.Section } };
    return o;
}

int RunDump(const QStringList& args)
{
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-')))
        throw TUsageError("one task file is required");
    const QByteArray json = QJsonDocument(TaskJson(OpenTask(args[0]))).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

const TCliRegistrar registrar({
    QStringLiteral("dump"),
    QStringLiteral("dump TASK.DAT"),
    QStringLiteral("the whole task of a project file as JSON"),
    QStringLiteral("\nOpens TASK.DAT as the program opens it and prints every value it holds: Job, Author,\n"
                   "TaskTitle, SpanText (as typed) and SpanL (as read), Typ and EndCondition, LoadCases\n"
                   "(Number, Name, Gamaf, LongTerm, PrintResults and the PointForces, UniformLoads,\n"
                   "PartialLoads and PointMoments as the load readers give them), Grid (the rows of the\n"
                   "combination grid), Combinations (name and member load cases), PrintOptions\n"
                   "(CheckBox1..CheckBox22), LoadGenerator (its inputs by control name) and Deflection."),
    RunDump,
});

} // namespace
