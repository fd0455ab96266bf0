#include "app/TaskTab.h"

#include "app/Hints.h"
#include "model/TTask.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

namespace {

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    SetHint(edit, hint);
    return edit;
}

} // namespace

TTaskTab::TTaskTab(TTask& task, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_uloha"), parent)
    , Task(task)
{
    auto* group = new QGroupBox(QStringLiteral("Identifikace úlohy:"), this);
    group->setObjectName(QStringLiteral("GroupBox_identifikace"));
    Jmeno_Edit = MakeEdit(group, "Jmeno_Edit", QStringLiteral("|jméno zakázky vypisované do záhlaví stránky"));
    Vypracoval_Edit = MakeEdit(group, "Vypracoval_Edit", QStringLiteral("|jméno autora v záhlaví stránky"));
    Uloha_edit = MakeEdit(group, "Uloha_edit", QStringLiteral("|nadpis výpočtu"));
    QFont bold = Uloha_edit->font();
    bold.setBold(true);
    Uloha_edit->setFont(bold);

    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Zakázka:"), Jmeno_Edit);
    form->addRow(QStringLiteral("Vypracoval:"), Vypracoval_Edit);
    form->addRow(QStringLiteral("Název úlohy:"), Uloha_edit);
    ContentLayout()->addWidget(group);
    ContentLayout()->addStretch(1);

    connect(Jmeno_Edit, &QLineEdit::textEdited, this, [this](const QString& text) { Task.Job = text; });
    connect(Vypracoval_Edit, &QLineEdit::textEdited, this, [this](const QString& text) { Task.Author = text; });
    connect(Uloha_edit, &QLineEdit::textEdited, this, [this](const QString& text) { Task.TaskTitle = text; });
    RefreshFromModel();
}

void TTaskTab::RefreshFromModel()
{
    Jmeno_Edit->setText(Task.Job);
    Vypracoval_Edit->setText(Task.Author);
    Uloha_edit->setText(Task.TaskTitle);
}
