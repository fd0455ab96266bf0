#include "report/ReportFormats.h"

#include "model/uMyCommonLib.h"

#include <algorithm>
#include <iterator>

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

QString UserText(const QString& text)
{
    static const char* const entities[]
        = { "&lt;", "&gt;", "&amp;", "&pagenumber;", "&get;", "&let;", "&ae;", "&ne;", "&imp;" };
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QStringView rest = QStringView(text).mid(i);
        const QChar c = text[i];
        if (c == QLatin1Char('&') && std::none_of(std::begin(entities), std::end(entities), [rest](const char* entity) {
                return rest.startsWith(QLatin1String(entity));
            }))
            out += QStringLiteral("&amp;");
        else if (c == QLatin1Char('<')
            && (rest.size() == 1
                || !(rest[1].isLetter() || rest[1] == QLatin1Char('/') || rest[1] == QLatin1Char('+'))))
            out += QStringLiteral("&lt;");
        else
            out += c;
    }
    return out;
}
