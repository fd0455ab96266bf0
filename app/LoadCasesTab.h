#pragma once
// Tab "Zatěžovací stavy": PageControl2 with one page per load case of the task, and the strip with
// "nový", "smazat" and "info". The pages are built from the task and follow it (SyncFromModel).
#include "app/LoadCasePage.h"
#include "app/WorkflowTab.h"

class QTabWidget;
struct TMainActions;

class TLoadCasesTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TLoadCasesTab(TTask& task, const TMainActions& actions, QWidget* parent = nullptr);

    QTabWidget* PageControl() const { return PageControl2; }
    TLoadCasePage* Page(int index) const; // nullptr outside the pages
    TLoadCasePage* PageByNumber(int number) const;

    // Pages of load cases that are gone are destroyed, new ones created, the rest updated; the
    // page order, captions and the active page follow the task.
    void SyncFromModel();
    // Every page built anew (New task, Open: the same numbers may now mean other load cases).
    void RefreshFromModel() override;

private:
    void RemovePagesNotInModel();
    void PlacePage(int index, const TLoadCase& lc, TLoadCasePage* page);

    TTask& Task;
    TLoadCasePageArt Art; // painted once, shown by every page
    QTabWidget* PageControl2;
    bool Syncing = false;
};
