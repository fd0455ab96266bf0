#include "document/MarkupTokens.h"
#include "document/MarkupRegisters.h"
#include "model/TError.h"

#include <gtest/gtest.h>

namespace {

// The tokens of a line as "kind:text" strings.
std::vector<std::string> Tokens(const QString& line)
{
    std::vector<std::string> out;
    for (int i = 0; i < line.size();) {
        const TMarkupToken t = ReadToken(line, i);
        const char* kind = t.Kind == TTokenKind::Word ? "w:" : (t.Kind == TTokenKind::Tag ? "t:" : "e:");
        out.push_back(kind + t.FullText().toStdString());
        i = t.End + 1;
    }
    return out;
}

using V = std::vector<std::string>;

} // namespace

TEST(MarkupTokens, WordsKeepOneTrailingBlankAndNeverCollapseBlanks)
{
    EXPECT_EQ(Tokens("a  b"), (V { "w:a ", "w: ", "w:b" }));
    EXPECT_EQ(Tokens("  x"), (V { "w: ", "w: ", "w:x" }));
    EXPECT_EQ(Tokens("Mn= 5<br>"), (V { "w:Mn= ", "w:5", "t:<br>" }));
    EXPECT_EQ(Tokens("a&lt;b"), (V { "w:a", "e:&lt;", "w:b" }));
}

TEST(MarkupTokens, UnterminatedTagOrEntityTakesRestOfLine)
{
    EXPECT_EQ(Tokens("text <b nic dal"), (V { "w:text ", "t:<b nic dal>" }));
    EXPECT_EQ(Tokens("a &amp"), (V { "w:a ", "e:&amp;" }));
    EXPECT_EQ(Tokens("<b"), (V { "t:<b>" }));
    // A '<' inside an entity is just a character of it.
    EXPECT_EQ(Tokens("&x<y;z"), (V { "e:&x<y;", "w:z" }));
}

TEST(MarkupTokens, AmpersandWithBlankReachesToSemicolon)
{
    EXPECT_EQ(Tokens("A & B; C"), (V { "w:A ", "e:& B;", "w: ", "w:C" }));
}

TEST(ParseTagArgs, NameAndArgumentsIntoSlots)
{
    TMarkupRegisters r;
    EXPECT_EQ(ParseTagArgs(u"<moverel 0 25>", r), QStringLiteral("<moverel"));
    EXPECT_EQ(r.Args[1], 0);
    EXPECT_EQ(r.Args[2], 25);
    EXPECT_EQ(ParseTagArgs(u"<line -5 +7 2147483647 -2147483648>", r), QStringLiteral("<line"));
    EXPECT_EQ(r.Args[1], -5);
    EXPECT_EQ(r.Args[2], 7);
    EXPECT_EQ(r.Args[3], 2147483647);
    EXPECT_EQ(r.Args[4], -2147483648);
}

TEST(ParseTagArgs, FewerArgumentsLeaveOtherSlots)
{
    TMarkupRegisters r;
    ParseTagArgs(u"<box 1 2 3 4>", r);
    ParseTagArgs(u"<pen 9>", r);
    EXPECT_EQ(r.Args[1], 9);
    EXPECT_EQ(r.Args[2], 2);
    EXPECT_EQ(r.Args[4], 4);
}

TEST(ParseTagArgs, MoreThanSixArgumentsAreCheckedButDropped)
{
    TMarkupRegisters r;
    ParseTagArgs(u"<x 1 2 3 4 5 6 7 8>", r);
    EXPECT_EQ(r.Args[6], 6);
    EXPECT_THROW(ParseTagArgs(u"<x 1 2 3 4 5 6 7 z>", r), TError);
}

TEST(ParseTagArgs, BadArgumentsRaiseTheConversionError)
{
    TMarkupRegisters r;
    for (const char* bad : { "<cur 1  2>", "<cur 1 >", "<cur >", "<pen x>", "<pen 1.5>", "<pen 2147483648>",
             "<pen 0x10>", "& B;", "& 5;", "<pen \t5>" })
        EXPECT_THROW(ParseTagArgs(QString::fromUtf8(bad), r), TError) << bad;
    try {
        ParseTagArgs(u"<cur 1  2>", r);
    } catch (const TError& e) {
        EXPECT_EQ(e.Message, QStringLiteral("'' is not a valid integer value"));
    }
    try {
        ParseTagArgs(u"<pen abc>", r);
    } catch (const TError& e) {
        EXPECT_EQ(e.Message, QStringLiteral("'abc' is not a valid integer value"));
    }
}

// Every argument reads as ConvertTagArgument reads it alone: the same value or the same message.
TEST(ParseTagArgs, ArgumentsReadAsTheConversionReadsThem)
{
    for (const char* text : { "0", "-0", "+0", "7", "+7", "-7", "007", "123456789", "-999999999", "1234567890",
             "2147483647", "-2147483648", "2147483648", "-2147483649", "00000000000042", "-", "+", "--1", "+-1", "1-",
             "1.5", "1e3", "0x10", "\xd9\xa1\xd9\xa2", "\xef\xbc\x91", "5;" }) {
        const QString argument = QString::fromUtf8(text);
        QString expected, actual;
        TMarkupRegisters r;
        try {
            expected = QString::number(ConvertTagArgument(argument));
        } catch (const TError& e) {
            expected = e.Message;
        }
        try {
            ParseTagArgs(QStringLiteral("<pen %1>").arg(argument), r);
            actual = QString::number(r.Args[1]);
        } catch (const TError& e) {
            actual = e.Message;
        }
        EXPECT_EQ(actual, expected) << text;
    }
}
