// The library dialog: own entries are added, changed and removed (after a question), each change
// saved at once; built-in entries and refused inputs change nothing.
#include "app/LibraryDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LibraryDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Library.LoadUserFile(Dir.filePath(QStringLiteral("knihovna.txt")));
    }

    std::unique_ptr<TLibraryDialog> Open(TLibraryKind kind)
    {
        return std::make_unique<TLibraryDialog>(
            Library, kind,
            [this](const QString& question) {
                Questions << question;
                return Answer;
            },
            [this](const QString& message) { Errors << message; });
    }
    // The user's entries as a fresh library reads them from the file.
    QStringList SavedLines(TLibraryKind kind) const
    {
        TLibrary saved;
        saved.LoadUserFile(Library.UserFilePath());
        const int builtIn = int(TLibrary().Entries(kind).size());
        return saved.StoreLines(kind).mid(builtIn);
    }
    void Select(TLibraryDialog& dialog, int row) { dialog.Table()->selectRow(row); }

    QTemporaryDir Dir;
    TLibrary Library;
    QStringList Questions, Errors;
    bool Answer = false;
};

} // namespace

TEST_F(LibraryDialogTest, OwnEntriesAreAddedChangedAndRemovedAfterAQuestion)
{
    const int builtIn = int(Library.Entries(TLibraryKind::Materials).size());
    auto dialog = Open(TLibraryKind::Materials);
    dialog->NameEdit()->setText(QStringLiteral(" dub D30 "));
    dialog->ValueEdit()->setText(QStringLiteral("11"));
    dialog->Add();
    EXPECT_TRUE(Errors.isEmpty()) << Errors.join(' ').toStdString();
    ASSERT_EQ(dialog->Table()->rowCount(), builtIn + 1);
    EXPECT_EQ(dialog->Table()->item(builtIn, 0)->text(), QStringLiteral("dub D30"));
    EXPECT_EQ(dialog->Table()->item(builtIn, 3)->text(), QStringLiteral("vlastní"));
    EXPECT_EQ(SavedLines(TLibraryKind::Materials), QStringList { QStringLiteral("dub D30=11") });

    Select(*dialog, builtIn);
    dialog->ValueEdit()->setText(QStringLiteral("12"));
    dialog->Change();
    EXPECT_EQ(SavedLines(TLibraryKind::Materials), QStringList { QStringLiteral("dub D30=12") });

    Select(*dialog, builtIn);
    dialog->Remove(); // Ne
    EXPECT_EQ(Questions, QStringList { QStringLiteral("Skutečně odebrat položku „dub D30“ z knihovny?") });
    EXPECT_EQ(dialog->Table()->rowCount(), builtIn + 1);
    Answer = true;
    dialog->Remove();
    EXPECT_EQ(dialog->Table()->rowCount(), builtIn);
    EXPECT_TRUE(SavedLines(TLibraryKind::Materials).isEmpty());
}

TEST_F(LibraryDialogTest, BuiltInEntriesAndRefusedInputsChangeNothing)
{
    auto dialog = Open(TLibraryKind::Sections);
    Select(*dialog, 0);
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("ChangeButton"))->isEnabled());
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("RemoveButton"))->isEnabled());
    const QString name = dialog->Table()->item(0, 0)->text();
    Answer = true;
    dialog->Remove();
    dialog->ValueEdit()->setText(QStringLiteral("1"));
    dialog->Change();
    EXPECT_EQ(dialog->Table()->item(0, 0)->text(), name);
    EXPECT_TRUE(Questions.isEmpty());

    dialog->NameEdit()->setText(name); // taken by the built-in entry
    dialog->Add();
    dialog->NameEdit()->setText(QStringLiteral("vlastní"));
    dialog->ValueEdit()->setText(QStringLiteral("-5"));
    dialog->Add();
    EXPECT_EQ(Errors.size(), 2);
    EXPECT_TRUE(SavedLines(TLibraryKind::Sections).isEmpty());
}
