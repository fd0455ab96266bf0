#pragma once
// What fuzz_project does with one input, shared with the test that replays its findings.
#include "model/TError.h"
#include "storage/uProjectFile.h"

#include <QByteArray>
#include <QString>

// Opens the bytes as a project file into a fresh task, as opening a file does. A file that opens
// must save, and what it saves must open again and save to the very same bytes. Returns what went
// wrong, or an empty string; a file refused with a message is a sound outcome.
inline QString CheckProjectBytes(const QByteArray& bytes)
{
    TTask opened;
    try {
        opened = DecodeProject(bytes, TTask());
    } catch (const TError&) {
        return {};
    }
    QByteArray saved;
    try {
        saved = EncodeProject(opened);
    } catch (const TError& e) {
        return QStringLiteral("an opened file cannot be saved: ") + e.Message;
    }
    QByteArray savedAgain;
    try {
        savedAgain = EncodeProject(DecodeProject(saved, TTask()));
    } catch (const TError& e) {
        return QStringLiteral("a saved file cannot be opened and saved again: ") + e.Message;
    }
    if (savedAgain != saved)
        return QStringLiteral("saving what was saved and opened again gives other bytes (%1 against %2 bytes)")
            .arg(savedAgain.size())
            .arg(saved.size());
    return {};
}
