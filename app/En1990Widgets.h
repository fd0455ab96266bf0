#pragma once
// The EN 1990 parts of the windows: the action type of the load case properties dialog, the panel of
// the combinations tab (rule, ψ table, generated combinations) and the EN 1990 envelope choice of the
// calculation tab.
#include <QComboBox>
#include <QGroupBox>

class QButtonGroup;
class QGridLayout;
class QListWidget;
class TTask;

// "druh zatížení": "nezatříděno" or one of the action types; a code this program does not know stays
// as it came.
class TActionTypeChoice : public QComboBox
{
    Q_OBJECT
public:
    explicit TActionTypeChoice(QWidget* parent = nullptr);
    void Show(const QString& code);
    QString Code() const;
};

// " Kombinace podle ČSN EN 1990 ": the rule, the ψ factors of the action types (read-only) and the
// combinations the classified load cases give, refreshed whenever the panel is shown.
class TEn1990Panel : public QGroupBox
{
    Q_OBJECT
public:
    TEn1990Panel(TTask& task, QWidget* parent = nullptr);
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TTask& Task;
    QComboBox* Rule;
    QListWidget* Combinations;
};

// In `row` of `grid`: the radio button "obálku podle ČSN EN 1990" (id 4 of the choice's button group,
// so it excludes the other choices) and the list of "MSÚ (ČSN EN 1990)" … "MSP kvazistálá"; they set
// task.Calc.En1990.
void AddEn1990Choices(TTask& task, QButtonGroup& group, QGridLayout& grid, int row);
// Checks the envelope choice of task.Calc.En1990 (nothing for 0).
void ShowEn1990Choice(const TTask& task, QButtonGroup& group);
