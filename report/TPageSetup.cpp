#include "report/TPageSetup.h"

#include "model/TError.h"

#include <QPainter>
#include <cmath>

QDateTime SystemNow()
{
    return QDateTime::currentDateTime();
}

TPageSetup::TPageSetup()
    : Logo(DefaultLogo())
    , Address1Memo { QStringLiteral("Statická kancelář"), QStringLiteral("<b>www.example.cz</b>") }
    , Address2Memo { QStringLiteral("e-mail: <u>kancelar@example.cz</u>") }
    , Font(QStringLiteral("Arial CE"), 8)
{
}

int TPageSetup::FontPoints() const
{
    if (Font.pointSize() > 0)
        return Font.pointSize();
    if (Font.pixelSize() > 0) // a font given in pixels: 96 dots per inch
        return int(std::lround(Font.pixelSize() * 72.0 / 96.0));
    return 8;
}

QImage DefaultLogo()
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 3));
    p.drawRect(2, 2, 59, 59);
    p.setPen(QPen(Qt::black, 4));
    p.drawLine(10, 30, 54, 30); // the beam
    p.setPen(QPen(Qt::black, 2));
    p.drawPolygon(QPolygon({ QPoint(14, 32), QPoint(9, 42), QPoint(19, 42) }));
    p.drawEllipse(QPoint(50, 37), 5, 5);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    for (int x = 18; x <= 46; x += 7)
        p.drawLine(x, 14, x, 26);
    return image;
}

int StrictToInt(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    const int firstDigit = i;
    long long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 2147483648LL)
            break;
    }
    if (negative)
        value = -value;
    if (i == firstDigit || i != text.size() || value > 2147483647LL || value < -2147483648LL)
        throw TError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return int(value);
}
