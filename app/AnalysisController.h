#pragma once
// The calculation command of the main window (Spocitat_prubehyExecute): it owns what the result tabs
// show — the last calculation and the switches it was shown under — refreshes the calculation lists,
// runs the core's calculation and tells the tabs of each new result (ResultChanged). The buttons,
// the menu items, the tool buttons and the showing of the result tabs all come here.
#include "analysis/uCalcUnit.h"
#include "report/uPosudek.h"

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
    // What the report starts from, and the report's last block shown afterwards.
    TReportView ReportStart() const;
    void ShowReportResult(const TReportView& view);

    // The report's <imgform draws the diagrams as they are on screen at that moment.
    void RegisterImages(TImageProvider& images) const;

signals:
    void ResultChanged(const TCalculation& result);

private:
    void Calculate();
    void SwitchesChanged(); // the extremes again for the kinds the diagram switches choose
    void Publish(const TCalculation& result);
    void ShowAgain(TDiagramCaptions captions); // Last for the task as it is now
    void TabEntered(QWidget* tab);
    void ShowTabOfResult(QWidget* tab);
    void Guarded(TCalcSender sender);

    TMainForm& Form;
    TCalculation Last;
    TCalculationChoice ShownChoice; // the switches Last was shown under
    bool Shown = false; // the tabs have shown a result
    QMetaObject::Connection EnteringTabs;
};
