#pragma once
// Shared by the project file tests: a task that uses every part of the file.
#include "model/TTask.h"
#include "tests/support/LocaleGuard.h"

#include <QLocale>

// A roof girder with three load cases, all four load kinds, a combination and changed options.
// Every number has at most three decimals, so opening shows exactly what was saved.
TTask RichTask();
