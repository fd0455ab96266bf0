#pragma once
// The project file (*.DAT): the whole task as one flat sequence of values in a fixed order, with no
// header and no version. Windows-1250 texts, numbers as texts with the system's decimal separator.
// Inputs newer than that order follow it in an extension block of key/value texts, written only
// when one of them is set.
#include "model/TTask.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bytes of the project file of `task`. Throws TError (Czech) for what the format cannot hold:
// a character outside Windows-1250, a text of more than 65535 bytes, a count above 65535.
QByteArray EncodeProject(const TTask& task);

// The values of the extension block, key and text in file order: the known keys whose value is not
// that of a new task, the EN 1990 values that are set, then the keys this program does not know.
using TExtensionItems = std::vector<std::pair<QString, QString>>;
TExtensionItems ExtensionItemsOf(const TTask& task);
// The task's extension values from such items (every other one back to its default); items for a
// load case the task does not have are kept as unknown keys.
void SetExtensionItems(TTask& task, const TExtensionItems& items);

// Rebuilds a task from project file bytes as Open does: `base` supplies what files do not hold
// (deflection rectangle and lists, calculation choices, enabled states of the print options but the
// first). Load cases are renumbered 1..N in file order. Throws TError ("Read beyond end of file",
// "'x' is not a valid floating point value") for bytes that do not make a task. What opened but not
// whole (a damaged extension block, whose values keep their defaults) is added to `warnings` in
// Czech, for the user to be told.
TTask DecodeProject(const QByteArray& bytes, const TTask& base = TTask(), QStringList* warnings = nullptr);

// Writes the file whole or not at all: the bytes are composed first and then go to a temporary file
// beside the target, which replaces the target only when everything was written. A file saved over
// keeps its permissions.
void SaveProject(const TTask& task, const QString& path);

// Opens a file into `task`; the task is replaced only when the whole file was read. Warnings as
// DecodeProject's.
void LoadProject(const QString& path, TTask& task, QStringList* warnings = nullptr);
// Opens a file into a task that starts as the program starts (before its first load case).
TTask LoadProject(const QString& path, QStringList* warnings = nullptr);

// The bytes of a file as LoadProject reads them (at most the first MaxProjectFileBytes).
QByteArray ReadProjectBytes(const QString& path);
// Writes bytes as SaveProject does.
void WriteProjectBytes(const QByteArray& bytes, const QString& path);

// Files are read into memory; a valid project never comes near this, a foreign file is cut here.
constexpr qint64 MaxProjectFileBytes = qint64(256) * 1024 * 1024;
