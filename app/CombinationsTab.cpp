#include "app/CombinationsTab.h"

#include "app/KombiGridWidget.h"
#include "model/TTask.h"

#include <QBoxLayout>
#include <QPushButton>

TCombinationsTab::TCombinationsTab(TTask& task, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_kombinace"), parent)
    , Task(task)
    , Grid(new TKombiGridWidget(task, this))
    , BitBtn10(new QPushButton(QStringLiteral("nová kombinace"), this))
    , BitBtn11(new QPushButton(QStringLiteral("smazat kombinaci"), this))
{
    BitBtn10->setObjectName(QStringLiteral("BitBtn10"));
    BitBtn11->setObjectName(QStringLiteral("BitBtn11"));
    BitBtn10->setAutoDefault(true);
    BitBtn11->setAutoDefault(true);
    BitBtn11->setEnabled(false); // combinations cannot be deleted
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn10);
    buttons->addWidget(BitBtn11);
    buttons->addStretch(1);
    ContentLayout()->addWidget(Grid, 1);
    ContentLayout()->addLayout(buttons);
    connect(BitBtn10, &QPushButton::clicked, this, &TCombinationsTab::BitBtn10Click);
}

void TCombinationsTab::Entered()
{
    Task.RefreshCombinationGrid();
    Grid->Reload();
}

void TCombinationsTab::RefreshFromModel()
{
    Grid->Reload();
}

void TCombinationsTab::BitBtn10Click()
{
    Task.AddCombination();
    Grid->Reload();
}
