#include "app/ResultFields.h"

#include "model/uMyCommonLib.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

QString ResultText(double value)
{
    return FormatFixed(value, 3, 6);
}

QLineEdit* MakeResultField(QWidget* parent, const QString& name, const QColor& color)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFixedWidth(72);
    field->setAlignment(Qt::AlignRight);
    if (color.isValid()) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, color);
        field->setPalette(palette);
    }
    return field;
}

QLineEdit* AddResultRow(QGridLayout* grid, int row, int column, const QString& label, const QString& name,
    const QString& unit, const QColor& color)
{
    QWidget* parent = grid->parentWidget();
    auto* field = MakeResultField(parent, name, color);
    auto* caption = new QLabel(label, parent);
    caption->setObjectName(QStringLiteral("Label_") + name);
    caption->setBuddy(field);
    grid->addWidget(caption, row, column, Qt::AlignRight);
    grid->addWidget(field, row, column + 1);
    grid->addWidget(new QLabel(unit, parent), row, column + 2);
    return field;
}

void HighlightChoice(QRadioButton* chosen, QRadioButton* other)
{
    const QColor normal
        = chosen->parentWidget() ? chosen->parentWidget()->palette().color(QPalette::WindowText) : QColor(Qt::black);
    for (QRadioButton* button : { chosen, other }) {
        const bool highlighted = button == chosen;
        QFont font = button->font();
        font.setBold(highlighted);
        button->setFont(font);
        QPalette palette = button->palette();
        palette.setColor(QPalette::WindowText, highlighted ? NavyText : normal);
        palette.setColor(QPalette::ButtonText, highlighted ? NavyText : normal);
        button->setPalette(palette);
    }
}

TProbeFields AddProbeRows(
    QGridLayout* grid, int row, const QString& letter, const QString& name, const QString& unit, const QColor& color)
{
    TProbeFields probe;
    probe.Letter = letter;
    probe.Max = AddResultRow(grid, row, 0, letter + QStringLiteral(" ="), name, unit, color);
    probe.Min
        = AddResultRow(grid, row + 1, 0, letter + QStringLiteral(",min ="), name + QStringLiteral("_min"), unit, color);
    probe.MaxLabel = qobject_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget());
    probe.MinLabel = qobject_cast<QLabel*>(grid->itemAtPosition(row + 1, 0)->widget());
    probe.MinUnit = qobject_cast<QLabel*>(grid->itemAtPosition(row + 1, 2)->widget());
    // Wide enough for both captions, so the diagram beside the grid keeps its width in envelope mode.
    probe.ShowEnvelope(true);
    probe.MaxLabel->setMinimumWidth(probe.MaxLabel->sizeHint().width());
    probe.ShowEnvelope(false);
    return probe;
}

void TProbeFields::ShowEnvelope(bool envelope)
{
    MaxLabel->setText(Letter + (envelope ? QStringLiteral(",max =") : QStringLiteral(" =")));
    for (QWidget* w : { static_cast<QWidget*>(MinLabel), static_cast<QWidget*>(Min), static_cast<QWidget*>(MinUnit) })
        w->setVisible(envelope);
}

void TProbeFields::Clear()
{
    Max->clear();
    Min->clear();
}

void TProbeFields::Show(double value, double minimum)
{
    Max->setText(ResultText(value));
    Min->setText(ResultText(minimum));
}

void AlignResultColumns(const QList<QGridLayout*>& grids)
{
    int widths[3] = { 0, 0, 0 };
    for (int pass = 0; pass < 2; ++pass) {
        for (QGridLayout* grid : grids) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                for (int column = 0; column < 3; ++column) {
                    if (pass == 1) {
                        grid->setColumnMinimumWidth(column, widths[column]);
                        continue;
                    }
                    const QLayoutItem* item = grid->itemAtPosition(row, column);
                    // The widget's own hint within its size limits: hidden rows count as well.
                    if (const QWidget* w = item ? item->widget() : nullptr)
                        widths[column]
                            = qMax(widths[column], qBound(w->minimumWidth(), w->sizeHint().width(), w->maximumWidth()));
                }
            }
        }
    }
}
