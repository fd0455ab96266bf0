#pragma once
// Hot-rolled steel sections: their nominal dimensions in one table and the section properties
// computed from them.
#include <QString>
#include <vector>

// One section's nominal dimensions in mm. Parallel flanges have Slope 0. For a channel with
// tapered flanges the inner flange face falls by Slope per unit of width, and Tf is the flange
// thickness at TfAt, measured from the back of the web.
struct TSectionDims
{
    const char* Series; // "IPE", "HEA", "HEB", "HEM", "UPE", "UPN"
    int Size; // the number of the name, e.g. 300 for IPE 300
    double H, B, Tw, Tf;
    double R1; // root fillet
    double R2 = 0; // toe radius of a tapered flange
    double Slope = 0;
    double TfAt = 0;
};

// The sections in the store's order: by series, then by height.
const std::vector<TSectionDims>& SectionDimensions();

// Second moment of area about the strong axis in mm4, root fillets and toe radii included.
double SectionIyMm4(const TSectionDims& dims);

// The properties a member check needs, from the nominal dimensions (mm, mm2, mm4, mm6, kg/m).
struct TSectionProperties
{
    double H = 0, B = 0, Tw = 0, Tf = 0, R = 0; // Tf of a tapered flange: the nominal one at TfAt
    double A = 0;
    double Iy = 0, Iz = 0; // strong and weak axis through the centroid
    double WelY = 0, WplY = 0;
    double AvZ = 0; // shear area for a load parallel to the web
    double RadiusZ = 0; // iz
    double It = 0, Iw = 0; // torsion and warping constants
    double Mass = 0; // per metre
    bool Channel = false;
};

// Mass density of structural steel, EN 1991-1-1 Table A.4: 77 to 78,5 kN/m3; handbooks take 7850 kg/m3.
constexpr double SteelDensity = 7850;

TSectionProperties SectionProperties(const TSectionDims& dims);
// The built-in section named e.g. "IPE 300" (as the library lists it), or nullptr.
const TSectionDims* FindSection(const QString& name);
