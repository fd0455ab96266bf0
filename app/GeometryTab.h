#pragma once
// Tab "Rozměry, podepření": the span and the six end conditions.
#include "app/WorkflowTab.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class TTask;

class TGeometryTab : public TWorkflowTab
{
    Q_OBJECT
public:
    TGeometryTab(TTask& task, QWidget* parent = nullptr);
    void RefreshFromModel() override;

    QLineEdit* SpanEdit() const { return Edit1; }
    QLabel* SpanExplanation() const { return Edit1Label; }
    QRadioButton* TypButton(unsigned char typ) const; // nullptr for an unknown code

signals:
    void EndConditionChanged(); // after a click on an end condition: partial loads may have changed

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RadioTyp11Click(QRadioButton* button);
    void HighlightChecked();

    TTask& Task;
    QLineEdit* Edit1;
    QLabel* Edit1Label;
    QButtonGroup* TypGroup;
    std::array<QRadioButton*, 6> TypButtons {};
};
