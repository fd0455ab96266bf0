#pragma once
// The page frame: header, footer, left column and body margins as mark-up lines that the document
// engine runs at the top of every page.
#include "report/TPageSetup.h"

#include <QStringList>

class TDokument;

// Heights in millimetres of the header and the footer boxes for a font of fontPoints points
// (0 when the header or footer holds nothing). logoHeight is the integer of LogoHEdit.
int HeaderHeight(const TPageSetup& setup, int fontPoints, int logoHeight);
int FooterHeight(const TPageSetup& setup, int fontPoints);

// The frame lines for a document whose job and author are given. Throws TError when a margin,
// the left column or a logo size is not an integer.
QStringList PageFrameLines(const TPageSetup& setup, const QString& job, const QString& author, const QDateTime& now);

// okbuttonClick without the dialog: clears doc.Frame, then appends the frame lines. On a bad
// integer the frame stays empty and the TError propagates.
void BuildPageFrame(const TPageSetup& setup, TDokument& doc, const TClock& clock = {});
