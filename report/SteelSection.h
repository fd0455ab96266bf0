#pragma once
// The report section of the steel beam check.
#include "model/TTask.h"

#include <QStringList>

// "Posouzení ocelového trabíku podle ČSN EN 1993-1-1": the section and grade, the lateral
// restraint, and the utilisation table with each check's clause, governing position and
// combination. Nothing when the task's section is not a rolled steel section of the library; the
// reason when the check is refused or cannot be calculated.
QStringList SteelCheckLines(const TTask& task);
