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

// The message of the calculation of load case `name`; `store` gets its sums only when it succeeds.
QString MessageOf(TTask& task, TResultStore& store, const QString& name)
{
    try {
        store = Solve(task, name);
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
            const QString expected = QLatin1String(span) == QLatin1String("abc")
                ? QStringLiteral("Délka trabíku L = „abc“ není číslo.")
                : QStringLiteral("Délka trabíku musí být větší než 0.");
            EXPECT_EQ(MessageOf(task, store, QStringLiteral("ZS1")), expected) << int(typ) << " span '" << span << "'";
            ExpectSame(store, FilledStore());
        }
    }
}

TEST(BadInput, UnknownLoadCaseStaysSilentEvenWithoutASpan)
{
    TTask task = MakeTask(11, QString());
    TResultStore store = FilledStore();
    EXPECT_NO_THROW(store = Solve(task, QStringLiteral("neexistuje")));
    ExpectSame(store, TResultStore());
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

// An empty field is 0 as it always was; a text that is not a number refuses the load case with the
// text as typed, whichever value of which load it is. Unticked rows are not read.
TEST(BadInput, UnreadableNumbersRefuseTheLoadCaseAndAreNamed)
{
    struct TRow
    {
        void (*type)(TLoadCase&); // what the user typed
        const char* message; // empty: calculated
    } rows[] = {
        { [](TLoadCase&) {}, "" },
        { [](TLoadCase& c) { c.Px[0].P = "6,0x"; }, "Zatěžovací stav „G“: P1 = „6,0x“ není číslo." },
        { [](TLoadCase& c) { c.Px[0].a = "dva"; }, "Zatěžovací stav „G“: a (P1) = „dva“ není číslo." },
        { [](TLoadCase& c) { c.QQ[0].qb = " 2 k"; }, "Zatěžovací stav „G“: qb (qq1) = „2 k“ není číslo." },
        { [](TLoadCase& c) { c.Mx[0].a = "1..5"; }, "Zatěžovací stav „G“: a (M1) = „1..5“ není číslo." },
        { [](TLoadCase& c) { c.GamafText = "1,3,5"; }, "Zatěžovací stav „G“: γf = „1,3,5“ není číslo." },
    };
    for (const TRow& r : rows) {
        TTask task = MakeTask(11, QStringLiteral("4"));
        const int n = AddCase(task, QStringLiteral("G"), 1.0, { Px(10, 2), QQ(1, 0, 2, 0), Mx(3, 1), Px(1, 1) });
        TLoadCase& page = *task.LoadCaseByNumber(n);
        page.Px[1] = { false, "x", "y" }; // unticked: not read
        r.type(page);
        TResultStore store;
        EXPECT_EQ(MessageOf(task, store, QStringLiteral("G")), QString::fromUtf8(r.message)) << r.message;
        EXPECT_EQ(
            BuildModel(task).Unreadable(), *r.message ? QStringList { QString::fromUtf8(r.message) } : QStringList());
    }
    TTask task = MakeTask(11, QStringLiteral("4"));
    const int n = AddCase(task, QStringLiteral("ZS1"), 1.0, { Px(10, 2) });
    task.LoadCaseByNumber(n)->Px[0].a = QStringLiteral(" ");
    const TResultStore s = Solve(task, QStringLiteral("ZS1"));
    EXPECT_DOUBLE_EQ(s.An, 10); // the force sits at a = 0
    EXPECT_DOUBLE_EQ(s.Qn[0], 0);
}

} // namespace
