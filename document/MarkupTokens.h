#pragma once
// Cutting a mark-up line into tokens, and splitting a tag with arguments.
#include <QString>

struct TMarkupRegisters;

enum class TTokenKind { Word, Tag, Entity };

struct TMarkupToken
{
    TTokenKind Kind = TTokenKind::Word;
    QString Text; // a tag or entity without its closing character gets one appended
    int Start = 0; // index of the first character in the line (0-based)
    int End = 0; // index of the last character consumed
};

// Reads the token that starts at index start (start < line.size()).
TMarkupToken ReadToken(const QString& line, int start);

// The name of a tag with arguments (up to the first blank); the arguments go into Args 1..6
// (further ones are checked but dropped). Throws TError when an argument is not an integer.
QString ParseTagArgs(const QString& token, TMarkupRegisters& registers);

// The integer conversion of a tag argument; throws TError with the platform-style message.
int ConvertTagArgument(const QString& text);
