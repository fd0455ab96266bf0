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
    const TInteger n(RoundCoord(v));
    return QLatin1String(n.Digits, n.Size);
}

QString NegatedCoord(long long v)
{
    // A bare "-" before a negative number would give "--n", which stops the layout.
    return v >= 0 ? QStringLiteral("-") + QString::number(v) : QString::number(-v);
}

QString UserText(const QString& text)
{
    // What a user may type on purpose: entities, text styles, sub- and superscripts and symbols.
    // Anything else that starts with "&" or "<" is text.
    static const char* const kept[] = { "&lt;", "&gt;", "&amp;", "&pagenumber;", "&pagecount;", "&get;", "&let;",
        "&ae;", "&ne;", "&imp;", "<b>", "</b>", "<i>", "</i>", "<u>", "</u>", "<sup>", "</sup>", "<sub>", "</sub>",
        "<+->", "<ortho>", "<paral>", "<alfa>", "<beta>", "<gama>", "<delta>", "<epsilon>", "<kapa>", "<mi>", "<ny>",
        "<omega>", "<pi>", "<PI>", "<sigma>", "<tau>", "<ksi>", "<SUMA>", "<FI>", "<fi>" };
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QStringView rest = QStringView(text).mid(i);
        const bool markup = (c == QLatin1Char('&') || c == QLatin1Char('<'))
            && std::any_of(std::begin(kept), std::end(kept),
                [rest](const char* token) { return rest.startsWith(QLatin1String(token)); });
        if (c == QLatin1Char('&') && !markup)
            out += QStringLiteral("&amp;");
        else if (c == QLatin1Char('<') && !markup)
            out += QStringLiteral("&lt;");
        else
            out += c;
    }
    return out;
}
