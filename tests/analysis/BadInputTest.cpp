// Input the formulas cannot take: a missing span, an unknown end condition, partial loads the end
// condition has no formulas for, and numbers whose results overflow. Nothing of it may crash or put
// NaN or infinity into the store.
#include "SolverTestSupport.h"

#include "model/TError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A store with recognisable contents, to see that a rejected load case leaves it as it was.
TResultStore FilledStore()
{
    TResultStore s;
    s.An = 1;
    s.Bd = 2;
    s.Mn.fill(3);
    s.Qd.fill(4);
    return s;
}

void ExpectSame(const TResultStore& a, const TResultStore& b)
{
    EXPECT_EQ(a.An, b.An);
    EXPECT_EQ(a.Bd, b.Bd);
    EXPECT_EQ(a.Mn, b.Mn);
    EXPECT_EQ(a.Qd, b.Qd);
    EXPECT_EQ(a.Md, b.Md);
    EXPECT_EQ(a.fn, b.fn);
}

QString MessageOf(TTask& task, TResultStore& store, const QString& name)
{
    try {
        AddLoadCase(task, store, name);
    } catch (const TError& e) {
        return e.Message;
    }
    return {};
}

TEST(BadInput, SpanThatIsNoPositiveNumberIsRejectedForEveryEndCondition)
{
    for (unsigned char typ : { 11, 12, 21, 22, 2, 20 }) {
        for (const char* span : { "", "0", "0,0", "-4", "abc" }) {
            TTask task = MakeTask(typ, QString::fromLatin1(span));
            AddCase(task, QStringLiteral("ZS1"), 1.1, { Q(10), Px(5, 0) });
            TResultStore store = FilledStore();
            EXPECT_EQ(
                MessageOf(task, store, QStringLiteral("ZS1")), QStringLiteral("Délka trabíku musí být větší než 0."))
                << int(typ) << " span '" << span << "'";
            ExpectSame(store, FilledStore());
        }
    }
}

TEST(BadInput, UnknownLoadCaseStaysSilentEvenWithoutASpan)
{
    TTask task = MakeTask(11, QString());
    TResultStore store = FilledStore();
    EXPECT_NO_THROW(AddLoadCase(task, store, QStringLiteral("neexistuje")));
    ExpectSame(store, FilledStore());
}

TEST(BadInput, UnknownEndConditionIsRejected)
{
    TTask task = MakeTask(11, QStringLiteral("4"));
    AddCase(task, QStringLiteral("ZS1"), 1.0, { Q(1) });
    task.Typ = 13; // as a damaged project file could set it
    TResultStore store = FilledStore();
    EXPECT_EQ(MessageOf(task, store, QStringLiteral("ZS1")), QStringLiteral("Neznámé uložení trabíku (kód 13)."));
    ExpectSame(store, FilledStore());
}

TEST(BadInput, PartialLoadsOnRestrainedEndsAreSolved)
{
    for (unsigned char typ : { 12, 21, 22 }) {
        TTask task = MakeTask(11, QStringLiteral("4"));
        AddCase(task, QStringLiteral("ZS1"), 1.0, { QQ(5, 0, 5, 0), Q(10), QQ(1, 1, 2, 1) });
        task.SetTyp(typ); // rows made before the choice count as well
        task.AddEmptyRow(KindQQ);
        const TResultStore s = Solve(task, QStringLiteral("ZS1"));
        EXPECT_DOUBLE_EQ(s.An + s.Bn, 20 + 40 + 3) << int(typ);
    }
}

TEST(BadInput, ZeroLengthPartialLoadAddsNothing)
{
    for (unsigned char typ : { 11, 12, 21, 22, 2, 20 }) {
        TTask task = MakeTask(typ, QStringLiteral("4"));
        AddCase(task, QStringLiteral("ZS1"), 1.0, { QQ(5, 1, 8, 3), QQ(2, 4, 2, 0) });
        const TResultStore s = Solve(task, QStringLiteral("ZS1"));
        ExpectSame(s, TResultStore());
    }
}

TEST(BadInput, OverflowingLoadIsNamedAndNothingIsAdded)
{
    TTask task = MakeTask(20, QStringLiteral("4"));
    const int n = AddCase(task, QStringLiteral("Sníh"), 1.0, { Px(10, 2), Px(1, 1) });
    task.LoadCaseByNumber(n)->Px[1].P = QStringLiteral("1e308"); // times a = 4 overflows
    task.LoadCaseByNumber(n)->Px[1].a = QStringLiteral("4");
    TResultStore store = FilledStore();
    EXPECT_EQ(MessageOf(task, store, QStringLiteral("Sníh")),
        QStringLiteral("Zatížení P2 v zatěžovacím stavu „Sníh“ dává nekonečný nebo neurčitý výsledek. Zkontrolujte "
                       "zadané hodnoty."));
    ExpectSame(store, FilledStore());
}

TEST(BadInput, OverflowOnlyInTheSumOrTheDesignValuesNamesTheLoadCase)
{
    const QString message = QStringLiteral(
        "Zatěžovací stav „ZS1“ dává nekonečný nebo neurčitý výsledek. Zkontrolujte zadané hodnoty a součinitel "
        "zatížení.");
    TTask task = MakeTask(20, QStringLiteral("1"));
    const int n = AddCase(task, QStringLiteral("ZS1"), 1.0, { Px(1, 0), Px(1, 0) });
    for (TPxRow& row : task.LoadCaseByNumber(n)->Px)
        row.P = QStringLiteral("1.5e308"); // each is finite, the two together are not
    TResultStore store = FilledStore();
    EXPECT_EQ(MessageOf(task, store, QStringLiteral("ZS1")), message);
    ExpectSame(store, FilledStore());

    task.LoadCaseByNumber(n)->Px.pop_back();
    task.LoadCaseByNumber(n)->GamafText = QStringLiteral("10");
    EXPECT_EQ(MessageOf(task, store, QStringLiteral("ZS1")), message);
    ExpectSame(store, FilledStore());
}

TEST(BadInput, EmptyAndUnreadableValuesCountAsZero)
{
    TTask task = MakeTask(11, QStringLiteral("4"));
    const int n = AddCase(task, QStringLiteral("ZS1"), 1.0, { Px(10, 2) });
    task.LoadCaseByNumber(n)->Px[0].a = QStringLiteral("dva");
    const TResultStore s = Solve(task, QStringLiteral("ZS1"));
    EXPECT_DOUBLE_EQ(s.An, 10); // the force sits at a = 0
    EXPECT_DOUBLE_EQ(s.Qn[0], 0);
}

} // namespace
