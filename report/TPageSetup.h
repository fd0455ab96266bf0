#pragma once
// The page setup as data: every control of the page setup dialog with its initial contents. The
// dialog edits one of these; the preview, the printout and trabik-cli build the page frame from it.
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

// Where the frame gets "now" from; tests install a fixed one.
using TClock = std::function<QDateTime()>;
QDateTime SystemNow();

struct TPageSetup
{
    enum TSeparator { NoneRadio, LineRadio, FrameRadio };

    TPageSetup(); // the dialog's initial state

    // "Okraje": margins and the left column, in whole millimetres, as typed.
    QString LMEdit = QStringLiteral("20");
    QString RMEdit = QStringLiteral("20");
    QString TMEdit = QStringLiteral("20");
    QString BMEdit = QStringLiteral("20");
    QString LCEdit = QStringLiteral("30");
    TSeparator Separator = LineRadio; // "bez oddělení" / "svislá čára" / "rámeček"

    // "Záhlaví" and "Pata".
    bool LogoCheck = false;
    bool Address1Check = true;
    bool DateCheck = true;
    bool Address2Check = false;
    bool PageNumberCheck = false;
    bool TimeCheck = false;

    // "Vaše data".
    QString LogoWEdit = QStringLiteral("10");
    QString LogoHEdit = QStringLiteral("10");
    QString LogoFileEdit = QStringLiteral("*.bmp");
    QImage Logo; // Image3: drawn for "*.bmp" and for any logo file that cannot be read
    QStringList Address1Memo; // mark-up lines copied into the header
    QStringList Address2Memo; // mark-up lines copied into the footer

    // "Font": the report font (FontDialog1) and "nepoužívat diakritiku".
    QFont Font;
    bool NoDiacritics = false; // CheckBox1

    // The font size the frame heights are computed from, in whole points.
    int FontPoints() const;
};

// The neutral picture the logo starts with: a framed beam on two supports.
QImage DefaultLogo();

// The runtime's strict integer conversion: optional leading blanks, an optional sign, decimal
// digits and nothing else. Throws TError "'text' is not a valid integer value" otherwise.
int StrictToInt(const QString& text);
