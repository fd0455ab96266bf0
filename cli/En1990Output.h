#pragma once
// trabik-cli calc TASK.DAT --en1990 uls|characteristic|frequent|quasi-permanent: the envelope of the
// EN 1990 combinations as JSON.
#include <QJsonValue>
#include <QString>

struct TDeflectionCheck;

// The task file and the word after --en1990 (a usage error when it is none of the four).
int RunEn1990Calc(const QString& file, const QString& word);

// The "deflectionCheck" object of calc's JSON, null without a check; calc and --en1990 print the same.
QJsonValue DeflectionCheckJson(const TDeflectionCheck& check);
