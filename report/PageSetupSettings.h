#pragma once
// The page setup kept between runs: the office's header, addresses, logo, margins, font and page
// numbering belong to the program, not to a task, so they live in the program's settings file
// (on Linux ~/.config/Trabík/Trabík.conf), which the window and trabik-cli report both read.
#include "report/TPageSetup.h"

// The program's settings file; QStandardPaths' test mode moves it out of the user's folders.
QString PageSetupSettingsFile();

// The setup saved in `file`; what it does not hold (or no file at all) keeps the dialog's defaults.
TPageSetup LoadPageSetup(const QString& file);
// Saves the whole setup; the logo picture itself is kept only when it is not the default one.
void SavePageSetup(const TPageSetup& setup, const QString& file);
