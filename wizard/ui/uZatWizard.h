#pragma once
// ZatWizard, "Generátor zatížení": five pages of inputs for a roof or floor girder; "ok" replaces
// the task's load cases with the generated ones. The wizard edits the inputs of a copy of the task
// and hands the finished task back, so "storno" and a refused input leave the load cases alone.
//
// The main window opens it as
//     wizard->LoadFrom(task);
//     if (wizard->exec() == QDialog::Accepted && wizard->ApplyTo(task)) { /* refresh every tab */ }
//     else task.Generator = wizard->Inputs(); // the fields keep what was typed
#include "model/TTask.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;

class TZatWizard : public QDialog
{
    Q_OBJECT
public:
    explicit TZatWizard(QWidget* parent = nullptr);

    // Takes the task's generator inputs into the controls and opens at page 1 (FormShow), with the
    // captions following the checked type and load form.
    void LoadFrom(const TTask& task);
    // The inputs as the controls hold them (the never shown cantilever inputs pass through).
    TGeneratorInputs Inputs() const;
    // After "ok": the generated task replaces `task` (inputs included). False when nothing was
    // generated (cancelled).
    bool ApplyTo(TTask& task);

    // The question before load cases the user entered are replaced, and how a refused input is
    // shown: message boxes over the wizard; the main window passes its own, tests swap them.
    std::function<bool(QWidget* parent, const QString& question)> Ask;
    std::function<void(QWidget* parent, const QString& message)> ShowError;

    // Handlers, named after their controls.
    void FormShow();
    void BitBtn2Click(); // "dále"
    void BitBtn1Click(); // "zpět"
    void BitBtn3Click(); // "ok": ask when work would be replaced, generate and close, or show the refusal and stay
    void BitBtn4Click(); // "storno"
    void RadioButton3Click(); // roof captions
    void RadioButton4Click(); // floor captions
    void RadioButton1Click(); // g1 row hidden
    void RadioButton2Click(); // g1 row shown

    QStackedWidget* Pages() const { return PageControl; }
    QProgressBar* ProgressBar() const { return ProgressBar1; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildDimensionsPage();
    QWidget* BuildLoadFormPage();
    QWidget* BuildPermanentPage();
    QWidget* BuildVariablePage();
    QWidget* BuildGeneratePage();
    QLineEdit* NewEdit(const char* name, QString TGeneratorInputs::*field);
    void ApplyTypeCaptions(bool roof);
    void ShowG1Row(bool shown);
    void UpdateButtons();
    QLabel* Label(int number) const;

    TTask Source; // the task as it was opened; generation works on a copy of it
    std::optional<TTask> Generated;
    std::vector<std::pair<QLineEdit*, QString TGeneratorInputs::*>> EditFields;

    QStackedWidget* PageControl = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "zpět"
    QPushButton* BitBtn2 = nullptr; // "dále"
    QPushButton* BitBtn3 = nullptr; // "ok"
    QPushButton* BitBtn4 = nullptr; // "storno"
};
