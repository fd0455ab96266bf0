#pragma once
// Every place where the windows wait for the user: questions, messages, file choices and modal
// dialogs. The main window holds one set; tests swap the functions for scripted answers.
#include <QString>
#include <functional>

class QDialog;
class QFileDialog;
class QWidget;

enum class TFileDialogKind { Open, Save };
enum class TSaveAnswer { Yes, No, Cancel }; // Ano: save first, Ne: go on without saving, Storno: stay

struct TUserPrompts
{
    std::function<bool(QWidget* parent, const QString& question)> Ask; // Yes/No; true on Yes
    std::function<TSaveAnswer(QWidget* parent, const QString& question)> AskSave; // Ano / Ne / Storno
    std::function<void(QWidget* parent, const QString& message)> ShowError;
    std::function<void(QWidget* parent, const QString& message)> ShowMessage;
    // `current` is the task's file (empty for a new task). Empty = cancelled.
    std::function<QString(QWidget* parent, TFileDialogKind kind, const QString& current)> ChooseProjectFile;
    std::function<int(QDialog& dialog)> ExecDialog; // QDialog::Accepted or Rejected

    static TUserPrompts Interactive();
};

// The project file dialogs: extension "DAT", the two filters; the save dialog asks before
// overwriting, the open dialog takes existing files only. They start in the folder of `current`
// with its name, or with the name "*.DAT" without a file.
void ConfigureProjectFileDialog(QFileDialog& dialog, TFileDialogKind kind, const QString& current = QString());
// The file a save goes to: a name typed without the extension ".dat" (in any letter case) gets
// ".DAT" while the filter of project files is chosen; with "všechny soubory" only a name without
// any extension gets it. A name typed with ".dat" stays as typed.
QString ProjectSavePath(const QString& typed, bool projectFilter);
