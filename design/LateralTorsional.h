#pragma once
// The elastic critical moment for lateral-torsional buckling, from the actual moment line.
#include <functional>
#include <utility>
#include <vector>

// A beam buckling out of its plane: units kN and m throughout.
struct TLtbBeam
{
    double L = 0;
    double EIz = 0, GIt = 0, EIw = 0; // kNm2, kNm2, kNm4
    // Fork supports (no lateral displacement, no twist; free to bend laterally and to warp), by x.
    std::vector<double> Forks;
    // A built-in end (also no lateral slope and no warping): the fixed end of a cantilever.
    bool ClampedLeft = false, ClampedRight = false;
    std::function<double(double)> M; // moment line (either sign convention)
    std::function<double(double)> q; // distributed load, downwards positive
    std::vector<std::pair<double, double>> PointForces; // x, P downwards positive
    double zg = 0; // height of the loads above the shear centre (top flange +h/2)
};

// The smallest load factor at which the beam buckles: the loads (and with them M) times this factor
// give Mcr = factor x max |M|. 0 when the loads cannot make it buckle (no compressive moment, or a
// factor above 1e9).
//
// Finite elements of the second variation of the potential energy of flexural-torsional buckling
// (the classical energy equation of Timoshenko and Gere, with the load height term):
//   1/2 Int[EIz u''^2 + GIt phi'^2 + EIw phi''^2] + lambda Int[M u'' phi] - lambda 1/2 Int[q zg phi^2]
//   - lambda 1/2 Sum[P zg phi^2],
// u and phi cubic (Hermite) on each element; the critical lambda is found by bisection on the
// number of negative pivots of K - lambda G (Sylvester's law of inertia).
double CriticalLoadFactor(const TLtbBeam& beam);
