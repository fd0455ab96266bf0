// Load cases: start state, numbering, the caller rules, the record operations and New task.
#include "model/TTask.h"
#include "tests/support/LocaleGuard.h"

#include <gtest/gtest.h>

namespace {

std::array<int, 4> Counts(const TTask& task, int number)
{
    return task.GetZSInfo(number).Counts;
}

TEST(LoadCaseTest, StartStateHasZs1WithOneEmptyRowOfEachKind)
{
    const TTask task = TTask::StartState();
    ASSERT_EQ(task.LoadCases.size(), 1u);
    EXPECT_EQ(task.ActiveLoadCase, 0);
    EXPECT_EQ(task.TaskTitle, QStringLiteral("Trabík 1"));
    EXPECT_EQ(task.Typ, 11);
    const TZSInfo info = task.FindZSInfo(QStringLiteral("[nový]"));
    EXPECT_EQ(info.Number, 1);
    EXPECT_DOUBLE_EQ(info.Gamaf, 1.1);
    EXPECT_TRUE(info.LongTerm);
    EXPECT_FALSE(info.ShortTerm);
    EXPECT_TRUE(info.PrintResults);
    EXPECT_EQ(info.Counts, (std::array<int, 4> { 1, 1, 1, 1 }));
    const TLoadCase& zs1 = task.LoadCases[0];
    EXPECT_FALSE(zs1.Px[0].Checked || zs1.Q[0].Checked || zs1.QQ[0].Checked || zs1.Mx[0].Checked);
    EXPECT_TRUE(zs1.Px[0].P.isEmpty() && zs1.Q[0].q.isEmpty() && zs1.QQ[0].qb.isEmpty() && zs1.Mx[0].a.isEmpty());
}

TEST(LoadCaseTest, NumbersAreNeverReused)
{
    TTask task = TTask::StartState();
    task.NewLoadCase(TCaller::User);
    task.NewLoadCase(TCaller::User);
    task.ActiveLoadCase = task.IndexOfNumber(2);
    task.DeleteActiveLoadCase();
    EXPECT_EQ(task.LoadCases[size_t(task.NewLoadCase(TCaller::User))].Number, 4);
    EXPECT_EQ(task.GetZSInfo(2).Number, -1);
    EXPECT_EQ(task.IndexOfNumber(3), 1);
}

TEST(LoadCaseTest, NewTaskStartsAtZs0AndKeepsJobAuthorSpanAndEndCondition)
{
    TTask task = TTask::StartState();
    task.Job = QStringLiteral("Hala");
    task.Author = QStringLiteral("Novák");
    task.SpanText = QStringLiteral("6,5");
    task.SetTyp(22);
    task.NewLoadCase(TCaller::User);
    task.Print[1].Enabled = true;
    task.Print[13].Checked = false;
    task.Print[4].Checked = false;
    task.NewTask();
    ASSERT_EQ(task.LoadCases.size(), 1u);
    EXPECT_EQ(task.LoadCases[0].Number, 0);
    EXPECT_EQ(Counts(task, 0), (std::array<int, 4> { 1, 1, 1, 1 }));
    EXPECT_EQ(task.ActiveLoadCase, 0);
    EXPECT_TRUE(task.TaskTitle.isEmpty());
    EXPECT_EQ(task.Job, QStringLiteral("Hala"));
    EXPECT_EQ(task.Author, QStringLiteral("Novák"));
    EXPECT_DOUBLE_EQ(task.SpanL(), 6.5);
    EXPECT_EQ(task.Typ, 22);
    EXPECT_FALSE(task.Print[1].Enabled);
    EXPECT_TRUE(task.Print[13].Checked);
    EXPECT_TRUE(task.Print[4].Checked);
    EXPECT_EQ(task.Grid.ColCount(), 1);
    EXPECT_EQ(task.Grid.RowCount(), 2);
    EXPECT_TRUE(task.Grid.Cell(0, 0).isEmpty() && task.Grid.Cell(0, 1).isEmpty());
    task.NewLoadCase(TCaller::MainWindow);
    EXPECT_EQ(task.LoadCases[1].Number, 1);
}

TEST(LoadCaseTest, GeneratorGetsNoRowsAndFilledRowsFormattedValues)
{
    TLocaleGuard comma(TLocaleGuard::Comma());
    TTask task;
    task.ZSCounter = -1;
    task.NewLoadCase(TCaller::Generator);
    EXPECT_EQ(task.LoadCases[0].Number, 0);
    EXPECT_EQ(Counts(task, 0), (std::array<int, 4> {}));
    task.AddPxRow(true, 1000.5, 12345678.9);
    task.AddQRow(true, -2.5);
    task.AddQQRow(false, 1, 2, 3, 0.0004);
    task.AddMxRow(true, 0.5, 0);
    const TLoadCase& zs0 = task.LoadCases[0];
    EXPECT_EQ(zs0.Px[0].P, QStringLiteral("1000,500"));
    EXPECT_EQ(zs0.Px[0].a, QStringLiteral("1,23457E+7"));
    EXPECT_EQ(zs0.Q[0].q, QStringLiteral("-2,500"));
    EXPECT_EQ(zs0.QQ[0].b, QStringLiteral("0,000"));
    EXPECT_EQ(zs0.Mx[0].M, QStringLiteral("0,500"));
    EXPECT_TRUE(zs0.Px[0].Checked);
    EXPECT_FALSE(zs0.QQ[0].Checked);
    EXPECT_DOUBLE_EQ(task.ReadPx(0, 1).P, 1000.5);
}

TEST(LoadCaseTest, EmptyRowsAndOtherCallersGetEmptyValuesAndRowsOnlyGrow)
{
    TTask task = TTask::StartState();
    task.AddEmptyRow(KindPx, true);
    task.AddEmptyRow(KindPx, false);
    task.AddEmptyRow(KindQQ, true);
    task.AddPxRow(false, 5, 1); // the generator's rows are filled
    task.AddEmptyRow(KindQ, true);
    const TLoadCase& zs1 = task.LoadCases[0];
    EXPECT_EQ(Counts(task, 1), (std::array<int, 4> { 4, 2, 2, 1 }));
    EXPECT_TRUE(zs1.Px[1].Checked);
    EXPECT_TRUE(zs1.Px[1].P.isEmpty() && zs1.Px[1].a.isEmpty() && zs1.Px[2].P.isEmpty());
    EXPECT_TRUE(zs1.QQ[1].qa.isEmpty());
    EXPECT_EQ(zs1.Px[3].P, QStringLiteral("5.000"));
    EXPECT_TRUE(zs1.Q[1].Checked && zs1.Q[1].q.isEmpty());
    // Rows go to the active load case only.
    task.NewLoadCase(TCaller::Generator);
    task.AddEmptyRow(KindMx);
    EXPECT_EQ(Counts(task, 1), (std::array<int, 4> { 4, 2, 2, 1 }));
    EXPECT_EQ(Counts(task, 2), (std::array<int, 4> { 0, 0, 0, 1 }));
    EXPECT_FALSE(task.LoadCases[1].Mx[0].Checked);
    // Deleting another load case leaves the counts alone.
    task.DeleteActiveLoadCase();
    EXPECT_EQ(Counts(task, 1), (std::array<int, 4> { 4, 2, 2, 1 }));
}

TEST(LoadCaseTest, WithoutActiveLoadCaseRowsAndDeletingDoNothing)
{
    TTask task = TTask::StartState();
    task.DeleteActiveLoadCase();
    ASSERT_TRUE(task.LoadCases.empty());
    EXPECT_EQ(task.ActiveLoadCase, -1);
    task.AddEmptyRow(KindPx, true);
    task.AddQQRow(true, 1, 1, 1, 1);
    task.AddEmptyRow(KindMx);
    task.DeleteActiveLoadCase();
    EXPECT_TRUE(task.LoadCases.empty());
    EXPECT_EQ(task.NewLoadCase(TCaller::MainWindow), 0);
    EXPECT_EQ(task.LoadCases[0].Number, 2);
}

TEST(LoadCaseTest, DeletingMakesTheFollowingPageActiveOrTheFirst)
{
    TTask task = TTask::StartState();
    task.NewLoadCase(TCaller::User);
    task.NewLoadCase(TCaller::User);
    task.ActiveLoadCase = 1;
    task.DeleteActiveLoadCase();
    EXPECT_EQ(task.ActiveCase()->Number, 3);
    task.DeleteActiveLoadCase(); // the last page: the first becomes active
    EXPECT_EQ(task.ActiveCase()->Number, 1);
}

TEST(LoadCaseTest, FindByCaptionTakesTheLastExactMatch)
{
    TTask task = TTask::StartState();
    task.NewLoadCase(TCaller::User);
    EXPECT_EQ(task.FindZSInfo(QStringLiteral("[nový]")).Number, 2);
    EXPECT_EQ(task.GetZSInfo(1).Number, 1);
    EXPECT_EQ(task.GetZSInfo(1).Name, QStringLiteral("[nový]"));
    const TZSInfo missing = task.FindZSInfo(QStringLiteral("[NOVÝ]"));
    EXPECT_EQ(missing.Number, -1);
    EXPECT_TRUE(missing.Name.isEmpty());
    EXPECT_EQ(task.GetZSInfo(7).Number, -1);
}

TEST(LoadCaseTest, SetZsInfoWritesNameFactorTermAndPrintFlag)
{
    TLocaleGuard comma(TLocaleGuard::Comma());
    TTask task = TTask::StartState();
    TZSInfo info = task.GetZSInfo(1);
    info.Name = QStringLiteral("sníh");
    info.Gamaf = 1.5;
    info.LongTerm = false;
    info.ShortTerm = true;
    info.PrintResults = false;
    info.Counts = { 9, 9, 9, 9 };
    task.SetZSInfo(info);
    const TLoadCase& zs1 = task.LoadCases[0];
    EXPECT_EQ(zs1.Caption, QStringLiteral("sníh"));
    EXPECT_EQ(zs1.GamafText, QStringLiteral("1,500"));
    EXPECT_TRUE(zs1.LongShort.isEmpty());
    EXPECT_FALSE(zs1.PrintResults);
    EXPECT_EQ(task.GetZSInfo(1).Counts, (std::array<int, 4> { 1, 1, 1, 1 }));
    EXPECT_TRUE(task.GetZSInfo(1).ShortTerm);

    info.Number = 5; // no such load case
    info.Name = QStringLiteral("jiný");
    task.SetZSInfo(info);
    EXPECT_EQ(zs1.Caption, QStringLiteral("sníh"));

    // A new load case with its record: the same fields, no rows, active.
    const int index = task.NewLoadCase(QStringLiteral("vítr"), 1.4, true, false);
    const TLoadCase& zs2 = task.LoadCases[size_t(index)];
    EXPECT_EQ(index, task.ActiveLoadCase);
    EXPECT_EQ(zs2.Number, 2);
    EXPECT_EQ(zs2.GamafText, QStringLiteral("1,400"));
    EXPECT_EQ(zs2.LongShort, QStringLiteral("0"));
    EXPECT_FALSE(zs2.PrintResults);
    EXPECT_EQ(zs2.Caption, QStringLiteral("vítr"));
    EXPECT_EQ(Counts(task, 2), (std::array<int, 4> {}));
}

TEST(LoadCaseTest, PropertiesDialogKeepsTheFactorAsTyped)
{
    TTask task = TTask::StartState();
    task.ApplyLoadCaseProperties(1, QStringLiteral("stálé"), false, QStringLiteral("1,35"), true);
    const TZSInfo info = task.GetZSInfo(1);
    EXPECT_EQ(task.LoadCases[0].GamafText, QStringLiteral("1,35"));
    EXPECT_EQ(task.LoadCases[0].LongShort, QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(info.Gamaf, 1.35);
    EXPECT_EQ(info.Name, QStringLiteral("stálé"));
    task.ApplyLoadCaseProperties(1, QString(), true, QStringLiteral("x"), false);
    EXPECT_EQ(task.GetZSInfo(1).Gamaf, 0.0);
    EXPECT_TRUE(task.GetZSInfo(1).LongTerm);
}

TEST(LoadCaseTest, PrintOptionDefaults)
{
    const TPrintOptions print;
    for (int box = 1; box <= 22; ++box) {
        const bool on = QList<int> { 2, 10, 11, 6, 14, 4, 8, 15, 18, 19 }.contains(box);
        const bool enabled = box != 1; // the generator's data, until the generator has run
        EXPECT_EQ(print[box].Checked, on) << box;
        EXPECT_EQ(print[box].Enabled, enabled) << box;
    }
}

} // namespace
