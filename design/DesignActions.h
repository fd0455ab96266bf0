#pragma once
// The design internal forces a member check takes: the ULS moment and shear lines of each
// combination that may govern, as plain values.
#include "analysis/Combinations.h"
#include "analysis/ExactLine.h"
#include "analysis/Extremes.h"

#include <QString>
#include <functional>
#include <vector>

// One design situation: its moment (kNm, hogging positive as stored) and shear (kN) at the samples,
// and the same as exact functions of x (the design line).
struct TDesignLine
{
    QString Name; // "kombinace ZK1", "ZS Sníh"
    TSamples Md {}, Qd {};
    TExactLine Line;
};

struct TDesignActions
{
    double SpanL = 0; // m
    unsigned char Typ = 11;
    std::vector<TDesignLine> Lines;
};

// The lines of one design situation as piecewise polynomials: M, Q and the load intensity at any x,
// each side of a jump apart.
class TDesignLineValues
{
public:
    explicit TDesignLineValues(const TDesignLine& line, double spanL);
    // `right`: the value just right of x (at a point force the shear has two).
    double M(double x, bool right = true) const;
    double Q(double x, bool right = true) const;
    double q(double x) const; // distributed load, downwards positive (kN/m)
    // Point forces inside 0 < x < L (kN downwards), from the jumps of the shear.
    std::vector<std::pair<double, double>> PointForces() const;
    // Positions where a value may peak between the samples: both sides of every edge.
    const std::vector<double>& Edges() const { return EdgeX; }

private:
    const TPoly& Piece(double x, bool right, double& t) const;
    std::vector<double> EdgeX; // sorted, inside [0, L]
    std::vector<TPoly> Pieces; // Pieces[k] around EdgeX[k-1] (Pieces[0] around 0)
};

// "kombinace ZK1"; a row without a name by its number, as the envelope takes it too.
QString CombinationName(const TCombinationGrid& grid, int row);

// A combination as factors over the task's load cases, in page order.
struct TNamedFactors
{
    QString Name;
    std::vector<double> Factors;
};
// The task's own combinations: each combination row with a member, every member at factor(page)
// as often as the row lists it ("kombinace ZK1"), or, when no row has a member, every load case
// alone at factor(k) ("ZS Sníh").
std::vector<TNamedFactors> TaskCombinationFactors(const TTask& task, const std::function<double(size_t)>& factor);

// The self-weight of a section of `massKgPerM` as a uniform load (kN/m), g = 9,81 m/s2.
double SelfWeightLoad(double massKgPerM);

// The design lines of a task: with classified load cases the ULS combinations of EN 1990 for member
// checks, MemberCheckCombinations (the self-weight a permanent action among them, acting downwards;
// an unclassified load case throws TError naming it);
// otherwise every combination row with a member (the envelope's members), or every load case when
// there is none, each as design values; with `selfWeight` > 0 (kN/m) the load
// case "vlastní tíha průřezu" of that uniform load is added to each of them with
// gamma_f = SelfWeightFactor. The task itself is not changed. Throws TError like the calculation.
TDesignActions DesignActionsOf(const TTask& task, double selfWeight = 0);

// EN 1990 Table A1.2(B) (Czech annex): gamma_G,sup = 1,35 for a permanent load that is unfavourable.
constexpr double SelfWeightFactor = 1.35;
extern const char* const SelfWeightCaseName; // "vlastní tíha průřezu"
