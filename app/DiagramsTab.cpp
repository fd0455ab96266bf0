#include "app/DiagramsTab.h"

#include "app/DiagramImageWidget.h"
#include "app/ResultFields.h"
#include "model/TTask.h"
#include "report/DiagramMarkup.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QColor ProbeBlue(0, 0, 255);
const QColor ProbeRed(255, 0, 0);

} // namespace

TDiagramsTab::TDiagramsTab(TTask& task, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_prubehy"), parent)
    , Task(task)
{
    GroupBox4 = BuildGroup(true);
    GroupBox5 = BuildGroup(false);
    ContentLayout()->addWidget(GroupBox4, 1);
    ContentLayout()->addWidget(GroupBox5, 1);
    auto* convention = new QLabel(SignConventionText(false), this);
    convention->setObjectName(QStringLiteral("Label_znamenka"));
    convention->setWordWrap(true);
    ContentLayout()->addWidget(convention);
    RefreshFromModel();
}

// One group: the diagram on the left with its two switches below, the extremes and the probe on
// the right. Field numbers: moment Edit2..Edit7, shear Edit8..Edit13.
QGroupBox* TDiagramsTab::BuildGroup(bool moment)
{
    auto* group
        = new QGroupBox(moment ? QStringLiteral(" Ohybový moment ") : QStringLiteral(" Posouvající síla "), this);
    group->setObjectName(moment ? QStringLiteral("GroupBox4") : QStringLiteral("GroupBox5"));
    auto* image = new TDiagramImageWidget(moment ? QStringLiteral("Image7") : QStringLiteral("Image8"),
        moment ? TDiagramKind::Moment : TDiagramKind::Shear, group);
    (moment ? MomentImage : ShearImage) = image;

    const int first = moment ? 2 : 8;
    const QString value = moment ? QStringLiteral("M") : QStringLiteral("Q");
    const QString unit = moment ? QStringLiteral("kNm") : QStringLiteral("kN");
    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(2);
    const auto name = [](int n) { return QStringLiteral("Edit%1").arg(n); };
    Edit[first] = AddResultRow(fields, 0, 0, value + QStringLiteral("max="), name(first), unit);
    Edit[first + 1] = AddResultRow(fields, 1, 0, QStringLiteral("xmax="), name(first + 1), QStringLiteral("m"));
    Edit[first + 2] = AddResultRow(fields, 2, 0, value + QStringLiteral("min="), name(first + 2), unit);
    Edit[first + 3] = AddResultRow(fields, 3, 0, QStringLiteral("xmin="), name(first + 3), QStringLiteral("m"));
    const QColor probe = moment ? ProbeBlue : ProbeRed;
    Edit[first + 4] = AddResultRow(fields, 4, 0, QStringLiteral("x ="), name(first + 4), QStringLiteral("m"), probe);
    TProbeFields& probeFields = moment ? MomentProbe : ShearProbe;
    probeFields = AddProbeRows(fields, 5, value + QStringLiteral("x"), name(first + 5), unit, probe);
    Edit[first + 5] = probeFields.Max;
    fields->setRowStretch(7, 1);
    (moment ? MomentFields : ShearFields) = fields;

    const int radio = moment ? 4 : 6;
    auto* characteristic = new QRadioButton(QStringLiteral("normové"), group);
    auto* design = new QRadioButton(QStringLiteral("výpočtové"), group);
    characteristic->setObjectName(QStringLiteral("RadioButton%1").arg(radio));
    design->setObjectName(QStringLiteral("RadioButton%1").arg(radio + 1));
    RadioButton[radio] = characteristic;
    RadioButton[radio + 1] = design;
    auto* buttons = new QButtonGroup(group);
    buttons->addButton(characteristic);
    buttons->addButton(design);
    connect(characteristic, &QRadioButton::clicked, this, [this, moment] { SwitchClicked(moment); });
    connect(design, &QRadioButton::clicked, this, [this, moment] { SwitchClicked(moment); });

    auto* switches = new QHBoxLayout;
    switches->addWidget(characteristic);
    switches->addWidget(design);
    switches->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(image, 1);
    left->addLayout(switches);
    auto* row = new QHBoxLayout(group);
    row->addLayout(left, 1);
    row->addLayout(fields);
    connect(image, &TDiagramImageWidget::Probed, this, moment ? &TDiagramsTab::ProbeMoment : &TDiagramsTab::ProbeShear);
    return group;
}

void TDiagramsTab::RefreshFromModel()
{
    RadioButton[Task.Calc.MomentCharacteristic ? 4 : 5]->setChecked(true);
    RadioButton[Task.Calc.ShearCharacteristic ? 6 : 7]->setChecked(true);
    HighlightChoice(
        RadioButton[Task.Calc.MomentCharacteristic ? 4 : 5], RadioButton[Task.Calc.MomentCharacteristic ? 5 : 4]);
    HighlightChoice(
        RadioButton[Task.Calc.ShearCharacteristic ? 6 : 7], RadioButton[Task.Calc.ShearCharacteristic ? 7 : 6]);
}

void TDiagramsTab::SwitchClicked(bool moment)
{
    const int first = moment ? 4 : 6;
    const bool characteristic = RadioButton[first]->isChecked();
    (moment ? Task.Calc.MomentCharacteristic : Task.Calc.ShearCharacteristic) = characteristic;
    HighlightChoice(RadioButton[characteristic ? first : first + 1], RadioButton[characteristic ? first + 1 : first]);
    emit SwitchesChanged();
}

void TDiagramsTab::ShowResult(const TCalculation& result)
{
    if (&result != Result.get())
        Result = std::make_shared<const TCalculation>(result);
    if (result.Captions.Computed) {
        GroupBox4->setTitle(result.Captions.Moment);
        GroupBox5->setTitle(result.Captions.Shear);
    }
    const TExtreme& m = result.Extremes.M(Task.Calc.MomentCharacteristic);
    const TExtreme& q = result.Extremes.Q(Task.Calc.ShearCharacteristic);
    const double values[] = { m.Max, m.xMax, m.Min, m.xMin, 0, 0, q.Max, q.xMax, q.Min, q.xMin };
    for (int n = 2; n <= 11; ++n)
        if (n != 6 && n != 7)
            Edit[n]->setText(ResultText(values[n - 2]));
    // The probes told of the previous result; the mouse fills them again from this one.
    Edit[6]->clear();
    Edit[12]->clear();
    for (TProbeFields* probe : { &MomentProbe, &ShearProbe }) {
        probe->Clear();
        probe->ShowEnvelope(result.Sums.HasEnvelope);
    }
    MomentImage->Show(Result, Task.Calc);
    ShearImage->Show(Result, Task.Calc);
}

// The probes read the shown result: the value at the position shown, redrawing nothing.
void TDiagramsTab::ProbeMoment(int X, int width)
{
    const double x = ProbeX(Result->SpanL, width, X);
    Edit[6]->setText(ResultText(x));
    const TProbeValues v = ProbeValues(*Result, x, Task.Calc.MomentCharacteristic, Task.Calc.ShearCharacteristic);
    MomentProbe.Show(v.Mmax, v.Mmin);
}

void TDiagramsTab::ProbeShear(int X, int width)
{
    const double x = ProbeX(Result->SpanL, width, X);
    Edit[12]->setText(ResultText(x));
    const TProbeValues v = ProbeValues(*Result, x, Task.Calc.MomentCharacteristic, Task.Calc.ShearCharacteristic);
    ShearProbe.Show(v.Qmax, v.Qmin);
}
