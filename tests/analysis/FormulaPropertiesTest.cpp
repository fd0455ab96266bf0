// Physical checks of the beam formulas for random loads on every end condition: equilibrium,
// compatibility at fixed ends, shear as the slope of the moment, and mirror symmetry.
#include "RandomLoads.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TTotals
{
    double Force = 0; // downwards
    double MomentAboutLeft = 0; // of the loads, clockwise (downward force times its distance)
};

TTotals Totals(const TLoadSet& set, double L)
{
    TTotals t;
    for (auto [P, a] : set.Forces) {
        t.Force += P;
        t.MomentAboutLeft += P * a;
    }
    for (double q : set.Uniform) {
        t.Force += q * L;
        t.MomentAboutLeft += q * L * L / 2;
    }
    for (const auto& p : set.Partials) {
        const double c = L - p.a - p.b;
        const double R1 = p.qa * c, R2 = (p.qb - p.qa) * c / 2;
        t.Force += R1 + R2;
        t.MomentAboutLeft += R1 * (p.a + c / 2) + R2 * (p.a + 2 * c / 3);
    }
    for (auto [M, a] : set.Moments)
        t.MomentAboutLeft -= M;
    return t;
}

TEST(Formulas, ReactionsBalanceTheLoads)
{
    std::mt19937 rng(20261208);
    for (unsigned char typ : AllTyps) {
        for (int trial = 0; trial < 20; ++trial) {
            const double L = std::uniform_real_distribution<double>(0.5, 12)(rng);
            const TLoadSet set = RandomLoads(rng, L, 0);
            const TBeam beam = MakeBeam(typ, L);
            const TCaseScratch s = Solve(beam, set);
            const TTotals t = Totals(set, L);
            const double tol = 1e-9 * (1 + std::fabs(t.Force) + std::fabs(t.MomentAboutLeft));
            EXPECT_NEAR(s.CaseA + s.CaseB, t.Force, tol) << int(typ);
            EXPECT_NEAR(s.CaseB * L + s.CaseMa - s.CaseMb, t.MomentAboutLeft, tol * L) << int(typ);
            // The ends of the diagram: all loads lie inside, so the last sample is past them all.
            EXPECT_NEAR(s.CaseM[100], s.CaseMb, tol * L) << int(typ);
            EXPECT_NEAR(s.CaseQ[100], -s.CaseB, tol) << int(typ);
            EXPECT_NEAR(s.CaseQ[0], s.CaseA, tol) << int(typ);
            EXPECT_NEAR(s.CaseM[0], s.CaseMa, tol * L) << int(typ);
            // Ends an end condition does not restrain carry nothing.
            if (typ / 10 == 0) {
                EXPECT_EQ(s.CaseA, 0);
                EXPECT_EQ(s.CaseMa, 0);
            }
            if (typ % 10 == 0) {
                EXPECT_EQ(s.CaseB, 0);
                EXPECT_EQ(s.CaseMb, 0);
            }
            if (typ / 10 != 2) {
                EXPECT_EQ(s.CaseMa, 0) << int(typ);
            }
            if (typ % 10 != 2) {
                EXPECT_EQ(s.CaseMb, 0) << int(typ);
            }
        }
    }
}

// The moment over [x_i, x_i+1] drops by the area of the shear (Simpson with the midpoint shear is
// exact for the cubic moments of these loads), away from force and moment jumps and load edges.
TEST(Formulas, ShearIsTheSlopeOfTheSaggingMoment)
{
    std::mt19937 rng(7);
    for (unsigned char typ : AllTyps) {
        for (int trial = 0; trial < 10; ++trial) {
            const double L = std::uniform_real_distribution<double>(1, 10)(rng);
            const TLoadSet set = RandomLoads(rng, L, 0);
            const TBeam beam = MakeBeam(typ, L);
            TBeam mid = beam;
            for (int i = 0; i + 1 < SampleCount; ++i)
                mid.X[i] = (beam.X[i] + beam.X[i + 1]) / 2;
            const TCaseScratch s = Solve(beam, set);
            const TCaseScratch m = Solve(mid, set);
            std::vector<double> edges;
            for (auto [P, a] : set.Forces)
                edges.push_back(a);
            for (auto [M, a] : set.Moments)
                edges.push_back(a);
            for (const auto& p : set.Partials) {
                edges.push_back(p.a);
                edges.push_back(L - p.b);
            }
            int checked = 0;
            for (int i = 0; i + 1 < SampleCount; ++i) {
                bool smooth = true;
                for (double e : edges)
                    smooth = smooth && !(beam.X[i] <= e && e <= beam.X[i + 1]);
                if (!smooth)
                    continue;
                const double h = beam.X[i + 1] - beam.X[i];
                const double shearArea = h / 6 * (s.CaseQ[i] + 4 * m.CaseQ[i] + s.CaseQ[i + 1]);
                EXPECT_NEAR(s.CaseM[i + 1] - s.CaseM[i], -shearArea, 1e-9 * (1 + std::fabs(shearArea)))
                    << int(typ) << " interval " << i;
                ++checked;
            }
            EXPECT_GT(checked, 50);
        }
    }
}

// Fixed ends do not rotate: with constant EI the moment area theorems require
// integral(M) = 0 between two fixed ends, and integral(M * distance from the pinned end) = 0 when
// the other end is pinned. The positions lie on the samples, so 3-point Gauss per interval is exact.
TEST(Formulas, FixedEndsDoNotRotate)
{
    const double nodes[] = { -std::sqrt(0.6), 0, std::sqrt(0.6) };
    const double weights[] = { 5.0 / 9, 8.0 / 9, 5.0 / 9 };
    std::mt19937 rng(12);
    for (unsigned char typ : { 12, 21, 22 }) {
        for (int trial = 0; trial < 10; ++trial) {
            const double L = std::uniform_real_distribution<double>(1, 10)(rng);
            const TLoadSet set = RandomLoads(rng, L, 100);
            const double h = L / 100;
            double area = 0, aboutLeft = 0, aboutRight = 0, scale = 0;
            for (int g = 0; g < 3; ++g) {
                TBeam beam = MakeBeam(typ, L);
                for (int i = 0; i < SampleCount; ++i)
                    beam.X[i] = (i + 0.5 + nodes[g] / 2) * h; // the last point lies past the span, unused
                const TCaseScratch s = Solve(beam, set);
                for (int i = 0; i + 1 < SampleCount; ++i) {
                    const double w = weights[g] * h / 2 * s.CaseM[i];
                    area += w;
                    aboutLeft += w * beam.X[i];
                    aboutRight += w * (L - beam.X[i]);
                    scale = std::max(scale, std::fabs(s.CaseM[i]));
                }
            }
            const double tol = 1e-9 * scale * L * L;
            if (typ == 22) {
                EXPECT_NEAR(area, 0, tol);
            }
            if (typ == 12 || typ == 22) {
                EXPECT_NEAR(aboutLeft, 0, tol) << int(typ);
            }
            if (typ == 21 || typ == 22) {
                EXPECT_NEAR(aboutRight, 0, tol) << int(typ);
            }
        }
    }
}

TEST(Formulas, MirroredBeamGivesMirroredResults)
{
    const std::pair<unsigned char, unsigned char> pairs[] = { { 2, 20 }, { 12, 21 }, { 11, 11 }, { 22, 22 } };
    std::mt19937 rng(99);
    for (auto [typ, mirror] : pairs) {
        for (int trial = 0; trial < 10; ++trial) {
            const double L = std::uniform_real_distribution<double>(1, 10)(rng);
            const TLoadSet set = RandomLoads(rng, L, 0);
            const TCaseScratch s = Solve(MakeBeam(typ, L), set);
            const TCaseScratch r = Solve(MakeBeam(mirror, L), Mirrored(set, L));
            const double tol = 1e-9 * (1 + std::fabs(s.CaseA) + std::fabs(s.CaseB)) * L;
            EXPECT_NEAR(r.CaseA, s.CaseB, tol) << int(typ);
            EXPECT_NEAR(r.CaseB, s.CaseA, tol) << int(typ);
            EXPECT_NEAR(r.CaseMa, s.CaseMb, tol * L) << int(typ);
            EXPECT_NEAR(r.CaseMb, s.CaseMa, tol * L) << int(typ);
            for (int i = 0; i < SampleCount; ++i) {
                EXPECT_NEAR(r.CaseM[i], s.CaseM[100 - i], tol * L) << int(typ) << " sample " << i;
                EXPECT_NEAR(r.CaseQ[i], -s.CaseQ[100 - i], tol) << int(typ) << " sample " << i;
            }
        }
    }
}

// The sample loops run over ranges of samples; the rule is per sample: under the load when
// a <= x <= L - b, else past it when x > L - b, else before it. Loads reaching past each other's
// ends (a + b > L) are taken as entered.
TEST(Formulas, PartialLoadTermsFollowThePerSampleRule)
{
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> pos(-0.5, 4.5), value(-20, 20);
    for (int trial = 0; trial < 200; ++trial) {
        const double L = 4, qa = value(rng), qb = value(rng);
        const double a = trial % 10 == 0 ? 1 : pos(rng), b = trial % 10 == 0 ? 1 : pos(rng);
        const double c = L - a - b, R1 = qa * c, R2 = (qb - qa) * c / 2;
        const TBeam beam = MakeBeam(20, L);
        TCaseScratch s;
        ApplyPartialLoad(s, beam, qa, a, qb, b);
        for (int i = 0; i < SampleCount; ++i) {
            const double x = beam.X[i], d = x - a;
            double m = 0, v = 0;
            if (a <= x && x <= L - b) {
                m = qa * d * d / 2 + d * (qb - qa) / c * d * d / 6;
                v = qa * d + d * (qb - qa) / c * d / 2;
            } else if (x > L - b) {
                m = R1 * (d - c / 2) + R2 * (d - 2 * c / 3);
                v = R1 + R2;
            }
            EXPECT_NEAR(s.CaseM[i], s.CaseMa - s.CaseA * x + m, 1e-9) << "a=" << a << " b=" << b << " i=" << i;
            EXPECT_NEAR(s.CaseQ[i], s.CaseA - v, 1e-9) << "a=" << a << " b=" << b << " i=" << i;
        }
    }
}

// A point load typed exactly at a sample position carries its jump at that sample, although
// i * L / 100 may come out a hair short of the typed value.
TEST(Formulas, SampleAtAPointLoadCarriesTheJump)
{
    for (unsigned char typ : AllTyps) {
        for (double L : { 8.2, 5.6, 4.1, 11.2, 1.282 }) {
            const TBeam beam = MakeBeam(typ, L);
            for (int i = 0; i <= 100; ++i) {
                const double a = QString::number(i * L / 100, 'f', 3).toDouble(); // as typed
                if (std::fabs(a * 100 / L - i) > 1e-6)
                    continue; // not a sample position with three decimals
                TCaseScratch force, moment;
                ApplyPointForce(force, beam, 10, a);
                ApplyPointMoment(moment, beam, 10, a);
                EXPECT_NEAR(force.CaseQ[i], force.CaseA - 10, 1e-9) << int(typ) << " L=" << L << " a=" << a;
                EXPECT_NEAR(moment.CaseM[i], moment.CaseMa - moment.CaseA * a + 10, 1e-9)
                    << int(typ) << " L=" << L << " a=" << a;
            }
        }
    }
}

} // namespace
