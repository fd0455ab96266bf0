#pragma once
// Number conversions shared by every part of the program.
#include <QString>

// The one lenient conversion of typed text to a number: the system's decimal separator first, then
// "." read as ",", then "," read as "."; whatever cannot be read is 0, without a message.
double StrToFloatX(const QString& text);
// The same reading, but it tells whether the text was a number: false (value untouched) for an
// empty text and for what StrToFloatX would turn into 0 without a message.
bool TryStrToFloatX(const QString& text, double& value);

// A number in fixed notation with `decimals` decimals after rounding to decimals + 5 significant
// digits, with the default locale's decimal separator; exponent form when the integer part has
// more digits than that precision.
QString FmtFixed(int decimals, double value);

// The general form: `decimals` decimals, `precision` significant digits, exponent form past
// `precision` integer digits. FmtFixed(d, v) == FormatFixed(v, d, d + 5).
QString FormatFixed(double value, int decimals, int precision);

// Round to the nearest integer, halves to the even neighbour (drawing coordinates, sample indices).
long long RoundHalfEven(double value);
