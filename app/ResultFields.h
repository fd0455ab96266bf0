#pragma once
// Building blocks shared by the calculation, diagrams and deflection tabs: the read-only result
// fields, the one number format of every shown result, and the bold navy caption of a chosen switch.
#include <QColor>
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

// The tool tip of a probe under the envelope, which shows the upper curve: "min" and the lower
// curve's value; empty without an envelope.
QString MinimumTip(bool envelope, double minimum);

// The checked switch of a pair shows its caption in bold navy, the other in the normal style.
void HighlightChoice(QRadioButton* chosen, QRadioButton* other);
