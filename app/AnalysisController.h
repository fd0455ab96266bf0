#pragma once
// The calculation as the main window runs it (Spocitat_prubehyExecute): the sums for the chosen
// load case or combination, the reactions, the diagrams, and the tab that comes to the front.
// The buttons, the menu items, the tool buttons and the tabs' show handlers all come here.
#include "analysis/uCalcUnit.h"

#include <QObject>

class TImageProvider;
class TMainForm;

// Who runs the calculation decides which tab is shown afterwards.
enum class TCalcSender {
    MainWindow, // the tabs' show handlers and the report: the tab stays
    ReactionButton, // BitBtn18 and the menu item "Spočítat a zobrazit reakce": the calculation tab
    Action // the action Spocitat_prubehy: the diagrams tab
};

// Whether the store holds anything a calculation put there (all zeros until the first one).
bool StoreHasResults(const TResultStore& store);
// The diagram captions for what task.Calc chooses now and the store holds (Computed is false
// under the envelope choice while the store holds no envelope).
TDiagramCaptions CurrentCaptions(const TTask& task, const TResultStore& store);

class TAnalysisController : public QObject
{
    Q_OBJECT
public:
    explicit TAnalysisController(TMainForm& form);

    void Spocitat_prubehyExecute(TCalcSender sender);
    void spocitat_pruhybExecute();
    void DrawDiagrams(); // the extremes and the three diagrams again from the store

    // The report's <imgform draws the diagrams as they are on screen at that moment.
    void RegisterImages(TImageProvider& images) const;

private:
    void Calculate(); // steps 1 to 3 of the calculation
    void TellAboutMissingChoice(const TCalculationChoice& choice);
    void ShowTab(QWidget* tab);
    void Guarded(TCalcSender sender);

    TMainForm& Form;
    bool SwitchingTabs = false; // a tab shown by the calculation itself does not calculate again
};
