#pragma once
// Tab "Výpočet": the choice of load case, combination or envelope, the calculation buttons and the reactions; its
// calculation button becomes the default button (SetDefaultButton). The window builds the tab with its navigation; the
// content is added here.
#include "app/WorkflowTab.h"

class TTask;
struct TResultStore;

class TCalculationTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TCalculationTab(TTask& task, TResultStore& results, QWidget* parent = nullptr);

private:
    TTask& Task;
    TResultStore& Results;
};
