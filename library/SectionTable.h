#pragma once
// Hot-rolled steel sections: their nominal dimensions in one table and Iy computed from them.
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
