#include "app/PrintOptionsWidget.h"

#include "model/TTask.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

namespace {

QString Caption(TPrintOption option)
{
    using O = TPrintOption;
    switch (option) {
    case O::GeneratorData:
        return QStringLiteral("údaje z Generátoru zatížení");
    case O::LoadCases:
        return QStringLiteral("jednotlivé zatěžovací stavy");
    case O::CombinationTable:
        return QStringLiteral("rozpis kombinací zatížení");
    case O::LoadCaseForces:
    case O::LoadCaseDeflections:
        return QStringLiteral("pro označené zatěžovací stavy");
    case O::CombinationForces:
    case O::CombinationDeflections:
        return QStringLiteral("pro vybrané kombinace");
    case O::ForceDiagrams:
    case O::DeflectionDiagram:
        return QStringLiteral("graf");
    case O::ForceTables:
    case O::DeflectionTable:
        return QStringLiteral("tabulka");
    case O::Reactions:
        return QStringLiteral("reakce");
    case O::ForceCourses:
        return QStringLiteral("průběhy");
    case O::Extremes:
        return QStringLiteral("extrémy");
    case O::Characteristic:
        return QStringLiteral("normové hodnoty");
    case O::Design:
        return QStringLiteral("výpočtové hodnoty");
    case O::LoadList:
        return QStringLiteral("zatížení uvádět výpisem");
    case O::LoadSchema:
        return QStringLiteral("schema zatížení graficky");
    case O::HatchedDiagrams:
        return QStringLiteral("graf průběhů šrafovat");
    case O::AxisLabels:
        return QStringLiteral("popis os u grafů");
    case O::MergedForceDiagram:
        return QStringLiteral("sloučit graf M a Q");
    case O::CombinationSchema:
        return QStringLiteral("schema zatížení pro kombinace");
    }
    return {};
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
    using O = TPrintOption;
    left->addWidget(
        Group(QStringLiteral("Zadání"), "GroupBox_zadani", { O::GeneratorData, O::LoadCases, O::CombinationTable }));
    left->addWidget(Group(QStringLiteral("Vnitřní síly"), "GroupBox_sily",
        { O::Reactions, O::ForceCourses, O::ForceDiagrams, O::ForceTables, O::Extremes, O::Characteristic, O::Design,
            O::LoadCaseForces, O::CombinationForces }));
    left->addStretch(1);
    right->addWidget(Group(QStringLiteral("Průhyby"), "GroupBox_pruhyby",
        { O::DeflectionDiagram, O::DeflectionTable, O::LoadCaseDeflections, O::CombinationDeflections }));
    right->addWidget(Group(QStringLiteral("Možnosti posudku"), "GroupBox_moznosti",
        { O::LoadList, O::LoadSchema, O::HatchedDiagrams, O::AxisLabels, O::MergedForceDiagram,
            O::CombinationSchema }));
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

QWidget* TPrintOptionsWidget::Group(
    const QString& caption, const char* name, std::initializer_list<TPrintOption> options)
{
    auto* group = new QGroupBox(caption, this);
    group->setObjectName(QString::fromLatin1(name));
    auto* column = new QVBoxLayout(group);
    column->setSpacing(2);
    for (TPrintOption option : options) {
        const int box = int(option);
        auto* check = new QCheckBox(Caption(option), group);
        check->setObjectName(QStringLiteral("CheckBox%1").arg(box));
        connect(check, &QCheckBox::toggled, this, [this, option](bool on) { Task.Print[option].Checked = on; });
        if (option == TPrintOption::ForceDiagrams || option == TPrintOption::ForceTables) { // belong to "průběhy"
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
