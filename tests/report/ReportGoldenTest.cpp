// Whole reports of small tasks against hand-checked mark-up in tests/data/report/. Together the
// tasks switch every print option on and off at least once.
#include "ReportTestSupport.h"

#include "document/uDokument.h"
#include "report/uPosudek.h"

namespace {

QStringList Compose(TTask& task, const TPageSetup& setup = {})
{
    TLocaleGuard locale { QLocale::c() };
    TDokument doc;
    task.Job = "Hala Jih";
    task.Author = "Ing. Jana Nováková";
    ComposeReport(task, doc, setup, FixedClock());
    return QStringList { "=== frame ===" } + doc.Frame + QStringList { "=== body ===" } + doc.Body;
}

TGeneratorInputs RoofPointLoads()
{
    TGeneratorInputs g;
    g.Edit1 = "6";
    g.Edit4 = "4.5";
    g.RadioButton1 = false;
    g.RadioButton2 = true;
    g.Edit5 = "1.5";
    g.Edit6 = "0.75";
    g.Edit8 = "0.8";
    g.Edit9 = "1.1";
    g.Edit10 = "0.25";
    g.Edit12 = "0.15";
    g.Edit13 = "1.35";
    g.Edit16 = "0.3";
    g.Edit17 = "1.2";
    g.Edit18 = "0,1";
    g.Edit19 = "1.35";
    g.Edit20 = "1.0";
    g.Edit21 = "1.5";
    g.Edit22 = "0.75";
    g.Edit23 = "1.5";
    return g;
}

TEST(ReportGolden, GeneratorDataOfARoofWithPointLoads)
{
    TTask task;
    task.TaskTitle = "Vazník V1";
    task.SpanText = "6";
    task.SetTyp(20);
    AddCase(task, TCaseBuilder("vlastní hmotnost", "1.1").Q("0.8"));
    task.Generator = RoofPointLoads();
    task.Print[1] = { true, true };
    task.Print[2].Checked = false;
    task.Print[4].Checked = false;
    task.Print[15].Checked = false;
    ExpectGolden("generator_roof.txt", Compose(task));
}

TEST(ReportGolden, GeneratorDataOfAFloorWithDistributedLoads)
{
    TTask task;
    task.TaskTitle = "Stropní průvlak";
    task.SpanText = "4.2";
    task.SetTyp(2);
    task.Generator = RoofPointLoads();
    task.Generator.RadioButton3 = false;
    task.Generator.RadioButton4 = true;
    task.Generator.RadioButton1 = true;
    task.Generator.RadioButton2 = false;
    task.Generator.Edit8 = "0"; // no own weight row, and no list opening with it
    task.Print[1] = { true, true };
    task.Print[2].Checked = false;
    task.Print[4].Checked = false;
    task.Print[15].Checked = false;
    ExpectGolden("generator_floor.txt", Compose(task));
}

TEST(ReportGolden, LoadCasesWithListSchemaAndCombinationTable)
{
    TTask task;
    task.TaskTitle = "Trám T3";
    task.SpanText = "5";
    task.SetTyp(21);
    AddCase(task,
        TCaseBuilder("stálé", "1.35")
            .Px("12", "1.5")
            .Px("99", "2", false)
            .Px("12345.6789", "4")
            .Q("3.2")
            .QQ("4", "1", "2", "1")
            .QQ("0", "0", "3", "2")
            .Mx("5", "2.5")
            .Mx("-4", "5"));
    AddCase(task,
        TCaseBuilder("sníh", "1.5", false, false)
            .Px("", "", false)
            .Q("", false)
            .QQ("", "", "", "", false)
            .Mx("", "", false));
    task.AddCombination();
    task.ToggleGridFlag(2, 2);
    task.ToggleGridFlag(4, 2);
    task.LoadCases[0].PrintResults = false;
    task.Print[3].Checked = true;
    task.Print[17].Checked = true;
    ExpectGolden("load_cases.txt", Compose(task));
}

TEST(ReportGolden, EveryResultSectionOfOneLoadCase)
{
    TTask task;
    task.TaskTitle = "Vetknutý trabík";
    task.SpanText = "4";
    task.SetTyp(22);
    AddCase(task, TCaseBuilder("zatížení", "1.2").Q("10"));
    task.Print[2].Checked = false;
    for (int box : { 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 })
        task.Print[box].Checked = true;
    ExpectGolden("results_load_case.txt", Compose(task));
}

TEST(ReportGolden, CombinationBlocksWithAFooterFrame)
{
    TTask task;
    task.TaskTitle = "Konzola K2";
    task.SpanText = "3";
    task.SetTyp(2);
    AddCase(task, TCaseBuilder("g", "1.35").Px("2", "0"));
    AddCase(task, TCaseBuilder("q", "1.5", false).Q("1"));
    task.AddCombination();
    task.AddCombination();
    task.ToggleGridFlag(3, 2);
    task.ToggleGridFlag(2, 2);
    task.ToggleGridFlag(4, 3);
    task.Print[2].Checked = false;
    task.Print[4].Checked = false;
    task.Print[15].Checked = false;
    task.Print[6].Checked = false;
    task.Print[8].Checked = false;
    for (int box : { 5, 9, 12, 16 })
        task.Print[box].Checked = true;
    TPageSetup setup;
    setup.LogoCheck = setup.Address2Check = setup.PageNumberCheck = setup.TimeCheck = true;
    setup.DateCheck = false;
    setup.Separator = TPageSetup::FrameRadio;
    ExpectGolden("results_combinations.txt", Compose(task, setup));
}

} // namespace
