#pragma once
// Tab "Úloha": the identification of the task (job, author, title).
#include "app/WorkflowTab.h"

class QLineEdit;
class TTask;

class TTaskTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TTaskTab(TTask& task, QWidget* parent = nullptr);
    void RefreshFromModel() override;

private:
    TTask& Task;
    QLineEdit* Jmeno_Edit;
    QLineEdit* Vypracoval_Edit;
    QLineEdit* Uloha_edit;
};
