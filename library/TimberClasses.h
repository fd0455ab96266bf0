#pragma once
// Strength classes of structural timber: solid softwood C14-C40 (EN 338) and homogeneous glued
// laminated timber GL24h-GL32h (EN 14080), with the characteristic values the member checks use.
#include <QString>
#include <vector>

struct TTimberClass
{
    const char* Name; // "C24", "GL24h"
    bool Glulam;
    double fmk; // bending strength fm,k, MPa
    double fvk; // shear strength fv,k, MPa
    double fc90k; // compression perpendicular to the grain fc,90,k, MPa
    double E0mean; // E0,mean, MPa
    double E005; // E0,05, MPa
    double Gmean; // Gmean, MPa
    double G005; // G0,05, MPa (the lateral buckling of a glulam beam needs it)
    double rhok; // characteristic density, kg/m3
};

// In the order of the library: solid timber by strength, then glulam.
const std::vector<TTimberClass>& TimberClasses();
// The class named `name` ("C24", letter case ignored); a library material name such as
// "dřevo C24" or "lepené dřevo GL24h" names its last word. nullptr for no such class.
const TTimberClass* FindTimberClass(const QString& name);
