#pragma once
// Tab "Kombinace": the combination grid KombiGrid with "nová kombinace" and "smazat kombinaci".
// The window builds the tab with its navigation; the content is added here.
#include "app/WorkflowTab.h"

#include <functional>

class QPushButton;
class TKombiGridWidget;
class TTask;

class TCombinationsTab : public TWorkflowTab
{
    Q_OBJECT
public:
    explicit TCombinationsTab(TTask& task, QWidget* parent = nullptr);

    void Entered() override; // TabSheet_kombinaceEnter: the grid follows the load cases
    void RefreshFromModel() override;

    TKombiGridWidget* KombiGrid() const { return Grid; }
    void BitBtn10Click(); // "nová kombinace"
    void BitBtn11Click(); // "smazat kombinaci": the combination whose name is selected, after a question

    std::function<bool(const QString& question)> Ask; // Yes/No; the main window's question box

private:
    void Reload();

    TTask& Task;
    TKombiGridWidget* Grid;
    QPushButton* BitBtn10;
    QPushButton* BitBtn11;
};
