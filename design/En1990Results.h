#pragma once
// The EN 1990 envelope as the result tabs show a calculation: an envelope of the result store whose
// curves are the EN ones, whatever the normové/výpočtové switches say.
#include "analysis/Combinations.h"
#include "analysis/Extremes.h"
#include "design/En1990Envelope.h"

// The store of an EN envelope: maxima in the single values, the curves and reaction ranges in the
// envelope, the governing lines for the exact extremes.
TResultStore En1990Store(const TEnEnvelope& envelope);

// The calculation of task.Calc: the EN 1990 envelope chosen in Calc.En1990, or Calculate.
// Throws TError like both (a load case without an action type among them).
TCalculation CalculateChoice(const TTask& task);
