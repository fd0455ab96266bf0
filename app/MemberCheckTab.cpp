#include "app/MemberCheckTab.h"

#include "design/LimitCheck.h"
#include "design/TaskCheck.h"
#include "design/TaskServiceability.h"
#include "design/TimberTask.h"
#include "library/SteelGrades.h"
#include "library/TimberClasses.h"
#include "model/TError.h"
#include "model/TTask.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableWidget>

namespace {

const char* const LoadLevels[][2] = { { "top", "horní pás" }, { "centre", "střed smyku" }, { "bottom", "dolní pás" } };

// One row of the table: check, clause, design value, resistance, utilisation, verdict, x, combination.
struct TRow
{
    QString Name, Clause, Unit;
    double Design = 0, Resistance = 0, Utilisation = 0, x = -1;
    QString By, Why; // Why: undecided
};

TRow RowOf(const TCheckRow& r)
{
    return { r.Name, QStringLiteral("ČSN EN 1993-1-1, ") + r.Clause, r.Unit == QLatin1String("-") ? QString() : r.Unit,
        r.Design, r.Resistance, r.Utilisation, r.By.isEmpty() ? -1 : r.x, r.By, r.Decided ? QString() : r.Why };
}

TRow RowOf(const TLimitCheck& c)
{
    return { c.Name, c.Clause, c.Unit, c.DesignValue, c.Resistance, c.Utilisation, c.x, c.GovernedBy, c.Undecided };
}

QFormLayout* CompactForm(QGroupBox* group)
{
    auto* form = new QFormLayout(group);
    form->setVerticalSpacing(2);
    return form;
}

QComboBox* List(const char* name)
{
    auto* list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

QString Number(double v)
{
    return QLocale().toString(v, 'f', v != 0 && std::abs(v) < 10 ? 3 : 2);
}

} // namespace

TMemberCheckTab::TMemberCheckTab(TTask& task, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_posouzeni"), parent)
    , Task(task)
{
    auto* materials = new QHBoxLayout;
    SteelRadio = new QRadioButton(QStringLiteral("ocel (ČSN EN 1993-1-1)"));
    SteelRadio->setObjectName(QStringLiteral("SteelRadio"));
    TimberRadio = new QRadioButton(QStringLiteral("dřevo (ČSN EN 1995-1-1)"));
    TimberRadio->setObjectName(QStringLiteral("TimberRadio"));
    materials->addWidget(new QLabel(QStringLiteral("materiál:")));
    materials->addWidget(SteelRadio);
    materials->addWidget(TimberRadio);
    materials->addStretch();
    auto* checkButton = new QPushButton(QStringLiteral("posoudit"));
    checkButton->setObjectName(QStringLiteral("CheckButton"));
    materials->addWidget(checkButton);
    ContentLayout()->addLayout(materials);
    // The inputs of the chosen material, scrolled when the window is small.
    auto* inputs = new QWidget;
    auto* groups = new QHBoxLayout(inputs);
    groups->setContentsMargins(0, 0, 0, 0);
    SteelGroup = BuildSteelGroup();
    TimberGroup = BuildTimberGroup();
    groups->addWidget(SteelGroup);
    groups->addWidget(TimberGroup);
    groups->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(inputs);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(120);
    ContentLayout()->addWidget(scroll, 1);

    Table = new QTableWidget(0, 8);
    Table->setObjectName(QStringLiteral("CheckTable"));
    Table->setHorizontalHeaderLabels({ QStringLiteral("posudek"), QStringLiteral("článek"),
        QStringLiteral("návrhová hodnota"), QStringLiteral("únosnost / limit"), QStringLiteral("využití"),
        QStringLiteral(" "), QStringLiteral("x [m]"), QStringLiteral("kombinace") });
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->setWordWrap(false);
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->setMinimumHeight(100);
    ContentLayout()->addWidget(Table, 1);
    Message = new QLabel;
    Message->setObjectName(QStringLiteral("CheckMessage"));
    Message->setWordWrap(true);
    ContentLayout()->addWidget(Message);
    SetDefaultButton(checkButton);

    connect(checkButton, &QPushButton::clicked, this, &TMemberCheckTab::Check);
    for (QRadioButton* radio : { SteelRadio, TimberRadio })
        connect(radio, &QRadioButton::toggled, this, [this] {
            if (Showing)
                return;
            Task.Timber.CheckMaterial = TimberRadio->isChecked() ? QStringLiteral("timber") : QStringLiteral("steel");
            // The class list shows a class: the task takes it once timber is chosen.
            if (TimberRadio->isChecked() && Task.Timber.ClassName.trimmed().isEmpty())
                Task.Timber.ClassName = ClassList->currentText();
            ShowMaterial();
        });
    RefreshFromModel();
}

QLineEdit* TMemberCheckTab::Field(const QString& name, QString& text, int width)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaximumWidth(width);
    Fields.emplace_back(edit, &text);
    connect(edit, &QLineEdit::textEdited, this, [&text](const QString& typed) { text = typed; });
    return edit;
}

QGroupBox* TMemberCheckTab::BuildSteelGroup()
{
    auto* group = new QGroupBox(QStringLiteral("ocelový nosník (průřez z karty Průhyb)"));
    auto* form = CompactForm(group);
    GradeList = List("GradeList");
    for (const TSteelGrade& g : SteelGrades())
        GradeList->addItem(QString::fromLatin1(g.Name));
    form->addRow(QStringLiteral("ocel"), GradeList);
    HeldCheck = new QCheckBox(QStringLiteral("tlačený pás držen spojitě"));
    HeldCheck->setObjectName(QStringLiteral("HeldCheck"));
    form->addRow(HeldCheck);
    LengthEdit = Field(QStringLiteral("LtbLengthEdit"), Task.Steel.LtbLength);
    form->addRow(QStringLiteral("vzdálenost příčných podpor L<sub>cr</sub> [m]"), LengthEdit);
    LevelList = List("LoadLevelList");
    for (const auto& level : LoadLevels)
        LevelList->addItem(QString::fromUtf8(level[1]), QString::fromLatin1(level[0]));
    form->addRow(QStringLiteral("zatížení působí na"), LevelList);
    SelfWeightCheck = new QCheckBox(QStringLiteral("vlastní tíha průřezu"));
    SelfWeightCheck->setObjectName(QStringLiteral("SelfWeightCheck"));
    form->addRow(SelfWeightCheck);
    SteelLimitList = List("SteelLimitList");
    SteelLimitList->addItem(QStringLiteral("zadané"));
    for (const TSteelDeflectionLimit& l : SteelDeflectionLimits())
        SteelLimitList->addItem(
            QStringLiteral("%1: L/%2 · L/%3").arg(QString::fromUtf8(l.Name)).arg(l.MaxRatio).arg(l.VariableRatio));
    form->addRow(QStringLiteral("mezní průhyby"), SteelLimitList);
    form->addRow(
        QStringLiteral("δ<sub>max</sub> L/"), Field(QStringLiteral("SteelMaxEdit"), Task.Steel.MaxDeflectionRatio));
    form->addRow(QStringLiteral("δ<sub>2</sub> L/"),
        Field(QStringLiteral("SteelVariableEdit"), Task.Steel.VariableDeflectionRatio));

    connect(GradeList, &QComboBox::currentTextChanged, this, [this](const QString& grade) {
        if (!Showing)
            Task.Steel.SteelGrade = grade;
    });
    connect(HeldCheck, &QCheckBox::toggled, this, [this](bool held) {
        LengthEdit->setEnabled(!held);
        if (!Showing && held)
            Task.Steel.LtbLength.clear();
        if (held)
            LengthEdit->clear();
    });
    connect(LevelList, &QComboBox::currentIndexChanged, this, [this] {
        if (!Showing)
            Task.Steel.LtbLoadLevel = LevelList->currentData().toString();
    });
    connect(SelfWeightCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (!Showing)
            Task.Steel.SelfWeight = on ? QStringLiteral("1") : QStringLiteral("0");
    });
    connect(SteelLimitList, &QComboBox::activated, this, &TMemberCheckTab::ChooseSteelLimits);
    return group;
}

QGroupBox* TMemberCheckTab::BuildTimberGroup()
{
    auto* group = new QGroupBox(QStringLiteral("dřevěný nosník obdélníkového průřezu"));
    auto* form = CompactForm(group);
    ClassList = List("TimberClassList");
    for (const TTimberClass& c : TimberClasses())
        ClassList->addItem(QString::fromLatin1(c.Name));
    form->addRow(QStringLiteral("třída dřeva"), ClassList);
    form->addRow(QStringLiteral("šířka b [mm]"), Field(QStringLiteral("TimberWidthEdit"), Task.Timber.Width));
    form->addRow(QStringLiteral("výška h [mm]"), Field(QStringLiteral("TimberDepthEdit"), Task.Timber.Depth));
    ServiceClassList = List("ServiceClassList");
    ServiceClassList->addItems({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3") });
    form->addRow(QStringLiteral("třída provozu"), ServiceClassList);
    form->addRow(
        QStringLiteral("délka uložení [mm]"), Field(QStringLiteral("SupportLengthEdit"), Task.Timber.SupportLength));
    form->addRow(
        QStringLiteral("nadvýšení w<sub>c</sub> [mm]"), Field(QStringLiteral("PrecamberEdit"), Task.Timber.Precamber));
    form->addRow(QStringLiteral("w<sub>inst</sub> L/"), Field(QStringLiteral("InstRatioEdit"), Task.Timber.InstRatio));
    form->addRow(
        QStringLiteral("w<sub>net,fin</sub> L/"), Field(QStringLiteral("NetFinRatioEdit"), Task.Timber.NetFinRatio));
    form->addRow(QStringLiteral("w<sub>fin</sub> L/"), Field(QStringLiteral("FinRatioEdit"), Task.Timber.FinRatio));
    auto* note = new QLabel(QStringLiteral("klopení: vzdálenost příčných podpor L<sub>cr</sub> jako u oceli"));
    note->setWordWrap(true);
    form->addRow(note);
    connect(ClassList, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!Showing)
            Task.Timber.ClassName = name;
    });
    connect(ServiceClassList, &QComboBox::currentTextChanged, this, [this](const QString& sc) {
        if (!Showing)
            Task.Timber.ServiceClass = sc;
    });
    return group;
}

void TMemberCheckTab::ChooseSteelLimits(int index)
{
    if (index < 1 || size_t(index) > SteelDeflectionLimits().size())
        return;
    const TSteelDeflectionLimit& l = SteelDeflectionLimits()[size_t(index - 1)];
    Task.Steel.MaxDeflectionRatio = QString::number(l.MaxRatio);
    Task.Steel.VariableDeflectionRatio = QString::number(l.VariableRatio);
    RefreshFromModel();
}

void TMemberCheckTab::RefreshFromModel()
{
    Showing = true;
    for (const auto& [edit, text] : Fields)
        edit->setText(*text);
    GradeList->setCurrentText(Task.Steel.SteelGrade);
    HeldCheck->setChecked(Task.Steel.LtbLength.trimmed().isEmpty());
    LengthEdit->setEnabled(!HeldCheck->isChecked());
    LevelList->setCurrentIndex(std::max(0, LevelList->findData(Task.Steel.LtbLoadLevel.trimmed())));
    SelfWeightCheck->setChecked(Task.Steel.SelfWeight.trimmed() == QLatin1String("1"));
    SteelLimitList->setCurrentIndex(0);
    for (int i = 1; i < SteelLimitList->count(); ++i) {
        const TSteelDeflectionLimit& l = SteelDeflectionLimits()[size_t(i - 1)];
        if (Task.Steel.MaxDeflectionRatio == QString::number(l.MaxRatio)
            && Task.Steel.VariableDeflectionRatio == QString::number(l.VariableRatio))
            SteelLimitList->setCurrentIndex(i);
    }
    ClassList->setCurrentIndex(std::max(0, ClassList->findText(Task.Timber.ClassName.trimmed())));
    ServiceClassList->setCurrentIndex(std::max(0, ServiceClassList->findText(Task.Timber.ServiceClass.trimmed())));
    const bool timber = CheckMaterialOf(Task) == TCheckMaterial::Timber;
    TimberRadio->setChecked(timber);
    SteelRadio->setChecked(!timber);
    Showing = false;
    ShowMaterial();
}

void TMemberCheckTab::ShowMaterial()
{
    SteelGroup->setVisible(SteelRadio->isChecked());
    TimberGroup->setVisible(TimberRadio->isChecked());
}

void TMemberCheckTab::Entered()
{
    Check();
}

void TMemberCheckTab::Check()
{
    std::vector<TRow> rows;
    QStringList notes;
    try {
        switch (CheckMaterialOf(Task)) {
        case TCheckMaterial::None:
            notes << CheckMaterialProblem(Task);
            break;
        case TCheckMaterial::Steel: {
            const TSteelCheck c = CheckTaskSteel(Task);
            if (!c.Refused.isEmpty())
                notes << c.Refused;
            else
                for (const TCheckRow& r : c.Rows())
                    rows.push_back(RowOf(r));
            break;
        }
        case TCheckMaterial::Timber: {
            const TTimberTaskResult r = CheckTaskTimber(Task);
            if (!r.Problem.isEmpty())
                notes << r.Problem;
            else
                for (const TLimitCheck* c : { &r.Uls.Bending, &r.Uls.Shear, &r.Uls.BearingA, &r.Uls.BearingB })
                    if (!c->Name.isEmpty())
                        rows.push_back(RowOf(*c));
            break;
        }
        }
        if (CheckMaterialOf(Task) != TCheckMaterial::None) {
            const TTaskServiceability s = TaskServiceability(Task);
            if (!s.Result.Problem.isEmpty())
                notes << s.Result.Problem;
            for (const TLimitCheck& c : s.Result.Checks)
                rows.push_back(RowOf(c));
            notes << s.Result.Warnings;
        }
    } catch (const TError& e) {
        notes << e.Message;
    }
    Table->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const TRow& r = rows[size_t(i)];
        const bool decided = r.Why.isEmpty();
        const QString unit = r.Unit.isEmpty() ? QString() : QLatin1Char(' ') + r.Unit;
        const QStringList cells { r.Name, r.Clause, decided ? Number(r.Design) + unit : QString(),
            decided ? Number(r.Resistance) + unit : QString(),
            decided ? QLocale().toString(r.Utilisation * 100, 'f', 1) + QStringLiteral(" %") : QStringLiteral("?"),
            !decided                 ? QString()
                : r.Utilisation <= 1 ? QStringLiteral("✓")
                                     : QStringLiteral("✗"),
            r.x >= 0 ? QLocale().toString(r.x, 'f', 3) : QString(), decided ? r.By : r.Why };
        for (int col = 0; col < cells.size(); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            if (col == 5 && decided)
                item->setForeground(r.Utilisation <= 1 ? Qt::darkGreen : Qt::red);
            if (col >= 2 && col <= 6)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(i, col, item);
        }
    }
    Table->resizeColumnsToContents();
    Message->setText(notes.join(QLatin1Char('\n')));
}
