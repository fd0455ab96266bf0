#include "StorageTestSupport.h"

#include "model/TError.h"
#include "storage/ProjectPrimitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(hex);
}

template <typename Write> QByteArray Bytes(Write write)
{
    TProjectWriter f;
    write(f);
    return f.Data();
}

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const TError& e) {
        return e.Message;
    }
    return QString();
}

} // namespace

TEST(ProjectPrimitives, WorkedExamplesComeOutByteForByte)
{
    TLocaleGuard comma(TLocaleGuard::Comma());
    EXPECT_EQ(Bytes([](auto& f) { WriteStr(f, QStringLiteral("abc")); }), Hex("0003620063"));
    EXPECT_EQ(Bytes([](auto& f) { WriteDouble(f, 1.5); }), Hex("0003321e2b"));
    EXPECT_EQ(Bytes([](auto& f) { WriteInt(f, 300); }), Hex("012c"));
    EXPECT_EQ(Bytes([](auto& f) { WriteStr(f, QString()); }), Hex("0000"));
    EXPECT_EQ(Bytes([](auto& f) {
        WriteBool(f, true);
        WriteBool(f, false);
    }),
        Hex("0100"));
}

TEST(ProjectPrimitives, IntegersAreSixteenBitsHighByteFirst)
{
    for (int value : { 0, 1, 255, 256, 300, 65535 }) {
        TProjectReader r(Bytes([value](auto& f) { WriteInt(f, value); }));
        EXPECT_EQ(ReadInt(r), value);
        EXPECT_EQ(r.Remaining(), 0);
    }
    TProjectReader highest(Hex("ffff"));
    EXPECT_EQ(ReadInt(highest), 65535);
    EXPECT_TRUE(ErrorOf([] { Bytes([](auto& f) { WriteInt(f, 65536); }); }).contains(QStringLiteral("65535")));
    EXPECT_FALSE(ErrorOf([] { Bytes([](auto& f) { WriteInt(f, -1); }); }).isEmpty());
}

TEST(ProjectPrimitives, BooleansReadAnyNonZeroByteAsTrue)
{
    TProjectReader r(Hex("00017fff"));
    EXPECT_FALSE(ReadBool(r));
    EXPECT_TRUE(ReadBool(r));
    EXPECT_TRUE(ReadBool(r));
    EXPECT_TRUE(ReadBool(r));
}

TEST(ProjectPrimitives, TextsKeepEveryWindows1250Character)
{
    // All 256 byte values survive decoding and encoding, and the xor key runs over long texts.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString decoded = DecodeWindows1250(all);
    EXPECT_EQ(EncodeWindows1250(decoded), all);

    const QString czech = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy – „ŽŠČŘĎŤŇĚŮ“ €");
    EXPECT_EQ(EncodeWindows1250(QStringLiteral("žŠ€–")), Hex("9e8a8096"));
    for (const QString& text : { czech, decoded, QString(300, QLatin1Char('x')), QString() }) {
        TProjectReader r(Bytes([&](auto& f) { WriteStr(f, text); }));
        EXPECT_EQ(ReadStr(r), text);
        EXPECT_EQ(r.Remaining(), 0);
    }
}

TEST(ProjectPrimitives, TextsTheFileCannotHoldAreRefusedNotCut)
{
    const QString snowman = QStringLiteral("Střecha ☃ nad garáží");
    const QString message = ErrorOf([&] { Bytes([&](auto& f) { WriteStr(f, snowman); }); });
    EXPECT_TRUE(message.contains(QStringLiteral("„☃“ (U+2603)"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Windows-1250")));

    // A character outside the basic plane is named whole, not as half a surrogate pair.
    const QString emoji = QStringLiteral("a😀b");
    EXPECT_TRUE(ErrorOf([&] { EncodeWindows1250(emoji); }).contains(QStringLiteral("U+1F600")));

    const QString longest(65535, QLatin1Char('a'));
    TProjectWriter f;
    WriteStr(f, longest);
    EXPECT_EQ(f.Data().size(), 65537);
    const QString tooLong = ErrorOf([] { Bytes([](auto& g) { WriteStr(g, QString(65536, QLatin1Char('a'))); }); });
    EXPECT_TRUE(tooLong.contains(QStringLiteral("65536 bajtů"))) << tooLong.toStdString();
}

TEST(ProjectPrimitives, NumbersUseGeneralFormatWithFifteenDigits)
{
    struct Case
    {
        double value;
        const char* text;
    };
    const Case cases[] = {
        { 0, "0" },
        { -0.0, "0" },
        { 1.5, "1,5" },
        { -1.5, "-1,5" },
        { 10, "10" },
        { 100000, "100000" },
        { 0.1, "0,1" },
        { 1.1, "1,1" },
        { 1.35, "1,35" },
        { 0.00001, "0,00001" },
        { 0.000012345, "0,000012345" },
        { 1e-6, "1E-6" },
        { -2.5e-7, "-2,5E-7" },
        { 9.99e-6, "9,99E-6" },
        { 1.0 / 3, "0,333333333333333" },
        { 2.0 / 3, "0,666666666666667" },
        { 123456789012345, "123456789012345" },
        { 999999999999999, "999999999999999" },
        { 1e15, "1E15" },
        { 1.5e20, "1,5E20" },
        { 1e100, "1E100" },
        { 1234.5678, "1234,5678" },
        { 5e-324, "4,94065645841247E-324" },
    };
    {
        TLocaleGuard comma(TLocaleGuard::Comma());
        for (const Case& c : cases)
            EXPECT_EQ(FormatFileDouble(c.value), QString::fromUtf8(c.text)) << c.text;
    }
    TLocaleGuard dot(TLocaleGuard::Point());
    for (const Case& c : cases)
        EXPECT_EQ(FormatFileDouble(c.value), QString::fromUtf8(c.text).replace(',', '.')) << c.text;
}

TEST(ProjectPrimitives, NumbersReadWithEitherSeparator)
{
    for (const QLocale& locale : { TLocaleGuard::Comma(), TLocaleGuard::Point() }) {
        TLocaleGuard scope(locale);
        EXPECT_EQ(ParseFileDouble(QStringLiteral("1,5")), 1.5);
        EXPECT_EQ(ParseFileDouble(QStringLiteral("1.5")), 1.5);
        EXPECT_EQ(ParseFileDouble(QStringLiteral("-2,5E-7")), -2.5e-7);
        EXPECT_EQ(ParseFileDouble(QStringLiteral("1E15")), 1e15);
        EXPECT_EQ(ParseFileDouble(QStringLiteral("+7")), 7);
        EXPECT_EQ(ParseFileDouble(QStringLiteral("5.")), 5);
        EXPECT_EQ(ParseFileDouble(QStringLiteral(",25")), 0.25);
        EXPECT_EQ(ParseFileDouble(QStringLiteral("1e3")), 1000);
        // Written and read back, every double keeps its 15 significant digits.
        for (double v : { 1.0 / 3, -123.456, 6.02214076e23, 1e-300, 4.9e-324 }) {
            const double back = ParseFileDouble(FormatFileDouble(v));
            EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
        }
    }
}

TEST(ProjectPrimitives, TextsThatAreNotNumbersAreErrors)
{
    for (const char* text : { "", " 1", "1 ", "abc", "1.000,5", "1,000.5", "1..5", "1,5,5", "1E", "E5", "-", ".",
             "1e400", "inf", "nan", "0x10", "1 000", "٣" }) {
        const QString t = QString::fromUtf8(text);
        EXPECT_EQ(
            ErrorOf([&] { ParseFileDouble(t); }), QStringLiteral("'%1' is not a valid floating point value").arg(t))
            << text;
    }
    // A damaged field of up to 64 KB is quoted by its beginning only.
    const QString junk = QStringLiteral("x").repeated(65535);
    EXPECT_EQ(ErrorOf([&] { ParseFileDouble(junk); }),
        QStringLiteral("'%1…' is not a valid floating point value").arg(junk.left(40)));
    EXPECT_FALSE(ErrorOf([] { FormatFileDouble(std::numeric_limits<double>::infinity()); }).isEmpty());
    EXPECT_FALSE(ErrorOf([] { FormatFileDouble(std::nan("")); }).isEmpty());
}

TEST(ProjectPrimitives, RunningOutOfBytesIsReadBeyondEndOfFile)
{
    const QString eof = QStringLiteral("Read beyond end of file");
    EXPECT_EQ(ErrorOf([] {
        TProjectReader r(QByteArray {});
        ReadBool(r);
    }),
        eof);
    EXPECT_EQ(ErrorOf([] {
        TProjectReader r(Hex("01"));
        ReadInt(r);
    }),
        eof);
    EXPECT_EQ(ErrorOf([] {
        TProjectReader r(Hex("000362"));
        ReadStr(r);
    }),
        eof);
    EXPECT_EQ(ErrorOf([] {
        TProjectReader r(Hex("ffff"));
        ReadStr(r);
    }),
        eof);
}
