#pragma once
// Cutting a mark-up line into tokens, and splitting a tag with arguments.
#include <QString>
#include <QStringView>

struct TMarkupRegisters;

enum class TTokenKind { Word, Tag, Entity };

// A token is a view into its line: it is valid while the line is.
struct TMarkupToken
{
    TTokenKind Kind = TTokenKind::Word;
    // The characters of the token in the line. A tag or entity that reaches the end of the line
    // without its closing character lacks it here; FullText appends it.
    QStringView Text;
    bool Closed = true; // a tag or entity has its closing character in the line
    int Blank = -1; // a tag's or entity's first blank, as an index into Text; -1 none
    int Start = 0; // index of the first character in the line (0-based)
    int End = 0; // index of the last character consumed

    // The token's text as the interpreter reads it: a tag or entity always ends with its closer.
    QString FullText() const;
};

// Reads the token that starts at index start (start < line.size()).
TMarkupToken ReadToken(const QString& line, int start);

// The name of a tag with arguments (up to the first blank; a view into token); the arguments go
// into Args 1..6 (further ones are checked but dropped), each as soon as it is read. Throws TError
// when an argument is not an integer. token is a tag's or entity's full text, closer included.
QStringView ParseTagArgs(QStringView token, TMarkupRegisters& registers);
// The same with the index of the token's first blank known (-1: none, the token is returned).
QStringView ParseTagArgs(QStringView token, qsizetype blank, TMarkupRegisters& registers);

// The integer conversion of a tag argument; throws TError with the platform-style message.
int ConvertTagArgument(const QString& text);
