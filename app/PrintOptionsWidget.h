#pragma once
// The content of tab "Tisk": the report options in their four groups, bound to the task's print
// options, and the button "Náhled tisku" that runs the preview action.
#include <QWidget>
#include <array>

class QAction;
class QCheckBox;
class QPushButton;
class TTask;
enum class TPrintOption;

class TPrintOptionsWidget : public QWidget
{
    Q_OBJECT
public:
    TPrintOptionsWidget(TTask& task, QAction* preview, QWidget* parent = nullptr);

    void RefreshFromModel(); // checked and enabled states from the task
    QCheckBox* CheckBox(int number) const { return Boxes.at(std::size_t(number)); }
    QPushButton* PreviewButton() const { return Nahled; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* Group(const QString& caption, const char* name, std::initializer_list<TPrintOption> options);

    TTask& Task;
    std::array<QCheckBox*, 23> Boxes {}; // by the number of the check box; [0] unused
    QPushButton* Nahled = nullptr;
};
