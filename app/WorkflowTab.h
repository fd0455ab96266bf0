#pragma once
// Base of the main window's tabs: the tab's own content above, a bottom strip with the navigation
// buttons "zpět" and "dále" at its right end. Enter presses the tab's default button.
#include <QWidget>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

class TWorkflowTab : public QWidget
{
    Q_OBJECT
public:
    TWorkflowTab(const QString& name, QWidget* parent = nullptr);

    QVBoxLayout* ContentLayout() const { return Content; }
    QHBoxLayout* BottomStrip() const { return Strip; } // widgets added here sit left of the navigation

    // The navigation buttons exist only on the tabs that have them; hints in "short|long" form.
    QPushButton* AddBackButton(const QString& hint = QString());
    QPushButton* AddNextButton(const QString& hint = QString());
    QPushButton* BackButton() const { return Back; }
    QPushButton* NextButton() const { return Next; }

    void SetDefaultButton(QPushButton* button); // pressed by Enter while this tab is shown
    QPushButton* DefaultButton() const { return Default; }
    // Clicks the default button when it can be clicked; false when there is none to click.
    bool PressDefault();

    // Shows the task again after it changed as a whole (New task, Open, the load generator).
    virtual void RefreshFromModel() { }
    // Called each time the tab becomes the shown tab (the "Enter"/"Show" handlers of the tabs).
    virtual void Entered() { }

signals:
    void BackRequested();
    void NextRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QVBoxLayout* Content;
    QHBoxLayout* Strip;
    QPushButton* Back = nullptr;
    QPushButton* Next = nullptr;
    QPushButton* Default = nullptr;
};
