#include "app/DeflectionTab.h"

#include "analysis/uCalcUnit.h"
#include "model/TTask.h"

#include <QBoxLayout>

TDeflectionTab::TDeflectionTab(TTask& task, TResultStore& results, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_Pruhyb"), parent)
    , Task(task)
    , Results(results)
{
    ContentLayout()->addStretch(1);
}
