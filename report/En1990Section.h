#pragma once
// The report's section "Kombinace zatížení podle ČSN EN 1990": written when any load case has an
// action type.
#include "model/TTask.h"

#include <QStringList>

// Appends nothing when no load case is classified; a load case without a type when others have one
// gives the section's heading and the message naming it, without results. `width` and
// `secondWidth` are the lengths of the two diagrams side by side (mm).
void WriteEn1990Section(const TTask& task, QStringList& lines, double width, double secondWidth);
