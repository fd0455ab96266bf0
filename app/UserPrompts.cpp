#include "app/UserPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString ProgramTitle = QStringLiteral("Trabík");
// Alt and the underlined letter answer as a click does.
const QString YesText = QStringLiteral("&Ano");
const QString NoText = QStringLiteral("&Ne");
const QString CancelText = QStringLiteral("&Storno");
const QString ProjectFilter = QStringLiteral("datové soubory (*.DAT)");

bool AskYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, ProgramTitle, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(YesText);
    box.button(QMessageBox::No)->setText(NoText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

TSaveAnswer AskYesNoCancel(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, ProgramTitle, question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(YesText);
    box.button(QMessageBox::No)->setText(NoText);
    box.button(QMessageBox::Cancel)->setText(CancelText);
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

QString ChooseFile(QWidget* parent, TFileDialogKind kind, const QString& current)
{
    QFileDialog dialog(parent);
    ConfigureProjectFileDialog(dialog, kind, current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    if (kind == TFileDialogKind::Open)
        return chosen;
    // The dialog asked about overwriting the name as typed; a name that got the extension here is asked
    // about once more.
    const QString path = ProjectSavePath(chosen, dialog.selectedNameFilter() == ProjectFilter);
    if (path != chosen && QFileInfo::exists(path)
        && !AskYesNo(parent, QStringLiteral("Soubor „%1“ již existuje. Přepsat?").arg(QFileInfo(path).fileName())))
        return {};
    return path;
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

void ConfigureProjectFileDialog(QFileDialog& dialog, TFileDialogKind kind, const QString& current)
{
    const bool save = kind == TFileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(QStringLiteral("DAT"));
    dialog.setNameFilters({ ProjectFilter, QStringLiteral("všechny soubory (*.*)") });
    if (current.isEmpty()) {
        dialog.selectFile(QStringLiteral("*.DAT"));
    } else {
        const QFileInfo file(current);
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.fileName());
    }
    dialog.setSizeGripEnabled(true);
    dialog.setWindowTitle(save ? QStringLiteral("Uložit") : QStringLiteral("Otevřít"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Složka:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Název souboru:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Typ souborů:"));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("Uložit") : QStringLiteral("Otevřít"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Storno"));
}

QString ProjectSavePath(const QString& typed, bool projectFilter)
{
    const QFileInfo file(typed);
    const bool hasExtension = projectFilter ? file.suffix().compare(QStringLiteral("dat"), Qt::CaseInsensitive) == 0
                                            : !file.suffix().isEmpty();
    if (typed.isEmpty() || hasExtension)
        return typed;
    return typed.endsWith(QLatin1Char('.')) ? typed + QStringLiteral("DAT") : typed + QStringLiteral(".DAT");
}
