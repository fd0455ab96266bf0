#include "app/DiagramsTab.h"

#include "analysis/uCalcUnit.h"
#include "model/TTask.h"

#include <QBoxLayout>

TDiagramsTab::TDiagramsTab(TTask& task, TResultStore& results, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_prubehy"), parent)
    , Task(task)
    , Results(results)
{
    ContentLayout()->addStretch(1);
}
