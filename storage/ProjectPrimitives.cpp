#include "storage/ProjectPrimitives.h"

#include "model/TError.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

const char* const Codepage = "windows-1250";

QString ReadBeyondEnd()
{
    return QStringLiteral("Read beyond end of file");
}

// The file holds the separator of the system that wrote it; only "." and "," are ever written.
char SystemDecimalSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? ',' : '.';
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

bool IsAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool IsAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Digits with an optional sign, at most one separator ("." or ",") and an optional exponent.
bool IsFileNumber(std::string_view text)
{
    size_t i = 0;
    const size_t n = text.size();
    auto digits = [&] {
        const size_t start = i;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    auto sign = [&] {
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
    };
    sign();
    size_t mantissa = digits();
    if (i < n && (text[i] == '.' || text[i] == ','))
        ++i, mantissa += digits();
    if (mantissa == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0)
            return false;
    }
    return i == n;
}

// Files from systems with either separator open; one separator per number.
bool ParseNumber(std::string_view text, double& value)
{
    if (!IsFileNumber(text))
        return false;
    std::string plain(text.substr(text.front() == '+' ? 1 : 0)); // from_chars takes no plus sign
    std::replace(plain.begin(), plain.end(), ',', '.');
    const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return parsed.ec == std::errc() && parsed.ptr == plain.data() + plain.size() && std::isfinite(value);
}

// A damaged number field can hold 64 KB of anything: the message quotes its beginning.
[[noreturn]] void ThrowNotANumber(const QString& text)
{
    constexpr int Quoted = 40;
    const QString shown = text.size() > Quoted ? text.left(Quoted) + QStringLiteral("…") : text;
    throw TError(QStringLiteral("'%1' is not a valid floating point value").arg(shown));
}

// 15 significant digits, trailing zeros dropped; exponent form below 1e-5 and from 1e15 on.
std::string FormatNumber(double value, char sep)
{
    if (!std::isfinite(value))
        throw TError(QStringLiteral("Hodnotu „%1“ nelze uložit do souboru: není to konečné číslo.").arg(value));
    if (value == 0)
        return "0";
    char printed[32] {}; // d.dddddddddddddde±x, whatever the C library's locale
    const char* const end
        = std::to_chars(printed, printed + sizeof printed, std::fabs(value), std::chars_format::scientific, 14).ptr;
    const char* const e = std::find(static_cast<const char*>(printed), end, 'e');
    std::string digits(1, printed[0]);
    digits.append(printed + 2, size_t(e - printed - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);

    std::string out;
    out.reserve(32);
    if (value < 0)
        out += '-';
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1)
            out.append(1, sep).append(digits, 1);
        return out.append(1, 'E').append(std::to_string(exponent));
    }
    if (exponent < 0)
        return out.append(1, '0').append(1, sep).append(size_t(-exponent - 1), '0').append(digits);
    const size_t integerDigits = size_t(exponent) + 1;
    if (digits.size() <= integerDigits)
        return out.append(digits).append(integerDigits - digits.size(), '0');
    return out.append(digits, 0, integerDigits).append(1, sep).append(digits, integerDigits);
}

void WriteBytes(TProjectWriter& file, const char* data, qsizetype size)
{
    WriteInt(file, int(size));
    unsigned char key = static_cast<unsigned char>(size % 256);
    for (qsizetype i = 0; i < size; ++i) {
        key = static_cast<unsigned char>(static_cast<unsigned char>(data[i]) ^ key);
        file.AppendByte(key);
    }
}

// The stored text of a value with the xor undone, in the code page's bytes.
template <typename Bytes> Bytes ReadBytes(TProjectReader& file)
{
    const int length = ReadInt(file);
    const char* stored = file.TakeRaw(length);
    Bytes bytes(size_t(length), '\0');
    unsigned char key = static_cast<unsigned char>(length % 256);
    for (int i = 0; i < length; ++i) {
        const auto e = static_cast<unsigned char>(stored[i]);
        bytes[i] = char(e ^ key);
        key = e;
    }
    return bytes;
}

} // namespace

TProjectWriter::TProjectWriter()
    : Separator(SystemDecimalSeparator())
{
}

unsigned char TProjectReader::TakeByte()
{
    if (Pos >= Bytes.size())
        throw TError(ReadBeyondEnd());
    return static_cast<unsigned char>(Bytes[Pos++]);
}

QByteArray TProjectReader::Take(qsizetype count)
{
    return QByteArray(TakeRaw(count), count);
}

const char* TProjectReader::TakeRaw(qsizetype count)
{
    if (count > Remaining())
        throw TError(ReadBeyondEnd());
    const char* part = Bytes.constData() + Pos;
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
    // Numbers and most texts are plain ASCII, the same bytes in every code page; setting up the
    // converter costs more than the conversion.
    if (IsAscii(text))
        return text.toLatin1();
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
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
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
    WriteBytes(file, bytes.constData(), bytes.size());
}

QString ReadStr(TProjectReader& file)
{
    return DecodeWindows1250(ReadBytes<QByteArray>(file));
}

QString FormatFileDouble(double value)
{
    return QString::fromStdString(FormatNumber(value, SystemDecimalSeparator()));
}

double ParseFileDouble(const QString& text)
{
    double value = 0;
    if (!IsAscii(text) || !ParseNumber(text.toStdString(), value))
        ThrowNotANumber(text);
    return value;
}

void WriteDouble(TProjectWriter& file, double value)
{
    const std::string text = FormatNumber(value, file.DecimalSeparator());
    WriteBytes(file, text.data(), qsizetype(text.size()));
}

double ReadDouble(TProjectReader& file)
{
    // A short std::string needs no allocation; numbers are short.
    const std::string bytes = ReadBytes<std::string>(file);
    double value = 0;
    if (!ParseNumber(bytes, value))
        ThrowNotANumber(DecodeWindows1250(QByteArray::fromStdString(bytes)));
    return value;
}

void WriteBool(TProjectWriter& file, bool value)
{
    file.AppendByte(value ? 1 : 0);
}

bool ReadBool(TProjectReader& file)
{
    return file.TakeByte() != 0;
}
