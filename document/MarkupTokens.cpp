#include "document/MarkupTokens.h"
#include "document/MarkupRegisters.h"
#include "model/TError.h"

#include <limits>

namespace {

TMarkupToken readDelimited(const QString& line, int start, QChar close, TTokenKind kind)
{
    TMarkupToken t;
    t.Kind = kind;
    t.Start = start;
    const QChar* const data = line.constData();
    int end = start + 1;
    while (end < line.size() && data[end] != close)
        ++end;
    if (end == line.size())
        end = -1;
    if (end < 0) {
        t.Text = QStringView(line).mid(start);
        t.Closed = false;
        t.End = line.size() - 1;
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
    const QChar* const data = line.constData();
    const int size = line.size();
    int i = start;
    while (i < size && data[i] != QLatin1Char('<') && data[i] != QLatin1Char('&') && data[i] != QLatin1Char(' '))
        ++i;
    if (i < size && data[i] == QLatin1Char(' '))
        ++i; // one trailing blank belongs to the word
    t.Text = QStringView(line).mid(start, i - start);
    t.End = i - 1;
    return t;
}

// An argument of the common form: an optional sign and at most nine ASCII digits. The value is
// then that of ConvertTagArgument; anything else (longer, other characters, empty) is left to it.
bool plainInteger(QStringView text, int& value)
{
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+'))) {
        negative = text[0] == QLatin1Char('-');
        i = 1;
    }
    const qsizetype digits = text.size() - i;
    if (digits < 1 || digits > 9)
        return false;
    int v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
    }
    value = negative ? -v : v;
    return true;
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
        return readDelimited(line, start, QLatin1Char('>'), TTokenKind::Tag);
    if (c == QLatin1Char('&'))
        return readDelimited(line, start, QLatin1Char(';'), TTokenKind::Entity);
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
    const QChar* const s = token.data();
    const qsizetype size = token.size();
    qsizetype i = 0;
    while (i < size && s[i] != QLatin1Char(' '))
        ++i;
    if (i == size)
        return token;
    const QStringView name = token.left(i);
    const qsizetype last = size - 1; // the closing '>' or ';'
    int slot = 1;
    while (i < last) {
        ++i; // over exactly one blank
        qsizetype j = i;
        while (j < size && s[j] != QLatin1Char(' ') && s[j] != QLatin1Char('>'))
            ++j;
        const QStringView argument = token.mid(i, j - i);
        int value = 0;
        if (!plainInteger(argument, value))
            value = ConvertTagArgument(argument.toString());
        if (slot <= TMarkupRegisters::ArgCount)
            registers.Args[slot] = value;
        ++slot;
        i = j;
    }
    return name;
}
