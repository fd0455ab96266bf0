#pragma once
// Tab "Kombinace": the combination grid KombiGrid with "nová kombinace" and "smazat kombinaci".
// The window builds the tab with its navigation; the content is added here.
#include "app/WorkflowTab.h"

class TTask;
struct TResultStore;

class TCombinationsTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TCombinationsTab(TTask& task, TResultStore& results, QWidget* parent = nullptr);

private:
    TTask& Task;
    TResultStore& Results;
};
