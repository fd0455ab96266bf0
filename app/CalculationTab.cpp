#include "app/CalculationTab.h"

#include "analysis/uCalcUnit.h"
#include "model/TTask.h"

#include <QBoxLayout>

TCalculationTab::TCalculationTab(TTask& task, TResultStore& results, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_vypocet"), parent)
    , Task(task)
    , Results(results)
{
    ContentLayout()->addStretch(1);
}
