#include "app/CombinationsTab.h"

#include "analysis/uCalcUnit.h"
#include "model/TTask.h"

#include <QBoxLayout>

TCombinationsTab::TCombinationsTab(TTask& task, TResultStore& results, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_kombinace"), parent)
    , Task(task)
    , Results(results)
{
    ContentLayout()->addStretch(1);
}
