// Saving and opening on disk: whole files or none, the previous file kept on failure.
#include "StorageTestSupport.h"

#include "model/TError.h"
#include "storage/uProjectFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString SaveError(const TTask& task, const QString& path)
{
    try {
        SaveProject(task, path);
    } catch (const TError& e) {
        return e.Message;
    }
    return QString();
}

QString LoadError(const QString& path)
{
    try {
        LoadProject(path);
    } catch (const TError& e) {
        return e.Message;
    }
    return QString();
}

QStringList Entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Files may grow to `bytes` while it lives: writing more fails as a full disk does.
class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Previous);
        PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = Previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &Previous);
        std::signal(SIGXFSZ, PreviousHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit Previous {};
    void (*PreviousHandler)(int) = nullptr;
};

} // namespace

TEST(ProjectFileDisk, SaveAndOpenLeaveNothingElseBehind)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("STRECHA.DAT"));
    SaveProject(RichTask(), path);
    SaveProject(RichTask(), path); // over an existing file
    EXPECT_EQ(Entries(dir.path()), QStringList { QStringLiteral("STRECHA.DAT") });
    EXPECT_EQ(ReadAll(path), EncodeProject(RichTask()));
    EXPECT_EQ(EncodeProject(LoadProject(path)), EncodeProject(RichTask()));
}

TEST(ProjectFileDisk, SavingOverAFileKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ukol.dat"));
    using P = QFileDevice;
    const P::Permissions readOnly = P::ReadOwner | P::ReadGroup | P::ReadOther;
    for (const P::Permissions mode : { P::ReadOwner | P::WriteOwner | P::ReadGroup, P::ReadOwner | P::WriteOwner,
             P::ReadOwner | P::WriteOwner | P::ReadGroup | P::WriteGroup | P::ReadOther, readOnly }) {
        SaveProject(TTask(), path);
        ASSERT_TRUE(QFile::setPermissions(path, mode));
        // Only the superuser may replace a read-only file; it stays read-only then.
        if (mode == readOnly && geteuid() != 0)
            EXPECT_EQ(SaveError(RichTask(), path), QStringLiteral("File access denied"));
        else
            SaveProject(RichTask(), path);
        EXPECT_EQ(QFileInfo(path).permissions() & ~(P::ReadUser | P::WriteUser | P::ExeUser), mode) << int(mode);
    }
}

TEST(ProjectFileDisk, RefusedSaveDoesNotTouchThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ukol.dat"));
    SaveProject(RichTask(), path);
    const QByteArray before = ReadAll(path);
    TTask task = RichTask();
    task.Author = QStringLiteral("Ing. Łukasz Ñandú"); // "Ñ" is not in Windows-1250
    EXPECT_TRUE(SaveError(task, path).contains(QStringLiteral("„Ñ“")));
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(Entries(dir.path()).size(), 1);
    EXPECT_FALSE(SaveError(task, dir.filePath(QStringLiteral("novy.dat"))).isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("novy.dat"))));
}

TEST(ProjectFileDisk, SaveThatFailsWhileWritingKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ukol.dat"));
    TTask small;
    SaveProject(small, path);
    const QByteArray before = ReadAll(path);
    TTask big = RichTask();
    big.Job = QString(5000, QLatin1Char('x'));
    QString message;
    {
        TFileSizeLimit limit(1024);
        message = SaveError(big, path);
    }
    EXPECT_TRUE(message.startsWith(QStringLiteral("I/O error ")) || message == QStringLiteral("Disk full"))
        << message.toStdString();
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(Entries(dir.path()), QStringList { QStringLiteral("ukol.dat") });
}

TEST(ProjectFileDisk, FileSystemErrorsHaveTheirMessages)
{
    QTemporaryDir dir;
    EXPECT_EQ(LoadError(dir.filePath(QStringLiteral("neni.dat"))), QStringLiteral("File not found"));
    EXPECT_EQ(SaveError(RichTask(), dir.filePath(QStringLiteral("chybi/ukol.dat"))), QStringLiteral("File not found"));
    EXPECT_EQ(LoadError(dir.path()), QStringLiteral("File access denied")); // a folder is not a file
    EXPECT_EQ(SaveError(RichTask(), dir.path()), QStringLiteral("File access denied"));
}

TEST(ProjectFileDisk, ReadOnlyFolderKeepsThePreviousFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("zamceno"));
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString path = locked + QStringLiteral("/ukol.dat");
    SaveProject(TTask(), path);
    const QByteArray before = ReadAll(path);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(SaveError(RichTask(), path), QStringLiteral("File access denied"));
    EXPECT_EQ(ReadAll(path), before);
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    EXPECT_EQ(LoadError(path), QStringLiteral("File access denied"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
