// The section values of the deflection tab converted to m4 and Pa.
#include "analysis/uCalcUnit.h"
#include "model/uMyCommonLib.h"

#include <utility>

namespace {

// The factor of the list entry equal to the unit text (letter case ignored); a text typed by hand
// that matches no entry leaves the number as it is.
double UnitFactor(const QString& unit, std::initializer_list<std::pair<const char*, double>> entries)
{
    for (const auto& [text, factor] : entries)
        if (unit.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return factor;
    return 1;
}

} // namespace

double SectionIy(const TDeflectionInputs& inputs)
{
    return StrToFloatX(inputs.Edit30) * UnitFactor(inputs.IyUnit, { { "m4", 1 }, { "cm4", 1e-8 }, { "mm4", 1e-12 } });
}

double SectionEmod(const TDeflectionInputs& inputs)
{
    return StrToFloatX(inputs.Edit31)
        * UnitFactor(inputs.EUnit, { { "Pa", 1 }, { "kPa", 1e3 }, { "MPa", 1e6 }, { "GPa", 1e9 } });
}
