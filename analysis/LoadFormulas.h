#pragma once
// Closed-form single-span beam formulas, one load at a time, superposed into the scratch of the load
// case being added. Positive loads act downwards, reactions upwards, moments are hogging-positive.
#include "analysis/Solver.h"

// The beam as the formulas see it: end condition, span and the sample positions. The positions are
// SampleX(L, i); tests may put their own points in X to evaluate the formulas elsewhere, in
// ascending order like the samples.
struct TBeam
{
    unsigned char Typ = 11;
    double L = 0;
    TSamples X {};
};

TBeam MakeBeam(unsigned char typ, double spanL);

// Whether the code is one of the end conditions (model/TEndConditions.h).
bool IsKnownTyp(unsigned char typ);

// The reactions and restraint moments of one load.
struct TEndForces
{
    double A = 0, B = 0, Ma = 0, Mb = 0;
};

TEndForces PointForceEnds(unsigned char typ, double L, double P, double a);
TEndForces UniformLoadEnds(unsigned char typ, double L, double q);
// qa at a from the left end to qb at b from the right end.
TEndForces PartialLoadEnds(unsigned char typ, double L, double qa, double a, double qb, double b);
TEndForces PointMomentEnds(unsigned char typ, double L, double M, double a);

// A load's own moment term m(x) integrated twice (W'' = m, W = W' = 0 before the load starts), and
// its slope W'. The deflection line is built from these (see FinishDeflection).
struct TBendTerm
{
    double W = 0, Slope = 0;
    TBendTerm& operator+=(const TBendTerm& t)
    {
        W += t.W;
        Slope += t.Slope;
        return *this;
    }
};

// The values of the load case being solved (one scratch per SolveCase).
struct TCaseScratch
{
    double CaseA = 0, CaseB = 0, CaseMa = 0, CaseMb = 0;
    TSamples CaseM {}, CaseQ {}, CaseF {};
    // Sum of the loads' W at the samples and of W, W' at both ends (kN, m: EI = 1); the Apply
    // functions fill them, FinishDeflection turns them into CaseF.
    TSamples CaseW {};
    TBendTerm WLeft, WRight;
    // f' at the left and right end once FinishDeflection has run (same unit as CaseF per metre).
    double CaseSlopeA = 0, CaseSlopeB = 0;

    bool IsFinite() const;
};

// Each adds the load's end forces and its moment and shear at every sample of the beam.
void ApplyPointForce(TCaseScratch& s, const TBeam& beam, double P, double a);
void ApplyUniformLoad(TCaseScratch& s, const TBeam& beam, double q);
// A load of zero length adds nothing: its intensity growth d * (qb - qa) / c would divide 0 by 0
// at its start.
void ApplyPartialLoad(TCaseScratch& s, const TBeam& beam, double qa, double a, double qb, double b);
void ApplyPointMoment(TCaseScratch& s, const TBeam& beam, double M, double a);

// The loads' W at one position, by the same rules as the sample loops (for the ends and for tests).
TBendTerm PointForceBend(double P, double a, double x);
TBendTerm UniformLoadBend(double q, double x);
TBendTerm PartialLoadBend(double L, double qa, double a, double qb, double b, double x);
TBendTerm PointMomentBend(double M, double a, double x);

// Fills CaseF (and CaseSlopeA/B) with the deflection of the loads applied so far, for the bending
// stiffness EI in Pa m4 (loads in kN: the result is in metres / 1000). Returns false, leaving CaseF
// and the slopes 0, when a value is not finite. EI must be a positive finite number, and beam.Typ
// a known end condition (the solver refuses any other before loads are applied).
bool FinishDeflection(TCaseScratch& s, const TBeam& beam, double EI);
