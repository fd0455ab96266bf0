#pragma once
// The four kinds of value a project file is made of: 16-bit integers, texts, numbers and booleans.
// A whole file is composed in memory and written at once, and read from memory, so a failure never
// leaves half a file behind and truncation is simply running out of bytes.
#include <QByteArray>
#include <QString>
#include <utility>

// Collects the bytes of a file being written.
class TProjectWriter
{
public:
    TProjectWriter(); // takes the default locale's decimal separator for the numbers
    void AppendByte(unsigned char byte) { Bytes.append(char(byte)); }
    const QByteArray& Data() const { return Bytes; }
    char DecimalSeparator() const { return Separator; }

private:
    QByteArray Bytes;
    char Separator;
};

// Reads a file's bytes from the front; running out of bytes is the error "Read beyond end of file".
class TProjectReader
{
public:
    explicit TProjectReader(QByteArray bytes)
        : Bytes(std::move(bytes))
    {
    }
    unsigned char TakeByte();
    QByteArray Take(qsizetype count);
    const char* TakeRaw(qsizetype count); // valid while the reader lives
    qsizetype Remaining() const { return Bytes.size() - Pos; }
    qsizetype Position() const { return Pos; }

private:
    QByteArray Bytes;
    qsizetype Pos = 0;
};

constexpr int MaxFileInt = 65535;

// Unsigned 16 bits, high byte first. A value outside 0..65535 is refused with a Czech message.
void WriteInt(TProjectWriter& file, int value);
int ReadInt(TProjectReader& file);

// Length as WriteInt, then the Windows-1250 bytes of the text, each xor-ed with a running key that
// starts at the length modulo 256 and then is the previous encoded byte. Refused (Czech message)
// when a character has no Windows-1250 byte or the text needs more than 65535 bytes.
void WriteStr(TProjectWriter& file, const QString& text);
QString ReadStr(TProjectReader& file);

// A number as text in the general format (see FormatFileDouble).
void WriteDouble(TProjectWriter& file, double value);
double ReadDouble(TProjectReader& file);

// One byte: 1 or 0; any non-zero byte reads as true.
void WriteBool(TProjectWriter& file, bool value);
bool ReadBool(TProjectReader& file);

// The text conversions behind the primitives, on their own for tests and tools.
QByteArray EncodeWindows1250(const QString& text); // throws TError naming the first character it cannot hold
QString DecodeWindows1250(const QByteArray& bytes); // every byte has a character

// Up to 15 significant digits, trailing zeros dropped, the default locale's decimal separator;
// exponent form ("1E-6", "1,5E20") for magnitudes below 1e-5 and for 16 or more integer digits.
QString FormatFileDouble(double value);
// The inverse: digits with an optional sign, one decimal separator ("." or ",", whichever the file
// has) and an optional exponent; anything else throws "'text' is not a valid floating point value".
double ParseFileDouble(const QString& text);
