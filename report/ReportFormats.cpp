#include "report/ReportFormats.h"

#include "model/uMyCommonLib.h"

#include <algorithm>

QString ValueText(double v)
{
    return FormatFixed(v, 3, 8);
}

QString TableValueText(double v)
{
    return FormatFixed(v, 1, 6);
}

QString LoadValueText(double v)
{
    return FormatFixed(v, 3, 7);
}

QString FactorText(double v)
{
    return FormatFixed(v, 3, 6);
}

QString DisplayText(double v)
{
    return FormatFixed(v, 3, 6);
}

long long RoundCoord(double v)
{
    constexpr long long limit = 1000000;
    return std::clamp(RoundHalfEven(v), -limit, limit);
}

QString Coord(double v)
{
    return QString::number(RoundCoord(v));
}

QString NegatedCoord(long long v)
{
    // A bare "-" before a negative number would give "--n", which stops the layout.
    return v >= 0 ? QStringLiteral("-") + QString::number(v) : QString::number(-v);
}
