#pragma once
// One load case as a page of PageControl2: hidden property labels, a scroll box with the four
// group boxes, one line of controls per load row. The controls carry the names "ZS" n + suffix + k
// that the rest of the program knows; their values live in the task, which the edits write as typed.
#include "model/TTask.h"

#include <QWidget>
#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;

// The frame line of a load kind's group box (through the middle of its title); the rows, the add
// button and the picture lie inside it.
QRect LoadBoxFrame(const QGroupBox* box);

using TAddRowActions = std::array<QAction*, 4>; // Pridat_Px, Pridat_q, Pridat_qq, Pridat_Mx

class TLoadCasePage : public QWidget
{
    Q_OBJECT
public:
    TLoadCasePage(TTask& task, int number, const TAddRowActions& addActions, QWidget* parent = nullptr);

    int Number() const { return LoadCaseNumber; }
    QGroupBox* Box(TLoadKind kind) const { return Boxes[kind]; }
    QScrollArea* ScrollBox() const { return Scroll; }
    int ShownRows(TLoadKind kind) const { return int(Rows[kind].size()); }

    // Brings the controls in step with the task's load case: new rows, check states, enabled partial
    // loads, texts, the hidden labels. False when the page shows rows the task no longer has (the
    // page must then be built anew).
    bool SyncFromModel();

private:
    struct TRow
    {
        QCheckBox* Check = nullptr;
        std::vector<QLineEdit*> Edits;
    };

    QString Prefix() const;
    void BuildBoxes(const TAddRowActions& addActions);
    void AddRowControls(TLoadKind kind);
    QLineEdit* AddValueEdit(QGroupBox* box, TLoadKind kind, int k, int field, const QString& suffix, int left, int top);
    void PlaceBoxes();
    void SyncRow(TLoadKind kind, int index, const TLoadCase& model);
    void ShowRowState(const TRow& row, const TLoadCase& model, TLoadKind kind, int index);
    void OrderTabs(); // Tab goes through the rows as the page shows them, then the add buttons

    TTask& Task;
    int LoadCaseNumber;
    QLabel* LongShortLabel;
    QLabel* GamafLabel;
    QScrollArea* Scroll;
    QWidget* Panel;
    std::array<QGroupBox*, 4> Boxes {};
    std::array<QWidget*, 4> AddButtons {};
    std::array<std::vector<TRow>, 4> Rows;
};
