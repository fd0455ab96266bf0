#pragma once
// Building blocks shared by the calculation, diagrams and deflection tabs: the read-only result
// fields, the one number format of every shown result, and the bold navy caption of a chosen switch.
#include <QColor>
#include <QList>
#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

const QColor NavyText(0, 0, 128);

// Three decimals after rounding to six significant digits.
QString ResultText(double value);

// A read-only field named `name`; `color` tints its text (the probes' blue and red).
QLineEdit* MakeResultField(QWidget* parent, const QString& name, const QColor& color = QColor());

// "label" field "unit" in one row of a grid layout, starting at `column`.
QLineEdit* AddResultRow(QGridLayout* grid, int row, int column, const QString& label, const QString& name,
    const QString& unit, const QColor& color = QColor());

// A probe value field with, under it, the field of the envelope's lower curve: for one load case
// or combination "Mx =" and one value; under the envelope "Mx,max =" and "Mx,min =", both shown.
struct TProbeFields
{
    QLabel* MaxLabel = nullptr;
    QLineEdit* Max = nullptr;
    QLabel* MinLabel = nullptr;
    QLineEdit* Min = nullptr;
    QLabel* MinUnit = nullptr;
    QString Letter; // "Mx"

    void ShowEnvelope(bool envelope); // labels and the lower row for the kind of result shown
    void Clear(); // a new result: the mouse fills the fields again
    void Show(double value, double minimum); // the sample under the mouse
};

// Two rows from `row` on: the probe value named `name` and the lower curve's field `name` + "_min".
TProbeFields AddProbeRows(
    QGridLayout* grid, int row, const QString& letter, const QString& name, const QString& unit, const QColor& color);

// The label and unit columns of the diagrams' field grids take the width of the widest among all
// of them (hidden rows too), so every diagram beside such a grid is equally wide.
void AlignResultColumns(const QList<QGridLayout*>& grids);

// The checked switch of a pair shows its caption in bold navy, the other in the normal style.
void HighlightChoice(QRadioButton* chosen, QRadioButton* other);
