#pragma once
// The check of a rolled steel beam to ČSN EN 1993-1-1: class, bending, shear, shear buckling,
// bending with shear at every point, lateral-torsional buckling.
#include "design/DesignActions.h"
#include "library/SectionTable.h"

#include <QString>
#include <vector>

// EN 1993-1-1 6.1(1) with the Czech annex: gamma_M0 = gamma_M1 = 1,0.
constexpr double GammaM0 = 1.0;
constexpr double GammaM1 = 1.0;

// Where the loads act on the section, for Mcr.
enum class TLoadLevel { TopFlange, ShearCentre, BottomFlange };

struct TSteelCheckInput
{
    QString Section; // "IPE 300"
    QString Grade = QStringLiteral("S235");
    double LtbLength = 0; // m between lateral restraints; 0: "tlačený pás držen spojitě" (no check)
    TLoadLevel LoadLevel = TLoadLevel::TopFlange;
};

// One line of the utilisation table.
struct TCheckRow
{
    QString Name; // "ohyb"
    QString Clause; // "6.2.5"
    QString Unit; // "kNm", "kN", "-"
    double Design = 0, Resistance = 0, Utilisation = 0;
    double x = 0; // governing position (m)
    QString By; // governing combination
    bool Decided = true; // false: Why says what stops the check
    QString Why;
    bool Ok() const { return Decided && Utilisation <= 1; }
};

struct TSteelCheck
{
    QString Refused; // not checked at all (Czech): no such section or grade, class 4, no loads
    TSectionProperties Section;
    QString SectionName, GradeName;
    double fy = 0, epsilon = 0;
    int FlangeClass = 0, WebClass = 0, Class = 0;
    double McRd = 0, VplRd = 0; // kNm, kN
    TCheckRow Bending, Shear, ShearBuckling, BendingShear, Ltb;
    bool HasLtb = false; // an unrestrained length was given
    double Mcr = 0, LambdaLT = 0, ChiLT = 0, MbRd = 0; // for the governing line of the LTB check
    std::vector<TCheckRow> Rows() const; // in table order; LTB only with HasLtb
    bool Ok() const;
};

TSteelCheck CheckSteelBeam(const TSteelCheckInput& input, const TDesignActions& actions);

// Class of a plate by its slenderness c/t against the limits of classes 1, 2 and 3 (times epsilon);
// 4 beyond.
int PlateClass(double slenderness, double epsilon, const double (&limits)[3]);

// EN 1993-1-1 6.3.2.3 for rolled sections: chi_LT (f = 1) for the relative slenderness and the
// imperfection factor, lambda_LT,0 = 0,4 and beta = 0,75.
double ChiLT(double lambdaLT, double alphaLT);
