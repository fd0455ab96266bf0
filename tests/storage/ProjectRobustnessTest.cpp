// Truncated and foreign files: a clean error, never a crash, never an absurd allocation.
#include "StorageTestSupport.h"

#include "model/TError.h"
#include "storage/ProjectPrimitives.h"
#include "storage/uProjectFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString DecodeError(const QByteArray& bytes)
{
    try {
        DecodeProject(bytes);
    } catch (const TError& e) {
        return e.Message;
    }
    return QString();
}

// The file up to the load case count, then `rest`.
QByteArray Head(int loadCases, const QByteArray& rest = {})
{
    TProjectWriter f;
    for (int i = 0; i < 4; ++i)
        WriteStr(f, QString());
    for (int i = 0; i < 6; ++i)
        WriteBool(f, i == 0);
    WriteInt(f, loadCases);
    return f.Data() + rest;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(ProjectRobustness, EveryTruncationIsReadBeyondEndOfFile)
{
    const QByteArray bytes = EncodeProject(RichTask());
    for (qsizetype cut = 0; cut < bytes.size(); ++cut)
        ASSERT_EQ(DecodeError(bytes.left(cut)), QStringLiteral("Read beyond end of file")) << "cut at " << cut;
}

TEST(ProjectRobustness, FailedOpenLeavesTheTaskAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("cut.dat"));
    const QByteArray bytes = EncodeProject(RichTask());
    TTask task = TTask::StartState();
    task.Job = QStringLiteral("Rozpracovaná úloha");
    task.AddPxRow(true, 5, 1);
    const QByteArray before = EncodeProject(task);
    // Every cut inside the load cases and a sample of the rest.
    for (qsizetype cut = 0; cut < bytes.size(); cut += (cut < 400 ? 1 : 7)) {
        WriteFile(path, bytes.left(cut));
        EXPECT_THROW(LoadProject(path, task), TError) << "cut at " << cut;
        ASSERT_EQ(EncodeProject(task), before) << "cut at " << cut;
    }
    ASSERT_EQ(task.LoadCases.size(), 1u);
    EXPECT_EQ(task.LoadCases[0].Number, 1);
    EXPECT_EQ(task.ZSCounter, 1);

    WriteFile(path, bytes);
    LoadProject(path, task);
    EXPECT_EQ(task.Job, RichTask().Job);
    EXPECT_EQ(task.LoadCases.size(), 3u);
}

TEST(ProjectRobustness, ForeignBytesFailCleanlyOrOpen)
{
    QRandomGenerator random(20261208);
    const QByteArray valid = EncodeProject(RichTask());
    int opened = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        if (round % 2 == 0) {
            bytes.resize(random.bounded(0, 3000));
            for (char& c : bytes)
                c = char(random.bounded(256));
        } else {
            // A real file with a few bytes changed gets much further into the layout.
            bytes = valid;
            for (int k = random.bounded(1, 6); k > 0; --k)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        }
        try {
            DecodeProject(bytes);
            ++opened;
        } catch (const TError& e) {
            EXPECT_FALSE(e.Message.isEmpty());
        }
    }
    EXPECT_GT(opened, 0); // changed texts and flags still make a task
}

// How fast these fail is measured in bench/bench_storage.cpp (BM_RefuseHugeCount).
TEST(ProjectRobustness, HugeCountsInShortFilesFailAtOnce)
{
    const QString eof = QStringLiteral("Read beyond end of file");
    EXPECT_EQ(DecodeError(Head(65535)), eof);

    // One load case claiming 65535 rows of every kind.
    TProjectWriter lc;
    WriteStr(lc, QStringLiteral("ZS"));
    WriteInt(lc, 1);
    WriteDouble(lc, 1.1);
    WriteBool(lc, true);
    WriteBool(lc, false);
    for (int i = 0; i < 4; ++i)
        WriteInt(lc, 65535);
    WriteBool(lc, true);
    EXPECT_EQ(DecodeError(Head(1, lc.Data())), eof);

    // A grid of 65535 x 65535 cells would be four billion texts.
    EXPECT_EQ(DecodeError(Head(0, QByteArray::fromHex("ffffffff0000"))), eof);
}

// The time it takes is measured by BM_OpenManyLoadCases in bench/bench_storage.cpp.
TEST(ProjectRobustness, ManyLoadCasesOfTheSmallestRecordOpen)
{
    // Thousands of load cases, each the smallest possible record, then an empty 0 x 0 grid, the
    // options and the generator's and deflection's empty texts.
    TProjectWriter lc;
    WriteStr(lc, QString());
    WriteInt(lc, 0);
    WriteDouble(lc, 1);
    WriteBool(lc, true);
    WriteBool(lc, false);
    for (int i = 0; i < 4; ++i)
        WriteInt(lc, 0);
    WriteBool(lc, true);
    TProjectWriter tail;
    WriteInt(tail, 0);
    WriteInt(tail, 0);
    for (int i = 0; i < 13; ++i)
        WriteBool(tail, false);
    for (int i = 0; i < 27 + 4; ++i) // zero bytes are empty texts and false flags; spare ones are ignored
        WriteStr(tail, QString());
    for (int i = 0; i < 10; ++i)
        WriteBool(tail, false);
    const QByteArray file = Head(5000, lc.Data().repeated(5000)) + tail.Data();

    const TTask task = DecodeProject(file);
    EXPECT_EQ(task.LoadCases.size(), 5000u);
    EXPECT_EQ(task.LoadCases.back().Number, 5000);
}
