// The EN 1990 combinations and their envelope against hand calculations.
#include "design/En1990Envelope.h"
#include "model/TError.h"
#include "tests/support/LoadCaseBuilders.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

struct TCaseInput
{
    const char* Name;
    const char* Action;
    std::vector<TTestLoad> Loads;
};

TTask MakeEnTask(unsigned char typ, const char* rule, const std::vector<TCaseInput>& cases)
{
    TTask task;
    task.SpanText = QStringLiteral("4");
    task.SetTyp(typ);
    task.CombinationRule = QString::fromLatin1(rule);
    for (const TCaseInput& c : cases) {
        AddCase(task, QString::fromUtf8(c.Name), 1.1, c.Loads);
        task.LoadCases.back().Action = QString::fromLatin1(c.Action);
    }
    return task;
}

} // namespace

// Simply supported, L = 4 m, uniform loads: a case of q gives M(2) = -q L²/8 = -2q and A = 2q.
// G: q = 10 (M -20, A 20); Q (category A, ψ0 = 0,7): q = 5 or 1.
TEST(En1990Uls, OnePermanentAndOneVariable)
{
    struct TRow
    {
        const char* Rule;
        double Qq;
        double Mmin; // hand calculation
        double Amax;
        const char* By;
    } rows[] = {
        // 6.10: 1,35·(-20) + 1,5·(-10) = -42;  A: 1,35·20 + 1,5·10 = 42
        { "6.10", 5, -42, 42, "6.10: 1,35·G + 1,5·Q" },
        // 6.10a: 1,35·(-20) + 1,5·0,7·(-10) = -37,5; 6.10b: 0,85·1,35·(-20) + 1,5·(-10) = -37,95 governs
        { "6.10a,b", 5, -37.95, 37.95, "6.10b: 1,15·G + 1,5·Q" },
        // q = 1: 6.10a: -27 - 1,05·2 = -29,1; 6.10b: -22,95 - 1,5·2 = -25,95: 6.10a governs
        { "6.10a,b", 1, -29.1, 29.1, "6.10a: 1,35·G + 1,05·Q" },
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Rule);
        const TTask task = MakeEnTask(11, r.Rule, { { "G", "G", { Q(10) } }, { "Q", "Q-A", { Q(r.Qq) } } });
        const TEnEnvelope e = ComputeEnEnvelope(task, TEnKind::Uls);
        EXPECT_NEAR(e.M.Min, r.Mmin, 1e-9);
        EXPECT_NEAR(e.M.xMin, 2, 1e-9);
        EXPECT_EQ(e.M.MinBy, QString::fromUtf8(r.By));
        EXPECT_NEAR(e.Mmin[50], r.Mmin, 1e-9);
        EXPECT_NEAR(e.A.Max, r.Amax, 1e-9);
        EXPECT_NEAR(e.A.Min, 20, 1e-9); // G favourable at γG,inf = 1,0, Q left out
        EXPECT_EQ(e.M.Max, 0); // no combination hogs a simple beam
        EXPECT_TRUE(e.M.MaxBy.isEmpty());
    }
}

TEST(En1990Uls, ListsOneCombinationPerLeadingAction)
{
    // Category H: ψ0 = 0, so the roof load drops out where snow leads.
    const TTask task = MakeEnTask(
        11, "6.10a,b", { { "G", "G", { Q(10) } }, { "Střecha", "Q-H", { Q(5) } }, { "Sníh", "S", { Q(4) } } });
    const std::vector<TEnCombination> list = GenerateCombinations(task, TEnKind::Uls);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Name, QString::fromUtf8("6.10a: 1,35·G + 0,75·Sníh"));
    EXPECT_EQ(list[1].Name, QString::fromUtf8("6.10b: 1,15·G + 1,5·Střecha + 0,75·Sníh"));
    EXPECT_EQ(list[2].Name, QString::fromUtf8("6.10b: 1,15·G + 1,5·Sníh"));
    EXPECT_DOUBLE_EQ(list[2].Factors[1], 0);
    EXPECT_DOUBLE_EQ(list[1].Factors[0], 0.85 * 1.35);
    // 6.10 at mid-span: roof leading -27 - 15 - 1,5·0,5·8 = -48; snow leading -27 - 0 - 12 = -39.
    TTask rule610 = task;
    rule610.CombinationRule = QStringLiteral("6.10");
    const TEnEnvelope e = ComputeEnEnvelope(rule610, TEnKind::Uls);
    EXPECT_NEAR(e.M.Min, -48, 1e-9);
    EXPECT_EQ(e.M.MinBy, QString::fromUtf8("6.10: 1,35·G + 1,5·Střecha + 0,75·Sníh"));
}

// Cantilever fixed at the left (Typ 20), L = 4 m, u = 4 - x:
//   G1 uniform 2 kN/m: M = u²;  G2 upward force 5 kN at the tip: M = -5u;  Q (cat. A) 0,5 kN/m: M = u²/4.
// M max (6.10): 1,35u² - 5u (G2 favourable, γG,inf) + 1,5·u²/4 = 1,725u² - 5u, largest at u = 4: 7,6.
// M min: G1 favourable 1,0·u², G2 unfavourable 1,35·(-5u), Q left out: u² - 6,75u, least at
// u = 3,375 (x = 0,625, between the samples): -11,390625.
TEST(En1990Uls, FavourablePermanentCaseTakesGammaInf)
{
    const TTask task
        = MakeEnTask(20, "6.10", { { "G1", "G", { Q(2) } }, { "G2", "G", { Px(-5, 4) } }, { "Q", "Q-A", { Q(0.5) } } });
    const TEnEnvelope e = ComputeEnEnvelope(task, TEnKind::Uls);
    EXPECT_NEAR(e.M.Max, 7.6, 1e-9);
    EXPECT_NEAR(e.M.xMax, 0, 1e-12);
    EXPECT_EQ(e.M.MaxBy, QString::fromUtf8("6.10: 1,35·G1 + 1,0·G2 + 1,5·Q"));
    EXPECT_NEAR(e.M.Min, -11.390625, 1e-9);
    EXPECT_NEAR(e.M.xMin, 0.625, 1e-9);
    EXPECT_EQ(e.M.MinBy, QString::fromUtf8("6.10: 1,0·G1 + 1,35·G2"));
    // The samples nearest to it stay above the exact minimum: u = 3,36 gives -11,3904.
    EXPECT_NEAR(e.Mmin[16], 3.36 * 3.36 - 6.75 * 3.36, 1e-9);
    // Ma = M(0): the same choices as the moment at the root.
    EXPECT_NEAR(e.Ma.Max, 7.6, 1e-9);
    EXPECT_NEAR(e.Ma.Min, 16 - 1.35 * 20, 1e-9);
}

// Simply supported, L = 4 m: G q = 10 (M(2) = -20), Q-B q = 5 (-10; ψ 0,7/0,5/0,3), wind q = 4 (-8;
// ψ 0,6/0,2/0). Deflection of q: 5qL⁴/(384EI), EI = 210 GPa · 0,0003375 m4.
TEST(En1990Sls, EachCombinationOnTwoVariableActions)
{
    const TTask task
        = MakeEnTask(11, "6.10a,b", { { "G", "G", { Q(10) } }, { "Q", "Q-B", { Q(5) } }, { "W", "W", { Q(4) } } });
    const double perQ = 5 * 256 / (384 * 210e9 * 0.0003375); // f of q = 1 in the unit of fn
    struct TRow
    {
        TEnKind Kind;
        double Mmin;
        double qf; // the load whose deflection the envelope's largest is
        const char* By;
    } rows[] = {
        // characteristic: Q leading -20 - 10 - 0,6·8 = -34,8; W leading -20 - 8 - 0,7·10 = -35
        { TEnKind::Characteristic, -35, 10 + 4 + 0.7 * 5, "6.14b: 1,0·G + 1,0·W + 0,7·Q" },
        // frequent: Q leading -20 - 0,5·10 - 0·8 = -25; W leading -20 - 0,2·8 - 0,3·10 = -24,6
        { TEnKind::Frequent, -25, 10 + 0.5 * 5, "6.15b: 1,0·G + 0,5·Q" },
        // quasi-permanent: -20 - 0,3·10 - 0·8 = -23
        { TEnKind::QuasiPermanent, -23, 10 + 0.3 * 5, "6.16b: 1,0·G + 0,3·Q" },
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(EnKindCaption(r.Kind).toStdString());
        const TEnEnvelope e = ComputeEnEnvelope(task, r.Kind);
        EXPECT_NEAR(e.M.Min, r.Mmin, 1e-9);
        EXPECT_EQ(e.M.MinBy, QString::fromUtf8(r.By));
        ASSERT_TRUE(e.WithDeflection);
        EXPECT_NEAR(e.f.Max, r.qf * perQ, 1e-9 * perQ);
        EXPECT_NEAR(e.f.xMax, 2, 1e-6);
        EXPECT_NEAR(e.fmax[50], r.qf * perQ, 1e-9 * perQ);
    }
    EXPECT_FALSE(ComputeEnEnvelope(task, TEnKind::Uls).WithDeflection);
}

TEST(En1990, UnclassifiedLoadCaseIsNamedAndGivesNoResults)
{
    TTask task = MakeEnTask(11, "6.10a,b", { { "G", "G", { Q(10) } }, { "ZS2", "", { Q(5) } } });
    const QString expected = QString::fromUtf8(
        "Zatěžovací stav „ZS2“ nemá určen druh zatížení: kombinace podle ČSN EN 1990 nelze sestavit.");
    EXPECT_EQ(ClassificationProblem(task), expected);
    try {
        ComputeEnEnvelope(task, TEnKind::Uls);
        FAIL() << "no EN results without every action type";
    } catch (const TError& e) {
        EXPECT_EQ(e.Message, expected);
    }
    task.LoadCases[1].Action = QStringLiteral("Q-Z"); // a code this program does not know
    EXPECT_EQ(ClassificationProblem(task), expected);
    task.LoadCases[1].Action = QStringLiteral("S");
    EXPECT_TRUE(ClassificationProblem(task).isEmpty());
}

// A point force between the samples and a partial load: the exact extremes lie on the governing
// lines, and no sample of the envelope passes them.
TEST(En1990Uls, ExactExtremesBoundTheSamples)
{
    const TTask task = MakeEnTask(11, "6.10a,b",
        { { "G", "G", { Q(3) } }, { "P", "Q-C", { Px(7, 1.234) } }, { "S", "S", { QQ(2, 0.5, 6, 1.1) } } });
    const TEnEnvelope e = ComputeEnEnvelope(task, TEnKind::Uls);
    for (int i = 0; i < SampleCount; ++i) {
        EXPECT_GE(e.M.Max + 1e-12, e.Mmax[i]);
        EXPECT_LE(e.M.Min - 1e-12, e.Mmin[i]);
        EXPECT_LE(e.Mmin[i], e.Mmax[i]);
        EXPECT_LE(e.Qmin[i], e.Qmax[i]);
    }
    // The shear is largest at the left support: every case unfavourable there, snow leading or not.
    // A: G 6; P 7·(4 - 1,234)/4 = 4,8405; S: partial load 2..6 kN/m from 0,5 to 2,9 m.
    const double c = 4 - 0.5 - 1.1, R1 = 2 * c, R2 = 4 * c / 2;
    const double As = (R1 * (c / 2 + 1.1) + R2 * (c / 3 + 1.1)) / 4;
    const double Ap = 7 * (4 - 1.234) / 4;
    const double a = 1.35 * 6 + 1.5 * 0.7 * Ap + 1.5 * 0.5 * As;
    const double bP = 1.1475 * 6 + 1.5 * Ap + 1.5 * 0.5 * As, bS = 1.1475 * 6 + 1.5 * 0.7 * Ap + 1.5 * As;
    EXPECT_NEAR(e.Q.Max, std::max({ a, bP, bS }), 1e-9);
    EXPECT_NEAR(e.A.Max, std::max({ a, bP, bS }), 1e-9);
}

// Member checks take whole combinations; with load cases that each load one way on a beam whose
// moment keeps its sign under a load of one sense (simply supported, cantilever; a fixed beam under
// uniform loads alone) the largest and smallest M over them is the pointwise envelope's, where some
// combination gives that sign (elsewhere the envelope keeps the least unfavourable value, 1,0·G).
// With every load case acting downwards they are the combinations GenerateCombinations lists.
TEST(En1990Uls, MemberCheckCombinationsMeetTheEnvelope)
{
    const char* const actions[] = { "G", "G", "Q-A", "Q-E", "Q-H", "S", "W", "T" };
    std::mt19937 random(1990);
    const auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    for (int trial = 0; trial < 24; ++trial) {
        SCOPED_TRACE(trial);
        const unsigned char typs[] = { 11, 20, 22 };
        const unsigned char typ = typs[trial % 3];
        const bool allDown = trial % 4 == 0;
        std::vector<TCaseInput> cases;
        for (int k = 0, n = 2 + trial % 3; k < n; ++k) {
            const double sense = allDown || uniform(0, 1) < 0.6 ? 1 : -1;
            std::vector<TTestLoad> loads { Q(sense * uniform(0.5, 5)) };
            if (typ != 22) {
                const double a = uniform(0, 3);
                loads.push_back(Px(sense * uniform(1, 10), uniform(0, 4)));
                loads.push_back(QQ(sense * uniform(0, 4), a, sense * uniform(0, 4), uniform(0, 3.9 - a)));
            }
            cases.push_back({ "ZS", actions[random() % 8], loads });
        }
        const TTask task = MakeEnTask(typ, trial % 2 ? "6.10" : "6.10a,b", cases);
        const std::vector<TResultStore> solved = SolveEachLoadCase(task);
        const std::vector<TEnCombination> member = MemberCheckCombinations(task, LoadCaseResultants(solved));
        if (allDown) {
            const std::vector<TEnCombination> all = GenerateCombinations(task, TEnKind::Uls);
            ASSERT_EQ(member.size(), all.size());
            for (size_t i = 0; i < all.size(); ++i) {
                EXPECT_EQ(member[i].Name, all[i].Name);
                EXPECT_EQ(member[i].Factors, all[i].Factors);
            }
        }
        const TEnEnvelope e = ComputeEnEnvelope(task, TEnKind::Uls, solved);
        for (int i = 0; i < SampleCount; ++i) {
            double high = -HUGE_VAL, low = HUGE_VAL;
            for (const TEnCombination& c : member) {
                double M = 0;
                for (size_t k = 0; k < solved.size(); ++k)
                    M += c.Factors[k] * solved[k].Mn[size_t(i)];
                high = std::max(high, M);
                low = std::min(low, M);
            }
            const double tolerance = 1e-9 * (1 + std::max(std::fabs(e.Mmax[i]), std::fabs(e.Mmin[i])));
            EXPECT_NEAR(std::max(high, 0.0), std::max(e.Mmax[i], 0.0), tolerance) << i;
            EXPECT_NEAR(std::min(low, 0.0), std::min(e.Mmin[i], 0.0), tolerance) << i;
        }
    }
}
