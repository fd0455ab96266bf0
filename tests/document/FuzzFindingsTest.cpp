// Every input that fuzz_markup once found a fault with stays fixed: it lays out, or stops with a
// message, without a crash or undefined behaviour (the sanitizers of the test build watch).
#include "fuzz/MarkupCheck.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(FuzzFindings, MarkupInputsLayOutOrStopWithAMessage)
{
    const QDir folder(QStringLiteral(TRABIK_TEST_DATA "/fuzz/markup"));
    for (const QFileInfo& input : folder.entryInfoList(QDir::Files)) {
        QFile file(input.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << input.fileName().toStdString();
        EXPECT_EQ(
            CheckMarkupBytes(file.readAll(), QStringLiteral(TRABIK_TEST_DATA "/../../fuzz/images")).toStdString(), "")
            << input.fileName().toStdString();
    }
}
