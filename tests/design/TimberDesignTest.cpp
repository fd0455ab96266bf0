// Timber beams in the ultimate limit state against hand calculations written out below.
#include "design/TimberDesign.h"
#include "design/TimberTask.h"
#include "model/TError.h"
#include "tests/support/LoadCaseBuilders.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// The rafter of the krokev example: C24 100 x 200 mm, simply supported, L = 4 m, g = 1 kN/m (G),
// q = 2 kN/m (Q-A, medium-term), service class 1, rule 6.10a,b. The three ULS combinations and
// their design values, qd L^2/8 and qd L/2 with L = 4 m:
//   6.10a  1,35 G              qd = 1,35 kN/m             M = 2,7 kNm    V = 2,7 kN   (stálé)
//   6.10a  1,35 G + 1,05 Q     qd = 1,35 + 2,1 = 3,45     M = 6,9        V = 6,9      (střednědobé)
//   6.10b  1,1475 G + 1,5 Q    qd = 0,85·1,35 + 3 = 4,1475 M = 8,295     V = 8,295    (střednědobé)
std::vector<TTimberDesignCase> RafterCases()
{
    return {
        { QStringLiteral("6.10a: 1,35·G"), TLoadDuration::Permanent, 2.7, 2, 2.7, 0, 2.7, 2.7 },
        { QStringLiteral("6.10a: 1,35·G + 1,05·Q"), TLoadDuration::MediumTerm, 6.9, 2, 6.9, 0, 6.9, 6.9 },
        { QStringLiteral("6.10b: 1,1475·G + 1,5·Q"), TLoadDuration::MediumTerm, 8.295, 2, 8.295, 0, 8.295, 8.295 },
    };
}

TTimberMember Rafter()
{
    TTimberMember m;
    m.ClassName = QStringLiteral("C24");
    m.b = 100;
    m.h = 200;
    m.ServiceClass = 1;
    m.Span = 4;
    m.SupportLength = 100;
    return m;
}

} // namespace

TEST(TimberUls, RafterByHand)
{
    const TTimberResult r = CheckTimberUls(Rafter(), RafterCases());
    ASSERT_TRUE(r.Problem.isEmpty()) << r.Problem.toStdString();
    // W = 100·200²/6 = 666 667 mm3; σm,d = 8,295e6 / 666 667 = 12,44 MPa; kmod = 0,8 (medium-term,
    // service class 1), γM = 1,3, fm,d = 0,8·24/1,3 = 14,77 MPa; kh = 1 (h = 200 >= 150 mm); kcrit = 1
    // (held edge); 12,44/14,77 = 0,842. 1,35 G alone: 4,05 / (0,6·24/1,3 = 11,08) = 0,366 does not govern.
    EXPECT_NEAR(r.SigmaMd, 12.4425, 1e-4);
    EXPECT_NEAR(r.fmd, 14.7692, 1e-4);
    EXPECT_DOUBLE_EQ(r.Kmod, 0.8);
    EXPECT_DOUBLE_EQ(r.GammaM, 1.3);
    EXPECT_DOUBLE_EQ(r.Kh, 1);
    EXPECT_DOUBLE_EQ(r.Buckling.Kcrit, 1);
    EXPECT_NEAR(r.Bending.Utilisation, 0.8425, 1e-4);
    EXPECT_EQ(r.Bending.GovernedBy, QStringLiteral("6.10b: 1,1475·G + 1,5·Q"));
    EXPECT_DOUBLE_EQ(r.Bending.x, 2);
    // τd = 1,5·8295 / (0,67·100·200) = 0,9286 MPa; fv,d = 0,8·4,0/1,3 = 2,462 MPa; 0,377.
    EXPECT_NEAR(r.TauD, 0.92855, 1e-5);
    EXPECT_NEAR(r.fvd, 2.46154, 1e-5);
    EXPECT_NEAR(r.Shear.Utilisation, 0.37723, 1e-5);
    // Bearing on l = 100 mm: lef = 100 + 30 = 130 mm, σc,90,d = 8295 / (100·130) = 0,6381 MPa;
    // l1 = 3900 >= 2h, kc,90 = 1,5; fc,90,d = 0,8·2,5/1,3 = 1,538 MPa; 0,6381 / 2,308 = 0,2765.
    EXPECT_NEAR(r.BearingA.DesignValue, 0.63808, 1e-5);
    EXPECT_NEAR(r.BearingA.Resistance, 2.30769, 1e-5);
    EXPECT_NEAR(r.BearingB.Utilisation, 0.27650, 1e-5);
    EXPECT_TRUE(r.Bending.Ok() && r.Shear.Ok() && r.BearingA.Ok() && r.BearingB.Ok());
}

TEST(TimberUls, GlulamBeamWithDepthFactorAndLateralBuckling)
{
    // GL24h 120 x 400 mm, L = 8 m, service class 2, qd = 6 kN/m short-term (snow), lef = 0,9 L = 7,2 m.
    // M = 6·64/8 = 48 kNm, V = 24 kN; W = 120·400²/6 = 3,2e6 mm3, σm,d = 15,0 MPa.
    // kh = (600/400)^0,1 = 1,0414 (3.3(3)); kmod = 0,9, γM = 1,25, fm,d = 0,9·24/1,25 = 17,28 MPa.
    // (6.31): Iz = 400·120³/12 = 5,76e7 mm4, Itor = 400·120³·(1/3 - 0,21·0,3·(1 - 0,3⁴/12)) = 1,8688e8 mm4,
    // σm,crit = π·√(9600·5,76e7·540·1,8688e8) / (7200·3,2e6) = 32,21 MPa; λrel,m = √(24/32,21) = 0,8632;
    // kcrit = 1,56 - 0,75·0,8632 = 0,9126; resistance 1,0414·0,9126·17,28 = 16,42 MPa; 15/16,42 = 0,913.
    TTimberMember m;
    m.ClassName = QStringLiteral("lepené dřevo GL24h");
    m.b = 120;
    m.h = 400;
    m.ServiceClass = 2;
    m.Span = 8;
    m.SupportLength = 120;
    m.Lef = 7.2;
    const TTimberResult r
        = CheckTimberUls(m, { { QStringLiteral("K1"), TLoadDuration::ShortTerm, 48, 4, 24, 0, 24, 24 } });
    ASSERT_TRUE(r.Problem.isEmpty()) << r.Problem.toStdString();
    EXPECT_NEAR(r.Kh, 1.04138, 1e-5);
    EXPECT_DOUBLE_EQ(r.GammaM, 1.25);
    EXPECT_NEAR(r.Buckling.SigmaCrit, 32.2105, 1e-4);
    EXPECT_NEAR(r.Buckling.LambdaRel, 0.86319, 1e-5);
    EXPECT_NEAR(r.Buckling.Kcrit, 0.91261, 1e-5);
    EXPECT_NEAR(r.Bending.Resistance, 16.4224, 1e-4);
    EXPECT_NEAR(r.Bending.Utilisation, 0.91339, 1e-5);
    // τd = 1,5·24000/(0,67·120·400) = 1,119 MPa <= fv,d = 0,9·3,5/1,25 = 2,52 MPa.
    EXPECT_NEAR(r.Shear.Utilisation, 0.44421, 1e-5);
    // lef = 120 + 30 = 150 mm: σc,90,d = 24000/(120·150) = 1,333 MPa; kc,90 = 1,75 (glulam, l <= 400 mm),
    // 1,75·0,9·2,5/1,25 = 3,15 MPa.
    EXPECT_NEAR(r.BearingA.Resistance, 3.15, 1e-12);
    EXPECT_NEAR(r.BearingA.Utilisation, 0.42328, 1e-5);
}

TEST(TimberUls, FactorsFromTheTables)
{
    const TTimberClass& c24 = *FindTimberClass(QStringLiteral("C24"));
    const TTimberClass& gl = *FindTimberClass(QStringLiteral("GL28h"));
    // kh: (150/100)^0,2 = 1,0845; (150/50)^0,2 = 1,2457; (150/30)^0,2 = 1,380 -> 1,3; glulam
    // (600/200)^0,1 = 1,116 -> 1,1; no increase at and above the reference depth.
    EXPECT_NEAR(Kh(c24, 100), 1.08447, 1e-5);
    EXPECT_NEAR(Kh(c24, 50), 1.24573, 1e-5);
    EXPECT_DOUBLE_EQ(Kh(c24, 30), 1.3);
    EXPECT_DOUBLE_EQ(Kh(c24, 150), 1);
    EXPECT_DOUBLE_EQ(Kh(gl, 200), 1.1);
    EXPECT_DOUBLE_EQ(Kh(gl, 600), 1);
    // Table 3.1 and 3.2.
    EXPECT_DOUBLE_EQ(Kmod(TLoadDuration::Permanent, 1), 0.6);
    EXPECT_DOUBLE_EQ(Kmod(TLoadDuration::Instantaneous, 2), 1.1);
    EXPECT_DOUBLE_EQ(Kmod(TLoadDuration::LongTerm, 3), 0.55);
    EXPECT_DOUBLE_EQ(Kmod(TLoadDuration::ShortTerm, 3), 0.7);
    EXPECT_DOUBLE_EQ(Kdef(1), 0.6);
    EXPECT_DOUBLE_EQ(Kdef(2), 0.8);
    EXPECT_DOUBLE_EQ(Kdef(3), 2.0);
    // The shortest duration among the members with a factor: G + wind is instantaneous; a wind
    // case with factor 0 (favourable) does not count.
    const std::vector<TLoadDuration> gw { TLoadDuration::Permanent, TLoadDuration::Instantaneous };
    EXPECT_EQ(ShortestDuration(gw, { 1.35, 1.5 }), TLoadDuration::Instantaneous);
    EXPECT_EQ(ShortestDuration(gw, { 1.35, 0 }), TLoadDuration::Permanent);
    EXPECT_EQ(DefaultLoadDuration(QStringLiteral("S")), TLoadDuration::ShortTerm);
    EXPECT_EQ(DefaultLoadDuration(QStringLiteral("Q-E")), TLoadDuration::LongTerm);
    EXPECT_FALSE(DefaultLoadDuration(QStringLiteral("X")).has_value());
}

TEST(TimberUls, LateralBucklingOfSolidTimberOnEachBranch)
{
    // (6.32) σm,crit = 0,78 b² E0,05 / (h lef), E0,05 = 7400 MPa (C24); (6.30) λ = √(24/σ); (6.34).
    struct TRow
    {
        double b, h, lef, sigmaCrit, kcrit;
    };
    const TRow rows[] = {
        // 0,78·100²·7400/(200·4000) = 72,15; λ = 0,577 <= 0,75: kcrit = 1
        { 100, 200, 4, 72.15, 1 },
        // 0,78·60²·7400/(240·5000) = 17,316; λ = 1,1773: 1,56 - 0,75·1,1773 = 0,6770
        { 60, 240, 5, 17.316, 0.677036 },
        // 0,78·40²·7400/(240·6000) = 6,4133; λ = 1,9345 > 1,4: 1/λ² = 0,2672
        { 40, 240, 6, 6.41333, 0.267222 },
    };
    const TTimberClass& c24 = *FindTimberClass(QStringLiteral("C24"));
    for (const TRow& row : rows) {
        const TLateralBuckling lt = LateralBuckling(c24, row.b, row.h, row.lef);
        EXPECT_NEAR(lt.SigmaCrit, row.sigmaCrit, 1e-5) << row.b;
        EXPECT_NEAR(lt.Kcrit, row.kcrit, 1e-6) << row.b;
    }
    EXPECT_DOUBLE_EQ(LateralBuckling(c24, 60, 240, 0).Kcrit, 1); // held compression edge
}

TEST(TimberUls, WhatCannotBeCheckedSaysWhy)
{
    TTimberMember m = Rafter();
    m.ClassName = QStringLiteral("C99");
    EXPECT_FALSE(CheckTimberUls(m, RafterCases()).Problem.isEmpty());
    m = Rafter();
    m.h = 0;
    EXPECT_FALSE(CheckTimberUls(m, RafterCases()).Problem.isEmpty());
    EXPECT_FALSE(CheckTimberUls(Rafter(), {}).Problem.isEmpty());

    // No support length: the bearing gives no verdict; a fixed end neither; a free end has no check.
    m = Rafter();
    m.SupportLength = 0;
    m.Right = TBeamEnd::Fixed;
    TTimberResult r = CheckTimberUls(m, RafterCases());
    EXPECT_FALSE(r.BearingA.Decided());
    EXPECT_FALSE(r.BearingA.Ok());
    EXPECT_FALSE(r.BearingB.Decided());
    m.Left = TBeamEnd::Free;
    EXPECT_TRUE(CheckTimberUls(m, RafterCases()).BearingA.Name.isEmpty());
}

// The task's ULS combinations for timber: a light snow on a heavy roof. Of 6.10a 1,35·G + 0,75·S
// only the G part is permanent; without the snow the combination keeps kmod 0,6 (permanent) instead
// of 0,9 (short-term) and governs. C24 100 x 200, L = 4 m, G 3 kN/m, S 0,3 kN/m, W = 666 667 mm3:
//   1,35·G             qd = 4,05 kN/m    M = 8,1 kNm   σ = 12,15 MPa  fm,d = 0,6·24/1,3 = 11,08   1,097
//   6.10a 1,35·G+0,75·S qd = 4,275       M = 8,55      σ = 12,825     fm,d = 0,9·24/1,3 = 16,62   0,772
//   6.10b 1,15·G+1,5·S  qd = 3,8925      M = 7,785     σ = 11,68                                   0,703
TEST(TimberTask, CombinationsWithoutTheShortActionsMayGovern)
{
    TTask task;
    task.SpanText = QStringLiteral("4");
    AddCase(task, QStringLiteral("G"), 1.35, { Q(3) });
    AddCase(task, QStringLiteral("S"), 1.5, { Q(0.3) });
    task.LoadCases[0].Action = QStringLiteral("G");
    task.LoadCases[1].Action = QStringLiteral("S");
    task.Timber.ClassName = QStringLiteral("C24");
    task.Timber.Width = QStringLiteral("100");
    task.Timber.Depth = QStringLiteral("200");
    const std::vector<TUlsCombination> uls = TimberUlsCombinations(task, TimberInputsOf(task));
    ASSERT_EQ(uls.size(), 4u); // 6.10a and 6.10b, each also without the snow
    EXPECT_EQ(uls[1].Name, QStringLiteral("6.10a: 1,35·G"));
    EXPECT_EQ(uls[1].Factors, (std::vector<double> { 1.35, 0 }));
    const TTimberTaskResult r = CheckTaskTimber(task);
    EXPECT_NEAR(r.Uls.Bending.Utilisation, 12.15 / (0.6 * 24 / 1.3), 1e-9);
    EXPECT_EQ(r.Uls.Bending.GovernedBy, QStringLiteral("6.10a: 1,35·G"));
    // Unclassified: the grid's combination at each load case's gamma_f.
    task.LoadCases[0].Action.clear();
    task.LoadCases[1].Action.clear();
    const std::vector<TUlsCombination> grid = TimberUlsCombinations(task, TimberInputsOf(task));
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0].Factors, (std::vector<double> { 1.35, 1.5 }));
    task.Timber.ServiceClass = QStringLiteral("4");
    EXPECT_THROW(TimberInputsOf(task), TError);
}

// The roof purlin of the steel test as C24 100 x 200 (W = 666 667 mm3), L = 6 m, with a stronger
// wind: G 0,5 kN/m, snow 1,0 kN/m (short-term, kmod 0,9), wind 3,0 kN/m up (instantaneous, kmod
// 1,1); γM = 1,3, M = 4,5·q.
//   down 6.10b 1,1475·G + 1,5·S   M = 2,07375·4,5 = 9,33 kNm  σ = 14,00 MPa  fm,d = 16,615  0,842
//   up   6.10b 1,0·G + 1,5·W      M = 4,0·4,5 = 18,0         σ = 27,0       fm,d = 20,308  1,330
// Every action unfavourable the uplift was 1,1475·0,5 - 4,5 + 0,75·1,0 = -3,176 kN/m, σ = 21,4 MPa
// (downwards the combinations without the instantaneous wind already gave the snow's 14,00 MPa).
TEST(TimberTask, FavourableActionsOfARoofPurlin)
{
    TTask task;
    task.SpanText = QStringLiteral("6");
    const std::tuple<const char*, const char*, double> cases[]
        = { { "G", "G", 0.5 }, { "Sníh", "S", 1.0 }, { "Vítr", "W", -3.0 } };
    for (const auto& [name, action, q] : cases) {
        AddCase(task, QString::fromUtf8(name), 1, { Q(q) });
        task.LoadCases.back().Action = QString::fromLatin1(action);
    }
    task.Timber.ClassName = QStringLiteral("C24");
    task.Timber.Width = QStringLiteral("100");
    task.Timber.Depth = QStringLiteral("200");
    const std::vector<TUlsCombination> uls = TimberUlsCombinations(task, TimberInputsOf(task));
    // Down: 6.10a, 6.10b, each also as G alone; up: 6.10a, 6.10b and 1,0·G once.
    ASSERT_EQ(uls.size(), 7u);
    EXPECT_EQ(uls[3].Name, QString::fromUtf8("6.10b: 1,15·G"));
    EXPECT_EQ(uls[5].Name, QString::fromUtf8("6.10a: 1,0·G"));
    const TTimberTaskResult r = CheckTaskTimber(task);
    EXPECT_NEAR(r.Uls.SigmaMd, 18e6 / (100 * 200 * 200 / 6.0), 1e-9);
    EXPECT_EQ(r.Uls.Bending.GovernedBy, QString::fromUtf8("6.10b: 1,0·G + 1,5·Vítr"));
    EXPECT_NEAR(r.Uls.Bending.Utilisation, 27 / (1.1 * 24 / 1.3), 1e-9);
    // The deflections (right before as well): 5·6000⁴/(384·11 000·66,67e6) = 23,01 mm per kN/m. Each
    // way the actions against it are left out: w_inst down (0,5 + 1,0), up (0,5 - 3,0): 2,5·23,01
    // upwards; kdef 0,6, ψ2 = 0 for snow and wind: w_fin down 1,6·0,5 + 1,0, up 0,8 - 3,0: 2,2·23,01.
    const double perKN = 5 * std::pow(6000.0, 4) / (384 * 11000 * (100 * std::pow(200.0, 3) / 12));
    EXPECT_NEAR(r.Sls.wInst, 2.5 * perKN, 1e-9);
    EXPECT_NEAR(r.Sls.wFin, 2.2 * perKN, 1e-9);
}
