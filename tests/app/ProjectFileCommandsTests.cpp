// Open and save through the main window: the dialogs, failures shown as messages, pages rebuilt.
#include "MainFormFixture.h"

#include "app/UserPrompts.h"
#include "model/uMyCommonLib.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

TEST(ProjectFileDialogs, UseTheDatExtensionAndFilters)
{
    QFileDialog save;
    ConfigureProjectFileDialog(save, TFileDialogKind::Save);
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save.defaultSuffix(), QStringLiteral("DAT"));
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(save.nameFilters(),
        QStringList({ QStringLiteral("datové soubory (*.DAT)"), QStringLiteral("všechny soubory (*.*)") }));
    QFileDialog open;
    ConfigureProjectFileDialog(open, TFileDialogKind::Open);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
}

TEST_F(MainFormTest, SavedTaskOpensWithItsPagesRebuilt)
{
    QTemporaryDir dir;
    ChosenFile = dir.filePath(QStringLiteral("hala.DAT"));
    QTest::keyClicks(Find<QLineEdit>("ZS1_P1"), QStringLiteral("10"));
    QTest::keyClicks(Find<QLineEdit>("ZS1_Px1"), QStringLiteral("2"));
    Find<QCheckBox>("ZS1_Pxcheck1")->click();
    Form->Actions().Novy_ZS->trigger();
    Form->Actions().Pridat_Px->trigger();
    Form->Actions().Ulozit->trigger();
    ASSERT_TRUE(Errors.isEmpty()) << Errors.join(' ').toStdString();
    ASSERT_TRUE(QFile::exists(ChosenFile));

    Form->Actions().Nova_uloha->trigger();
    Form->Actions().Otevrit->trigger();
    ASSERT_TRUE(Errors.isEmpty()) << Errors.join(' ').toStdString();
    ASSERT_EQ(Pages()->count(), 2);
    EXPECT_EQ(Pages()->widget(0)->objectName(), QStringLiteral("ZS1"));
    EXPECT_EQ(Pages()->widget(1)->objectName(), QStringLiteral("ZS2"));
    EXPECT_TRUE(Find<QCheckBox>("ZS1_Pxcheck1")->isChecked());
    EXPECT_DOUBLE_EQ(StrToFloatX(Find<QLineEdit>("ZS1_P1")->text()), 10.0);
    EXPECT_NE(Find("ZS2_P2"), nullptr);
    EXPECT_EQ(Find("ZS0"), nullptr);
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_zatizeni"));
}

TEST_F(MainFormTest, AFailedOpenShowsTheErrorAndKeepsTheTask)
{
    QTemporaryDir dir;
    ChosenFile = dir.filePath(QStringLiteral("kratky.DAT"));
    QFile file(ChosenFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("0003620063")); // the job "abc", then the file ends
    file.close();
    QTest::keyClicks(Find<QLineEdit>("ZS1_P1"), QStringLiteral("7"));

    Form->Actions().Otevrit->trigger();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_FALSE(Errors[0].isEmpty());
    EXPECT_EQ(Pages()->count(), 1);
    EXPECT_EQ(Find<QLineEdit>("ZS1_P1")->text(), QStringLiteral("7"));
    EXPECT_EQ(Task.Job, QString());

    ChosenFile = dir.filePath(QStringLiteral("chybi.DAT"));
    Form->Actions().Otevrit->trigger();
    EXPECT_EQ(Errors.size(), 2);
    EXPECT_EQ(Task.LoadCases.size(), 1u);
}

TEST_F(MainFormTest, AFailedSaveIsShownAndACancelledDialogDoesNothing)
{
    ChosenFile = QStringLiteral("/nonexistent-folder/ulozit.DAT");
    Form->Actions().Ulozit->trigger();
    EXPECT_EQ(Errors.size(), 1);

    ChosenFile.clear();
    Form->Actions().Ulozit->trigger();
    Form->Actions().Otevrit->trigger();
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_EQ(Pages()->count(), 1);
}
