#pragma once
// Tab "Výpočet": the choice of load case, combination or envelope, the calculation buttons and the
// reactions. Its graph button is the tab's default button. The calculation itself is run by
// TAnalysisController, which the buttons are connected to.
#include "app/WorkflowTab.h"

#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TTask;
struct TCalculation;

class TCalculationTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TCalculationTab(TTask& task, QWidget* parent = nullptr);

    void RefreshFromModel() override; // the choice and the lists from the task
    void ShowLists(); // the two lists and their texts from the task
    // The lists, the eight reaction fields and the warnings about loads outside the span.
    void ShowResult(const TCalculation& result);

    QPushButton* GraphButton() const { return GraphBtn; } // "Spočítat a zobrazit graf"
    QPushButton* BitBtn18() const { return ReactionBtn; } // "Spočítat a zobrazit reakce"
    QComboBox* ComboBox1() const { return LoadCaseList; }
    QComboBox* ComboBox2() const { return CombinationList; }

private:
    QWidget* BuildChoiceGroup();
    QWidget* BuildReactionGroup();
    void ShowEnvelopeColumns(bool envelope);

    TTask& Task;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QComboBox* LoadCaseList = nullptr;
    QComboBox* CombinationList = nullptr;
    QPushButton* GraphBtn = nullptr;
    QPushButton* ReactionBtn = nullptr;
    QLineEdit* Reaction[8] = {}; // Edit14, 15, 16, 17, 18, 20, 21, 22
    QLabel* Warnings = nullptr; // loads of the calculated load cases that lie outside the span
    QLineEdit* ReactionMin[8] = {}; // their envelope minima, "_min"
    QList<QWidget*> EnvelopeOnly; // the minima and the "max" / "min" captions
    QLabel* Picture = nullptr;
};
