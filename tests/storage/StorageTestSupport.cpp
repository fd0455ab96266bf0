#include "StorageTestSupport.h"

TTask RichTask()
{
    TTask task;
    task.Job = QStringLiteral("Rodinný dům Řevnice – přístavba");
    task.Author = QStringLiteral("Ing. Jiří Šťastný");
    task.TaskTitle = QStringLiteral("Střešní vazník V1 (ocel S235)");
    task.SpanText = QStringLiteral("6,3");
    task.SetTyp(2);

    task.NewLoadCase(QStringLiteral("Stálé – vlastní tíha"), 1.35, true, true);
    task.AddQRow(true, 1.25);
    task.AddPxRow(true, 10, 2);
    task.AddPxRow(false, -3.5, 0.125);
    task.AddQQRow(true, 2.5, 0.5, 4.75, 1.2);
    task.AddMxRow(true, -12.345, 6.3);

    task.NewLoadCase(QStringLiteral("Sníh"), 1.5, false, false);
    task.AddQRow(true, 3.6);
    task.AddEmptyRow(KindQQ, true); // empty edits
    task.AddPxRow(true, 1.0e6, 0.001);

    task.NewLoadCase(QStringLiteral("Vítr sání"), 1.4, false, true); // no loads at all

    task.RefreshCombinationGrid();
    task.AddCombination();
    task.AddCombination();
    task.Grid.SetCell(1, 1, QStringLiteral("Základní kombinace"));
    task.Grid.SetCell(4, 1, QStringLiteral("0"));
    task.Grid.SetCell(2, 2, QStringLiteral("0"));

    task.Print[1].Checked = true;
    task.Print[1].Enabled = true;
    task.Print[3].Checked = true;
    task.Print[14].Checked = false;
    task.Print[7].Checked = true;
    task.Print[9].Checked = true;
    task.Print[22].Checked = true;
    task.Print[17].Checked = false;

    TGeneratorInputs& g = task.Generator;
    g.Edit1 = QStringLiteral("6,3");
    g.CheckBox2 = true;
    g.Edit3 = QStringLiteral("0.9");
    g.Edit4 = QStringLiteral("1,2");
    g.RadioButton3 = false;
    g.RadioButton4 = true;
    g.RadioButton2 = true;
    g.RadioButton1 = false;
    g.Edit5 = QStringLiteral("0.8");
    g.Edit8 = QStringLiteral("0,35");
    g.Edit9 = QStringLiteral("1.1");
    g.Edit20 = QStringLiteral("0,75");
    g.Edit23 = QStringLiteral("1.4");

    task.Deflection.Edit30 = QStringLiteral("8356");
    task.Deflection.IyUnit = QStringLiteral("cm4");
    task.Deflection.Edit31 = QStringLiteral("210000");
    task.Deflection.EUnit = QStringLiteral("MPa");
    return task;
}
