#pragma once
// Tab "Průběh vnitřních sil": the bending moment and shear force diagrams with their extremes, the
// mouse probes and the characteristic/design switches.
#include "analysis/Extremes.h"
#include "app/ResultFields.h"
#include "app/WorkflowTab.h"

#include <memory>

class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class TDiagramImageWidget;
class TTask;

class TDiagramsTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TDiagramsTab(TTask& task, QWidget* parent = nullptr);

    void RefreshFromModel() override; // the switches from the task

    // A new result: the captions (when computed), the extremes fields of the kinds the switches
    // choose and the two diagrams.
    void ShowResult(const TCalculation& result);

    TDiagramImageWidget* Image7() const { return MomentImage; }
    TDiagramImageWidget* Image8() const { return ShearImage; }
    void ProbeMoment(int X, int width); // Image7MouseMove
    void ProbeShear(int X, int width); // Image8MouseMove
    QGridLayout* FieldGrid(bool moment) const { return moment ? MomentFields : ShearFields; }

signals:
    void SwitchesChanged(); // a click on normové / výpočtové: the result is shown again

private:
    QGroupBox* BuildGroup(bool moment);
    void SwitchClicked(bool moment);

    TTask& Task;
    std::shared_ptr<const TCalculation> Result = std::make_shared<const TCalculation>(); // as last shown
    QGroupBox* GroupBox4 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    TDiagramImageWidget* MomentImage = nullptr;
    TDiagramImageWidget* ShearImage = nullptr;
    QLineEdit* Edit[14] = {}; // Edit2 .. Edit13 by number
    QRadioButton* RadioButton[8] = {}; // RadioButton4 .. RadioButton7 by number
    TProbeFields MomentProbe, ShearProbe; // Edit7, Edit13 and their envelope minima
    QGridLayout* MomentFields = nullptr;
    QGridLayout* ShearFields = nullptr;
};
