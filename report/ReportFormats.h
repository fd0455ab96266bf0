#pragma once
// The number formats of the report and the integer form of drawing coordinates.
#include <QString>
#include <QStringBuilder>
#include <charconv>

QString ValueText(double v); // 3 decimals, 8 significant digits: most numbers
QString TableValueText(double v); // 1 decimal, 6 digits: M and Q in the value tables
QString LoadValueText(double v); // 3 decimals, 7 digits: the load list
QString FactorText(double v); // 3 decimals, 6 digits: gamma_f in the load case heading
QString DisplayText(double v); // 3 decimals, 6 digits: what the result displays of the window show

// A drawing coordinate in millimetres: rounded, halves to even. Kept within a kilometre either way,
// so that a wildly mistyped load position cannot overflow the arithmetic on it.
long long RoundCoord(double v);
QString Coord(double v);
// The decimal digits of an integer as QString::number(v) writes them, as a piece of a QStringBuilder
// expression, so that a line of mark-up with numbers in it is made in one allocation:
//     const QString line = u"<linerel 0 " % TInteger(dy) % u'>';
// (The pieces are references to temporaries: convert to QString within the same expression.)
struct TInteger
{
    explicit TInteger(long long v) { Size = int(std::to_chars(Digits, Digits + sizeof Digits, v).ptr - Digits); }
    char Digits[20]; // "-9223372036854775808"
    int Size;
};
// Coord(v) as such a piece.
inline TInteger CoordDigits(double v)
{
    return TInteger(RoundCoord(v));
}

template <> struct QConcatenable<TInteger>
{
    using type = TInteger;
    using ConvertTo = QString;
    enum { ExactSize = true };
    static qsizetype size(const TInteger& n) { return n.Size; }
    static void appendTo(const TInteger& n, QChar*& out)
    {
        for (int i = 0; i < n.Size; ++i)
            *out++ = QLatin1Char(n.Digits[i]);
    }
};

// "-" followed by an integer the mark-up reads as its negation, also when that integer is negative.
QString NegatedCoord(long long v);

// A text the user typed (job, author, title, names, the wizard's and the section's fields) as
// running text of the mark-up: "&" and "<" are written as "&amp;" and "&lt;" so that they print as
// typed instead of stopping the layout or swallowing the words after them. Entities, text styles,
// sub- and superscripts and symbols typed on purpose ("<sub>", "&ne;") keep working.
QString UserText(const QString& text);
