#include "app/uZSproperties.h"

#include "app/En1990Widgets.h"
#include "app/NumberFields.h"
#include "model/TTask.h"
#include "model/uMyCommonLib.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TZSprop_form::TZSprop_form(QWidget* parent)
    : QDialog(parent)
    , Edit_cislo(Named(new QLineEdit, "Edit_cislo"))
    , Edit_jmeno(Named(new QLineEdit, "Edit_jmeno"))
    , RadioButton_lt(Named(new QRadioButton(QStringLiteral("dlouhodobé zatížení")), "RadioButton_lt"))
    , RadioButton_st(Named(new QRadioButton(QStringLiteral("krátkodobé zatížení")), "RadioButton_st"))
    , Edit_gamaf(Named(new QLineEdit, "Edit_gamaf"))
    , CheckBox_tisk(Named(new QCheckBox(QStringLiteral("tisk výsledků do dokumentu")), "CheckBox_tisk"))
    , ComboBox_druh(new TActionTypeChoice)
    , Button_storno(Named(new QPushButton(QStringLiteral("storno")), "Button_storno"))
    , Button_ok(Named(new QPushButton(QStringLiteral("o.k.")), "Button_ok"))
{
    setObjectName(QStringLiteral("ZSprop_form"));
    setWindowTitle(QStringLiteral("Vlastnosti zatěžovacího stavu"));
    Edit_cislo->setEnabled(false);
    Edit_cislo->setFixedWidth(60);
    Edit_gamaf->setFixedWidth(60);
    WatchNumberField(Edit_gamaf);
    RadioButton_lt->setChecked(true);

    auto* marking = new QGroupBox(QStringLiteral(" Označení "));
    auto* markingForm = new QFormLayout(marking);
    markingForm->addRow(QStringLiteral("číslo stavu:"), Edit_cislo);
    markingForm->addRow(QStringLiteral("jméno:"), Edit_jmeno);

    auto* load = new QGroupBox(QStringLiteral(" Zatížení "));
    auto* loadLayout = new QVBoxLayout(load);
    loadLayout->addWidget(RadioButton_lt);
    loadLayout->addWidget(RadioButton_st);
    auto* factor = new QFormLayout;
    factor->addRow(QStringLiteral("součinitel zatížení:"), Edit_gamaf);
    factor->addRow(QStringLiteral("druh zatížení:"), ComboBox_druh);
    loadLayout->addLayout(factor);

    Button_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_storno);
    buttons->addWidget(Button_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(marking);
    layout->addWidget(load);
    layout->addWidget(CheckBox_tisk);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button_storno, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TZSprop_form::LoadFrom(const TTask& task, int number)
{
    const TZSInfo info = task.GetZSInfo(number);
    Edit_cislo->setText(QString::number(info.Number));
    Edit_jmeno->setText(info.Name);
    RadioButton_lt->setChecked(info.LongTerm);
    RadioButton_st->setChecked(info.ShortTerm);
    Edit_gamaf->setText(FormatFixed(info.Gamaf, 3, 6));
    CheckBox_tisk->setChecked(info.PrintResults);
    if (const TLoadCase* c = task.LoadCaseByNumber(number))
        ComboBox_druh->Show(c->Action);
    // The dialog opens on the name, ready to be typed over, wherever the focus was last time.
    Edit_jmeno->setFocus(Qt::OtherFocusReason);
    Edit_jmeno->selectAll();
}

void TZSprop_form::ApplyTo(TTask& task) const
{
    bool ok = false;
    const int number = Edit_cislo->text().toInt(&ok);
    if (!ok)
        return;
    // gamma_f goes in as typed: the readers convert it.
    task.ApplyLoadCaseProperties(
        number, Edit_jmeno->text(), RadioButton_lt->isChecked(), Edit_gamaf->text(), CheckBox_tisk->isChecked());
    if (TLoadCase* c = task.LoadCaseByNumber(number))
        c->Action = ComboBox_druh->Code();
}
