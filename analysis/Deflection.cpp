// The deflection line of a load case: Euler-Bernoulli beam with constant EI. With f positive
// downwards and the moment M stored hogging-positive, EI f'' = M (a sagging beam, M < 0, curves
// down into positive f). Integrating the solver's own moment M = Ma - A x + m(x) twice gives
//     EI f = Ma x^2/2 - A x^3/6 + W(x) + C1 x + C2,
// W being each load's m(x) integrated twice (LoadFormulas.cpp). The two constants come from the
// ends: f = 0 at both supports of a propped or fixed beam, f = f' = 0 at a cantilever's fixed end.
// A fixed end of a propped or fixed beam then has f' = 0 by itself, because the solver's restraint
// moments are the compatible ones; the tests check it. Loads in kN and EI in Pa m4 give metres
// divided by 1000, the unit of the result set (DeflectionMm gives mm).
#include "analysis/LoadFormulas.h"

#include "model/TEndConditions.h"

#include <cmath>

bool FinishDeflection(TCaseScratch& s, const TBeam& beam, double EI)
{
    const double L = beam.L, Ma = s.CaseMa, A = s.CaseA;
    // G = Ma x^2/2 - A x^3/6 + W and its slope, at both ends.
    const TBendTerm g0 = s.WLeft;
    const TBendTerm gL { Ma * L * L / 2 - A * L * L * L / 6 + s.WRight.W, Ma * L - A * L * L / 2 + s.WRight.Slope };
    const TEndCondition& ends = EndConditionOf(beam.Typ);
    const bool leftHeld = ends.Left() != TEndSupport::Free, rightHeld = ends.Right() != TEndSupport::Free;
    double C1 = 0, C2 = 0;
    if (!leftHeld) { // a cantilever fixed at the right end
        C1 = -gL.Slope;
        C2 = -gL.W - C1 * L;
    } else if (!rightHeld) { // a cantilever fixed at the left end
        C1 = -g0.Slope;
        C2 = -g0.W;
    } else { // supported at both ends
        C2 = -g0.W;
        C1 = -(gL.W + C2) / L;
    }
    // A sample on a held end is exactly 0 there; rounding would leave a trace of either sign, and
    // the extremes would pick their positions from it.
    bool finite = true;
    for (int i = 0; i < SampleCount; ++i) {
        const double x = beam.X[i];
        const bool onHeldEnd = (leftHeld && x == 0) || (rightHeld && std::fabs(x - L) <= 1e-12 * L);
        s.CaseF[i] = onHeldEnd ? 0.0 : (x * x * (Ma / 2 - A * x / 6) + s.CaseW[i] + C1 * x + C2) / EI;
        finite = finite && std::isfinite(s.CaseF[i]);
    }
    s.CaseSlopeA = (g0.Slope + C1) / EI;
    s.CaseSlopeB = (gL.Slope + C1) / EI;
    if (finite && std::isfinite(s.CaseSlopeA) && std::isfinite(s.CaseSlopeB))
        return true;
    s.CaseF.fill(0);
    s.CaseSlopeA = s.CaseSlopeB = 0;
    return false;
}

TDeflectionIssue SectionIssue(double Emod, double Iy)
{
    if (!std::isfinite(Emod) || !std::isfinite(Iy))
        return TDeflectionIssue::NotANumber;
    if (Emod == 0 && Iy == 0)
        return TDeflectionIssue::ZeroBoth;
    if (Emod == 0)
        return TDeflectionIssue::ZeroE;
    if (Iy == 0)
        return TDeflectionIssue::ZeroIy;
    if (Emod < 0)
        return TDeflectionIssue::NegativeE;
    if (Iy < 0)
        return TDeflectionIssue::NegativeIy;
    const double EI = Emod * Iy;
    if (!std::isfinite(EI) || !std::isnormal(EI))
        return TDeflectionIssue::OutOfRange;
    return TDeflectionIssue::None;
}

QString DeflectionProblemText(TDeflectionIssue issue)
{
    const QString lead = QStringLiteral("Průhyb nelze spočítat: ");
    switch (issue) {
    case TDeflectionIssue::None:
        return {};
    case TDeflectionIssue::ZeroE:
        return lead + QStringLiteral("modul pružnosti E je nulový.");
    case TDeflectionIssue::ZeroIy:
        return lead + QStringLiteral("moment setrvačnosti Iy je nulový.");
    case TDeflectionIssue::ZeroBoth:
        return lead + QStringLiteral("modul pružnosti E i moment setrvačnosti Iy jsou nulové.");
    case TDeflectionIssue::NegativeE:
        return lead + QStringLiteral("modul pružnosti E je záporný.");
    case TDeflectionIssue::NegativeIy:
        return lead + QStringLiteral("moment setrvačnosti Iy je záporný.");
    case TDeflectionIssue::NotANumber:
        return lead + QStringLiteral("modul pružnosti E nebo moment setrvačnosti Iy není platné číslo.");
    case TDeflectionIssue::OutOfRange:
        return lead + QStringLiteral("součin E · Iy je mimo rozsah čísel.");
    case TDeflectionIssue::NotFinite:
        return lead + QStringLiteral("vychází nekonečný nebo neurčitý výsledek. Zkontrolujte zadané hodnoty.");
    case TDeflectionIssue::Unreadable:
        return {};
    }
    return {};
}
