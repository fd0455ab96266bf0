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

QString MinimumTip(bool envelope, double minimum)
{
    return envelope ? QStringLiteral("min %1").arg(ResultText(minimum)) : QString();
}
