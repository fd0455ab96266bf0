#pragma once
// Tab "Posouzení": the member check of the beam, steel (ČSN EN 1993-1-1) or timber (ČSN EN 1995-1-1),
// with its inputs, and the utilisation table of every check with the governing deflection. A thin
// view: the inputs are the task's texts, the checks are the core's.
#include "app/WorkflowTab.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class TTask;

class TMemberCheckTab : public TWorkflowTab
{
    Q_OBJECT
public:
    explicit TMemberCheckTab(TTask& task, QWidget* parent = nullptr);

    void Entered() override; // the check of the task as it is now
    void RefreshFromModel() override;
    void Check(); // "posoudit": the table from the task's inputs

private:
    QGroupBox* BuildSteelGroup();
    QGroupBox* BuildTimberGroup();
    QLineEdit* Field(const QString& name, QString& text, int width = 60);
    void ShowMaterial();
    void ChooseSteelLimits(int index);

    TTask& Task;
    bool Showing = false; // the fields are being filled from the task
    QRadioButton* SteelRadio = nullptr;
    QRadioButton* TimberRadio = nullptr;
    QGroupBox* SteelGroup = nullptr;
    QGroupBox* TimberGroup = nullptr;
    QComboBox* GradeList = nullptr;
    QCheckBox* HeldCheck = nullptr; // "tlačený pás držen spojitě"
    QLineEdit* LengthEdit = nullptr;
    QComboBox* LevelList = nullptr;
    QCheckBox* SelfWeightCheck = nullptr;
    QComboBox* SteelLimitList = nullptr;
    QComboBox* ClassList = nullptr;
    QComboBox* ServiceClassList = nullptr;
    QTableWidget* Table = nullptr;
    QLabel* Message = nullptr;
    std::vector<std::pair<QLineEdit*, QString*>> Fields; // each edit with the task text it shows
};
