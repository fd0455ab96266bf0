#pragma once
// Which project file the task belongs to and whether it changed since the last New task, Open or
// Save. "Changed" means the task would now save to other bytes than it did then, so every edit the
// file keeps counts, wherever it was made, and nothing the file does not keep does.
#include "model/TTask.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class TProjectFileState
{
public:
    // The task as it stands is the saved state; `path` is its file (empty for a new task).
    void Reset(const TTask& task, const QString& path = QString());

    // An edit may have changed the task: the next look encodes it again. Between edits the task
    // is not encoded at all; an edit undone by hand still compares clean.
    void NoteEdit() { ++Edits; }

    // Compared with the saved bytes as of the last noted edit.
    bool IsModified(const TTask& task) const;
    // Compared now, whatever was noted: for the questions before the task is set aside.
    bool IsModifiedNow(const TTask& task) const;
    const QString& Path() const { return FilePath; }

    // "Trabík v.2.2", then " – " and the file's name when there is a file, and " *" while changed.
    QString Caption(const TTask& task) const;

    // How often the task was encoded for a comparison (Reset included).
    int Encodes() const { return EncodeCount; }

private:
    QString FilePath;
    std::optional<QByteArray> SavedBytes; // none when the task could not be encoded
    std::uint64_t Edits = 0;
    mutable std::uint64_t ComparedAt = 0; // Edits at the last comparison
    mutable bool Modified = false; // its outcome
    mutable int EncodeCount = 0;
};

// The bytes the task saves to, with the combination grid brought in line with the load cases as
// the combinations tab does on entry: looking at that tab is not a change.
std::optional<QByteArray> ProjectBytes(const TTask& task);
