// Opening and saving project files on disk; the byte layout is in ProjectLayout.cpp.
#include "storage/uProjectFile.h"

#include "model/TError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

// The messages the user knows from file errors, chosen by the system's error code.
QString FileErrorText(int code, QFileDevice::FileError qtError)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("File not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    case 0:
        return QStringLiteral("I/O error %1").arg(int(qtError));
    default:
        return QStringLiteral("I/O error %1").arg(code);
    }
}

[[noreturn]] void ThrowFileError(int code, const QFileDevice& file)
{
    throw TError(FileErrorText(code, file.error()));
}

} // namespace

QByteArray ReadProjectBytes(const QString& path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int code = errno;
        const QFileInfo source(path);
        if (!source.exists())
            throw TError(QStringLiteral("File not found"));
        if (source.isDir())
            throw TError(QStringLiteral("File access denied")); // what opening a folder as a file gives
        ThrowFileError(code, file);
    }
    // In pieces: asking for the whole limit at once would allocate it.
    QByteArray bytes;
    if (!file.isSequential())
        bytes.reserve(qMin(file.size(), MaxProjectFileBytes));
    while (bytes.size() < MaxProjectFileBytes) {
        errno = 0;
        const QByteArray piece = file.read(qMin<qint64>(1 << 20, MaxProjectFileBytes - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            ThrowFileError(errno, file);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    return bytes;
}

void WriteProjectBytes(const QByteArray& bytes, const QString& path)
{
    // The new file is a new inode: it must get the mode the user gave the old one.
    const QFileInfo previous(path);
    const bool replacing = previous.exists() && previous.isFile();
    // Without the "User" bits: they say what this process may do, and setting them would set the
    // owner's bits (the superuser may write any file).
    constexpr QFileDevice::Permissions ThisProcess
        = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    const QFileDevice::Permissions permissions
        = replacing ? previous.permissions() & ~ThisProcess : QFileDevice::Permissions();
    QSaveFile file(path);
    // Writing straight into the target would destroy it on a failure; rather fail.
    file.setDirectWriteFallback(false);
    errno = 0;
    // Unbuffered, so a short write shows at once: a buffered flush that fails inside commit() is
    // not reported by it, and the cut file would replace the target.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int code = errno;
        const QFileInfo target(path);
        if (target.isDir() || (target.exists() && !target.isWritable()))
            throw TError(QStringLiteral("File access denied"));
        ThrowFileError(code, file);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const int code = errno;
        file.cancelWriting();
        ThrowFileError(code, file);
    }
    // The temporary file may have got the owner's write bit besides the old mode; a read-only file
    // that the superuser saved over stays read-only. A file system without modes ignores this.
    if (replacing && (QFileInfo(path).permissions() & ~ThisProcess) != permissions)
        QFile::setPermissions(path, permissions);
}

void SaveProject(const TTask& task, const QString& path)
{
    WriteProjectBytes(EncodeProject(task), path);
}

void LoadProject(const QString& path, TTask& task, QStringList* warnings)
{
    // A broken file must not cost the task on screen: it is replaced only by a whole new one.
    TTask loaded = DecodeProject(ReadProjectBytes(path), task, warnings);
    task = std::move(loaded);
}

TTask LoadProject(const QString& path, QStringList* warnings)
{
    return DecodeProject(ReadProjectBytes(path), TTask(), warnings);
}
