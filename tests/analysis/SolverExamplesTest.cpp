// Beams with hand-computed results for the load case solver, one row per beam, and the properties of the sum
// (repeated load case, gamma_f, partial load against uniform load).
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TExpect
{
    const char* Field; // "An", "Mn", ... ; arrays take an index
    int Index;
    double Value;
};

struct TExample
{
    const char* Name;
    unsigned char Typ;
    double Gamaf;
    std::vector<TTestLoad> Loads;
    std::vector<TExpect> Expect;
};

double Field(const TResultStore& s, const TExpect& e)
{
    const QString f = QString::fromLatin1(e.Field);
    if (f == "An")
        return s.An;
    if (f == "Bn")
        return s.Bn;
    if (f == "Man")
        return s.Man;
    if (f == "Mbn")
        return s.Mbn;
    if (f == "Ad")
        return s.Ad;
    if (f == "Bd")
        return s.Bd;
    if (f == "Mad")
        return s.Mad;
    if (f == "Mbd")
        return s.Mbd;
    if (f == "Mn")
        return s.Mn.at(size_t(e.Index));
    if (f == "Md")
        return s.Md.at(size_t(e.Index));
    if (f == "Qn")
        return s.Qn.at(size_t(e.Index));
    if (f == "Qd")
        return s.Qd.at(size_t(e.Index));
    ADD_FAILURE() << "unknown field " << e.Field;
    return 0;
}

const std::vector<TExample>& Examples()
{
    static const std::vector<TExample> examples = {
        { "simple beam, uniform load", 11, 1.1, { Q(10) },
            { { "An", 0, 20 }, { "Bn", 0, 20 }, { "Ad", 0, 22 }, { "Bd", 0, 22 }, { "Man", 0, 0 }, { "Mbn", 0, 0 },
                { "Mn", 50, -20 }, { "Mn", 0, 0 }, { "Mn", 100, 0 }, { "Qn", 0, 20 }, { "Qn", 50, 0 },
                { "Qn", 100, -20 }, { "Md", 50, -22 } } },
        { "simple beam, point force at mid-span", 11, 1.1, { Px(10, 2) },
            { { "An", 0, 5 }, { "Bn", 0, 5 }, { "Qn", 50, -5 }, { "Qn", 49, 5 }, { "Mn", 50, -10 } } },
        { "fixed both ends, uniform load", 22, 1.1, { Q(10) },
            { { "Man", 0, 160.0 / 12 }, { "Mbn", 0, 160.0 / 12 }, { "Mn", 0, 160.0 / 12 }, { "Mn", 100, 160.0 / 12 },
                { "An", 0, 20 }, { "Bn", 0, 20 }, { "Mn", 50, 160.0 / 12 - 20 } } },
        { "cantilever fixed left, force at the free end", 20, 1.1, { Px(10, 4) },
            { { "An", 0, 10 }, { "Bn", 0, 0 }, { "Man", 0, 40 }, { "Mbn", 0, 0 }, { "Mn", 0, 40 }, { "Mn", 100, 0 },
                { "Qn", 100, 0 }, { "Qn", 99, 10 } } },
        { "cantilever fixed right, uniform load", 2, 1.1, { Q(10) },
            { { "Bn", 0, 40 }, { "An", 0, 0 }, { "Mbn", 0, 80 }, { "Qn", 0, 0 }, { "Qn", 25, -10 }, { "Qn", 100, -40 },
                { "Mn", 100, 80 }, { "Mn", 50, 20 } } },
        { "simple beam, partial load from 1 m to 3 m", 11, 1.1, { QQ(10, 1, 10, 1) },
            { { "An", 0, 10 }, { "Bn", 0, 10 }, { "Mn", 50, -15 }, { "Qn", 50, 0 }, { "Qn", 25, 10 }, { "Qn", 75, -10 },
                { "Mn", 25, -10 }, { "Mn", 100, 0 } } },
        { "cantilever fixed left, triangular load", 20, 1.1, { QQ(0, 0, 6, 0) },
            { { "An", 0, 12 }, { "Man", 0, 32 }, { "Mn", 0, 32 }, { "Mn", 100, 0 }, { "Qn", 100, 0 },
                { "Qn", 0, 12 } } },
        { "simple beam, point moment at mid-span", 11, 1.1, { Mx(8, 2) },
            { { "An", 0, 2 }, { "Bn", 0, -2 }, { "Mn", 49, -3.92 }, { "Mn", 50, 4 }, { "Qn", 0, 2 }, { "Qn", 50, 2 },
                { "Qn", 100, 2 }, { "Mn", 100, 0 } } },
        { "pinned left fixed right, uniform load", 12, 1.0, { Q(10) },
            { { "Mbn", 0, 20 }, { "An", 0, 15 }, { "Bn", 0, 25 }, { "Mn", 100, 20 }, { "Man", 0, 0 } } },
        { "fixed left pinned right, uniform load", 21, 1.0, { Q(10) },
            { { "Man", 0, 20 }, { "An", 0, 25 }, { "Bn", 0, 15 }, { "Mn", 0, 20 }, { "Mn", 100, 0 } } },
        { "fixed both ends, point force at mid-span", 22, 1.0, { Px(8, 2) },
            { { "Man", 0, 4 }, { "Mbn", 0, 4 }, { "An", 0, 4 }, { "Bn", 0, 4 }, { "Mn", 50, -4 } } },
        { "cantilever fixed right, point moment", 2, 1.0, { Mx(5, 1) },
            { { "Mbn", 0, 5 }, { "An", 0, 0 }, { "Bn", 0, 0 }, { "Mn", 24, 0 }, { "Mn", 25, 5 }, { "Mn", 100, 5 } } },
        { "cantilever fixed left, point moment", 20, 1.0, { Mx(5, 1) },
            { { "Man", 0, -5 }, { "Mn", 0, -5 }, { "Mn", 25, 0 }, { "Mn", 100, 0 } } },
        // Triangular loads rising from 0 at the left end to 6 kN/m at the right end.
        { "fixed both ends, triangular load: q L^2 / 30 and q L^2 / 20", 22, 1.0, { QQ(0, 0, 6, 0) },
            { { "Man", 0, 3.2 }, { "Mbn", 0, 4.8 }, { "An", 0, 3.6 }, { "Bn", 0, 8.4 }, { "Mn", 0, 3.2 },
                { "Mn", 100, 4.8 }, { "Qn", 0, 3.6 }, { "Qn", 100, -8.4 } } },
        { "pinned left fixed right, triangular load towards the fixed end: q L^2 / 15", 12, 1.0, { QQ(0, 0, 6, 0) },
            { { "Mbn", 0, 6.4 }, { "Man", 0, 0 }, { "An", 0, 2.4 }, { "Bn", 0, 9.6 }, { "Mn", 100, 6.4 } } },
        { "pinned left fixed right, triangular load towards the pin: 7 q L^2 / 120", 12, 1.0, { QQ(6, 0, 0, 0) },
            { { "Mbn", 0, 5.6 }, { "An", 0, 6.6 }, { "Bn", 0, 5.4 } } },
        { "fixed left pinned right, partial load from 1 m to 3 m", 21, 1.0, { QQ(10, 1, 10, 1) },
            { { "Man", 0, 13.75 }, { "An", 0, 13.4375 }, { "Bn", 0, 6.5625 }, { "Mn", 100, 0 } } },
    };
    return examples;
}

class SolverExample : public testing::TestWithParam<size_t>
{
};

TEST_P(SolverExample, GivesTheWorkedValues)
{
    const TExample& ex = Examples()[GetParam()];
    TTask task = MakeTask(ex.Typ, QStringLiteral("4"));
    AddCase(task, QStringLiteral("ZS1"), ex.Gamaf, ex.Loads);
    const TResultStore store = Solve(task, QStringLiteral("ZS1"));
    for (const TExpect& e : ex.Expect)
        EXPECT_NEAR(Field(store, e), e.Value, 1e-9) << ex.Name << ": " << e.Field << "[" << e.Index << "]";
}

INSTANTIATE_TEST_SUITE_P(Examples, SolverExample, testing::Range<size_t>(0, Examples().size()));

TEST(Solver, TheSameLoadCaseTakenTwiceDoublesEverything)
{
    TTask task = MakeTask(11, QStringLiteral("4"));
    AddCase(task, QStringLiteral("ZS1"), 1.35, { Q(10), Px(5, 1.5), QQ(2, 0.5, 4, 1), Mx(3, 3) });
    const TResultStore once = Solve(task, QStringLiteral("ZS1"));
    const TResultStore twice = SumCases(task, { 0, 0 });
    EXPECT_DOUBLE_EQ(twice.An, 2 * once.An);
    EXPECT_DOUBLE_EQ(twice.Bd, 2 * once.Bd);
    for (int i = 0; i < SampleCount; ++i) {
        EXPECT_NEAR(twice.Mn[i], 2 * once.Mn[i], 1e-12);
        EXPECT_NEAR(twice.Qd[i], 2 * once.Qd[i], 1e-12);
    }
}

TEST(Solver, DesignValuesAreGamafTimesCharacteristic)
{
    for (unsigned char typ : { 11, 12, 21, 22, 2, 20 }) {
        TTask task = MakeTask(typ, QStringLiteral("5,5"));
        AddCase(task, QStringLiteral("ZS1"), 1.35, { Q(3), Px(7, 2), Mx(-4, 4.25) });
        const TResultStore s = Solve(task, QStringLiteral("ZS1"));
        EXPECT_DOUBLE_EQ(s.Ad, 1.35 * s.An) << int(typ);
        EXPECT_DOUBLE_EQ(s.Bd, 1.35 * s.Bn) << int(typ);
        EXPECT_DOUBLE_EQ(s.Mad, 1.35 * s.Man) << int(typ);
        EXPECT_DOUBLE_EQ(s.Mbd, 1.35 * s.Mbn) << int(typ);
        for (int i = 0; i < SampleCount; ++i) {
            EXPECT_DOUBLE_EQ(s.Md[i], 1.35 * s.Mn[i]) << int(typ) << " sample " << i;
            EXPECT_DOUBLE_EQ(s.Qd[i], 1.35 * s.Qn[i]) << int(typ) << " sample " << i;
        }
    }
}

TEST(Solver, FullLengthPartialLoadEqualsUniformLoad)
{
    for (unsigned char typ : { 11, 12, 21, 22, 2, 20 }) {
        TTask task = MakeTask(typ, QStringLiteral("6"));
        AddCase(task, QStringLiteral("partial"), 1.2, { QQ(7.5, 0, 7.5, 0) });
        AddCase(task, QStringLiteral("uniform"), 1.2, { Q(7.5) });
        const TResultStore p = Solve(task, QStringLiteral("partial"));
        const TResultStore u = Solve(task, QStringLiteral("uniform"));
        EXPECT_NEAR(p.An, u.An, 1e-9);
        EXPECT_NEAR(p.Bn, u.Bn, 1e-9);
        EXPECT_NEAR(p.Man, u.Man, 1e-9);
        EXPECT_NEAR(p.Mbn, u.Mbn, 1e-9);
        for (int i = 0; i < SampleCount; ++i) {
            EXPECT_NEAR(p.Mn[i], u.Mn[i], 1e-9) << int(typ) << " sample " << i;
            EXPECT_NEAR(p.Qn[i], u.Qn[i], 1e-9) << int(typ) << " sample " << i;
            EXPECT_NEAR(p.fn[i], u.fn[i], 1e-12 * std::fabs(u.fn[50]) + 1e-20) << int(typ) << " sample " << i;
        }
    }
}

TEST(Solver, OnlyIncludedLoadsCountAndTheLoadCaseIsFoundByExactCaption)
{
    TTask task = MakeTask(11, QStringLiteral("4"));
    const int n = AddCase(task, QStringLiteral("Vítr"), 1.0, { Px(10, 2), Px(100, 1) });
    task.LoadCaseByNumber(n)->Px[1].Checked = false;
    task.LoadCaseByNumber(n)->Px[0].a = QStringLiteral("2,0"); // typed with a comma
    const TResultStore s = Solve(task, QStringLiteral("Vítr"));
    EXPECT_DOUBLE_EQ(s.An, 5);
    EXPECT_DOUBLE_EQ(Solve(task, QStringLiteral("vítr")).An, 0); // letter case counts

    // Two load cases with one caption: the later one is computed.
    AddCase(task, QStringLiteral("Vítr"), 1.0, { Px(4, 2) });
    EXPECT_DOUBLE_EQ(Solve(task, QStringLiteral("Vítr")).An, 2);
}

TEST(Solver, ForceBeyondTheSpanEntersOnlyTheReactions)
{
    TTask task = MakeTask(11, QStringLiteral("4"));
    AddCase(task, QStringLiteral("ZS1"), 1.0, { Px(10, 5) });
    const TResultStore s = Solve(task, QStringLiteral("ZS1"));
    EXPECT_DOUBLE_EQ(s.An, -2.5);
    EXPECT_DOUBLE_EQ(s.Bn, 12.5);
    EXPECT_DOUBLE_EQ(s.Qn[100], -2.5); // no sample reaches the force
    EXPECT_DOUBLE_EQ(s.Mn[100], 10);
}

} // namespace
