#pragma once
// The load case solver: one load case of the analysis model at factor 1 — reactions, the 101
// samples of M, Q and f, and the exact line between the samples.
#include "analysis/AnalysisModel.h"
#include "analysis/ExactLine.h"

#include <QString>
#include <array>

constexpr int SampleCount = 101;
using TSamples = std::array<double, SampleCount>;

// x_i = i * L / 100.
double SampleX(double spanL, int i);

// Why the deflection line stays 0 although load cases were added.
enum class TDeflectionIssue {
    None, // computed
    ZeroE, // modulus of elasticity 0 (an empty field reads as 0)
    ZeroIy, // second moment of area 0
    ZeroBoth,
    NegativeE,
    NegativeIy,
    NotANumber, // E or Iy is infinite or not a number
    OutOfRange, // E x Iy overflows or underflows
    NotFinite, // the deflection itself overflows (huge loads on a very soft section)
    Unreadable // the text of E or Iy is not a number (TAnalysisModel::SectionUnreadable says which)
};

// The deflection tab's line for the issue, e.g. "Průhyb nelze spočítat: modul pružnosti E je
// nulový."; empty for None and for Unreadable (whose text names what was typed).
QString DeflectionProblemText(TDeflectionIssue issue);
// What is wrong with the section values E (Pa) and Iy (m4) for a deflection: None when E x Iy is
// a positive finite number.
TDeflectionIssue SectionIssue(double Emod, double Iy);

// The section values of the deflection tab, converted: Iy in m4, Emod in Pa (a text that is not a
// number reads as 0; BuildModel names it).
double SectionIy(const TDeflectionInputs& inputs);
double SectionEmod(const TDeflectionInputs& inputs);

// One load case solved at factor 1. Deflections are in metres / 1000 (loads in kN, EI in Pa m4:
// times 1e6 gives mm; see DeflectionMm).
struct TCaseSolution
{
    double A = 0, B = 0, Ma = 0, Mb = 0;
    TSamples M {}, Q {}, f {};
    TDeflectionIssue fIssue = TDeflectionIssue::None; // f stays 0 when not None
    TCaseLine Line; // G of the load case: its loads, end forces and deflection constants
    // Why the load case cannot be used (an unreadable number, no beam, a result that is not
    // finite); the sums throw it as a TError. Empty when the solution is sound.
    QString Error;
};

// Solves load case `index` of the model. Never throws: what goes wrong is in Error.
TCaseSolution SolveCase(const TAnalysisModel& model, int index);

// "Zatěžovací stav „G“ dává nekonečný nebo neurčitý výsledek. …": a sum that leaves the finite numbers.
QString CaseNotFinite(const QString& name);

// Deflection of the result store's unit in millimetres: the one conversion.
inline double DeflectionMm(double f)
{
    return f * 1000000;
}
