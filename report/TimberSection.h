#pragma once
// The report section of the timber beam check.
#include "model/TTask.h"

#include <QStringList>

// "Posouzení dřevěného trabíku podle ČSN EN 1995-1-1": the class, section and service class with
// their factors, and the utilisation table of bending, shear and bearing with each check's clause,
// governing position and combination (the deflections are in "Rozhodující průhyb"). Nothing when the
// task is not checked as timber; the reason when it cannot be checked.
QStringList TimberCheckLines(const TTask& task);
