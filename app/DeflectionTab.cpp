#include "app/DeflectionTab.h"

#include "analysis/Checks.h"
#include "app/DiagramImageWidget.h"
#include "app/ResultFields.h"
#include "library/TLibrary.h"
#include "model/TTask.h"
#include "model/uMyCommonLib.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

const QColor ProbeBlue(0, 0, 255);

const QString LimitHint = QStringLiteral(
    "Mezní průhyb f_lim = L_ref / zadaná hodnota. L_ref je rozpětí L, u konzoly (konzola zleva, konzola zprava) "
    "dvojnásobek vyložení 2L.");

void SetTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// The names of a store of name=value lines, in order.
QStringList StoreNames(const QStringList& store)
{
    QStringList names;
    for (const QString& line : store)
        names << line.section(QLatin1Char('='), 0, 0);
    return names;
}

// The value of `name` in a store of name=value lines; empty when the name has none.
QString StoreValue(const QStringList& store, const QString& name)
{
    for (const QString& line : store)
        if (!name.isEmpty() && line.section(QLatin1Char('='), 0, 0) == name)
            return line.section(QLatin1Char('='), 1);
    return {};
}

// The default texts are numbers the program wrote: shown with the system's decimal separator, as
// every number it writes. What the user typed (or a file brought) is shown as it stands; the task
// keeps the text either way, so a task saves as before.
QString ShownNumber(const QString& text, const QString& programText)
{
    return text == programText ? QString(text).replace(QLatin1Char('.'), QLocale().decimalPoint()) : text;
}

// A word-wrapped label that asks for the width of its text on one line: it wraps only where the
// row has no room for that (a wrapped QLabel asks for a narrow width and wraps even at 1000 px).
class TOneLineLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize sizeHint() const override
    {
        const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin();
        return { fontMetrics().horizontalAdvance(text()) + margins + 2, QLabel::sizeHint().height() };
    }
};

QComboBox* MakeUnitList(QWidget* parent, const char* name, const QStringList& units)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true); // a unit may be typed; one that matches no entry converts nothing
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(units);
    list->setFixedWidth(58);
    // A typed unit that names an entry in other letter case takes the entry's spelling, so the
    // field, the file and the report show the unit that is used ("gpa" becomes "GPa").
    QObject::connect(list->lineEdit(), &QLineEdit::editingFinished, list, [list] {
        const int entry = list->findText(list->currentText(), Qt::MatchFixedString);
        if (entry >= 0 && list->itemText(entry) != list->currentText())
            list->setEditText(list->itemText(entry));
    });
    return list;
}

QLineEdit* MakeInput(QWidget* parent, const char* name, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(width);
    return edit;
}

} // namespace

TDeflectionTab::TDeflectionTab(TTask& task, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_Pruhyb"), parent)
    , Task(task)
{
    ContentLayout()->addWidget(BuildSectionGroup());
    ContentLayout()->addWidget(BuildDiagramGroup(), 1);
    RefreshFromModel();
}

QGroupBox* TDeflectionTab::BuildSectionGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Parametry průřezu: "), this);
    group->setObjectName(QStringLiteral("GroupBox_prurez"));
    Edit30 = MakeInput(group, "Edit30", 72);
    ComboBox3
        = MakeUnitList(group, "ComboBox3", { QStringLiteral("m4"), QStringLiteral("cm4"), QStringLiteral("mm4") });
    Edit31 = MakeInput(group, "Edit31", 72);
    ComboBox4 = MakeUnitList(group, "ComboBox4",
        { QStringLiteral("Pa"), QStringLiteral("kPa"), QStringLiteral("MPa"), QStringLiteral("GPa") });
    ComboBox5 = new QComboBox(group);
    ComboBox5->setObjectName(QStringLiteral("ComboBox5"));
    ComboBox6 = new QComboBox(group);
    ComboBox6->setObjectName(QStringLiteral("ComboBox6"));
    for (QComboBox* list : { ComboBox5, ComboBox6 })
        list->setMinimumWidth(80);
    CheckBox23 = new QCheckBox(QStringLiteral("obdélník"), group);
    CheckBox23->setObjectName(QStringLiteral("CheckBox23"));
    Edit32 = MakeInput(group, "Edit32", 50);
    Edit33 = MakeInput(group, "Edit33", 50);
    ComputeButton = new QPushButton(QStringLiteral("Spočítat průhyb"), group);
    ComputeButton->setObjectName(QStringLiteral("BitBtn21"));
    ComputeButton->setAutoDefault(true);
    auto* materials = MaterialsButton = new QPushButton(QStringLiteral("materiály..."), group);
    materials->setObjectName(QStringLiteral("BitBtn22"));
    auto* sections = SectionsButton = new QPushButton(QStringLiteral("průřezy..."), group);
    sections->setObjectName(QStringLiteral("BitBtn23"));

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("moment setrvačnosti Iy = "), group), 0, 0, Qt::AlignRight);
    grid->addWidget(Edit30, 0, 1);
    grid->addWidget(ComboBox3, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("modul pružnosti E ="), group), 1, 0, Qt::AlignRight);
    grid->addWidget(Edit31, 1, 1);
    grid->addWidget(ComboBox4, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Materiál:"), group), 0, 4, Qt::AlignRight);
    grid->addWidget(ComboBox5, 0, 5);
    grid->addWidget(materials, 0, 6);
    grid->addWidget(new QLabel(QStringLiteral("Průřez:"), group), 1, 4, Qt::AlignRight);
    grid->addWidget(ComboBox6, 1, 5);
    grid->addWidget(sections, 1, 6);
    auto* rectangle = new QHBoxLayout;
    rectangle->addWidget(CheckBox23);
    rectangle->addSpacing(6);
    rectangle->addWidget(new QLabel(QStringLiteral("b[m]="), group));
    rectangle->addWidget(Edit32);
    rectangle->addSpacing(6);
    rectangle->addWidget(new QLabel(QStringLiteral("h[m]="), group));
    rectangle->addWidget(Edit33);
    rectangle->addStretch(1);
    grid->addLayout(rectangle, 2, 0, 1, 3);
    grid->addWidget(ComputeButton, 2, 5, 1, 2);
    auto* limitLabel = new QLabel(QStringLiteral("mezní průhyb L/"), group);
    LimitEdit = MakeInput(group, "Edit34", 72);
    CheckValues = new TOneLineLabel(group);
    CheckValues->setObjectName(QStringLiteral("Label_posudek"));
    CheckValues->setWordWrap(true); // a narrow window wraps the line instead of widening the tab
    CheckVerdict = new QLabel(group);
    CheckVerdict->setObjectName(QStringLiteral("Label_vyhovuje"));
    CheckVerdict->setWordWrap(true);
    QFont bold = CheckVerdict->font();
    bold.setBold(true);
    CheckVerdict->setFont(bold);
    for (QWidget* w : std::initializer_list<QWidget*> { limitLabel, LimitEdit, CheckValues, CheckVerdict })
        w->setToolTip(LimitHint);
    grid->addWidget(limitLabel, 3, 0, Qt::AlignRight);
    grid->addWidget(LimitEdit, 3, 1);
    auto* check = new QHBoxLayout;
    check->addWidget(CheckValues);
    check->addSpacing(8);
    check->addWidget(CheckVerdict);
    check->addStretch(1);
    grid->addLayout(check, 3, 2, 1, 6);
    grid->setColumnMinimumWidth(3, 4);
    grid->setHorizontalSpacing(4);
    grid->setColumnStretch(7, 1);

    TDeflectionInputs& d = Task.Deflection;
    // A value typed over a chosen entry is no longer that entry's: the choice goes, so the report
    // never names a section or material whose value was changed by hand.
    auto forgetSection = [this, &d] {
        d.Section.clear();
        ComboBox6->setCurrentIndex(-1);
    };
    auto forgetMaterial = [this, &d] {
        d.Material.clear();
        ComboBox5->setCurrentIndex(-1);
    };
    connect(Edit30, &QLineEdit::textEdited, this, [this, &d, forgetSection](const QString& text) {
        d.Edit30 = text;
        forgetSection();
        SectionEdited();
    });
    connect(Edit31, &QLineEdit::textEdited, this, [this, &d, forgetMaterial](const QString& text) {
        d.Edit31 = text;
        forgetMaterial();
        SectionEdited();
    });
    connect(LimitEdit, &QLineEdit::textEdited, this, [this, &d](const QString& text) {
        d.DeflectionLimit = text;
        ShowCheck();
    });
    connect(Edit32, &QLineEdit::textEdited, this, [&d](const QString& text) { d.Edit32 = text; });
    connect(Edit33, &QLineEdit::textEdited, this, [&d](const QString& text) { d.Edit33 = text; });
    connect(ComboBox3, &QComboBox::editTextChanged, this, [this, &d, forgetSection](const QString& text) {
        if (text == d.IyUnit)
            return;
        forgetSection();
        d.IyUnit = text;
        SectionEdited();
    });
    connect(ComboBox4, &QComboBox::editTextChanged, this, [this, &d, forgetMaterial](const QString& text) {
        if (text == d.EUnit)
            return;
        forgetMaterial();
        d.EUnit = text;
        SectionEdited();
    });
    connect(ComboBox5, &QComboBox::activated, this, &TDeflectionTab::ComboBox5Change);
    connect(ComboBox6, &QComboBox::activated, this, &TDeflectionTab::ComboBox6Change);
    connect(Edit32, &QLineEdit::editingFinished, this, &TDeflectionTab::RectangleRule);
    connect(Edit33, &QLineEdit::editingFinished, this, &TDeflectionTab::RectangleRule);
    connect(CheckBox23, &QCheckBox::clicked, this, &TDeflectionTab::CheckBox23Click);
    return group;
}

QGroupBox* TDeflectionTab::BuildDiagramGroup()
{
    GroupBox11 = new QGroupBox(QStringLiteral("Průhyb trabíku po délce:"), this);
    GroupBox11->setObjectName(QStringLiteral("GroupBox11"));
    DeflectionImage = new TDiagramImageWidget(QStringLiteral("Image9"), TDiagramKind::Deflection, GroupBox11);
    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(2);
    Edit[24] = AddResultRow(fields, 0, 0, QStringLiteral("fmax ="), QStringLiteral("Edit24"), QStringLiteral("mm"));
    Edit[25] = AddResultRow(fields, 1, 0, QStringLiteral("xmax="), QStringLiteral("Edit25"), QStringLiteral("m"));
    Edit[26] = AddResultRow(fields, 2, 0, QStringLiteral("fmin ="), QStringLiteral("Edit26"), QStringLiteral("mm"));
    Edit[27] = AddResultRow(fields, 3, 0, QStringLiteral("xmin="), QStringLiteral("Edit27"), QStringLiteral("m"));
    Edit[28]
        = AddResultRow(fields, 4, 0, QStringLiteral("x ="), QStringLiteral("Edit28"), QStringLiteral("m"), ProbeBlue);
    DeflectionProbe
        = AddProbeRows(fields, 5, QStringLiteral("fx"), QStringLiteral("Edit29"), QStringLiteral("mm"), ProbeBlue);
    Edit[29] = DeflectionProbe.Max;
    fields->setRowStretch(7, 1);
    Fields = fields;
    StiffnessNote = new QLabel(GroupBox11);
    StiffnessNote->setObjectName(QStringLiteral("Label_tuhost"));
    StiffnessNote->setWordWrap(true);
    QPalette red = StiffnessNote->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    StiffnessNote->setPalette(red);
    StiffnessNote->setVisible(false);
    auto* left = new QVBoxLayout;
    left->addWidget(DeflectionImage, 1);
    left->addWidget(StiffnessNote);
    auto* row = new QHBoxLayout(GroupBox11);
    row->addLayout(left, 1);
    row->addLayout(fields);
    connect(DeflectionImage, &TDiagramImageWidget::Probed, this, &TDeflectionTab::ProbeDeflection);
    return GroupBox11;
}

void TDeflectionTab::Entered()
{
    RefillStores();
}

void TDeflectionTab::RefillStores()
{
    TDeflectionInputs& d = Task.Deflection;
    if (Library) {
        d.MaterialStore = Library->StoreLines(TLibraryKind::Materials);
        d.SectionStore = Library->StoreLines(TLibraryKind::Sections);
    }
    for (auto [list, store, text] : { std::tuple { ComboBox5, &d.MaterialStore, d.Material },
             std::tuple { ComboBox6, &d.SectionStore, d.Section } }) {
        const QSignalBlocker blocker(list);
        list->clear();
        list->addItems(StoreNames(*store));
        list->setCurrentIndex(int(StoreNames(*store).indexOf(text)));
    }
}

void TDeflectionTab::ShowInputs()
{
    const TDeflectionInputs& d = Task.Deflection;
    const TDeflectionInputs defaults;
    Edit30->setText(ShownNumber(d.Edit30, defaults.Edit30));
    Edit31->setText(d.Edit31);
    Edit32->setText(ShownNumber(d.Edit32, defaults.Edit32));
    Edit33->setText(ShownNumber(d.Edit33, defaults.Edit33));
    LimitEdit->setText(d.DeflectionLimit);
    const QSignalBlocker block3(ComboBox3), block4(ComboBox4);
    ComboBox3->setEditText(d.IyUnit);
    ComboBox4->setEditText(d.EUnit);
    CheckBox23->setChecked(d.CheckBox23);
    ComboBox6->setEnabled(!d.CheckBox23);
    MarkUnreadable();
}

namespace {

// The start values of E and Iy are no section of the user's: no verdict for them until the user
// types or chooses a section, or asks for the deflection. Other values came from the user (typed,
// or saved in the project file).
bool SectionOfTheUser(const TDeflectionInputs& d)
{
    const TDeflectionInputs start;
    return d.SectionConfirmed || d.Edit30 != start.Edit30 || d.IyUnit != start.IyUnit || d.Edit31 != start.Edit31
        || d.EUnit != start.EUnit;
}

} // namespace

void TDeflectionTab::MarkUnreadable()
{
    const TDeflectionInputs& d = Task.Deflection;
    for (auto [edit, text] : { std::pair { Edit30, d.Edit30 }, std::pair { Edit31, d.Edit31 } }) {
        double value = 0;
        const bool unreadable = !text.trimmed().isEmpty() && !TryStrToFloatX(text, value);
        edit->setStyleSheet(unreadable ? QStringLiteral("QLineEdit { border: 1px solid rgb(192, 0, 0); }") : QString());
    }
}

void TDeflectionTab::SectionEdited()
{
    Task.Deflection.SectionConfirmed = true;
    MarkUnreadable();
    emit SectionChanged();
}

void TDeflectionTab::MarkStale()
{
    Stale = true;
    ShowCheck();
}

void TDeflectionTab::RefreshFromModel()
{
    ShowInputs();
    RefillStores();
    ShowCheck();
}

void TDeflectionTab::ShowResult(const TCalculation& result)
{
    if (&result != Result.get())
        Result = std::make_shared<const TCalculation>(result);
    Stale = false;
    if (result.Captions.Computed)
        GroupBox11->setTitle(result.Captions.Deflection);
    const TExtreme& f = result.Extremes.f;
    Edit[24]->setText(ResultText(DeflectionMm(f.Max)));
    Edit[25]->setText(ResultText(f.xMax));
    Edit[26]->setText(ResultText(DeflectionMm(f.Min)));
    Edit[27]->setText(ResultText(f.xMin));
    Edit[28]->clear(); // the probe told of the previous result
    DeflectionProbe.Clear();
    DeflectionProbe.ShowEnvelope(result.Sums.HasEnvelope);
    const QString problem = DeflectionProblem(result.Sums);
    StiffnessNote->setText(problem);
    StiffnessNote->setVisible(!problem.isEmpty());
    ShowCheck();
    DeflectionImage->Show(Result, Task.Calc);
}

void TDeflectionTab::ShowCheck()
{
    const TCalculation& r = *Result;
    const TDeflectionCheck check
        = CheckDeflection(r.Typ, r.SpanL, Task.Deflection.DeflectionLimit, r.Sums, r.Extremes.f);
    const bool greyed = Stale;
    CheckValues->setEnabled(!greyed);
    CheckVerdict->setEnabled(!greyed);
    if (check.Done && !SectionOfTheUser(Task.Deflection)) {
        CheckValues->clear();
        CheckValues->setVisible(false);
        CheckVerdict->setText(QStringLiteral("Průhyb se posoudí po zadání nebo potvrzení E a Iy („Spočítat průhyb“)."));
        SetTextColor(CheckVerdict, QColor(192, 0, 0));
        return;
    }
    if (!check.Done) {
        // A deflection that was not computed is said below the diagram; a bad limit is said here.
        CheckValues->clear();
        CheckValues->setVisible(false);
        CheckVerdict->setText(check.Problem);
        SetTextColor(CheckVerdict, QColor(192, 0, 0));
        return;
    }
    // A value keeps its unit on its line where the line has to wrap.
    CheckValues->setText(QStringLiteral("f_lim = %1 = %2\u00a0mm,   |f|max = %3\u00a0mm,   |f|max / f_lim = %4")
                             .arg(DeflectionLimitFormula(check), ResultText(check.fLimit_mm), ResultText(check.fMax_mm),
                                 ResultText(check.Utilisation)));
    CheckValues->setVisible(true);
    CheckVerdict->setText(DeflectionVerdict(check));
    SetTextColor(CheckVerdict,
        greyed         ? palette().color(QPalette::Disabled, QPalette::WindowText)
            : check.Ok ? QColor(0, 128, 0)
                       : QColor(192, 0, 0));
}

void TDeflectionTab::ProbeDeflection(int X, int width)
{
    const double x = ProbeX(Result->SpanL, width, X);
    Edit[28]->setText(ResultText(x));
    const TProbeValues v = ProbeValues(*Result, x, true, true);
    DeflectionProbe.Show(DeflectionMm(v.fmax), DeflectionMm(v.fmin));
}

void TDeflectionTab::ComboBox5Change()
{
    TDeflectionInputs& d = Task.Deflection;
    d.Material = ComboBox5->currentText();
    d.EUnit = QStringLiteral("GPa");
    d.Edit31 = StoreValue(d.MaterialStore, d.Material);
    ShowInputs();
    SectionEdited();
}

void TDeflectionTab::ComboBox6Change()
{
    TDeflectionInputs& d = Task.Deflection;
    d.Section = ComboBox6->currentText();
    d.IyUnit = QStringLiteral("mm4");
    d.Edit30 = StoreValue(d.SectionStore, d.Section);
    ShowInputs();
    SectionEdited();
}

void TDeflectionTab::RectangleRule()
{
    TDeflectionInputs& d = Task.Deflection;
    if (!d.CheckBox23)
        return;
    const double b = StrToFloatX(d.Edit32);
    const double h = StrToFloatX(d.Edit33);
    d.Edit30 = FmtFixed(8, b * h * h * h / 12);
    d.IyUnit = QStringLiteral("m4");
    ShowInputs();
    SectionEdited();
}

// Unchecked, the section list takes over again: Iy is the chosen section's (empty without one).
void TDeflectionTab::CheckBox23Click()
{
    TDeflectionInputs& d = Task.Deflection;
    d.CheckBox23 = CheckBox23->isChecked();
    ComboBox6->setEnabled(!d.CheckBox23);
    ComboBox6Change();
    RectangleRule();
}
