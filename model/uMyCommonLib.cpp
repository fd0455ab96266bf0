#include "model/uMyCommonLib.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// One strict attempt: the default locale's decimal separator, no group separators (so "1.000,5"
// and "1 000" are not silently read as thousands), and only finite results.
bool TryConvert(const QString& text, double& value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

// Plain numbers ("-12", "3.25", "0,5") read the same whatever the locale, so they skip the locale
// machinery: the solver reads thousands of them per calculation. Anything else takes the full path.
bool TryPlainNumber(QStringView text, double& value)
{
    char buffer[64];
    if (text.size() >= qsizetype(sizeof buffer))
        return false;
    qsizetype i = 0;
    size_t length = 0;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        if (text[0] == QLatin1Char('-'))
            buffer[length++] = '-';
        ++i;
    }
    int digits = 0, separators = 0, digitsAfter = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            buffer[length++] = char(c);
            ++digits;
            digitsAfter += separators;
        } else if ((c == u'.' || c == u',') && digits > 0 && separators == 0) {
            buffer[length++] = '.';
            ++separators;
        } else {
            return false;
        }
    }
    if (digits == 0 || (separators > 0 && digitsAfter == 0))
        return false;
    const auto [end, error] = std::from_chars(buffer, buffer + length, value);
    return error == std::errc() && end == buffer + length && std::isfinite(value);
}

// The exact decimal digits of |value| (enough of them to decide any rounding we do) and the
// power of ten of the first digit.
struct TDecimalDigits
{
    std::string Digits; // no leading zero unless the value is 0
    int Exponent = 0; // Digits[0] stands for 10^Exponent
};

constexpr int MaxPrecision = 20;
constexpr int ExactDigits = 48;

TDecimalDigits DecimalDigits(double value)
{
    // to_chars gives the same exact digits as printf("%.47e") at a fraction of the cost, which
    // matters when a large project file is opened.
    char buffer[96];
    const auto end = std::to_chars(
        buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, ExactDigits - 1);
    const std::string text(buffer, end.ptr);
    const auto e = text.find('e');
    TDecimalDigits result;
    result.Digits = text.substr(0, 1) + text.substr(2, e - 2);
    result.Exponent = std::stoi(text.substr(e + 1));
    return result;
}

// Keeps the digits down to 10^lastExponent and rounds half away from zero on the rest; the carry
// may add a digit in front (999.96 -> 1000.0).
void RoundAt(TDecimalDigits& number, int lastExponent)
{
    const int keep = number.Exponent - lastExponent + 1; // digits kept
    if (keep >= int(number.Digits.size()))
        return;
    if (keep < 0) {
        number.Digits = "0";
        number.Exponent = lastExponent;
        return;
    }
    const bool up = number.Digits[size_t(keep)] >= '5';
    number.Digits.resize(size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && number.Digits[size_t(i)] == '9')
            number.Digits[size_t(i--)] = '0';
        if (i >= 0)
            ++number.Digits[size_t(i)];
        else {
            number.Digits.insert(number.Digits.begin(), '1');
            ++number.Exponent;
        }
    }
    if (number.Digits.empty()) {
        number.Digits = "0";
        number.Exponent = lastExponent;
    }
}

bool IsZero(const std::string& digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

// The digit of 10^power, 0 outside the kept digits.
char DigitAt(const TDecimalDigits& number, int power)
{
    const int index = number.Exponent - power;
    if (index < 0 || index >= int(number.Digits.size()))
        return '0';
    return number.Digits[size_t(index)];
}

QString FixedText(const TDecimalDigits& number, int decimals, const QString& point)
{
    QString text;
    for (int power = std::max(number.Exponent, 0); power >= 0; --power)
        text += QLatin1Char(DigitAt(number, power));
    if (decimals > 0) {
        text += point;
        for (int power = -1; power >= -decimals; --power)
            text += QLatin1Char(DigitAt(number, power));
    }
    return text;
}

// Exponent form for numbers too large for the precision: the significant digits without trailing
// zeros, then "E+" and the exponent, e.g. 1,23457E+7.
QString ExponentText(TDecimalDigits number, int precision, const QString& point)
{
    RoundAt(number, number.Exponent - precision + 1);
    std::string digits = number.Digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    QString text { QLatin1Char(digits[0]) };
    if (digits.size() > 1)
        text += point + QString::fromLatin1(digits.c_str() + 1);
    text += QStringLiteral("E%1%2").arg(number.Exponent < 0 ? '-' : '+').arg(std::abs(number.Exponent));
    return text;
}

} // namespace

double StrToFloatX(const QString& text)
{
    double value = 0;
    TryStrToFloatX(text, value);
    return value;
}

bool TryStrToFloatX(const QString& text, double& value)
{
    const QStringView view = QStringView(text).trimmed();
    if (view.isEmpty())
        return false;
    if (TryPlainNumber(view, value))
        return true;
    const QString trimmed = view.toString();
    if (TryConvert(trimmed, value))
        return true;
    QString commas = trimmed;
    if (TryConvert(commas.replace(QLatin1Char('.'), QLatin1Char(',')), value))
        return true;
    QString points = trimmed;
    return TryConvert(points.replace(QLatin1Char(','), QLatin1Char('.')), value);
}

QString FormatFixed(double value, int decimals, int precision)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    decimals = std::clamp(decimals, 0, 30);
    precision = std::clamp(precision, 1, MaxPrecision);
    const QString point = QLocale().decimalPoint();

    TDecimalDigits number = DecimalDigits(value);
    QString text;
    if (value != 0 && number.Exponent + 1 > precision) {
        text = ExponentText(number, precision, point);
    } else {
        // One rounding at the coarser of the two limits, so no digit is rounded twice.
        RoundAt(number, value == 0 ? 0 : std::max(-decimals, number.Exponent - precision + 1));
        if (!IsZero(number.Digits) && number.Exponent + 1 > precision)
            text = ExponentText(number, precision, point); // 999999.7 rounds up to seven digits
        else
            text = FixedText(number, decimals, point);
    }
    if (value < 0 && !IsZero(number.Digits))
        text.prepend(QLatin1Char('-'));
    return text;
}

QString FmtFixed(int decimals, double value)
{
    return FormatFixed(value, decimals, decimals + 5);
}

long long RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18; // inside the range of long long
    if (value >= limit)
        return std::numeric_limits<long long>::max();
    if (value <= -limit)
        return std::numeric_limits<long long>::min();
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0))
        result = floor + 1;
    return static_cast<long long>(result);
}
