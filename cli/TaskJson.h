#pragma once
// A task as JSON, both ways: what `dump` prints and what `new` reads, under the same keys.
#include "model/TTask.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>

// Every value of the task as the program holds it after opening the file.
QJsonObject TaskToJson(const TTask& task);

// A task described by the keys of TaskToJson. A key that is missing takes the value of a new task
// (File > New); a key this program does not know, or a value of the wrong kind, is a TError naming
// the key path and the value ("LoadCases[2].PointForces[0].a: očekáváno číslo, zadáno "2,5"").
// Keys that follow from others (SpanL, EndCondition, Combinations) must agree with them when both
// are given, and stand in for them when they are missing.
TTask TaskFromJson(const QJsonObject& json);

// A JSON document read from bytes; a syntax error is a TError with the line and column.
QJsonObject ParseJsonObject(const QByteArray& bytes);

// One value as JSON text, e.g. a string with its quotes and escapes.
QByteArray JsonText(const QJsonValue& value);
