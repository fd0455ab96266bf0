// The steel beam check against hand calculations: IPE 300 in S235 unless said otherwise
// (Wpl,y = 628,4 cm3, Av,z = 25,68 cm2, Iz = 603,8 cm4, It = 20,12 cm4, Iw = 125,9e3 cm6).
#include "design/SteelCheck.h"
#include "design/LateralTorsional.h"
#include "model/TError.h"
#include "tests/support/LoadCaseBuilders.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TDesignActions Actions(unsigned char typ, double span, const std::vector<TTestLoad>& loads)
{
    TTask task;
    task.SpanText = QString::number(span);
    task.SetTyp(typ);
    AddCase(task, QStringLiteral("ZS1"), 1.0, loads);
    return DesignActionsOf(task);
}

TSteelCheck Check(const TDesignActions& actions, const char* section = "IPE 300", const char* grade = "S235",
    double lcr = 0, TLoadLevel level = TLoadLevel::ShearCentre)
{
    return CheckSteelBeam({ QString::fromLatin1(section), QString::fromLatin1(grade), lcr, level }, actions);
}

// IPE 300 on a 6 m span, kN and m.
TLtbBeam Ipe300(double zg = 0)
{
    TLtbBeam beam;
    beam.L = 6;
    beam.EIz = 210e6 * 603.8e-8; // 1268,0 kNm2
    beam.GIt = 81e6 * 20.12e-8; // 16,30 kNm2
    beam.EIw = 210e6 * 125.9e-9; // 26,44 kNm4
    beam.Forks = { 0, 6 };
    beam.zg = zg;
    return beam;
}

// Mcr = pi^2 EIz / L^2 sqrt(Iw / Iz + L^2 GIt / (pi^2 EIz)) under uniform moment, fork supports:
// 347,6 kN x sqrt(0,02085 + 0,04688) m = 90,47 kNm.
double UniformMomentMcr(const TLtbBeam& b)
{
    const double pe = M_PI * M_PI * b.EIz / (b.L * b.L);
    return pe * std::sqrt(b.EIw / b.EIz + b.GIt / pe);
}

} // namespace

TEST(CriticalMoment, AgainstTheClosedFormAndC1)
{
    TLtbBeam uniform = Ipe300();
    uniform.M = [](double) { return 1.0; };
    EXPECT_NEAR(UniformMomentMcr(uniform), 90.47, 0.05);
    EXPECT_NEAR(CriticalLoadFactor(uniform), UniformMomentMcr(uniform), 0.005 * UniformMomentMcr(uniform));

    // q = 1 kN/m at the shear centre: M = q x (L - x) / 2, max 4,5 kNm; C1 = 1,13.
    TLtbBeam udl = Ipe300();
    udl.M = [](double x) { return x * (6 - x) / 2; };
    udl.q = [](double) { return 1.0; };
    const double mcrUdl = CriticalLoadFactor(udl) * 4.5;
    EXPECT_NEAR(mcrUdl / UniformMomentMcr(udl), 1.13, 0.02 * 1.13);

    // P = 1 kN at mid-span at the shear centre: max M = P L / 4 = 1,5 kNm; C1 = 1,35.
    TLtbBeam point = Ipe300();
    point.M = [](double x) { return std::min(x, 6 - x) / 2; };
    point.PointForces = { { 3, 1 } };
    EXPECT_NEAR(CriticalLoadFactor(point) * 1.5 / UniformMomentMcr(point), 1.35, 0.02 * 1.35);

    // On the top flange (zg = h/2 = 0,15 m) the load tips the section over sooner, below it later.
    TLtbBeam top = udl, bottom = udl;
    top.zg = 0.15;
    bottom.zg = -0.15;
    EXPECT_LT(CriticalLoadFactor(top) * 4.5, 0.9 * mcrUdl);
    EXPECT_GT(CriticalLoadFactor(bottom) * 4.5, 1.1 * mcrUdl);
    // A restraint at mid-span halves the length: uniform moment with L = 3 m.
    TLtbBeam restrained = uniform, half = uniform;
    restrained.Forks.push_back(3);
    half.L = 3;
    half.Forks = { 0, 3 };
    EXPECT_NEAR(CriticalLoadFactor(restrained), UniformMomentMcr(half), 0.005 * UniformMomentMcr(half));
}

TEST(SteelCheck, ResistancesAndUtilisationOfASimpleBeam)
{
    // q = 20 kN/m on 6 m: MEd = 20 x 36 / 8 = 90 kNm, VEd = 60 kN.
    const TSteelCheck c = Check(Actions(11, 6, { Q(20) }));
    ASSERT_TRUE(c.Refused.isEmpty()) << c.Refused.toStdString();
    // epsilon = 1; flange c/tf = (150 - 7,1 - 30) / 2 / 10,7 = 5,28 <= 9, web c/tw = 248,6 / 7,1 = 35,0 <= 72.
    EXPECT_EQ(c.Class, 1);
    EXPECT_NEAR(c.McRd, 628.4e-6 * 235e3, 0.2); // Mpl,Rd = 147,7 kNm
    EXPECT_NEAR(c.VplRd, 25.68e-4 * 235e3 / std::sqrt(3.0), 0.3); // 348,4 kN
    EXPECT_NEAR(c.Bending.Design, 90, 1e-6);
    EXPECT_NEAR(c.Bending.x, 3, 1e-9);
    EXPECT_NEAR(c.Bending.Utilisation, 90 / 147.7, 0.002);
    EXPECT_NEAR(c.Shear.Design, 60, 1e-6);
    EXPECT_EQ(c.Bending.By, QStringLiteral("kombinace v řádku 1")); // the new task's row takes every load case
    // hw / tw = 278,6 / 7,1 = 39,2 against 72 / 1,2 = 60.
    EXPECT_NEAR(c.ShearBuckling.Design, 39.24, 0.01);
    EXPECT_NEAR(c.ShearBuckling.Resistance, 60, 1e-9);
    // No shear over 0,5 Vpl,Rd: the interaction is the bending check.
    EXPECT_DOUBLE_EQ(c.BendingShear.Utilisation, c.Bending.Utilisation);
    EXPECT_FALSE(c.HasLtb);
    EXPECT_TRUE(c.Ok());
    EXPECT_EQ(c.Rows().size(), 4u);

    // S355, t <= 40 mm: epsilon = 0,814, Mpl,Rd = 628,4 x 355 = 223,1 kNm.
    EXPECT_NEAR(Check(Actions(11, 6, { Q(20) }), "IPE 300", "S355").McRd, 223.1, 0.1);
}

TEST(SteelCheck, BendingWithHighShearNearASupport)
{
    // P = 300 kN at 0,3 m of a 4 m span: left of the force VEd = 300 x 3,7 / 4 = 277,5 kN > 0,5 Vpl,Rd,
    // MEd = 277,5 x 0,3 = 83,25 kNm. rho = (2 x 277,5 / 348,4 - 1)^2 = 0,3516; Aw = 278,6 x 7,1 = 1978 mm2;
    // My,V,Rd = (628,4e3 - 0,3516 x 1978^2 / (4 x 7,1)) x 235 = (628,4 - 48,4) x 0,235 = 136,3 kNm.
    const TSteelCheck c = Check(Actions(11, 4, { Px(300, 0.3) }));
    EXPECT_NEAR(c.BendingShear.x, 0.3, 1e-9);
    EXPECT_NEAR(c.BendingShear.Resistance, 136.3, 0.3);
    EXPECT_NEAR(c.BendingShear.Utilisation, 83.25 / 136.3, 0.003);
    EXPECT_GT(c.BendingShear.Utilisation, c.Bending.Utilisation);
    EXPECT_NEAR(c.Shear.Utilisation, 277.5 / 348.4, 0.002);
}

TEST(SteelCheck, ClassThreeUsesTheElasticModulusAndClassFourIsRefused)
{
    // HEA 180 in S460 (epsilon = 0,715): flange c/tf = (180 - 6 - 30) / 2 / 9,5 = 7,58 between 10 epsilon
    // = 7,15 and 14 epsilon = 10,0: class 3, Mc,Rd = Wel,y fy = 293,6 cm3 x 460 MPa = 135,1 kNm.
    const TSteelCheck c = Check(Actions(11, 4, { Q(10) }), "HEA 180", "S460");
    EXPECT_EQ(c.FlangeClass, 3);
    EXPECT_EQ(c.Class, 3);
    EXPECT_NEAR(c.McRd, c.Section.WelY * 460e-6, 1e-9);
    EXPECT_NEAR(c.McRd, 135.1, 0.7);
    // Table 5.2 limits of an outstand flange: 9, 10, 14 epsilon.
    const double limits[3] = { 9, 10, 14 };
    EXPECT_EQ(PlateClass(14.0, 1, limits), 3);
    EXPECT_EQ(PlateClass(14.01, 1, limits), 4);
    EXPECT_FALSE(Check(Actions(11, 4, { Q(10) }), "IPE 301").Refused.isEmpty());
    EXPECT_FALSE(Check(Actions(11, 4, { Q(10) }), "IPE 300", "S500").Refused.isEmpty());
}

TEST(SteelCheck, LateralTorsionalBucklingOfTheSpan)
{
    // chi_LT, 6.3.2.3 curve b: lambda = 1,202, Phi = 0,5 (1 + 0,34 x 0,802 + 0,75 x 1,445) = 1,178,
    // chi = 1 / (1,178 + sqrt(1,388 - 1,084)) = 0,578.
    EXPECT_NEAR(ChiLT(1.202, 0.34), 0.578, 0.001);
    EXPECT_EQ(ChiLT(0.3, 0.34), 1);
    // q = 20 kN/m on 6 m at the shear centre, Lcr = 6 m: Mcr ~ 1,13 x 90,47 = 102,2 kNm (by the
    // closed form with C1), so Mb,Rd ~ 0,578 x 147,7 = 85,4 kNm < MEd = 90 kNm.
    const TSteelCheck c = Check(Actions(11, 6, { Q(20) }), "IPE 300", "S235", 6);
    ASSERT_TRUE(c.HasLtb);
    EXPECT_NEAR(c.Mcr, 102.2, 2);
    EXPECT_NEAR(c.LambdaLT, std::sqrt(147.67 / c.Mcr), 0.002);
    EXPECT_NEAR(c.MbRd, c.ChiLT * c.McRd, 1e-9);
    EXPECT_NEAR(c.MbRd, 85.4, 1.5);
    EXPECT_GT(c.Ltb.Utilisation, 1);
    EXPECT_FALSE(c.Ok());
    // On the top flange worse, with a restraint every 2 m far better.
    EXPECT_GT(Check(Actions(11, 6, { Q(20) }), "IPE 300", "S235", 6, TLoadLevel::TopFlange).Ltb.Utilisation,
        c.Ltb.Utilisation);
    EXPECT_LT(Check(Actions(11, 6, { Q(20) }), "IPE 300", "S235", 2).Ltb.Utilisation, 1);
    // A channel is not decided.
    const TSteelCheck channel = Check(Actions(11, 6, { Q(5) }), "UPE 200", "S235", 6);
    EXPECT_FALSE(channel.Ltb.Decided);
    EXPECT_FALSE(channel.Ok());
}

TEST(DesignActions, CombinationsAndTheSelfWeightCase)
{
    TTask task;
    task.SpanText = QStringLiteral("6");
    AddCase(task, QStringLiteral("G"), 1.35, { Q(10) });
    AddCase(task, QStringLiteral("S"), 1.5, { Q(4) });
    task.Grid.SetCell(1, 1, QStringLiteral("K1"));
    const TDesignActions combined = DesignActionsOf(task);
    ASSERT_EQ(combined.Lines.size(), 1u);
    EXPECT_EQ(combined.Lines[0].Name, QStringLiteral("kombinace K1"));
    EXPECT_NEAR(combined.Lines[0].Md[50], -(1.35 * 10 + 1.5 * 4) * 36 / 8, 1e-9);
    // Without a combination member: the load cases one by one.
    task.Grid.SetCell(TTask::LoadCaseColumn(0), 1, QStringLiteral("0"));
    task.Grid.SetCell(TTask::LoadCaseColumn(1), 1, QStringLiteral("0"));
    const TDesignActions loadCases = DesignActionsOf(task);
    ASSERT_EQ(loadCases.Lines.size(), 2u);
    EXPECT_NEAR(loadCases.Lines[1].Md[50], -1.5 * 4 * 36 / 8, 1e-9);
    // 0,42244 kN/m of self-weight (IPE 300: 42,24 kg/m x 9,81) at gamma_f 1,35 added to each line:
    // Md = -(1,35 x 10 + 1,35 x 0,4144) x 36 / 8.
    const double g = SelfWeightLoad(42.24);
    EXPECT_NEAR(g, 0.41437, 1e-5);
    const TDesignActions own = DesignActionsOf(task, g);
    EXPECT_NEAR(own.Lines[0].Md[50], -(1.35 * 10 + 1.35 * g) * 36 / 8, 1e-9);
    EXPECT_NEAR(TDesignLineValues(own.Lines[0], 6).M(3), own.Lines[0].Md[50], 1e-9);
    EXPECT_TRUE(own.Lines[0].Name.endsWith(QStringLiteral("vlastní tíha průřezu")));
    EXPECT_EQ(task.LoadCases.size(), 2u);

    // Classified (G and snow S, 6.10a,b): the EN 1990 combinations instead of the grid's rows,
    // 6.10a: 1,35·10 + 1,5·0,5·4 = 16,5 kN/m, 6.10b: 0,85·1,35·10 + 1,5·4 = 17,475 kN/m (governs);
    // the self-weight is a permanent action in them: 0,85·1,35·(10 + g) + 1,5·4.
    task.LoadCases[0].Action = QStringLiteral("G");
    task.LoadCases[1].Action = QStringLiteral("S");
    const TDesignActions en = DesignActionsOf(task, g);
    ASSERT_EQ(en.Lines.size(), 2u);
    EXPECT_NEAR(en.Lines[0].Md[50], -(1.35 * (10 + g) + 1.5 * 0.5 * 4) * 36 / 8, 1e-9);
    EXPECT_NEAR(en.Lines[1].Md[50], -(0.85 * 1.35 * (10 + g) + 1.5 * 4) * 36 / 8, 1e-9);
    EXPECT_NEAR(TDesignLineValues(en.Lines[1], 6).M(3), en.Lines[1].Md[50], 1e-9);
    EXPECT_TRUE(en.Lines[1].Name.startsWith(QStringLiteral("6.10b: 1,15·G"))) << en.Lines[1].Name.toStdString();
    task.LoadCases[1].Action.clear(); // one load case without a type: no EN design values
    EXPECT_THROW(DesignActionsOf(task), TError);
}

// A roof purlin, L = 6 m, 6.10a,b: G 0,5 kN/m down, snow 1,0 kN/m down (ψ0 0,5), wind 1,5 kN/m up
// (ψ0 0,6); M = q·36/8 = 4,5·q. Each sense of load with the actions against it favourable:
//   down 6.10b, snow leading, wind left out: 0,85·1,35·0,5 + 1,5·1,0 = 2,07375 kN/m, M = 9,331875 kNm
//   (every action unfavourable gave 0,57375 + 1,5 - 1,5·0,6·1,5 = 0,72375 kN/m, 3,26 kNm);
//   up 6.10b, wind leading, G at γG,inf, snow left out: 1,0·0,5 - 1,5·1,5 = -1,75 kN/m, M = -7,875 kNm.
TEST(DesignActions, FavourableActionsOfARoofPurlin)
{
    TTask task;
    task.SpanText = QStringLiteral("6");
    const std::tuple<const char*, const char*, double> cases[]
        = { { "G", "G", 0.5 }, { "Sníh", "S", 1.0 }, { "Vítr", "W", -1.5 } };
    for (const auto& [name, action, q] : cases) {
        AddCase(task, QString::fromUtf8(name), 1, { Q(q) });
        task.LoadCases.back().Action = QString::fromLatin1(action);
    }
    const TDesignActions a = DesignActionsOf(task);
    // 6.10a and 6.10b snow leading downwards, the same upwards with the wind.
    ASSERT_EQ(a.Lines.size(), 4u);
    const auto sagging = std::min_element(
        a.Lines.begin(), a.Lines.end(), [](const TDesignLine& l, const TDesignLine& r) { return l.Md[50] < r.Md[50]; });
    const auto hogging = std::max_element(
        a.Lines.begin(), a.Lines.end(), [](const TDesignLine& l, const TDesignLine& r) { return l.Md[50] < r.Md[50]; });
    EXPECT_NEAR(sagging->Md[50], -(0.85 * 1.35 * 0.5 + 1.5 * 1.0) * 4.5, 1e-9);
    EXPECT_EQ(sagging->Name, QString::fromUtf8("6.10b: 1,15·G + 1,5·Sníh"));
    EXPECT_NEAR(hogging->Md[50], 7.875, 1e-9); // hogging positive as stored
    EXPECT_EQ(hogging->Name, QString::fromUtf8("6.10b: 1,0·G + 1,5·Vítr"));
    EXPECT_EQ(a.Lines[2].Name, QString::fromUtf8("6.10a: 1,0·G + 0,9·Vítr"));
    const TSteelCheck c = Check(a);
    EXPECT_NEAR(c.Bending.Design, 9.331875, 1e-9);
    EXPECT_EQ(c.Bending.By, sagging->Name);
    // With the self-weight (permanent, downwards) as one more G: γG,inf upwards as well.
    const double g = SelfWeightLoad(42.24);
    const TDesignActions own = DesignActionsOf(task, g);
    ASSERT_EQ(own.Lines.size(), 4u);
    EXPECT_NEAR(own.Lines[3].Md[50], -(0.5 + g - 1.5 * 1.5) * 4.5, 1e-9);
}
