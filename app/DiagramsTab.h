#pragma once
// Tab "Průběh vnitřních sil": the bending moment and shear force diagrams with their extremes, the
// mouse probes and the characteristic/design switches.
#include "app/WorkflowTab.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;
class TDiagramImageWidget;
class TTask;
struct TDiagramCaptions;
struct TResultStore;

class TDiagramsTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TDiagramsTab(TTask& task, TResultStore& results, QWidget* parent = nullptr);

    void Entered() override; // TabSheet_prubehyShow: asks for the calculation
    void RefreshFromModel() override; // the switches from the task; the results once there are any

    // The extremes fields and the two diagrams from the store (FindExtremes has run).
    void ShowResults();
    // FindExtremes for the chosen values, then ShowResults (the switches' click handlers).
    void DrawDiagrams();
    void SetCaptions(const TDiagramCaptions& captions);

    TDiagramImageWidget* Image7() const { return MomentImage; }
    TDiagramImageWidget* Image8() const { return ShearImage; }
    void ProbeMoment(int X, int width); // Image7MouseMove
    void ProbeShear(int X, int width); // Image8MouseMove

signals:
    void CalculationRequested(); // the calculation with the main window as sender

private:
    QGroupBox* BuildGroup(bool moment);
    void SwitchClicked(bool moment);

    TTask& Task;
    TResultStore& Results;
    bool ResultsShown = false;
    QGroupBox* GroupBox4 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    TDiagramImageWidget* MomentImage = nullptr;
    TDiagramImageWidget* ShearImage = nullptr;
    QLineEdit* Edit[14] = {}; // Edit2 .. Edit13 by number
    QRadioButton* RadioButton[8] = {}; // RadioButton4 .. RadioButton7 by number
};
