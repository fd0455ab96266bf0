#include "app/En1990Widgets.h"

#include "design/En1990.h"
#include "model/TTask.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>

TActionTypeChoice::TActionTypeChoice(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("ComboBox_druh"));
    addItem(QStringLiteral("nezatříděno"), QString());
    for (const TActionType& t : ActionTypes())
        addItem(t.Name, QString::fromLatin1(t.Code));
}

void TActionTypeChoice::Show(const QString& code)
{
    int index = findData(code);
    if (index < 0) {
        addItem(QStringLiteral("neznámý druh „%1“").arg(code), code);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

QString TActionTypeChoice::Code() const
{
    return currentData().toString();
}

TEn1990Panel::TEn1990Panel(TTask& task, QWidget* parent)
    : QGroupBox(QStringLiteral(" Kombinace podle ČSN EN 1990 "), parent)
    , Task(task)
    , Rule(new QComboBox(this))
    , Combinations(new QListWidget(this))
{
    setObjectName(QStringLiteral("GroupBox_EN1990"));
    Rule->setObjectName(QStringLiteral("ComboBox_pravidlo"));
    Rule->addItem(QStringLiteral("6.10a,b – výrazy (6.10a) a (6.10b)"), QStringLiteral("6.10a,b"));
    Rule->addItem(QStringLiteral("6.10 – výraz (6.10)"), QStringLiteral("6.10"));
    connect(Rule, qOverload<int>(&QComboBox::activated), this, [this] {
        Task.CombinationRule = Rule->currentData().toString();
        Refresh();
    });

    // The factors of EN 1990 Table A1.1 / A1.2(B) with the Czech annex, as the core has them.
    auto* psi = new QTableWidget(int(ActionTypes().size()), 3, this);
    psi->setObjectName(QStringLiteral("Table_psi"));
    psi->setHorizontalHeaderLabels({ QStringLiteral("ψ0"), QStringLiteral("ψ1"), QStringLiteral("ψ2") });
    psi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    psi->setSelectionMode(QAbstractItemView::NoSelection);
    QStringList names;
    for (int r = 0; r < int(ActionTypes().size()); ++r) {
        const TActionType& t = ActionTypes()[size_t(r)];
        names << t.Name;
        const double values[] = { t.Psi0, t.Psi1, t.Psi2 };
        for (int c = 0; c < 3; ++c)
            psi->setItem(r, c, new QTableWidgetItem(t.Permanent ? QStringLiteral("–") : FactorShortText(values[c])));
    }
    psi->setVerticalHeaderLabels(names);
    psi->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    psi->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    Combinations->setObjectName(QStringLiteral("List_kombinace_EN"));
    auto* factors = new QLabel(
        QStringLiteral("γG,sup = %1, γG,inf = %2, ξ = %3, γQ = %4")
            .arg(FactorShortText(GammaGSup), FactorShortText(GammaGInf), FactorShortText(Xi), FactorShortText(GammaQ)),
        this);
    // One column: the ψ table needs the whole width for the names of the categories.
    auto* rule = new QHBoxLayout;
    rule->addWidget(new QLabel(QStringLiteral("pravidlo MSÚ:"), this));
    rule->addWidget(Rule, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rule);
    layout->addWidget(factors);
    layout->addWidget(psi, 3);
    layout->addWidget(new QLabel(QStringLiteral("generované kombinace:"), this));
    layout->addWidget(Combinations, 2);
}

void TEn1990Panel::showEvent(QShowEvent* event)
{
    Refresh();
    QGroupBox::showEvent(event);
}

void TEn1990Panel::Refresh()
{
    Rule->setCurrentIndex(UsesRule610(Task) ? 1 : 0);
    Combinations->clear();
    if (!AnyLoadCaseClassified(Task)) {
        Combinations->addItem(QStringLiteral("Žádný zatěžovací stav nemá určen druh zatížení (vlastnosti stavu)."));
        return;
    }
    if (const QString problem = ClassificationProblem(Task); !problem.isEmpty()) {
        Combinations->addItem(problem);
        return;
    }
    for (TEnKind kind : EnKinds) {
        Combinations->addItem(EnKindCaption(kind) + QLatin1Char(':'));
        for (const TEnCombination& c : GenerateCombinations(Task, kind))
            Combinations->addItem(QStringLiteral("    ") + c.Name);
    }
}

void AddEn1990Choices(TTask& task, QButtonGroup& group, QGridLayout& grid, int row)
{
    QWidget* parent = grid.parentWidget();
    auto* button = new QRadioButton(QStringLiteral("obálku podle ČSN EN 1990"), parent);
    button->setObjectName(QStringLiteral("RadioButton_EN1990"));
    auto* kinds = new QComboBox(parent);
    kinds->setObjectName(QStringLiteral("ComboBox_EN1990"));
    for (TEnKind kind : EnKinds)
        kinds->addItem(EnKindCaption(kind));
    group.addButton(button, 4);
    grid.addWidget(button, row, 0);
    grid.addWidget(kinds, row, 1);
    // By the user's clicks: a choice set from the task (RefreshFromModel) must not clear it.
    QObject::connect(&group, &QButtonGroup::idClicked, parent,
        [&task, kinds](int id) { task.Calc.En1990 = id == 4 ? kinds->currentIndex() + 1 : 0; });
    QObject::connect(kinds, qOverload<int>(&QComboBox::activated), parent, [&task, button](int index) {
        button->setChecked(true); // choosing a kind chooses the EN envelope
        task.Calc.En1990 = index + 1;
    });
}

void ShowEn1990Choice(const TTask& task, QButtonGroup& group)
{
    QAbstractButton* button = group.button(4);
    if (!button || task.Calc.En1990 < 1 || task.Calc.En1990 > 4)
        return;
    button->setChecked(true);
    if (auto* kinds = button->parentWidget()->findChild<QComboBox*>(QStringLiteral("ComboBox_EN1990")))
        kinds->setCurrentIndex(task.Calc.En1990 - 1);
}
