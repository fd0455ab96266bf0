#include "app/PrintOptionsWidget.h"

#include "model/TTask.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

namespace {

QString Caption(int box)
{
    switch (box) {
    case 1:
        return QStringLiteral("údaje z Generátoru zatížení");
    case 2:
        return QStringLiteral("jednotlivé zatěžovací stavy");
    case 3:
        return QStringLiteral("rozpis kombinací zatížení");
    case 4:
    case 15:
        return QStringLiteral("pro označené zatěžovací stavy");
    case 5:
    case 16:
        return QStringLiteral("pro vybrané kombinace");
    case 6:
    case 8:
        return QStringLiteral("graf");
    case 7:
    case 9:
        return QStringLiteral("tabulka");
    case 10:
        return QStringLiteral("reakce");
    case 11:
        return QStringLiteral("průběhy");
    case 12:
        return QStringLiteral("extrémy");
    case 13:
        return QStringLiteral("normové hodnoty");
    case 14:
        return QStringLiteral("výpočtové hodnoty");
    case 17:
        return QStringLiteral("zatížení uvádět výpisem");
    case 18:
        return QStringLiteral("schema zatížení graficky");
    case 19:
        return QStringLiteral("graf průběhů šrafovat");
    case 20:
        return QStringLiteral("popis os u grafů");
    case 21:
        return QStringLiteral("sloučit graf M a Q");
    case 22:
        return QStringLiteral("schema zatížení pro kombinace");
    default:
        return {};
    }
}

} // namespace

TPrintOptionsWidget::TPrintOptionsWidget(TTask& task, QAction* preview, QWidget* parent)
    : QWidget(parent)
    , Task(task)
{
    setObjectName(QStringLiteral("PrintOptions"));
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    left->addWidget(Group(QStringLiteral("Zadání"), "GroupBox_zadani", { 1, 2, 3 }));
    left->addWidget(Group(QStringLiteral("Vnitřní síly"), "GroupBox_sily", { 10, 11, 6, 7, 12, 13, 14, 4, 5 }));
    left->addStretch(1);
    right->addWidget(Group(QStringLiteral("Průhyby"), "GroupBox_pruhyby", { 8, 9, 15, 16 }));
    right->addWidget(Group(QStringLiteral("Možnosti posudku"), "GroupBox_moznosti", { 17, 18, 19, 20, 21, 22 }));
    right->addStretch(1);
    Nahled = new QPushButton(QStringLiteral("Náhled tisku"), this);
    Nahled->setObjectName(QStringLiteral("BitBtn_nahled"));
    Nahled->setAutoDefault(true);
    if (preview) {
        Nahled->setIcon(preview->icon());
        connect(Nahled, &QPushButton::clicked, preview, &QAction::trigger);
    }
    right->addWidget(Nahled, 0, Qt::AlignRight);
    RefreshFromModel();
}

QWidget* TPrintOptionsWidget::Group(const QString& caption, const char* name, std::initializer_list<int> boxes)
{
    auto* group = new QGroupBox(caption, this);
    group->setObjectName(QString::fromLatin1(name));
    auto* column = new QVBoxLayout(group);
    column->setSpacing(2);
    for (int box : boxes) {
        auto* check = new QCheckBox(Caption(box), group);
        check->setObjectName(QStringLiteral("CheckBox%1").arg(box));
        connect(check, &QCheckBox::toggled, this, [this, box](bool on) { Task.Print[box].Checked = on; });
        if (box == 6 || box == 7) { // "graf" and "tabulka" belong to "průběhy"
            auto* indented = new QHBoxLayout;
            indented->addSpacing(18);
            indented->addWidget(check);
            column->addLayout(indented);
        } else {
            column->addWidget(check);
        }
        Boxes.at(std::size_t(box)) = check;
    }
    return group;
}

void TPrintOptionsWidget::RefreshFromModel()
{
    for (int box = 1; box < int(Boxes.size()); ++box) {
        Boxes.at(std::size_t(box))->setChecked(Task.Print[box].Checked);
        Boxes.at(std::size_t(box))->setEnabled(Task.Print[box].Enabled);
    }
}

// The load generator enables its box while the tab is hidden: the tab shows the task as it is.
void TPrintOptionsWidget::showEvent(QShowEvent* event)
{
    RefreshFromModel();
    QWidget::showEvent(event);
}
