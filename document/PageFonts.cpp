#include "document/PageFonts.h"
#include "document/uDokument.h"

#include <QFontDatabase>
#include <QHash>

namespace {

void substitute(const QString& family, const QString& replacement)
{
    if (replacement.isEmpty() || QFont::substitutes(family).contains(replacement, Qt::CaseInsensitive))
        return;
    QFont::insertSubstitution(family, replacement);
}

} // namespace

void InstallPageFonts()
{
    substitute(QStringLiteral("Arial CE"), QStringLiteral("Liberation Sans"));
    substitute(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    substitute(QStringLiteral("MS Sans Serif"), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
}

QFont MakePageFont(const TPageFont& font)
{
    QFont f(font.Face);
    f.setPixelSize(qMax(1, font.PixelSize));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    // Unhinted outlines keep advances linear in the size, so a page measures the same everywhere.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

TPageFont DocumentPageFont(const QFont& font, QColor color)
{
    TPageFont f;
    f.Face = font.family();
    int points = font.pointSize();
    if (points <= 0 && font.pixelSize() > 0)
        points = RoundEven(font.pixelSize() * 72.0 / 96.0);
    if (points <= 0)
        points = 10;
    f.Size = qBound(MinCanvasFontSize, 27 * qMin(points, MaxCanvasFontSize / 27), MaxCanvasFontSize);
    f.PixelSize = EmPixels(f.Size);
    f.Bold = font.bold();
    f.Italic = font.italic();
    f.Underline = font.underline();
    f.Color = color.rgb();
    return f;
}

QString SymbolToUnicode(const QString& symbolText)
{
    static const QHash<QChar, QChar> map {
        { QChar(0xB3), QChar(0x2265) },
        { QChar(0xA3), QChar(0x2264) },
        { QChar(0xBB), QChar(0x2248) },
        { QChar(0xB9), QChar(0x2260) },
        { QChar(0xDE), QChar(0x21D2) },
        { QChar(0x5E), QChar(0x22A5) },
        { QChar(0xC6), QChar(0x2205) },
        { QChar('a'), QChar(0x03B1) },
        { QChar('b'), QChar(0x03B2) },
        { QChar('g'), QChar(0x03B3) },
        { QChar('d'), QChar(0x03B4) },
        { QChar('e'), QChar(0x03B5) },
        { QChar('c'), QChar(0x03C7) },
        { QChar('m'), QChar(0x03BC) },
        { QChar('n'), QChar(0x03BD) },
        { QChar('w'), QChar(0x03C9) },
        { QChar('p'), QChar(0x03C0) },
        { QChar('P'), QChar(0x03A0) },
        { QChar('s'), QChar(0x03C3) },
        { QChar('t'), QChar(0x03C4) },
        { QChar('x'), QChar(0x03BE) },
        { QChar('S'), QChar(0x03A3) },
        { QChar('j'), QChar(0x03D5) },
    };
    QString out = symbolText;
    for (QChar& c : out)
        c = map.value(c, c);
    return out;
}
