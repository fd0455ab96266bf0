#pragma once
// Tab "Průběh vnitřních sil": the bending moment and shear diagrams with their probes.
// The window builds the tab with its navigation; the content is added here.
#include "app/WorkflowTab.h"

class TTask;
struct TResultStore;

class TDiagramsTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TDiagramsTab(TTask& task, TResultStore& results, QWidget* parent = nullptr);

private:
    TTask& Task;
    TResultStore& Results;
};
