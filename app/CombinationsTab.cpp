#include "app/CombinationsTab.h"

#include "app/En1990Widgets.h"
#include "app/KombiGridWidget.h"
#include "model/TTask.h"

#include <QBoxLayout>
#include <QItemSelectionModel>
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
    BitBtn11->setEnabled(false); // until a combination is selected
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn10);
    buttons->addWidget(BitBtn11);
    buttons->addStretch(1);
    ContentLayout()->addWidget(Grid, 1);
    ContentLayout()->addLayout(buttons);
    ContentLayout()->addWidget(new TEn1990Panel(task, this));
    connect(BitBtn10, &QPushButton::clicked, this, &TCombinationsTab::BitBtn10Click);
    connect(BitBtn11, &QPushButton::clicked, this, &TCombinationsTab::BitBtn11Click);
    connect(Grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { BitBtn11->setEnabled(current.isValid()); });
}

void TCombinationsTab::Entered()
{
    Task.RefreshCombinationGrid();
    Reload();
}

void TCombinationsTab::RefreshFromModel()
{
    Reload();
}

void TCombinationsTab::Reload()
{
    Grid->Reload();
    BitBtn11->setEnabled(Grid->currentIndex().isValid());
}

void TCombinationsTab::BitBtn10Click()
{
    Task.AddCombination();
    Reload();
}

void TCombinationsTab::BitBtn11Click()
{
    const QModelIndex current = Grid->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row() + 1;
    if (!Ask || !Ask(QStringLiteral("Skutečně smazat kombinaci „%1“?").arg(Task.Grid.Cell(1, row))))
        return;
    Task.DeleteCombination(row);
    Reload();
}
