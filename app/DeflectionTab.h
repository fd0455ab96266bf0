#pragma once
// Tab "Průhyb": the section data (units "m4" and "GPa" from the task) and the deflection diagram.
// The window builds the tab with its navigation; the content is added here.
#include "app/WorkflowTab.h"

class TTask;
struct TResultStore;

class TDeflectionTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TDeflectionTab(TTask& task, TResultStore& results, QWidget* parent = nullptr);

private:
    TTask& Task;
    TResultStore& Results;
};
