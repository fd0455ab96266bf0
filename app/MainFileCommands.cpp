// The main window's file commands: New task, Open, Save, Save as and closing, with the question
// about unsaved work, and the caption that names the file and marks a changed task.
#include "app/uMainForm.h"

#include "model/TError.h"
#include "storage/uProjectFile.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStatusBar>

namespace {

const QString SaveQuestion = QStringLiteral("Uložit změny v úloze?");
const QString ExitQuestion = QStringLiteral("Skutečně ukončit program?");

// A file error says which file it is about: "Soubor „strop.dat“: File not found".
void NamingTheFile(const QString& path, const std::function<void()>& work)
{
    try {
        work();
    } catch (const TError& error) {
        throw TError(QStringLiteral("Soubor „%1“: %2").arg(QFileInfo(path).fileName(), error.Message));
    }
}

} // namespace

void TMainForm::BuildFileCommands()
{
    connect(
        MainActions->Ulozit_jako, &QAction::triggered, this, [this] { RunGuarded([this] { Ulozit_jakoExecute(); }); });
    // Edits reach the task as they are typed or clicked. Each editor is watched from the first time
    // it is polished or gets input, so pages and tabs made later are watched too.
    qApp->installEventFilter(this);
}

// The signals that only the user's own input emits: a refresh of a view from the task is no edit.
void TMainForm::WatchEdits(QObject* object)
{
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        connect(edit, &QLineEdit::textEdited, this, &TMainForm::NoteTaskEdit, Qt::UniqueConnection);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        connect(button, &QAbstractButton::clicked, this, &TMainForm::NoteTaskEdit, Qt::UniqueConnection);
    else if (auto* list = qobject_cast<QComboBox*>(object))
        connect(list, &QComboBox::activated, this, &TMainForm::NoteTaskEdit, Qt::UniqueConnection);
    else if (auto* view = qobject_cast<QAbstractItemView*>(object); view && view->model())
        connect(view->model(), &QAbstractItemModel::dataChanged, this, &TMainForm::NoteTaskEdit, Qt::UniqueConnection);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Polish:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        WatchEdits(watched);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::NoteTaskEdit()
{
    FileState.NoteEdit();
    if (CaptionRefreshQueued)
        return;
    CaptionRefreshQueued = true;
    // Queued: the caption looks once the edit's own handlers have written it into the task.
    QMetaObject::invokeMethod(
        this,
        [this] {
            CaptionRefreshQueued = false;
            RefreshCaption();
        },
        Qt::QueuedConnection);
}

void TMainForm::RefreshCaption()
{
    if (Started)
        setWindowTitle(FileState.Caption(TaskRef));
}

// True when the task may be replaced or the program may end: the task is unchanged, or the user
// saved it (and the save succeeded), or chose not to save it.
bool TMainForm::MaySetTaskAside()
{
    if (!FileState.IsModifiedNow(TaskRef))
        return true;
    switch (UserPrompts.AskSave(this, SaveQuestion)) {
    case TSaveAnswer::Yes:
        return SaveTask(false);
    case TSaveAnswer::No:
        return true;
    case TSaveAnswer::Cancel:
        break;
    }
    return false;
}

// False when the file dialog was cancelled or the save failed (its error has been shown).
bool TMainForm::SaveTask(bool askForName)
{
    QString path = FileState.Path();
    if (askForName || path.isEmpty())
        path = UserPrompts.ChooseProjectFile(this, TFileDialogKind::Save, FileState.Path());
    if (path.isEmpty())
        return false;
    return RunGuarded([this, &path] {
        NamingTheFile(path, [this, &path] { SaveProject(TaskRef, path); });
        FileState.Reset(TaskRef, QFileInfo(path).absoluteFilePath());
        statusBar()->showMessage(QStringLiteral("Uloženo do souboru %1").arg(QDir::toNativeSeparators(path)));
    });
}

void TMainForm::Nova_ulohaExecute()
{
    if (!MaySetTaskAside())
        return;
    TaskRef.NewTask();
    RefreshFromModel();
    ShowLoadCaseTab();
    FileState.Reset(TaskRef);
}

void TMainForm::OtevritExecute()
{
    if (!MaySetTaskAside())
        return;
    const QString path = UserPrompts.ChooseProjectFile(this, TFileDialogKind::Open, FileState.Path());
    if (!path.isEmpty())
        OpenProjectFile(path);
}

// A failed open leaves the task and its file as they were: the file is read into a task of its own first.
// What opened only in part (a damaged extension block) is said once the task is shown.
void TMainForm::OpenProjectFile(const QString& path)
{
    QStringList warnings;
    NamingTheFile(path, [this, &path, &warnings] { LoadProject(path, TaskRef, &warnings); });
    RefreshFromModel();
    if (!TaskRef.LoadCases.empty())
        ShowLoadCaseTab();
    FileState.Reset(TaskRef, QFileInfo(path).absoluteFilePath());
    if (!warnings.isEmpty())
        UserPrompts.ShowMessage(this, warnings.join(QLatin1Char('\n')));
}

void TMainForm::OpenStartFile(const QString& path)
{
    RunGuarded([this, &path] { OpenProjectFile(path); });
}

void TMainForm::UlozitExecute()
{
    SaveTask(false);
}

void TMainForm::Ulozit_jakoExecute()
{
    SaveTask(true);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    const bool leave = FileState.IsModifiedNow(TaskRef) ? MaySetTaskAside() : UserPrompts.Ask(this, ExitQuestion);
    if (leave)
        event->accept();
    else
        event->ignore();
}
