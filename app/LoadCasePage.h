#pragma once
// One load case as a page of PageControl2: hidden property labels, a scroll box with the four
// group boxes, one line of controls per load row. The controls carry the names "ZS" n + suffix + k
// that the rest of the program knows; their values live in the task, which the edits write as typed.
// A page builds its controls when it is first shown or first asked for by name: a task of hundreds
// of load cases opens with nothing but their tabs.
#include "model/TTask.h"

#include <QIcon>
#include <QPixmap>
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

// What every load case page shows alike, painted once for all of them: the add buttons' actions
// and glyphs, and the four load pictures.
struct TLoadCasePageArt
{
    explicit TLoadCasePageArt(const TAddRowActions& actions);
    TAddRowActions Actions;
    std::array<QIcon, 4> AddIcons;
    std::array<QPixmap, 4> Pictures;
};

class TLoadCasePage : public QWidget
{
    Q_OBJECT
public:
    // `art` outlives the page (the load case tab owns it).
    TLoadCasePage(TTask& task, int number, const TLoadCasePageArt& art, QWidget* parent = nullptr);

    int Number() const { return LoadCaseNumber; }
    // The controls, built now unless they are already there (FindControl asks for them by name).
    Q_INVOKABLE void EnsureBuilt();
    bool Built() const { return Scroll != nullptr; }
    QGroupBox* Box(TLoadKind kind)
    {
        EnsureBuilt();
        return Boxes[kind];
    }
    QScrollArea* ScrollBox()
    {
        EnsureBuilt();
        return Scroll;
    }
    int ShownRows(TLoadKind kind) const { return int(Rows[kind].size()); }

    // Brings the controls in step with the task's load case: new rows, check states, enabled partial
    // loads, texts, the hidden labels. False when the page shows rows the task no longer has (the
    // page must then be built anew). A page not built yet has nothing to bring in step.
    bool SyncFromModel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct TRow
    {
        QCheckBox* Check = nullptr;
        std::vector<QLineEdit*> Edits;
    };

    QString Prefix() const;
    void BuildBoxes();
    void AddRowControls(TLoadKind kind);
    QLineEdit* AddValueEdit(QGroupBox* box, TLoadKind kind, int k, int field, const QString& suffix, int left, int top);
    void PlaceBoxes();
    void SyncRow(TLoadKind kind, int index, const TLoadCase& model);
    void ShowRowState(const TRow& row, const TLoadCase& model, TLoadKind kind, int index);
    void OrderTabs(); // Tab goes through the rows as the page shows them, then the add buttons

    TTask& Task;
    int LoadCaseNumber;
    const TLoadCasePageArt& Art;
    QLabel* LongShortLabel = nullptr;
    QLabel* GamafLabel = nullptr;
    QScrollArea* Scroll = nullptr;
    QWidget* Panel = nullptr;
    std::array<QGroupBox*, 4> Boxes {};
    std::array<QWidget*, 4> AddButtons {};
    std::array<std::vector<TRow>, 4> Rows;
};
