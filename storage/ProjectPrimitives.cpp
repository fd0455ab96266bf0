#include "storage/ProjectPrimitives.h"

#include "model/TError.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>
#include <cstdio>

namespace {

const char* const Codepage = "windows-1250";

QString ReadBeyondEnd()
{
    return QStringLiteral("Read beyond end of file");
}

// The file holds the separator of the system that wrote it; only "." and "," are ever written.
QChar DecimalSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? QLatin1Char(',') : QLatin1Char('.');
}

QString CharacterName(char32_t code)
{
    return QStringLiteral("„%1“ (U+%2)")
        .arg(
            QString::fromUcs4(&code, 1), QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

// Finds the first character the code page cannot hold, for the message.
char32_t FirstUnencodable(const QString& text)
{
    for (char32_t code : text.toUcs4()) {
        QStringEncoder encoder(Codepage);
        const QByteArray bytes = encoder.encode(QString::fromUcs4(&code, 1)); // converts only when taken
        if (encoder.hasError() || bytes.isEmpty())
            return code;
    }
    return 0;
}

} // namespace

unsigned char TProjectReader::TakeByte()
{
    if (Pos >= Bytes.size())
        throw TError(ReadBeyondEnd());
    return static_cast<unsigned char>(Bytes[Pos++]);
}

QByteArray TProjectReader::Take(qsizetype count)
{
    if (count > Remaining())
        throw TError(ReadBeyondEnd());
    QByteArray part = Bytes.mid(Pos, count);
    Pos += count;
    return part;
}

void WriteInt(TProjectWriter& file, int value)
{
    if (value < 0 || value > MaxFileInt)
        throw TError(QStringLiteral("Číslo %1 nelze uložit do souboru: povolený rozsah je 0 až 65535.").arg(value));
    file.AppendByte(static_cast<unsigned char>(value / 256));
    file.AppendByte(static_cast<unsigned char>(value % 256));
}

int ReadInt(TProjectReader& file)
{
    const int high = file.TakeByte();
    return high * 256 + file.TakeByte();
}

QByteArray EncodeWindows1250(const QString& text)
{
    QStringEncoder encoder(Codepage);
    if (!encoder.isValid())
        throw TError(QStringLiteral("Kódování Windows-1250 není v tomto systému k dispozici."));
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        const QString what = CharacterName(FirstUnencodable(text));
        throw TError(QStringLiteral("Text „%1“ nelze uložit do souboru: znak %2 nemá v kódování Windows-1250 "
                                    "obdobu. Nahraďte ho prosím jiným znakem.")
                         .arg(text.left(40), what));
    }
    return bytes;
}

QString DecodeWindows1250(const QByteArray& bytes)
{
    QStringDecoder decoder(Codepage);
    if (!decoder.isValid())
        throw TError(QStringLiteral("Kódování Windows-1250 není v tomto systému k dispozici."));
    return decoder.decode(bytes);
}

void WriteStr(TProjectWriter& file, const QString& text)
{
    const QByteArray bytes = EncodeWindows1250(text);
    if (bytes.size() > MaxFileInt)
        throw TError(QStringLiteral("Text „%1…“ nelze uložit do souboru: má %2 bajtů, soubor pojme nejvýše 65535.")
                         .arg(text.left(40))
                         .arg(bytes.size()));
    WriteInt(file, int(bytes.size()));
    unsigned char key = static_cast<unsigned char>(bytes.size() % 256);
    for (char c : bytes) {
        key = static_cast<unsigned char>(static_cast<unsigned char>(c) ^ key);
        file.AppendByte(key);
    }
}

QString ReadStr(TProjectReader& file)
{
    const int length = ReadInt(file);
    QByteArray bytes = file.Take(length);
    unsigned char key = static_cast<unsigned char>(length % 256);
    for (char& c : bytes) {
        const auto stored = static_cast<unsigned char>(c);
        c = char(stored ^ key);
        key = stored;
    }
    return DecodeWindows1250(bytes);
}

QString FormatFileDouble(double value)
{
    if (!std::isfinite(value))
        throw TError(QStringLiteral("Hodnotu „%1“ nelze uložit do souboru: není to konečné číslo.").arg(value));
    if (value == 0)
        return QStringLiteral("0");
    // 15 significant digits as d.dddddddddddddde±x; the separator printf uses is skipped by position.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const QByteArray printed(buffer);
    const qsizetype ePos = printed.indexOf('e');
    QByteArray digits = printed.left(1) + printed.mid(2, ePos - 2);
    const int exponent = printed.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    const QChar sep = DecimalSeparator();
    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent < -5 || exponent >= 15) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            out += sep + QString::fromLatin1(digits.mid(1));
        return out + QLatin1Char('E') + QString::number(exponent);
    }
    if (exponent < 0)
        return out + QLatin1Char('0') + sep + QString(-exponent - 1, QLatin1Char('0')) + QString::fromLatin1(digits);
    const qsizetype integerDigits = exponent + 1;
    if (digits.size() <= integerDigits)
        return out + QString::fromLatin1(digits) + QString(integerDigits - digits.size(), QLatin1Char('0'));
    return out + QString::fromLatin1(digits.left(integerDigits)) + sep + QString::fromLatin1(digits.mid(integerDigits));
}

double ParseFileDouble(const QString& text)
{
    // Files from systems with either separator open; one kind of separator per number.
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?$"));
    bool ok = false;
    double value = 0;
    if (pattern.match(text).hasMatch()) {
        QString plain = text;
        plain.replace(QLatin1Char(','), QLatin1Char('.'));
        value = plain.toLatin1().toDouble(&ok);
    }
    if (!ok || !std::isfinite(value))
        throw TError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

void WriteDouble(TProjectWriter& file, double value)
{
    WriteStr(file, FormatFileDouble(value));
}

double ReadDouble(TProjectReader& file)
{
    return ParseFileDouble(ReadStr(file));
}

void WriteBool(TProjectWriter& file, bool value)
{
    file.AppendByte(value ? 1 : 0);
}

bool ReadBool(TProjectReader& file)
{
    return file.TakeByte() != 0;
}
