#pragma once
// ZSprop_form, "Vlastnosti zatěžovacího stavu": name, long-/short-term, gamma_f and the print flag
// of one load case.
#include <QDialog>

class QCheckBox;
class TActionTypeChoice;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TTask;

class TZSprop_form : public QDialog
{
    Q_OBJECT
public:
    explicit TZSprop_form(QWidget* parent = nullptr);

    // Shows the record of load case `number`: gamma_f in fixed notation with three decimals; the
    // focus on the name, selected.
    void LoadFrom(const TTask& task, int number);
    // The "o.k." part: the caption, the long-term label ("0" or "1"), gamma_f exactly as typed and
    // the print flag go into the load case whose number the dialog shows.
    void ApplyTo(TTask& task) const;

    QLineEdit* NumberEdit() const { return Edit_cislo; }
    QLineEdit* NameEdit() const { return Edit_jmeno; }
    QRadioButton* LongTermButton() const { return RadioButton_lt; }
    QRadioButton* ShortTermButton() const { return RadioButton_st; }
    QLineEdit* GamafEdit() const { return Edit_gamaf; }
    QCheckBox* PrintCheck() const { return CheckBox_tisk; }
    TActionTypeChoice* ActionChoice() const { return ComboBox_druh; } // "druh zatížení" (EN 1990)
    QPushButton* OkButton() const { return Button_ok; }
    QPushButton* CancelButton() const { return Button_storno; }

private:
    QLineEdit* Edit_cislo;
    QLineEdit* Edit_jmeno;
    QRadioButton* RadioButton_lt;
    QRadioButton* RadioButton_st;
    QLineEdit* Edit_gamaf;
    QCheckBox* CheckBox_tisk;
    TActionTypeChoice* ComboBox_druh;
    QPushButton* Button_storno;
    QPushButton* Button_ok;
};
