// Deflection checks of each material and the whole timber check of a task, against hand
// calculations: uniform load on a simply supported beam w = 5 q L⁴ / (384 E I), on a cantilever
// w = q L⁴ / (8 E I).
#include "design/TaskServiceability.h"
#include "design/TimberTask.h"
#include "tests/support/LoadCaseBuilders.h"

#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

TTask UniformLoads(const QString& span, unsigned char typ, const std::vector<std::pair<QString, double>>& loads)
{
    TTask task;
    task.SpanText = span;
    task.SetTyp(typ);
    for (const auto& [name, q] : loads) {
        task.NewLoadCase(name, 1, true, true);
        task.AddQRow(true, q);
    }
    return task;
}

TTask Rafter()
{
    return UniformLoads(QStringLiteral("4"), 11, { { QStringLiteral("G"), 1 }, { QStringLiteral("Q"), 2 } });
}

TTimberInputs RafterInputs()
{
    TTimberInputs in;
    in.ClassName = QStringLiteral("C24");
    in.b = 100;
    in.h = 200;
    in.SupportLength = 100;
    in.Actions = { QStringLiteral("G"), QStringLiteral("Q-A") };
    return in;
}

// 6.10a: 1,35 G; 6.10a: 1,35 G + 1,5·0,7 Q; 6.10b: 0,85·1,35 G + 1,5 Q.
const std::vector<TUlsCombination> RafterUls = {
    { QStringLiteral("6.10a: 1,35·G"), { 1.35, 0 } },
    { QStringLiteral("6.10a: 1,35·G + 1,05·Q"), { 1.35, 1.05 } },
    { QStringLiteral("6.10b: 1,1475·G + 1,5·Q"), { 1.1475, 1.5 } },
};

} // namespace

TEST(TimberTask, RafterByHand)
{
    const TTimberTaskResult r = CheckTimberTask(Rafter(), RafterInputs(), RafterUls);
    ASSERT_TRUE(r.Problem.isEmpty()) << r.Problem.toStdString();
    // Md = 4,1475·4²/8 = 8,295 kNm at mid-span, σm,d = 8,295e6 / (100·200²/6) = 12,44 MPa,
    // fm,d = 0,8·24/1,3 = 14,77 MPa; the reactions 4,1475·4/2 = 8,295 kN press on the supports.
    EXPECT_NEAR(r.Uls.Bending.x, 2, 1e-9);
    EXPECT_NEAR(r.Uls.SigmaMd, 12.4425, 1e-4);
    EXPECT_NEAR(r.Uls.fmd, 14.7692, 1e-4);
    EXPECT_NEAR(r.Uls.BearingA.DesignValue, 8295.0 / (100 * 130), 1e-9);
    // EI = 11 000 MPa · 100·200³/12 mm4 = 733 333 N m²; w_G = 5·1000·4⁴/(384·733 333) = 4,545 mm,
    // w_Q = 9,091 mm. w_inst = 4,545 + 9,091 = 13,64 mm > 4000/300 = 13,33 mm.
    // w_fin = 4,545·(1 + 0,6) + 9,091·(1 + 0,3·0,6) = 7,273 + 10,727 = 18,0 mm <= 4000/200 = 20 mm;
    // w_net,fin = 18,0 mm (no precamber) > 4000/250 = 16 mm.
    ASSERT_TRUE(r.Sls.Problem.isEmpty()) << r.Sls.Problem.toStdString();
    const double wG = 5.0 * 1000 * 256 / (384 * 733333.333333) * 1000;
    EXPECT_NEAR(wG, 4.54545, 1e-5);
    EXPECT_NEAR(r.Sls.wInst, 3 * wG, 1e-6);
    EXPECT_NEAR(r.Sls.wFin, 18.0, 1e-6);
    ASSERT_EQ(r.Sls.Checks.size(), 3u);
    EXPECT_NEAR(r.Sls.Checks[0].Resistance, 13.3333, 1e-4);
    EXPECT_FALSE(r.Sls.Checks[0].Ok());
    EXPECT_NEAR(r.Sls.Checks[1].Utilisation, 18.0 / 16, 1e-6);
    EXPECT_NEAR(r.Sls.Checks[2].Utilisation, 0.9, 1e-6);

    // A precamber of 5 mm: w_net,fin = 13,0 mm <= 16 mm.
    TTimberInputs cambered = RafterInputs();
    cambered.Precamber = 5;
    EXPECT_NEAR(CheckTimberTask(Rafter(), cambered, RafterUls).Sls.wNetFin, 13.0, 1e-6);

    const QJsonObject json = TimberCheckJson(RafterInputs(), r);
    EXPECT_EQ(json[QStringLiteral("material")].toString(), QStringLiteral("timber"));
    EXPECT_NEAR(json[QStringLiteral("sigmaMd")].toDouble(), 12.4425, 1e-4);
    EXPECT_DOUBLE_EQ(json[QStringLiteral("kmod")].toDouble(), 0.8);
    EXPECT_NEAR(json[QStringLiteral("wFin")].toDouble(), 18.0, 1e-6);
    EXPECT_NEAR(json[QStringLiteral("utilisation")].toObject()[QStringLiteral("bearing")].toDouble(), 0.2765, 1e-4);
    EXPECT_FALSE(json[QStringLiteral("ok")].toBool()); // w_inst and w_net,fin fail
}

TEST(TimberTask, UnclassifiedLoadCaseGivesNoVerdict)
{
    TTimberInputs in = RafterInputs();
    in.Actions = { QStringLiteral("G") };
    const TTimberTaskResult r = CheckTimberTask(Rafter(), in, RafterUls);
    EXPECT_FALSE(r.Problem.isEmpty());
    EXPECT_FALSE(r.Sls.Problem.isEmpty());
    const QJsonObject json = TimberCheckJson(in, r);
    EXPECT_TRUE(json[QStringLiteral("sigmaMd")].isNull());
    EXPECT_FALSE(json[QStringLiteral("ok")].toBool());
}

TEST(Serviceability, SteelMaxAndVariableDeflection)
{
    // IPE 300, L = 6 m: EI = 210e9 · 8356e-8 = 17 547 600 N m², 5·1000·6⁴/(384 EI) = 0,96167 mm per kN/m.
    // G 5 kN/m, užitné A 10 kN/m (ψ0 0,7), sníh 4 kN/m (ψ0 0,5). Characteristic combinations:
    // leading Q: 10 + 0,5·4 = 12; leading S: 4 + 0,7·10 = 11. δmax = (5 + 12)·0,96167 = 16,35 mm
    // <= 6000/250 = 24 mm; δ2 = 12·0,96167 = 11,54 mm <= 6000/300 = 20 mm.
    TTask task = UniformLoads(QStringLiteral("6"), 11,
        { { QStringLiteral("G"), 5 }, { QStringLiteral("Užitné"), 10 }, { QStringLiteral("Sníh"), 4 } });
    task.Deflection.Edit30 = QStringLiteral("8356");
    task.Deflection.IyUnit = QStringLiteral("cm4");
    TSlsMember m;
    m.ReferenceLength = 6;
    const TSlsResult r = CheckServiceability(
        m, SolveCases(task), { QStringLiteral("G"), QStringLiteral("Q-A"), QStringLiteral("S") }, 6);
    ASSERT_TRUE(r.Problem.isEmpty()) << r.Problem.toStdString();
    ASSERT_EQ(r.Checks.size(), 2u);
    const double perKN = 5.0 * 1000 * 1296 / (384.0 * 17547600) * 1000;
    EXPECT_NEAR(r.Checks[0].DesignValue, 17 * perKN, 1e-9);
    EXPECT_NEAR(r.Checks[0].Resistance, 24, 1e-12);
    EXPECT_NEAR(r.Checks[1].DesignValue, 12 * perKN, 1e-9);
    EXPECT_NEAR(r.Checks[1].Utilisation, 12 * perKN / 20, 1e-9);
    EXPECT_TRUE(r.Checks[1].GovernedBy.contains(QStringLiteral("Užitné"))) << r.Checks[1].GovernedBy.toStdString();
    EXPECT_FALSE(r.Checks[1].GovernedBy.contains(QStringLiteral("G"))) << r.Checks[1].GovernedBy.toStdString();
}

TEST(Serviceability, VariableActionCountsOnlyWhereItIsUnfavourable)
{
    // Cantilever fixed on the left, L = 2 m, EI = 210e9 · 1509e-8 = 3 168 900 N m²: 1000·2⁴/(8 EI) =
    // 0,63113 mm per kN/m at the tip. G 1 kN/m down, wind 3 kN/m up. Down: G alone, 0,631 mm; up:
    // G + W = 2 kN/m up, 1,262 mm: δmax = 1,262 mm. δ2: the wind alone, 1,893 mm; reference length 2L.
    TTask task = UniformLoads(QStringLiteral("2"), 20, { { QStringLiteral("G"), 1 }, { QStringLiteral("Vítr"), -3 } });
    task.Deflection.Edit30 = QStringLiteral("1509");
    task.Deflection.IyUnit = QStringLiteral("cm4");
    TSlsMember m;
    m.ReferenceLength = 4;
    const TSlsResult r = CheckServiceability(m, SolveCases(task), { QStringLiteral("G"), QStringLiteral("W") }, 2);
    ASSERT_EQ(r.Checks.size(), 2u);
    const double perKN = 1000.0 * 16 / (8.0 * 3168900) * 1000;
    EXPECT_NEAR(r.Checks[0].DesignValue, 2 * perKN, 1e-9);
    EXPECT_NEAR(r.Checks[1].DesignValue, 3 * perKN, 1e-9);
    EXPECT_NEAR(r.Checks[1].Resistance, 4000.0 / 300, 1e-9);
}

TEST(Serviceability, ConcreteOnlyWithCreepCoefficient)
{
    // Ecm 30 GPa, I = 0,001333 m4, L = 5 m: 5·1000·5⁴/(384·30e9·0,001333) = 0,20351 mm per kN/m.
    // G 10 kN/m, užitné A 5 kN/m (ψ2 0,3): quasi-permanent 10 + 1,5 = 11,5 kN/m; with φ = 2 the
    // modulus is Ecm/3: w = 3·11,5·0,20351 = 7,021 mm <= 5000/250 = 20 mm.
    TTask task
        = UniformLoads(QStringLiteral("5"), 11, { { QStringLiteral("G"), 10 }, { QStringLiteral("Užitné"), 5 } });
    task.Deflection.Edit30 = QStringLiteral("0.001333");
    task.Deflection.Edit31 = QStringLiteral("30");
    const std::vector<TSolvedCase> cases = SolveCases(task);
    TSlsMember m;
    m.Material = TSlsMaterial::Concrete;
    m.ReferenceLength = 5;
    const std::vector<QString> actions { QStringLiteral("G"), QStringLiteral("Q-A") };
    TSlsResult r = CheckServiceability(m, cases, actions, 5);
    ASSERT_EQ(r.Checks.size(), 1u);
    EXPECT_FALSE(r.Checks[0].Decided());
    EXPECT_EQ(r.Warnings.size(), 2);
    m.Phi = 2;
    r = CheckServiceability(m, cases, actions, 5);
    ASSERT_EQ(r.Checks.size(), 1u);
    const double perKN = 5.0 * 1000 * 625 / (384 * 30e9 * 0.001333) * 1000;
    EXPECT_NEAR(r.Checks[0].DesignValue, 3 * 11.5 * perKN, 1e-9);
    EXPECT_TRUE(r.Checks[0].Ok());
    EXPECT_EQ(r.Warnings.size(), 1); // cracking is still left out
}

// The governing deflection of a task, the way the report and the tab take it. 6 m, EI = 210 GPa ·
// 0,0003375 m4 = 70 875 kNm2: 5 q L⁴ / (384 EI) = 0,2381 mm per kN/m; G 5 kN/m gives 1,190 mm,
// Q 3 kN/m 0,714 mm.
TEST(TaskServiceability, ClassifiedSteelOrTheCombinationsOfTheTask)
{
    TTask task;
    task.SpanText = QStringLiteral("6");
    AddCase(task, QStringLiteral("G"), 1.35, { Q(5) });
    AddCase(task, QStringLiteral("Q"), 1.5, { Q(3) });
    task.Grid.SetCell(1, 1, QStringLiteral("K1"));
    task.Deflection.Section = QStringLiteral("IPE 300"); // a steel beam; the stiffness is the tab's Iy
    const double perKn = 5.0 * 1296 / (384 * 70875) * 1000;
    // Unclassified: K1 = G + Q against L/250 = 24 mm.
    TTaskServiceability s = TaskServiceability(task);
    ASSERT_EQ(s.Result.Checks.size(), 1u);
    EXPECT_NEAR(s.Result.Checks[0].DesignValue, 8 * perKn, 1e-6);
    EXPECT_NEAR(s.Result.Checks[0].Resistance, 24, 1e-9);
    EXPECT_EQ(s.Result.Checks[0].GovernedBy, QStringLiteral("kombinace K1"));
    // Classified (G, Q-B), "stropy s křehkými příčkami" L/250 · L/350: δmax = G + Q = 1,905 mm,
    // δ2 = Q alone = 0,714 mm <= 6000/350 = 17,14 mm.
    task.LoadCases[0].Action = QStringLiteral("G");
    task.LoadCases[1].Action = QStringLiteral("Q-B");
    task.Steel.VariableDeflectionRatio = QStringLiteral("350");
    s = TaskServiceability(task);
    ASSERT_EQ(s.Result.Checks.size(), 2u);
    EXPECT_NEAR(s.Result.Checks[0].DesignValue, 8 * perKn, 1e-6);
    EXPECT_NEAR(s.Result.Checks[1].DesignValue, 3 * perKn, 1e-6);
    EXPECT_NEAR(s.Result.Checks[1].Resistance, 6000.0 / 350, 1e-9);
    task.Steel.VariableDeflectionRatio = QStringLiteral("x");
    EXPECT_FALSE(TaskServiceability(task).Result.Problem.isEmpty()); // no verdict on a limit that is no number
}
