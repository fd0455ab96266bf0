#include "document/MarkupTokens.h"
#include "document/MarkupRegisters.h"
#include "model/TError.h"

namespace {

TMarkupToken readDelimited(const QString& line, int start, QChar close, TTokenKind kind)
{
    TMarkupToken t;
    t.Kind = kind;
    t.Start = start;
    const int end = line.indexOf(close, start + 1);
    if (end < 0) {
        t.Text = line.mid(start) + close;
        t.End = line.size() - 1;
    } else {
        t.Text = line.mid(start, end - start + 1);
        t.End = end;
    }
    return t;
}

TMarkupToken readWord(const QString& line, int start)
{
    TMarkupToken t;
    t.Start = start;
    int i = start;
    while (i < line.size() && line[i] != QLatin1Char('<') && line[i] != QLatin1Char('&') && line[i] != QLatin1Char(' '))
        ++i;
    if (i < line.size() && line[i] == QLatin1Char(' '))
        ++i; // one trailing blank belongs to the word
    t.Text = line.mid(start, i - start);
    t.End = i - 1;
    return t;
}

} // namespace

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

QString ParseTagArgs(const QString& token, TMarkupRegisters& registers)
{
    int i = token.indexOf(QLatin1Char(' '));
    if (i < 0)
        return token;
    const QString name = token.left(i);
    const int last = token.size() - 1; // the closing '>' or ';'
    int slot = 1;
    while (i < last) {
        ++i; // over exactly one blank
        int j = i;
        while (j < token.size() && token[j] != QLatin1Char(' ') && token[j] != QLatin1Char('>'))
            ++j;
        const int value = ConvertTagArgument(token.mid(i, j - i));
        if (slot <= TMarkupRegisters::ArgCount)
            registers.Args[slot] = value;
        ++slot;
        i = j;
    }
    return name;
}
