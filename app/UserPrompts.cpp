#include "app/UserPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString ProgramTitle = QStringLiteral("Trabík");

bool AskYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, ProgramTitle, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

TSaveAnswer AskYesNoCancel(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, ProgramTitle, question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Storno"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TSaveAnswer::Yes;
    case QMessageBox::No:
        return TSaveAnswer::No;
    default:
        return TSaveAnswer::Cancel;
    }
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& message)
{
    QMessageBox box(icon, ProgramTitle, message, QMessageBox::Ok, parent);
    box.exec();
}

QString ChooseFile(QWidget* parent, TFileDialogKind kind)
{
    QFileDialog dialog(parent);
    ConfigureProjectFileDialog(dialog, kind);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

TUserPrompts TUserPrompts::Interactive()
{
    TUserPrompts prompts;
    prompts.Ask = AskYesNo;
    prompts.AskSave = AskYesNoCancel;
    prompts.ShowError
        = [](QWidget* parent, const QString& message) { ShowBox(parent, QMessageBox::Critical, message); };
    prompts.ShowMessage
        = [](QWidget* parent, const QString& message) { ShowBox(parent, QMessageBox::Information, message); };
    prompts.ChooseProjectFile = ChooseFile;
    prompts.ExecDialog = [](QDialog& dialog) { return dialog.exec(); };
    return prompts;
}

void ConfigureProjectFileDialog(QFileDialog& dialog, TFileDialogKind kind)
{
    const bool save = kind == TFileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(QStringLiteral("DAT"));
    dialog.setNameFilters({ QStringLiteral("datové soubory (*.DAT)"), QStringLiteral("všechny soubory (*.*)") });
    dialog.selectFile(QStringLiteral("*.DAT"));
    dialog.setSizeGripEnabled(true);
    dialog.setWindowTitle(save ? QStringLiteral("Uložit") : QStringLiteral("Otevřít"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Složka:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Název souboru:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Typ souborů:"));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("Uložit") : QStringLiteral("Otevřít"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Storno"));
}
