#include "app/PrintTab.h"

#include "model/TTask.h"

#include <QBoxLayout>

TPrintTab::TPrintTab(TTask& task, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_tisk"), parent)
    , Task(task)
{
    ContentLayout()->addStretch(1);
}
