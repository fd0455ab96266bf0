// Every input that fuzz_project once found a fault with stays fixed: it opens or is refused with a
// message, and what opens saves, opens again and saves to the same bytes.
#include "StorageTestSupport.h"
#include "fuzz/ProjectCheck.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(FuzzFindings, ProjectInputsOpenOrAreRefusedAndSaveStably)
{
    TLocaleGuard comma(TLocaleGuard::Comma()); // as the fuzz target runs
    const QDir folder(QStringLiteral(TRABIK_TEST_DATA "/fuzz/project"));
    for (const QFileInfo& input : folder.entryInfoList(QDir::Files)) {
        QFile file(input.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << input.fileName().toStdString();
        EXPECT_EQ(CheckProjectBytes(file.readAll()).toStdString(), "") << input.fileName().toStdString();
    }
}
