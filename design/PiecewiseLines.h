#pragma once
// The exact lines of solved load cases cut into pieces at every load edge of any of them, so that on
// each piece every load case is one polynomial and a combination is their weighted sum.
#include "analysis/Combinations.h"
#include "analysis/Extremes.h"

#include <vector>

// The quantities of a line: bending moment M = G'', shear Q = -G''' and deflection f = G / EI.
enum class TQuantity { M, Q, f };
int QuantityDegree(TQuantity quantity); // 3, 2, 5

struct TPieces
{
    std::vector<double> X; // 0, the load edges inside the span, L
    size_t Cases = 0;
    double EI = 0; // 0: no deflection line
    std::vector<TPoly> Coefficients; // G of case k on piece p around X[p]: [p * Cases + k]
    const TPoly& G(size_t p, size_t k) const { return Coefficients[p * Cases + k]; }
};
TPieces BuildPieces(const std::vector<TResultStore>& cases, double L);

// The quantity on one piece from G's Taylor coefficients there, as coefficients in t = x - X[p].
TPoly QuantityPoly(const TPoly& G, TQuantity quantity, double EI);
double EvalPoly(const TPoly& p, int degree, double t);
// Appends the roots of p (degree <= 5) with a < t < b.
void PolyRoots(const TPoly& p, int degree, double a, double b, std::vector<double>& out);

// The line of the combination with `factors` over the cases (characteristic and design alike).
TExactLine CombinedLine(const std::vector<TResultStore>& cases, const std::vector<double>& factors, double L);
