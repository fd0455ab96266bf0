// StrToFloatX, FormatFixed/FmtFixed and RoundHalfEven under both decimal separators.
#include "model/uMyCommonLib.h"
#include "tests/support/LocaleGuard.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

class NumberTextTest : public ::testing::TestWithParam<bool>
{
protected:
    NumberTextTest()
        : Guard(GetParam() ? TLocaleGuard::Comma() : TLocaleGuard::Point())
    {
    }
    // The expected text with the locale's separator: write expectations with ",".
    static QString Sep(QString text) { return text.replace(QLatin1Char(','), QLocale().decimalPoint()); }

    TLocaleGuard Guard;
};

TEST_P(NumberTextTest, ReadsBothSeparatorsWhateverTheLocale)
{
    EXPECT_DOUBLE_EQ(StrToFloatX("2,5"), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloatX("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloatX("  -1.35 "), -1.35);
    EXPECT_DOUBLE_EQ(StrToFloatX("\t7\n"), 7);
    EXPECT_DOUBLE_EQ(StrToFloatX("1.10"), 1.1);
    EXPECT_DOUBLE_EQ(StrToFloatX("1e3"), 1000);
    EXPECT_DOUBLE_EQ(StrToFloatX("1,5E-2"), 0.015);
    EXPECT_DOUBLE_EQ(StrToFloatX("+5"), 5);
    EXPECT_DOUBLE_EQ(StrToFloatX("5."), 5);
    EXPECT_DOUBLE_EQ(StrToFloatX(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloatX("-,5"), -0.5);
    EXPECT_DOUBLE_EQ(StrToFloatX("007,50"), 7.5);
    EXPECT_DOUBLE_EQ(StrToFloatX("0.1"), 0.1); // correctly rounded, like any other conversion
    EXPECT_EQ(StrToFloatX(QString(400, QLatin1Char('9'))), 0.0); // beyond the range of a double
}

TEST_P(NumberTextTest, UnreadableTextIsZero)
{
    for (const char* text :
        { "", "   ", "abc", "1.000,5", "1,000.5", "1 000", "1\u00a0000", "2,5m", "-", "+", ".", "1.5.", "- 1", "0x10",
            "1_0", "1..5", "--1", "1,2,3", "inf", "-inf", "nan", "Infinity", "1e999", "-1e999" })
        EXPECT_EQ(StrToFloatX(QString::fromUtf8(text)), 0.0) << text;
}

TEST_P(NumberTextTest, FixedNotationRoundsToTheSignificantDigits)
{
    EXPECT_EQ(FmtFixed(3, 1234.5678), Sep("1234,568"));
    EXPECT_EQ(FormatFixed(1234.5678, 3, 6), Sep("1234,570"));
    EXPECT_EQ(FormatFixed(1000.5, 3, 6), Sep("1000,500"));
    EXPECT_EQ(FormatFixed(1.1, 3, 6), Sep("1,100"));
    EXPECT_EQ(FormatFixed(0, 3, 6), Sep("0,000"));
    EXPECT_EQ(FormatFixed(-2.5, 3, 6), Sep("-2,500"));
    EXPECT_EQ(FormatFixed(0.00033750, 8, 13), Sep("0,00033750"));
    EXPECT_EQ(FmtFixed(1, 12.25), Sep("12,3")); // halves away from zero
    EXPECT_EQ(FmtFixed(1, -12.25), Sep("-12,3"));
    EXPECT_EQ(FormatFixed(0.0625, 3, 6), Sep("0,063"));
    EXPECT_EQ(FormatFixed(2.5, 0, 6), "3");
    EXPECT_EQ(FormatFixed(99.9996, 3, 6), Sep("100,000"));
    EXPECT_EQ(FormatFixed(123456.7, 3, 6), Sep("123457,000"));
    EXPECT_EQ(FormatFixed(1.23449999, 3, 6), Sep("1,234")); // one rounding, not two
}

TEST_P(NumberTextTest, NoMinusOnZero)
{
    EXPECT_EQ(FormatFixed(-0.0, 3, 6), Sep("0,000"));
    EXPECT_EQ(FormatFixed(-0.0004, 3, 6), Sep("0,000"));
    EXPECT_EQ(FormatFixed(-0.0005, 3, 6), Sep("-0,001"));
    EXPECT_EQ(FmtFixed(1, -1e-20), Sep("0,0"));
}

TEST_P(NumberTextTest, ExponentFormPastThePrecision)
{
    EXPECT_EQ(FormatFixed(12345678.9, 3, 6), Sep("1,23457E+7"));
    EXPECT_EQ(FormatFixed(-1234567, 3, 6), Sep("-1,23457E+6"));
    EXPECT_EQ(FormatFixed(1e8, 3, 6), "1E+8");
    EXPECT_EQ(FormatFixed(999999.7, 3, 6), "1E+6"); // rounding carries into a seventh digit
    EXPECT_EQ(FormatFixed(999999.4, 3, 6), Sep("999999,000"));
    EXPECT_EQ(FmtFixed(3, 123456789.0), Sep("1,2345679E+8"));
    EXPECT_EQ(FormatFixed(1e300, 3, 6), "1E+300");
}

TEST_P(NumberTextTest, FormattedTextReadsBack)
{
    for (double value : { 0.0, 1.1, -2.75, 1000.5, 12345678.9, -9.87654e12, 0.001 })
        EXPECT_NEAR(StrToFloatX(FormatFixed(value, 3, 6)), value, std::fabs(value) * 1e-5 + 5e-4) << value;
}

TEST_P(NumberTextTest, NonFiniteIsVisibleNotZero)
{
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 3, 6), "NAN");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 3, 6), "-INF");
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, NumberTextTest, ::testing::Values(true, false),
    [](const auto& info) { return info.param ? "Comma" : "Point"; });

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(-2.5001), -3);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<long long>::max());
}

} // namespace

namespace {

// A locale whose group separator is the full stop: thousands are never read into a number.
TEST(StrToFloatXTest, GroupSeparatorsAreNeverAccepted)
{
    TLocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StrToFloatX("1.000,5"), 0.0);
    EXPECT_DOUBLE_EQ(StrToFloatX("1.000"), 1.0);
    EXPECT_DOUBLE_EQ(StrToFloatX("1.5e3"), 1500);
    EXPECT_DOUBLE_EQ(StrToFloatX("2,5"), 2.5);
    EXPECT_EQ(FormatFixed(1000.5, 3, 6), QStringLiteral("1000,500"));
}

} // namespace
