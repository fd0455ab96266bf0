// A generated task goes on like any other: it calculates and prints.
#include "analysis/Extremes.h"
#include "document/uDokument.h"
#include "model/uMyCommonLib.h"
#include "report/uPosudek.h"
#include "wizard/LoadGenerator.h"

#include <gtest/gtest.h>

namespace {

// A roof girder of 6 m carrying purlins at 1, 3 and 5 m, with every row of the wizard filled in.
TTask GeneratedRoof()
{
    TTask task = TTask::StartState();
    TGeneratorInputs& g = task.Generator;
    g.Edit1 = "6";
    g.Edit4 = "1,5";
    g.RadioButton1 = false;
    g.RadioButton2 = true;
    g.Edit5 = "2";
    g.Edit6 = "1";
    g.Edit8 = "0,3";
    g.Edit9 = "1,1";
    g.Edit10 = "0,1";
    g.Edit12 = "1,35";
    g.Edit13 = "1,35";
    g.Edit20 = "1";
    g.Edit21 = "1,5";
    g.Edit22 = "0,75";
    g.Edit23 = "1,5";
    return GenerateLoads(task);
}

// The vertical load of a load case summed from its ticked rows (downward positive).
double TotalLoad(const TLoadCase& lc, double L)
{
    double total = 0;
    for (const TPxRow& row : lc.Px)
        total += row.Checked ? StrToFloatX(row.P) : 0;
    for (const TQRow& row : lc.Q)
        total += row.Checked ? StrToFloatX(row.q) * L : 0;
    for (const TQQRow& row : lc.QQ)
        EXPECT_FALSE(row.Checked);
    return total;
}

} // namespace

TEST(GeneratedTask, EveryLoadCaseCalculatesToItsOwnTotalLoad)
{
    TTask task = GeneratedRoof();
    ASSERT_EQ(task.LoadCases.size(), 4u);
    const TResultSet results(BuildModel(task));
    for (int i = 0; i < results.CaseCount(); ++i) {
        const TLoadCase& lc = task.LoadCases[size_t(i)];
        const TResultStore store = SumMembers(results, { i });
        const double total = TotalLoad(lc, 6);
        EXPECT_GT(total, 0) << lc.Caption.toStdString();
        EXPECT_NEAR(store.An + store.Bn, total, 1e-9) << lc.Caption.toStdString();
        EXPECT_NEAR(store.An, store.Bn, 1e-9) << lc.Caption.toStdString(); // 1, 3, 5 m: symmetric
        EXPECT_NEAR(store.Ad, store.An * StrToFloatX(lc.GamafText), 1e-9) << lc.Caption.toStdString();
    }
}

TEST(GeneratedTask, PrintsWithTheGeneratorDataAndEveryLoadCase)
{
    TTask task = GeneratedRoof();
    ASSERT_TRUE(task.Print[1].Enabled);
    task.Print[1].Checked = true;
    TDokument doc;
    ComposeReport(task, doc, TPageSetup());
    const QString body = doc.Body.join('\n');
    EXPECT_TRUE(body.contains(QStringLiteral("střešní vazník zatížený reakcemi vaznic (krokví) po vzdálenosti 2 m.")));
    for (const TLoadCase& lc : task.LoadCases)
        EXPECT_TRUE(body.contains(lc.Caption)) << lc.Caption.toStdString();
    doc.LayOut();
    EXPECT_GE(doc.PageCount(), 2);
}
