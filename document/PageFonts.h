#pragma once
// Page fonts are set by pixel size in page units (never by points), so text measures the same on
// every device; symbol codes of the mark-up are drawn as Unicode glyphs in the text font.
#include "document/PagePicture.h"

#include <QFont>
#include <QString>
#include <cmath>
#include <limits>

// R(v): nearest integer, halves to the even neighbour; saturates at the int range.
inline int RoundEven(double v)
{
    if (!(v == v))
        return 0;
    const double r = std::nearbyint(v); // default rounding mode: to nearest, ties to even
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// Canvas font sizes S are kept within these bounds (1/27 pt). The top is 400 pt: from about 490 pt
// (an ascent past 16384 pixels) the font engine reports negative metrics and draws no glyphs, so a
// larger size would move the cursor upwards and lose the rest of the page.
constexpr int MinCanvasFontSize = 1;
constexpr int MaxCanvasFontSize = 27 * 400;

// Em height in page units of canvas size S: R(S * 96 / 72).
inline int EmPixels(int size)
{
    return RoundEven(size * 96.0 / 72.0);
}

QFont MakePageFont(const TPageFont& font);
// The canvas font every page starts with for a document font (S = 27 x its point size).
TPageFont DocumentPageFont(const QFont& font, QColor color);
// The glyphs of the Symbol character set that the mark-up uses, as Unicode.
QString SymbolToUnicode(const QString& symbolText);

// Page coordinates and lengths are kept within +-CoordLimit page units (100 m): mark-up arguments
// times 100 and text widths are clamped to it, so no sum of them can overflow.
constexpr int CoordLimit = 10000000;
inline int ClampCoord(long long v)
{
    return static_cast<int>(v < -CoordLimit ? -CoordLimit : (v > CoordLimit ? CoordLimit : v));
}
