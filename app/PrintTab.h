#pragma once
// Tab "Tisk": the report options and the button "Náhled tisku".
// The window builds the tab with its navigation; the content is added here.
#include "app/WorkflowTab.h"

class TTask;

class TPrintTab : public TWorkflowTab
{
    Q_OBJECT
public:
    explicit TPrintTab(TTask& task, QWidget* parent = nullptr);

private:
    TTask& Task;
};
