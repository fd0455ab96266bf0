#include "document/MarkupTokens.h"
#include "document/MarkupRegisters.h"
#include "model/TError.h"

namespace {

const char16_t* utf16(const QString& line)
{
    return reinterpret_cast<const char16_t*>(line.constData());
}

// A tag or entity runs to its closer (or to the end of the line); its first blank is noted on the way.
TMarkupToken readDelimited(const QString& line, int start, char16_t close, TTokenKind kind)
{
    TMarkupToken t;
    t.Kind = kind;
    t.Start = start;
    const char16_t* const data = utf16(line);
    const int size = line.size();
    int end = start + 1;
    while (end < size && data[end] != close)
        ++end;
    for (int i = start + 1; i < end; ++i) {
        if (data[i] == u' ') {
            t.Blank = i - start;
            break;
        }
    }
    if (end == size) {
        t.Text = QStringView(line).mid(start);
        t.Closed = false;
        t.End = size - 1;
    } else {
        t.Text = QStringView(line).mid(start, end - start + 1);
        t.End = end;
    }
    return t;
}

TMarkupToken readWord(const QString& line, int start)
{
    TMarkupToken t;
    t.Start = start;
    const char16_t* const data = utf16(line);
    const int size = line.size();
    int i = start;
    while (i < size && data[i] != u'<' && data[i] != u'&' && data[i] != u' ')
        ++i;
    if (i < size && data[i] == u' ')
        ++i; // one trailing blank belongs to the word
    t.Text = QStringView(line).mid(start, i - start);
    t.End = i - 1;
    return t;
}

} // namespace

QString TMarkupToken::FullText() const
{
    if (Closed)
        return Text.toString();
    return Text.toString() + (Kind == TTokenKind::Entity ? QLatin1Char(';') : QLatin1Char('>'));
}

TMarkupToken ReadToken(const QString& line, int start)
{
    const QChar c = line[start];
    if (c == QLatin1Char('<'))
        return readDelimited(line, start, u'>', TTokenKind::Tag);
    if (c == QLatin1Char('&'))
        return readDelimited(line, start, u';', TTokenKind::Entity);
    return readWord(line, start);
}

int ConvertTagArgument(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    // toInt accepts surrounding blanks; the tag syntax cannot produce them, but be strict anyway.
    if (!ok || text.trimmed() != text)
        throw TError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

QStringView ParseTagArgs(QStringView token, TMarkupRegisters& registers)
{
    return ParseTagArgs(token, token.indexOf(QLatin1Char(' ')), registers);
}

QStringView ParseTagArgs(QStringView token, qsizetype blank, TMarkupRegisters& registers)
{
    if (blank < 0)
        return token;
    const char16_t* const s = token.utf16();
    const qsizetype size = token.size();
    const qsizetype last = size - 1; // the closing '>' or ';'
    qsizetype i = blank;
    int slot = 1;
    while (i < last) {
        ++i; // over exactly one blank
        // An argument runs to the next blank or '>'. The common form, an optional sign and at most
        // nine ASCII digits, is read here; any other is left to ConvertTagArgument, for its value
        // or its message.
        qsizetype j = i;
        const bool negative = s[j] == u'-';
        if (negative || s[j] == u'+')
            ++j;
        const qsizetype digits = j;
        unsigned magnitude = 0;
        bool plain = true;
        for (; j < size && s[j] != u' ' && s[j] != u'>'; ++j) {
            const unsigned digit = static_cast<unsigned>(s[j]) - u'0';
            plain = plain && digit <= 9;
            magnitude = magnitude * 10 + digit;
        }
        int value = 0;
        if (plain && j > digits && j - digits <= 9)
            value = negative ? -static_cast<int>(magnitude) : static_cast<int>(magnitude);
        else
            value = ConvertTagArgument(token.mid(i, j - i).toString());
        if (slot <= TMarkupRegisters::ArgCount)
            registers.Args[slot] = value;
        ++slot;
        i = j;
    }
    return token.left(blank);
}
