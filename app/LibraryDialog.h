#pragma once
// The dialog of the buttons "materiály..." and "průřezy...": one store of the library with the
// built-in entries (read-only) and the user's own ones, which can be added, changed and removed.
// Every change is saved to the user's file at once; a change that cannot be saved is not made.
#include "library/TLibrary.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TLibraryDialog : public QDialog
{
    Q_OBJECT
public:
    // `ask` puts a Yes/No question (removing an entry asks first), `showError` shows a refusal.
    TLibraryDialog(TLibrary& library, TLibraryKind kind, std::function<bool(const QString&)> ask,
        std::function<void(const QString&)> showError, QWidget* parent = nullptr);

    QTableWidget* Table() const { return List; }
    QLineEdit* NameEdit() const { return Name; }
    QLineEdit* ValueEdit() const { return Value; }
    void Add();
    void Change();
    void Remove();

private:
    void Fill(int current);
    void Selected();
    int CurrentIndex() const; // in Entries(), -1 without a selection
    bool Apply(const std::function<void(TLibrary&)>& change, int current);

    TLibrary& Library;
    TLibraryKind Kind;
    std::function<bool(const QString&)> Ask;
    std::function<void(const QString&)> ShowError;
    QTableWidget* List = nullptr;
    QLineEdit* Name = nullptr;
    QLineEdit* Value = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* ChangeButton = nullptr;
    QPushButton* RemoveButton = nullptr;
};
