#include "app/CalculationTab.h"

#include "analysis/Checks.h"
#include "analysis/Extremes.h"
#include "app/En1990Widgets.h"
#include "app/ResultFields.h"
#include "model/TTask.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

QComboBox* MakeList(QWidget* parent, const char* name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMinimumWidth(150);
    return list;
}

QLabel* ColumnCaption(QWidget* parent, const QString& text)
{
    auto* caption = new QLabel(text, parent);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    QPalette grey = caption->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    caption->setPalette(grey);
    return caption;
}

// The beam on two supports with the reactions A and B pushing up and the end moments.
QPixmap ReactionPicture()
{
    QPixmap pixmap(120, 44);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(12, 14, 108, 14);
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    for (int x : { 12, 108 }) {
        p.drawLine(x, 40, x, 18);
        p.drawLine(x, 18, x - 3, 24);
        p.drawLine(x, 18, x + 3, 24);
    }
    p.drawArc(QRectF(2, 4, 20, 20), 100 * 16, 160 * 16);
    p.drawArc(QRectF(98, 4, 20, 20), -80 * 16, 160 * 16);
    p.setPen(Qt::black);
    p.drawText(QPointF(18, 38), QStringLiteral("A"));
    p.drawText(QPointF(96, 38), QStringLiteral("B"));
    return pixmap;
}

} // namespace

TCalculationTab::TCalculationTab(TTask& task, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_vypocet"), parent)
    , Task(task)
{
    ContentLayout()->addWidget(BuildChoiceGroup());
    ContentLayout()->addWidget(BuildReactionGroup());
    Warnings = new QLabel(this);
    Warnings->setObjectName(QStringLiteral("Label_varovani"));
    Warnings->setWordWrap(true);
    Warnings->setTextFormat(Qt::PlainText); // captions are shown as typed
    Warnings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette red = Warnings->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    Warnings->setPalette(red);
    Warnings->setVisible(false);
    ContentLayout()->addWidget(Warnings);
    ContentLayout()->addStretch(1);
    SetDefaultButton(GraphBtn);
    RefreshFromModel();
}

QWidget* TCalculationTab::BuildChoiceGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Výpočet "), this);
    group->setObjectName(QStringLiteral("GroupBox_vypocet"));
    RadioButton1 = new QRadioButton(QStringLiteral("vybraný zatěžovací stav"), group);
    RadioButton2 = new QRadioButton(QStringLiteral("vybranou kombinaci"), group);
    RadioButton3 = new QRadioButton(QStringLiteral("obalovou křivku"), group);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    auto* choice = new QButtonGroup(group);
    choice->addButton(RadioButton1, TCalculationChoice::LoadCase);
    choice->addButton(RadioButton2, TCalculationChoice::Combination);
    choice->addButton(RadioButton3, TCalculationChoice::Envelope);
    connect(choice, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && id <= TCalculationChoice::Envelope)
            Task.Calc.Mode = TCalculationChoice::TMode(id);
    });
    LoadCaseList = MakeList(group, "ComboBox1");
    CombinationList = MakeList(group, "ComboBox2");
    connect(
        LoadCaseList, &QComboBox::editTextChanged, this, [this](const QString& text) { Task.Calc.ComboBox1 = text; });
    connect(CombinationList, &QComboBox::editTextChanged, this,
        [this](const QString& text) { Task.Calc.ComboBox2 = text; });

    GraphBtn = new QPushButton(QStringLiteral("Spočítat a zobrazit graf"), group);
    GraphBtn->setObjectName(QStringLiteral("BitBtn17"));
    QFont bold = GraphBtn->font();
    bold.setBold(true);
    GraphBtn->setFont(bold);
    ReactionBtn = new QPushButton(QStringLiteral("Spočítat a zobrazit reakce"), group);
    ReactionBtn->setObjectName(QStringLiteral("BitBtn18"));
    ReactionBtn->setAutoDefault(true);

    auto* grid = new QGridLayout(group);
    grid->addWidget(RadioButton1, 0, 0);
    grid->addWidget(LoadCaseList, 0, 1);
    grid->addWidget(RadioButton2, 1, 0);
    grid->addWidget(CombinationList, 1, 1);
    grid->addWidget(RadioButton3, 2, 0);
    AddEn1990Choices(Task, *choice, *grid, 3);
    grid->addWidget(GraphBtn, 0, 3);
    grid->addWidget(ReactionBtn, 1, 3);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* TCalculationTab::BuildReactionGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Reakce "), this);
    group->setObjectName(QStringLiteral("GroupBox_reakce"));
    auto* grid = new QGridLayout(group);
    struct TRow
    {
        const char* Label;
        int Edit;
        const char* Unit;
    };
    const TRow characteristic[]
        = { { "A,n =", 14, "kN" }, { "Ma,n =", 15, "kNm" }, { "B,n =", 16, "kN" }, { "Mb,n =", 17, "kNm" } };
    const TRow design[]
        = { { "A,d =", 18, "kN" }, { "Ma,d =", 20, "kNm" }, { "B,d =", 21, "kN" }, { "Mb,d =", 22, "kNm" } };
    // Per side: label, value, the envelope's minimum (shown only under the envelope), unit; row 0
    // names the two values under the envelope.
    for (int side = 0; side < 2; ++side) {
        const int base = side * 5;
        for (int row = 0; row < 4; ++row) {
            const TRow& r = side == 0 ? characteristic[row] : design[row];
            const QString name = QStringLiteral("Edit%1").arg(r.Edit);
            Reaction[side * 4 + row] = AddResultRow(grid, row + 1, base, QString::fromUtf8(r.Label), name, QString());
            delete grid->itemAtPosition(row + 1, base + 2)->widget(); // the unit goes after the minimum
            ReactionMin[side * 4 + row] = MakeResultField(group, name + QStringLiteral("_min"));
            grid->addWidget(ReactionMin[side * 4 + row], row + 1, base + 2);
            grid->addWidget(new QLabel(QString::fromLatin1(r.Unit), group), row + 1, base + 3);
            EnvelopeOnly << ReactionMin[side * 4 + row];
        }
        for (int column = 1; column <= 2; ++column) {
            auto* caption = new QLabel(column == 1 ? QStringLiteral("max") : QStringLiteral("min"), group);
            grid->addWidget(caption, 0, base + column, Qt::AlignCenter);
            EnvelopeOnly << caption;
        }
    }
    grid->addWidget(ColumnCaption(group, QStringLiteral("normové hodnoty")), 5, 1, 1, 3);
    grid->addWidget(ColumnCaption(group, QStringLiteral("výpočtové hodnoty")), 5, 6, 1, 3);
    grid->setColumnMinimumWidth(4, 16);

    // Part of the group's look only: gamma_f is taken from each load case.
    auto* gamafLabel = new QLabel(QStringLiteral("gamaf="), group);
    gamafLabel->setObjectName(QStringLiteral("Label_gamaf"));
    gamafLabel->setEnabled(false);
    auto* gamaf = new QLineEdit(QStringLiteral("0"), group);
    gamaf->setObjectName(QStringLiteral("Edit19"));
    gamaf->setEnabled(false);
    gamaf->setFixedWidth(40);
    Picture = new QLabel(group);
    Picture->setObjectName(QStringLiteral("Image_reakce"));
    Picture->setPixmap(ReactionPicture());
    grid->addWidget(gamafLabel, 6, 5, Qt::AlignRight);
    grid->addWidget(gamaf, 6, 6);
    grid->addWidget(Picture, 1, 10, 4, 1, Qt::AlignCenter);
    grid->setColumnStretch(11, 1);
    ShowEnvelopeColumns(false);
    return group;
}

void TCalculationTab::ShowLists()
{
    const QString loadCase = Task.Calc.ComboBox1;
    const QString combination = Task.Calc.ComboBox2;
    for (auto [list, entries, text] : { std::tuple { LoadCaseList, Task.LoadCaseNames(), loadCase },
             std::tuple { CombinationList, Task.CombinationNames(), combination } }) {
        const QSignalBlocker blocker(list);
        list->clear();
        list->addItems(entries);
        list->setCurrentIndex(int(entries.indexOf(text)));
        list->setEditText(text);
    }
}

void TCalculationTab::RefreshFromModel()
{
    ShowLists();
    switch (Task.Calc.Mode) {
    case TCalculationChoice::LoadCase:
        RadioButton1->setChecked(true);
        break;
    case TCalculationChoice::Combination:
        RadioButton2->setChecked(true);
        break;
    case TCalculationChoice::Envelope:
        RadioButton3->setChecked(true);
        break;
    }
    ShowEn1990Choice(Task, *RadioButton1->group());
}

void TCalculationTab::ShowResult(const TCalculation& result)
{
    ShowLists();
    const TResultStore& r = result.Sums;
    const double values[] = { r.An, r.Man, r.Bn, r.Mbn, r.Ad, r.Mad, r.Bd, r.Mbd };
    // Under the envelope the fields hold the maxima and the minima stand beside them.
    const TEnvelope& e = r.Envelope;
    const TRange* ranges[] = { &e.An, &e.Man, &e.Bn, &e.Mbn, &e.Ad, &e.Mad, &e.Bd, &e.Mbd };
    for (int i = 0; i < 8; ++i) {
        Reaction[i]->setText(ResultText(values[i]));
        ReactionMin[i]->setText(r.HasEnvelope ? ResultText(ranges[i]->Min) : QString());
    }
    const QStringList& warnings = result.Warnings;
    Warnings->setText(warnings.join(QLatin1Char('\n')));
    Warnings->setVisible(!warnings.isEmpty());
    ShowEnvelopeColumns(r.HasEnvelope);
}

// The picture gives way to the minima, which need its room.
void TCalculationTab::ShowEnvelopeColumns(bool envelope)
{
    for (QWidget* w : EnvelopeOnly)
        w->setVisible(envelope);
    Picture->setVisible(!envelope);
}
