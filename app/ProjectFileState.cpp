#include "app/ProjectFileState.h"

#include "storage/uProjectFile.h"

#include <QFileInfo>

std::optional<QByteArray> ProjectBytes(const TTask& task)
{
    TTask shown = task;
    shown.RefreshCombinationGrid();
    try {
        return EncodeProject(shown);
    } catch (const std::exception&) {
        return std::nullopt; // a text the file cannot hold: the save would fail, so it is unsaved work
    }
}

void TProjectFileState::Reset(const TTask& task, const QString& path)
{
    FilePath = path;
    SavedBytes = ProjectBytes(task);
    ++EncodeCount;
    ComparedAt = Edits;
    Modified = !SavedBytes;
}

bool TProjectFileState::IsModified(const TTask& task) const
{
    if (ComparedAt != Edits)
        IsModifiedNow(task);
    return Modified;
}

bool TProjectFileState::IsModifiedNow(const TTask& task) const
{
    const std::optional<QByteArray> now = ProjectBytes(task);
    ++EncodeCount;
    ComparedAt = Edits;
    Modified = !now || !SavedBytes || *now != *SavedBytes;
    return Modified;
}

QString TProjectFileState::Caption(const TTask& task) const
{
    QString caption = QStringLiteral("Trabík v.2.2");
    if (!FilePath.isEmpty())
        caption += QStringLiteral(" – ") + QFileInfo(FilePath).fileName();
    if (IsModified(task))
        caption += QStringLiteral(" *");
    return caption;
}
