#pragma once
// A main window on a task of its own, shown offscreen, with scripted answers to every question.
#include "analysis/Extremes.h"
#include "app/Hints.h"
#include "app/LoadCasesTab.h"
#include "app/uMainForm.h"
#include "model/TTask.h"

#include <QDialog>
#include <QStringList>
#include <QTabWidget>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

class MainFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Form = std::make_unique<TMainForm>(Task);
        TUserPrompts& prompts = Form->Prompts();
        prompts.Ask = [this](QWidget*, const QString& question) {
            Questions << question;
            if (Answers.empty())
                return false;
            const bool answer = Answers.front();
            Answers.pop_front();
            return answer;
        };
        prompts.AskSave = [this](QWidget*, const QString& question) {
            Questions << question;
            if (SaveAnswers.empty())
                return TSaveAnswer::No;
            const TSaveAnswer answer = SaveAnswers.front();
            SaveAnswers.pop_front();
            return answer;
        };
        prompts.ShowError = [this](QWidget*, const QString& message) { Errors << message; };
        prompts.ShowMessage = [this](QWidget*, const QString& message) { Messages << message; };
        prompts.ChooseProjectFile = [this](QWidget*, TFileDialogKind, const QString& current) {
            ++FileDialogsShown;
            FileDialogStart = current;
            return ChosenFile;
        };
        prompts.ExecDialog = [this](QDialog& dialog) {
            ++DialogsShown;
            return DialogAnswer ? DialogAnswer(dialog) : int(QDialog::Rejected);
        };
        Form->show();
    }

    template <typename T = QObject> T* Find(const QString& name) const { return FindControlAs<T>(Form.get(), name); }

    QTabWidget* Pages() const { return Form->LoadCasesTab()->PageControl(); }
    QString CurrentTabName() const { return Form->PageControl()->currentWidget()->objectName(); }

    TTask Task;
    std::unique_ptr<TMainForm> Form;
    std::deque<bool> Answers; // Yes/No answers in the order the questions come; No when empty
    std::deque<TSaveAnswer> SaveAnswers; // answers to "Uložit změny v úloze?"; Ne when empty
    QStringList Questions, Errors, Messages;
    QString ChosenFile;
    QString FileDialogStart; // the file the last file dialog started with
    std::function<int(QDialog&)> DialogAnswer;
    int DialogsShown = 0;
    int FileDialogsShown = 0;
};
