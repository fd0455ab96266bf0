// Open and save through the main window: the dialogs, failures shown as messages, pages rebuilt.
#include "MainFormFixture.h"

#include "app/UserPrompts.h"
#include "model/uMyCommonLib.h"
#include "storage/ProjectPrimitives.h"
#include "storage/uProjectFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// The question boxes answer to Alt and the underlined letter of Ano, Ne and Storno.
TEST(ProjectFileDialogs, QuestionsAnswerWithAltLetters)
{
    const TUserPrompts prompts = TUserPrompts::Interactive();
    QStringList buttons;
    const auto answer = [&buttons](QMessageBox::StandardButton with) {
        QTimer::singleShot(0, [&buttons, with] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->button(with)->click();
        });
    };
    answer(QMessageBox::No);
    EXPECT_FALSE(prompts.Ask(nullptr, QStringLiteral("Skutečně ukončit program?")));
    answer(QMessageBox::Cancel);
    EXPECT_EQ(prompts.AskSave(nullptr, QStringLiteral("Uložit změny v úloze?")), TSaveAnswer::Cancel);
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({ "&Ano", "&Ano", "&Ne", "&Ne", "&Storno" }));
}

TEST(ProjectFileDialogs, SaveStartsAtTheTasksFileAndAddsTheExtensionTheFilterShows)
{
    QTemporaryDir dir;
    QFileDialog save;
    ConfigureProjectFileDialog(save, TFileDialogKind::Save, dir.filePath(QStringLiteral("strop.dat")));
    EXPECT_EQ(QDir(save.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    EXPECT_EQ(QFileInfo(save.selectedFiles().value(0)).fileName(), QStringLiteral("strop.dat"));

    struct TCase
    {
        const char* Typed;
        bool ProjectFilter;
        const char* Saved;
    };
    for (const TCase& c : { TCase { "/d/strop", true, "/d/strop.DAT" }, TCase { "/d/strop.dat", true, "/d/strop.dat" },
             TCase { "/d/hala_v1.2", true, "/d/hala_v1.2.DAT" }, TCase { "/d/strop.", true, "/d/strop.DAT" },
             TCase { "/d/strop", false, "/d/strop.DAT" }, TCase { "/d/strop.txt", false, "/d/strop.txt" } })
        EXPECT_EQ(ProjectSavePath(QString::fromLatin1(c.Typed), c.ProjectFilter), QString::fromLatin1(c.Saved))
            << c.Typed;
}

TEST_F(MainFormTest, SavedTaskOpensWithItsPagesRebuilt)
{
    QTemporaryDir dir;
    ChosenFile = dir.filePath(QStringLiteral("hala.DAT"));
    QTest::keyClicks(Find<QLineEdit>("ZS1_P1"), QStringLiteral("10"));
    QTest::keyClicks(Find<QLineEdit>("ZS1_Px1"), QStringLiteral("2")); // the typed row is ticked
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
    EXPECT_EQ(Errors[0], QStringLiteral("Soubor „kratky.DAT“: Read beyond end of file"));
    EXPECT_EQ(Pages()->count(), 1);
    EXPECT_EQ(Find<QLineEdit>("ZS1_P1")->text(), QStringLiteral("7"));
    EXPECT_EQ(Task.Job, QString());

    ChosenFile = dir.filePath(QStringLiteral("chybi.DAT"));
    Form->Actions().Otevrit->trigger();
    ASSERT_EQ(Errors.size(), 2);
    EXPECT_EQ(Errors[1], QStringLiteral("Soubor „chybi.DAT“: File not found"));
    EXPECT_EQ(Task.LoadCases.size(), 1u);
}

TEST_F(MainFormTest, ATaskWithADamagedExtensionBlockOpensAndSaysSo)
{
    QTemporaryDir dir;
    ChosenFile = dir.filePath(QStringLiteral("rozbity.DAT"));
    TTask saved = TTask::StartState();
    saved.Job = QStringLiteral("Hala");
    TProjectWriter block;
    WriteStr(block, QStringLiteral("TRABIK-EXT"));
    WriteInt(block, 1); // the count and the items are missing
    QFile file(ChosenFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeProject(saved) + block.Data());
    file.close();

    Form->Actions().Otevrit->trigger();
    EXPECT_TRUE(Errors.isEmpty()) << Errors.join(' ').toStdString();
    EXPECT_EQ(Task.Job, QStringLiteral("Hala"));
    EXPECT_EQ(
        Messages, QStringList { QStringLiteral("Rozšiřující údaje úlohy jsou poškozené, použity výchozí hodnoty.") });
}

TEST_F(MainFormTest, AFailedSaveIsShownAndACancelledDialogDoesNothing)
{
    ChosenFile = QStringLiteral("/nonexistent-folder/ulozit.DAT");
    Form->Actions().Ulozit->trigger();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors[0].startsWith(QStringLiteral("Soubor „ulozit.DAT“: "))) << Errors[0].toStdString();

    ChosenFile.clear();
    Form->Actions().Ulozit->trigger();
    Form->Actions().Otevrit->trigger();
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_EQ(Pages()->count(), 1);
}

// Unsaved work: the caption names the file and marks a change; replacing the task or closing asks.
TEST_F(MainFormTest, AnUnchangedTaskIsReplacedAndClosedWithoutTheSaveQuestion)
{
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2"));
    // Looking at the tabs and clicking where nothing is edited is not a change, and the task is not
    // even encoded for the caption then.
    const int encodes = Form->TaskEncodes();
    for (int i = 0; i < Form->PageControl()->count(); ++i) {
        Form->PageControl()->setCurrentIndex(i);
        QTest::mouseClick(Form->PageControl()->currentWidget(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(Form->TaskEncodes(), encodes);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2"));
    EXPECT_FALSE(Form->IsTaskModified());

    // An edit undone by hand compares clean again.
    QLineEdit* job = Find<QLineEdit>("Jmeno_Edit");
    QTest::keyClicks(job, QStringLiteral("y"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2 *"));
    QTest::keyClick(job, Qt::Key_Backspace);
    QCoreApplication::processEvents();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2"));

    Form->Actions().Nova_uloha->trigger();
    ChosenFile.clear();
    Form->Actions().Otevrit->trigger();
    EXPECT_EQ(FileDialogsShown, 1);
    EXPECT_FALSE(Form->close());
    EXPECT_EQ(Questions, QStringList({ QStringLiteral("Skutečně ukončit program?") }));
}

TEST_F(MainFormTest, TheSaveQuestionGoesOnOnlyWhenTheTaskWasSavedOrGivenUp)
{
    QTemporaryDir dir;
    const auto edit = [this] {
        QTest::keyClicks(Find<QLineEdit>("Jmeno_Edit"), QStringLiteral("x"));
        QCoreApplication::processEvents(); // the caption looks again after the key release
        EXPECT_TRUE(Form->windowTitle().endsWith(QStringLiteral(" *"))) << Form->windowTitle().toStdString();
    };
    const auto newTaskStays = [this] {
        Form->Actions().Nova_uloha->trigger();
        return Find("ZS1") != nullptr;
    };
    edit();
    SaveAnswers = { TSaveAnswer::Cancel };
    EXPECT_TRUE(newTaskStays()); // Storno
    SaveAnswers = { TSaveAnswer::Yes };
    ChosenFile.clear();
    EXPECT_TRUE(newTaskStays()); // Ano, and the save dialog cancelled
    SaveAnswers = { TSaveAnswer::Yes };
    ChosenFile = QStringLiteral("/nonexistent-folder/uloha.DAT");
    EXPECT_TRUE(newTaskStays()); // Ano, and the save failed
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_EQ(Questions.count(QStringLiteral("Uložit změny v úloze?")), 3);

    SaveAnswers = { TSaveAnswer::Yes };
    ChosenFile = dir.filePath(QStringLiteral("hala.DAT"));
    EXPECT_FALSE(newTaskStays()); // Ano, saved
    EXPECT_EQ(LoadProject(ChosenFile).Job, QStringLiteral("x"));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2")); // the new task has no file

    edit();
    SaveAnswers = { TSaveAnswer::No };
    Form->Actions().Otevrit->trigger(); // Ne: the edit is given up for the opened file
    EXPECT_EQ(Task.Job, QStringLiteral("x"));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2 – hala.DAT"));

    edit();
    SaveAnswers = { TSaveAnswer::Cancel };
    EXPECT_FALSE(Form->close());
    SaveAnswers = { TSaveAnswer::Yes };
    const int dialogs = FileDialogsShown;
    EXPECT_TRUE(Form->close()); // saved to the task's own file without a dialog
    EXPECT_EQ(FileDialogsShown, dialogs);
    EXPECT_EQ(LoadProject(ChosenFile).Job, QStringLiteral("xx"));
    EXPECT_FALSE(Questions.contains(QStringLiteral("Skutečně ukončit program?")));
}

TEST_F(MainFormTest, SaveUsesTheTasksFileAndSaveAsAlwaysAsks)
{
    QTemporaryDir dir;
    ChosenFile = dir.filePath(QStringLiteral("prvni.DAT"));
    Form->Actions().Ulozit->trigger();
    EXPECT_EQ(FileDialogsShown, 1);
    EXPECT_EQ(Form->ProjectPath(), ChosenFile);

    Answers = { true };
    Form->Actions().Smazat_ZS->trigger(); // deleting a load case is a change
    EXPECT_TRUE(Form->IsTaskModified());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2 – prvni.DAT *"));
    Form->Actions().Ulozit->trigger();
    EXPECT_EQ(FileDialogsShown, 1);
    EXPECT_TRUE(LoadProject(dir.filePath(QStringLiteral("prvni.DAT"))).LoadCases.empty());

    ChosenFile = dir.filePath(QStringLiteral("druhy.DAT"));
    Form->Actions().Ulozit_jako->trigger();
    EXPECT_EQ(FileDialogsShown, 2);
    EXPECT_EQ(FileDialogStart, dir.filePath(QStringLiteral("prvni.DAT"))); // the task's file, in its folder
    EXPECT_EQ(Form->statusBar()->currentMessage(),
        QStringLiteral("Uloženo do souboru ") + QDir::toNativeSeparators(ChosenFile));
    EXPECT_TRUE(QFile::exists(ChosenFile));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2 – druhy.DAT"));
    ChosenFile.clear();
    Form->Actions().Ulozit_jako->trigger(); // cancelled: the task keeps its file
    EXPECT_EQ(Form->ProjectPath(), dir.filePath(QStringLiteral("druhy.DAT")));
}

// The file named on the command line opens as "Otevřít" opens it; a bad one leaves the empty task.
TEST_F(MainFormTest, TheStartFileOpensOrItsErrorIsShown)
{
    QWidget* errorParent = nullptr;
    Form->Prompts().ShowError = [&](QWidget* parent, const QString& message) {
        errorParent = parent;
        Errors << message;
    };
    Form->OpenStartFile(QStringLiteral("/nonexistent-folder/chybi.DAT"));
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_EQ(errorParent, Form.get());
    EXPECT_EQ(Pages()->count(), 1);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2"));

    Form->OpenStartFile(QStringLiteral(TRABIK_TEST_DATA "/../../examples/strecha.dat"));
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_GT(Pages()->count(), 1);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Trabík v.2.2 – strecha.dat"));
    EXPECT_FALSE(Form->IsTaskModified());
}
