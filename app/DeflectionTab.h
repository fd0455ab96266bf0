#pragma once
// Tab "Průhyb": the section's stiffness (Iy and E with their units, the material and section
// lists, the rectangle) and the deflection line with its extremes and probe.
#include "analysis/Extremes.h"
#include "app/ResultFields.h"
#include "app/WorkflowTab.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class TDiagramImageWidget;
class TLibrary;
class TTask;

class TDeflectionTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TDeflectionTab(TTask& task, QWidget* parent = nullptr);

    // TabSheet_PruhybShow: the material and section lists from their stores (the calculation that
    // showing the tab runs is the calculation command's).
    void Entered() override;
    void RefreshFromModel() override;
    // A new result: the caption (when computed), the extremes fields and the diagram.
    void ShowResult(const TCalculation& result);
    // The section changed and the result could not follow it: the verdict is greyed until the next
    // calculation.
    void MarkStale();

    TDiagramImageWidget* Image9() const { return DeflectionImage; }
    QPushButton* BitBtn21() const { return ComputeButton; }
    QPushButton* BitBtn22() const { return MaterialsButton; } // "materiály..."
    QPushButton* BitBtn23() const { return SectionsButton; } // "průřezy..."
    // The stores come from the library each time the lists are refilled; without one they stay as
    // the task has them.
    void SetLibrary(const TLibrary* library) { Library = library; }
    void ProbeDeflection(int X, int width); // Image9MouseMove
    QGridLayout* FieldGrid() const { return Fields; }

    // The section aids, as the user's clicks and choices run them.
    void ComboBox5Change(); // a material: its modulus in GPa
    void ComboBox6Change(); // a section: its Iy in mm4
    void RectangleRule(); // leaving b or h: Iy of the rectangle when "obdélník" is checked
    void CheckBox23Click();

signals:
    void SectionChanged(); // E, Iy or a unit changed: the shown deflection no longer holds

private:
    QGroupBox* BuildSectionGroup();
    QGroupBox* BuildDiagramGroup();
    void RefillStores();
    void ShowInputs();
    void ShowCheck(); // the limit field's check of the shown result
    void MarkUnreadable(); // the red frame on E and Iy while their texts are not numbers
    void SectionEdited(); // E, Iy or a unit: confirmed by the user, the result must follow

    TTask& Task;
    std::shared_ptr<const TCalculation> Result = std::make_shared<const TCalculation>(); // as last shown
    bool Stale = false;
    QLineEdit* Edit30 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLineEdit* Edit31 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QComboBox* ComboBox6 = nullptr;
    QCheckBox* CheckBox23 = nullptr;
    QLineEdit* Edit32 = nullptr;
    QLineEdit* Edit33 = nullptr;
    QLineEdit* LimitEdit = nullptr; // "mezní průhyb L/"
    QLabel* CheckValues = nullptr; // f_lim, the largest |f| and their ratio
    QLabel* CheckVerdict = nullptr; // "vyhovuje" / "nevyhovuje", or why there is no check
    QPushButton* ComputeButton = nullptr;
    QPushButton* MaterialsButton = nullptr;
    QPushButton* SectionsButton = nullptr;
    const TLibrary* Library = nullptr;
    QGroupBox* GroupBox11 = nullptr;
    QLabel* StiffnessNote = nullptr;
    TDiagramImageWidget* DeflectionImage = nullptr;
    QLineEdit* Edit[30] = {}; // Edit24 .. Edit29 by number
    TProbeFields DeflectionProbe; // Edit29 and its envelope minimum
    QGridLayout* Fields = nullptr;
};
