#pragma once
// The number formats of the report and the integer form of drawing coordinates.
#include <QString>

QString ValueText(double v); // 3 decimals, 8 significant digits: most numbers
QString TableValueText(double v); // 1 decimal, 6 digits: M and Q in the value tables
QString LoadValueText(double v); // 3 decimals, 7 digits: the load list
QString FactorText(double v); // 3 decimals, 6 digits: gamma_f in the load case heading
QString DisplayText(double v); // 3 decimals, 6 digits: what the result displays of the window show

// A drawing coordinate in millimetres: rounded, halves to even. Kept within a kilometre either way,
// so that a wildly mistyped load position cannot overflow the arithmetic on it.
long long RoundCoord(double v);
QString Coord(double v);
// "-" followed by an integer the mark-up reads as its negation, also when that integer is negative.
QString NegatedCoord(long long v);

// A text the user typed (job, author, title, names, the wizard's and the section's fields) as
// running text of the mark-up: "&" and "<" are written as "&amp;" and "&lt;" so that they print as
// typed instead of stopping the layout or swallowing the words after them. Entities, text styles,
// sub- and superscripts and symbols typed on purpose ("<sub>", "&ne;") keep working.
QString UserText(const QString& text);
