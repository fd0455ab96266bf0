#pragma once
// Random loads for the property tests of the beam formulas, applied straight to a beam.
#include "analysis/LoadFormulas.h"

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

inline const unsigned char AllTyps[] = { 11, 12, 21, 22, 2, 20 };

struct TLoadSet
{
    std::vector<std::pair<double, double>> Forces, Moments; // (P, a), (M, a)
    std::vector<double> Uniform;
    struct TPartial
    {
        double qa, a, qb, b;
    };
    std::vector<TPartial> Partials;
};

// `grid` > 0 puts every position on a multiple of L / grid, so the diagram is one polynomial between
// the samples; 0 puts them anywhere inside the span.
inline TLoadSet RandomLoads(std::mt19937& rng, double L, int grid)
{
    std::uniform_real_distribution<double> value(-30, 30);
    std::uniform_real_distribution<double> unit(0.02, 0.98);
    std::uniform_int_distribution<int> step(1, std::max(grid - 1, 1));
    auto position = [&] { return grid > 0 ? step(rng) * L / grid : unit(rng) * L; };
    TLoadSet set;
    for (int k = 0; k < 4; ++k) {
        set.Forces.push_back({ value(rng), position() });
        set.Moments.push_back({ value(rng), position() });
        set.Uniform.push_back(value(rng));
        double a = position(), e = position();
        if (a > e)
            std::swap(a, e);
        if (a == e)
            continue;
        set.Partials.push_back({ value(rng), a, value(rng), L - e });
    }
    return set;
}

inline TCaseScratch Solve(const TBeam& beam, const TLoadSet& set)
{
    TCaseScratch s;
    for (auto [P, a] : set.Forces)
        ApplyPointForce(s, beam, P, a);
    for (double q : set.Uniform)
        ApplyUniformLoad(s, beam, q);
    for (const auto& p : set.Partials)
        ApplyPartialLoad(s, beam, p.qa, p.a, p.qb, p.b);
    for (auto [M, a] : set.Moments)
        ApplyPointMoment(s, beam, M, a);
    return s;
}

inline TLoadSet Mirrored(const TLoadSet& set, double L)
{
    TLoadSet m;
    for (auto [P, a] : set.Forces)
        m.Forces.push_back({ P, L - a });
    for (auto [M, a] : set.Moments)
        m.Moments.push_back({ -M, L - a }); // a turning sense flips in the mirror
    m.Uniform = set.Uniform;
    for (const auto& p : set.Partials)
        m.Partials.push_back({ p.qb, p.b, p.qa, p.a });
    return m;
}
