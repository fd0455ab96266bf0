#include "app/GeometryTab.h"

#include "app/Artwork.h"
#include "app/Hints.h"
#include "app/NumberFields.h"
#include "model/TEndConditions.h"
#include "model/TTask.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// RadioTyp11 .. RadioTyp22, RadioTyp02 and RadioTyp20: the code in two digits.
QString ButtonName(unsigned char code)
{
    return QStringLiteral("RadioTyp%1").arg(int(code), 2, 10, QLatin1Char('0'));
}

const QColor Navy(0, 0, 128);

} // namespace

TGeometryTab::TGeometryTab(TTask& task, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_geometrie"), parent)
    , Task(task)
    , TypGroup(new QButtonGroup(this))
{
    auto* spanGroup = new QGroupBox(QStringLiteral(" Délka trabíku "), this);
    spanGroup->setObjectName(QStringLiteral("GroupBox_delka"));
    auto* spanRow = new QHBoxLayout(spanGroup);
    Edit1 = new QLineEdit(spanGroup);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(70);
    Edit1->installEventFilter(this);
    WatchNumberField(Edit1);
    Edit1Label = new QLabel(QStringLiteral("teoretická (výpočtová) délka trabíku"), spanGroup);
    Edit1Label->setObjectName(QStringLiteral("Label_Edit1"));
    QPalette navy = Edit1Label->palette();
    navy.setColor(QPalette::WindowText, Navy);
    Edit1Label->setPalette(navy);
    Edit1Label->setVisible(false);
    spanRow->addWidget(new QLabel(QStringLiteral("L = "), spanGroup));
    spanRow->addWidget(Edit1);
    spanRow->addWidget(new QLabel(QStringLiteral("m"), spanGroup));
    spanRow->addSpacing(12);
    spanRow->addWidget(Edit1Label);
    spanRow->addStretch(1);
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) { Task.SpanText = text; });

    auto* endsGroup = new QGroupBox(QStringLiteral(" Uložení konců "), this);
    endsGroup->setObjectName(QStringLiteral("GroupBox_ulozeni"));
    auto* grid = new QGridLayout(endsGroup);
    grid->setColumnMinimumWidth(0, 140);
    static_assert(
        std::tuple_size_v<decltype(TypButtons)> == std::tuple_size_v<std::decay_t<decltype(EndConditions())>>);
    for (std::size_t i = 0; i < EndConditions().size(); ++i) {
        const TEndCondition& end = EndConditions()[i];
        auto* button = new QRadioButton(end.Caption, endsGroup);
        button->setObjectName(ButtonName(end.Code));
        button->setProperty("Tag", int(end.Code));
        TypGroup->addButton(button, end.Code);
        TypButtons[i] = button;
        auto* picture = new QLabel(endsGroup);
        picture->setObjectName(ButtonName(end.Code) + QStringLiteral("_obr"));
        picture->setPixmap(SupportPicture(end.Code));
        picture->setFixedSize(50, 15);
        grid->addWidget(button, int(i), 0);
        grid->addWidget(picture, int(i), 1);
    }
    grid->setColumnStretch(2, 1);
    connect(TypGroup, &QButtonGroup::buttonClicked, this,
        [this](QAbstractButton* button) { RadioTyp11Click(qobject_cast<QRadioButton*>(button)); });

    ContentLayout()->addWidget(spanGroup);
    ContentLayout()->addWidget(endsGroup);
    ContentLayout()->addStretch(1);
    RefreshFromModel();
}

QRadioButton* TGeometryTab::TypButton(unsigned char typ) const
{
    return qobject_cast<QRadioButton*>(TypGroup->button(typ));
}

void TGeometryTab::RefreshFromModel()
{
    Edit1->setText(Task.SpanText);
    if (QRadioButton* button = TypButton(Task.Typ))
        button->setChecked(true);
    HighlightChecked();
}

void TGeometryTab::RadioTyp11Click(QRadioButton* button)
{
    if (!button)
        return;
    Task.SetTyp(static_cast<unsigned char>(button->property("Tag").toInt()));
    HighlightChecked();
    emit EndConditionChanged();
}

// The checked end condition's caption in bold navy, the others as normal text.
void TGeometryTab::HighlightChecked()
{
    for (QRadioButton* button : TypButtons) {
        const bool checked = button->isChecked();
        QFont font = button->font();
        font.setBold(checked);
        button->setFont(font);
        QPalette palette = button->palette();
        palette.setColor(QPalette::WindowText, checked ? Navy : this->palette().color(QPalette::WindowText));
        palette.setColor(QPalette::ButtonText, checked ? Navy : this->palette().color(QPalette::ButtonText));
        button->setPalette(palette);
    }
}

bool TGeometryTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusIn)
        Edit1Label->setVisible(true);
    else if (watched == Edit1 && event->type() == QEvent::FocusOut)
        Edit1Label->setVisible(false);
    return TWorkflowTab::eventFilter(watched, event);
}
