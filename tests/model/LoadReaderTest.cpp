// The four load readers and the end condition's hold on partial loads.
#include "model/TEndConditions.h"
#include "model/TTask.h"

#include <gtest/gtest.h>

namespace {

TTask TaskWithLoads()
{
    TTask task = TTask::StartState();
    TLoadCase& zs1 = task.LoadCases[0];
    zs1.Px[0] = { true, QStringLiteral(" 10,5 "), QString() };
    zs1.Q[0] = { false, QStringLiteral("2.5") };
    zs1.QQ[0] = { true, QStringLiteral("1"), QStringLiteral("0,5"), QStringLiteral("3"), QStringLiteral("kus") };
    zs1.Mx[0] = { true, QStringLiteral("-4"), QStringLiteral("1.000,5") };
    return task;
}

TEST(LoadReaderTest, ValuesAreReadLenientlyAndWhetherOrNotIncluded)
{
    const TTask task = TaskWithLoads();
    const TPxLoad px = task.ReadPx(1, 1);
    EXPECT_TRUE(px.Included); // an empty position still counts, as 0
    EXPECT_DOUBLE_EQ(px.P, 10.5);
    EXPECT_EQ(px.a, 0.0);
    const TQLoad q = task.ReadQ(1, 1);
    EXPECT_FALSE(q.Included);
    EXPECT_DOUBLE_EQ(q.q, 2.5);
    const TQQLoad qq = task.ReadQQ(1, 1);
    EXPECT_TRUE(qq.Included);
    EXPECT_DOUBLE_EQ(qq.qa, 1);
    EXPECT_DOUBLE_EQ(qq.a, 0.5);
    EXPECT_DOUBLE_EQ(qq.qb, 3);
    EXPECT_EQ(qq.b, 0.0);
    const TMxLoad mx = task.ReadMx(1, 1);
    EXPECT_TRUE(mx.Included);
    EXPECT_DOUBLE_EQ(mx.M, -4);
    EXPECT_EQ(mx.a, 0.0);
}

TEST(LoadReaderTest, MissingLoadCaseOrRowIsExcludedZero)
{
    const TTask task = TaskWithLoads();
    for (int i : { 0, 2, -1 }) {
        EXPECT_FALSE(task.ReadPx(1, i).Included);
        EXPECT_EQ(task.ReadPx(1, i).P, 0.0);
        EXPECT_FALSE(task.ReadQQ(1, i).Included);
        EXPECT_EQ(task.ReadMx(1, i).M, 0.0);
    }
    EXPECT_FALSE(task.ReadQ(2, 1).Included);
    EXPECT_FALSE(task.ReadQQ(-1, 1).Included);
    EXPECT_EQ(task.ReadQQ(-1, 1).qa, 0.0);
}

TEST(LoadReaderTest, PartialLoadsStayIncludedOnEveryEndCondition)
{
    TTask task = TaskWithLoads();
    task.NewLoadCase(TCaller::User);
    task.LoadCases[1].QQ[0].Checked = true;
    task.AddEmptyRow(KindQQ); // unticked: stays out whatever the end condition
    for (const TEndCondition& end : EndConditions()) {
        EXPECT_TRUE(end.PartialLoadsSolved) << int(end.Code);
        task.SetTyp(end.Code);
        EXPECT_TRUE(task.ReadQQ(1, 1).Included) << int(end.Code);
        EXPECT_TRUE(task.ReadQQ(2, 1).Included) << int(end.Code);
        EXPECT_FALSE(task.ReadQQ(2, 2).Included) << int(end.Code);
    }
}

TEST(LoadReaderTest, EndConditionTableAndUnknownCodes)
{
    // The project file's radio buttons follow this order.
    std::vector<int> codes;
    for (const TEndCondition& end : EndConditions())
        codes.push_back(end.Code);
    EXPECT_EQ(codes, (std::vector<int> { 11, 12, 21, 22, 2, 20 }));
    EXPECT_EQ(EndConditionOf(2).Caption, QStringLiteral("konzola zleva"));
    EXPECT_EQ(EndConditionOf(2).Left(), TEndSupport::Free);
    EXPECT_EQ(EndConditionOf(12).Right(), TEndSupport::Fixed);
    // A code no radio button gives is no end condition: nothing to solve, print or draw.
    for (unsigned char code : { 0, 1, 10, 13, 33 }) {
        const TEndCondition& end = EndConditionOf(code);
        EXPECT_FALSE(end.Known() || end.PartialLoadsSolved || end.LeftReaction() || end.RightReaction()) << int(code);
        EXPECT_TRUE(end.Caption.isEmpty() && end.Description.isEmpty()) << int(code);
    }
}

TEST(LoadReaderTest, SpanReadsTheTypedText)
{
    TTask task;
    EXPECT_EQ(task.SpanL(), 0.0);
    task.SpanText = QStringLiteral("6,25");
    EXPECT_DOUBLE_EQ(task.SpanL(), 6.25);
    task.SpanText = QStringLiteral("6 m");
    EXPECT_EQ(task.SpanL(), 0.0);
}

} // namespace
