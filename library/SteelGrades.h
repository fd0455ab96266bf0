#pragma once
// Structural steel grades for member checks: yield and ultimate strength by the thickest plate.
#include <QString>
#include <vector>

struct TSteelGrade
{
    const char* Name; // "S235"
    double Fy40, Fu40; // MPa, nominal thickness t <= 40 mm
    double Fy80, Fu80; // MPa, 40 mm < t <= 80 mm
};

// S235, S275, S355 (EN 10025-2), S420, S460 (EN 10025-4), as EN 1993-1-1 Table 3.1 takes them.
const std::vector<TSteelGrade>& SteelGrades();
const TSteelGrade* FindSteelGrade(const QString& name);

struct TSteelStrength
{
    bool Known = false; // false: the plate is thicker than 80 mm, which Table 3.1 does not cover
    double fy = 0, fu = 0; // MPa
};
TSteelStrength SteelStrength(const TSteelGrade& grade, double thickestPlateMm);

// EN 1993-1-1 3.2.6(1): E = 210 000 MPa, G = E / (2 (1 + nu)) ~ 81 000 MPa.
constexpr double SteelE = 210000;
constexpr double SteelG = 81000;
