#pragma once
// The calculation command of the main window (Spocitat_prubehyExecute): it owns what the result tabs
// show — the last calculation — refreshes the calculation lists, builds the task's result set, and
// tells the tabs of each new result (ResultChanged). The buttons, the menu items, the tool buttons
// and the showing of the result tabs all come here.
#include "analysis/Extremes.h"

#include <QObject>

class TImageProvider;
class TMainForm;

// Who runs the calculation decides which tab is shown afterwards.
enum class TCalcSender {
    MainWindow, // showing a result tab: the tab stays
    ReactionButton, // BitBtn18 and the menu item "Spočítat a zobrazit reakce": the calculation tab
    Action // the action Spocitat_prubehy: the diagrams tab
};

class TAnalysisController : public QObject
{
    Q_OBJECT
public:
    explicit TAnalysisController(TMainForm& form);

    void Spocitat_prubehyExecute(TCalcSender sender);
    void spocitat_pruhybExecute();

    const TCalculation& Result() const { return Last; }
    // The task changed as a whole: the lists follow it and a result once shown is shown again.
    void RefreshFromModel();

    // The report's <imgform draws the diagrams as they are on screen at that moment.
    void RegisterImages(TImageProvider& images) const;

signals:
    void ResultChanged(const TCalculation& result);

private:
    void Calculate();
    void SectionChanged(); // the deflection follows E and Iy at once, without messages
    void Publish(const TCalculation& result);
    void TabEntered(QWidget* tab);
    void ShowTabOfResult(QWidget* tab);
    void Guarded(TCalcSender sender);

    TMainForm& Form;
    TCalculation Last;
    bool Shown = false; // the tabs have shown a result
    QMetaObject::Connection EnteringTabs;
};
