#include "app/PrintTab.h"

#include "analysis/uCalcUnit.h"
#include "model/TTask.h"

#include <QBoxLayout>

TPrintTab::TPrintTab(TTask& task, TResultStore& results, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_tisk"), parent)
    , Task(task)
    , Results(results)
{
    ContentLayout()->addStretch(1);
}
