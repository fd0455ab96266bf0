#include "wizard/ui/uZatWizard.h"

#include "app/NumberFields.h"
#include "app/UserPrompts.h"
#include "model/TError.h"
#include "wizard/LoadGenerator.h"
#include "wizard/WizardCaptions.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

QLabel* NamedLabel(const QString& text, int number)
{
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    return label;
}

QRadioButton* NamedRadio(int number)
{
    auto* button = new QRadioButton;
    button->setObjectName(QStringLiteral("RadioButton%1").arg(number));
    return button;
}

// Every page starts with a yellow title across its width.
QLabel* PageTitle(const QString& text, int page)
{
    auto* title = new QLabel(text);
    title->setObjectName(QStringLiteral("Label_title%1").arg(page));
    title->setAutoFillBackground(true);
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    palette.setColor(QPalette::WindowText, Qt::black);
    title->setPalette(palette);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    title->setMargin(4);
    return title;
}

// A page: its title, then the grid of inputs, then free space.
QWidget* NewPage(const QString& title, int page, QGridLayout* grid)
{
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageTitle(title, page));
    grid->setContentsMargins(8, 8, 8, 0);
    grid->setHorizontalSpacing(6);
    layout->addLayout(grid);
    layout->addStretch(1);
    return widget;
}

// One input row: caption, symbol, value edit, unit and, when the row has one, "gamaf=" with its
// factor edit. The labels are numbered from `firstLabel` in that order.
void AddRow(QGridLayout* grid, int row, int firstLabel, const QString& caption, const QString& symbol, QLineEdit* value,
    const QString& unit, QLineEdit* factor = nullptr)
{
    grid->addWidget(NamedLabel(caption, firstLabel), row, 0);
    grid->addWidget(NamedLabel(symbol, firstLabel + 1), row, 1, Qt::AlignRight);
    grid->addWidget(value, row, 2);
    grid->addWidget(NamedLabel(unit, firstLabel + 2), row, 3);
    if (factor) {
        grid->addWidget(NamedLabel(QStringLiteral("gamaf="), firstLabel + 3), row, 4, Qt::AlignRight);
        grid->addWidget(factor, row, 5);
    }
}

QGridLayout* NewGrid()
{
    auto* grid = new QGridLayout;
    // One caption width on every page, so the edits line up from page to page.
    grid->setColumnMinimumWidth(0, 210);
    grid->setColumnStretch(6, 1);
    return grid;
}

const QString GenerateText = QStringLiteral(
    "Nyní jsou k dispozici všechny potřebné informace aby mohl program vygenerovat jednotlivé zatěžovací stavy a "
    "jejich kombinace. Pokud chcete změnit zadané údaje, klikněte na \"zpět\". Stiskem \"ok\" bude vygenerováno "
    "zatížení.");

const QString ReplaceQuestion = QStringLiteral("Generátor nahradí všechny zatěžovací stavy. Pokračovat?");

} // namespace

TZatWizard::TZatWizard(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ZatWizard"));
    setWindowTitle(QStringLiteral("Generátor zatížení"));
    const TUserPrompts prompts = TUserPrompts::Interactive();
    Ask = prompts.Ask;
    ShowError = prompts.ShowError;

    PageControl = new QStackedWidget;
    PageControl->setObjectName(QStringLiteral("PageControl1"));
    PageControl->addWidget(BuildDimensionsPage());
    PageControl->addWidget(BuildLoadFormPage());
    PageControl->addWidget(BuildPermanentPage());
    PageControl->addWidget(BuildVariablePage());
    PageControl->addWidget(BuildGeneratePage());

    const auto button = [](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    BitBtn1 = button("BitBtn1", QStringLiteral("zpět"));
    BitBtn2 = button("BitBtn2", QStringLiteral("dále"));
    BitBtn3 = button("BitBtn3", QStringLiteral("ok"));
    BitBtn4 = button("BitBtn4", QStringLiteral("storno"));
    BitBtn2->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : { BitBtn1, BitBtn2, BitBtn3, BitBtn4 })
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons);
    setMinimumSize(500, 330);

    connect(BitBtn1, &QPushButton::clicked, this, &TZatWizard::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TZatWizard::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TZatWizard::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TZatWizard::BitBtn4Click);
    connect(RadioButton3, &QRadioButton::clicked, this, &TZatWizard::RadioButton3Click);
    connect(RadioButton4, &QRadioButton::clicked, this, &TZatWizard::RadioButton4Click);
    connect(RadioButton1, &QRadioButton::clicked, this, &TZatWizard::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TZatWizard::RadioButton2Click);

    LoadFrom(Source);
}

QLineEdit* TZatWizard::NewEdit(const char* name, QString TGeneratorInputs::*field)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(60);
    WatchNumberField(edit);
    EditFields.emplace_back(edit, field);
    return edit;
}

QWidget* TZatWizard::BuildDimensionsPage()
{
    QGridLayout* grid = NewGrid();
    AddRow(grid, 0, 1, QStringLiteral("délka prvku"), QStringLiteral("L="), NewEdit("Edit1", &TGeneratorInputs::Edit1),
        QStringLiteral("m"));
    AddRow(grid, 1, 4, QStringLiteral("zatěžovací šířka"), QStringLiteral("Z="),
        NewEdit("Edit4", &TGeneratorInputs::Edit4), QStringLiteral("m"));
    RadioButton3 = NamedRadio(3);
    RadioButton3->setText(QStringLiteral("střešní vazník"));
    RadioButton4 = NamedRadio(4);
    RadioButton4->setText(QStringLiteral("stropní trám"));
    grid->setRowMinimumHeight(2, 12);
    grid->addWidget(RadioButton3, 3, 0, 1, 6);
    grid->addWidget(RadioButton4, 4, 0, 1, 6);
    return NewPage(QStringLiteral(" 1. Rozměry a typ prvku"), 1, grid);
}

QWidget* TZatWizard::BuildLoadFormPage()
{
    QGridLayout* grid = NewGrid();
    RadioButton1 = NamedRadio(1);
    RadioButton2 = NamedRadio(2);
    grid->addWidget(RadioButton1, 0, 0, 1, 6);
    grid->addWidget(RadioButton2, 1, 0, 1, 6);
    grid->setRowMinimumHeight(2, 12);
    AddRow(grid, 3, 7, QStringLiteral("rozteč mezi břemeny"), QStringLiteral("d="),
        NewEdit("Edit5", &TGeneratorInputs::Edit5), QStringLiteral("m,   d >0 !"));
    AddRow(grid, 4, 10, QStringLiteral("vzdálenost prvního zleva"), QStringLiteral("d1="),
        NewEdit("Edit6", &TGeneratorInputs::Edit6), QStringLiteral("m"));
    return NewPage(QStringLiteral(" 2.  Způsob zatížení prvku"), 2, grid);
}

QWidget* TZatWizard::BuildPermanentPage()
{
    using G = TGeneratorInputs;
    QGridLayout* grid = NewGrid();
    const QString line = QStringLiteral("kN/m'"), area = QStringLiteral("kN/m2");
    AddRow(
        grid, 0, 23, QString(), QStringLiteral("g0="), NewEdit("Edit8", &G::Edit8), line, NewEdit("Edit9", &G::Edit9));
    AddRow(grid, 1, 27, QString(), QStringLiteral("g1="), NewEdit("Edit10", &G::Edit10), line);
    AddRow(grid, 2, 31, QString(), QStringLiteral("g2="), NewEdit("Edit12", &G::Edit12), area,
        NewEdit("Edit13", &G::Edit13));
    AddRow(grid, 3, 35, QString(), QStringLiteral("g3="), NewEdit("Edit14", &G::Edit14), area,
        NewEdit("Edit15", &G::Edit15));
    AddRow(grid, 4, 39, QStringLiteral("zavěšené technologie a rozvody"), QStringLiteral("g4="),
        NewEdit("Edit16", &G::Edit16), area, NewEdit("Edit17", &G::Edit17));
    AddRow(grid, 5, 43, QStringLiteral("ostatní stálá zatížení"), QStringLiteral("g5="), NewEdit("Edit18", &G::Edit18),
        area, NewEdit("Edit19", &G::Edit19));
    return NewPage(QStringLiteral(" 3. Stálá a dlouhodobá zatížení"), 3, grid);
}

QWidget* TZatWizard::BuildVariablePage()
{
    using G = TGeneratorInputs;
    QGridLayout* grid = NewGrid();
    const QString area = QStringLiteral("kN/m2");
    AddRow(grid, 0, 52, QString(), QStringLiteral("v1="), NewEdit("Edit22", &G::Edit22), area,
        NewEdit("Edit23", &G::Edit23));
    AddRow(grid, 1, 47, QStringLiteral("zatížení sněhem"), QStringLiteral("s0="), NewEdit("Edit20", &G::Edit20), area,
        NewEdit("Edit21", &G::Edit21));
    return NewPage(QStringLiteral(" 4. Krátkodobá a užitná zatížení"), 4, grid);
}

QWidget* TZatWizard::BuildGeneratePage()
{
    auto* grid = new QGridLayout;
    auto* text = NamedLabel(GenerateText, 56);
    text->setWordWrap(true);
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 80);
    ProgressBar1->setTextVisible(false);
    grid->addWidget(text, 0, 0);
    grid->setRowMinimumHeight(1, 16);
    grid->addWidget(ProgressBar1, 2, 0);
    return NewPage(QStringLiteral(" 5. Generovat zatížení"), 5, grid);
}

QLabel* TZatWizard::Label(int number) const
{
    return findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
}

void TZatWizard::LoadFrom(const TTask& task)
{
    Source = task;
    Generated.reset();
    const TGeneratorInputs& inputs = task.Generator;
    for (const auto& [edit, field] : EditFields)
        edit->setText(inputs.*field);
    // The girder is usually the beam of the task: an empty length starts from its span.
    if (inputs.Edit1.isEmpty())
        findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(task.SpanText);
    // Exactly one button of each pair is checked; a floor girder or point loads only when the
    // inputs say so unambiguously.
    (inputs.RadioButton4 && !inputs.RadioButton3 ? RadioButton4 : RadioButton3)->setChecked(true);
    (inputs.RadioButton2 && !inputs.RadioButton1 ? RadioButton2 : RadioButton1)->setChecked(true);
    FormShow();
}

TGeneratorInputs TZatWizard::Inputs() const
{
    TGeneratorInputs inputs = Source.Generator;
    for (const auto& [edit, field] : EditFields)
        inputs.*field = edit->text();
    inputs.RadioButton3 = RadioButton3->isChecked();
    inputs.RadioButton4 = RadioButton4->isChecked();
    inputs.RadioButton1 = RadioButton1->isChecked();
    inputs.RadioButton2 = RadioButton2->isChecked();
    return inputs;
}

bool TZatWizard::ApplyTo(TTask& task)
{
    if (!Generated)
        return false;
    task = std::move(*Generated);
    Generated.reset();
    Source = task;
    return true;
}

void TZatWizard::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TZatWizard::FormShow()
{
    PageControl->setCurrentIndex(0);
    ProgressBar1->setValue(0);
    // The captions follow the checked buttons, so the labels never contradict the choice.
    ApplyTypeCaptions(RadioButton3->isChecked());
    ShowG1Row(RadioButton2->isChecked());
    UpdateButtons();
    BitBtn2->setFocus(); // Enter goes on with "dále", wherever the focus was when the wizard closed
}

void TZatWizard::UpdateButtons()
{
    const int page = PageControl->currentIndex();
    const bool last = page == PageControl->count() - 1;
    BitBtn1->setVisible(page > 0);
    BitBtn2->setVisible(!last);
    BitBtn3->setVisible(last);
    // Enter walks through the pages and, on the last one, generates.
    BitBtn2->setDefault(!last);
    BitBtn3->setDefault(last);
}

void TZatWizard::BitBtn2Click()
{
    PageControl->setCurrentIndex(qMin(PageControl->currentIndex() + 1, PageControl->count() - 1));
    UpdateButtons();
}

void TZatWizard::BitBtn1Click()
{
    PageControl->setCurrentIndex(qMax(PageControl->currentIndex() - 1, 0));
    UpdateButtons();
}

void TZatWizard::BitBtn3Click()
{
    if (GenerationReplacesWork(Source) && !Ask(this, ReplaceQuestion))
        return;
    TTask task = Source;
    task.Generator = Inputs();
    try {
        Generated = GenerateLoads(task, [this](int value) {
            ProgressBar1->setValue(value);
            ProgressBar1->repaint();
        });
    } catch (const TError& error) {
        ProgressBar1->setValue(0);
        ShowError(this, error.Message);
        return;
    }
    accept();
}

void TZatWizard::BitBtn4Click()
{
    reject();
}

void TZatWizard::RadioButton3Click()
{
    ApplyTypeCaptions(true);
}

void TZatWizard::RadioButton4Click()
{
    ApplyTypeCaptions(false);
}

void TZatWizard::RadioButton1Click()
{
    ShowG1Row(false);
}

void TZatWizard::RadioButton2Click()
{
    ShowG1Row(true);
}

void TZatWizard::ApplyTypeCaptions(bool roof)
{
    const TWizardCaptions captions = WizardCaptions(roof);
    RadioButton1->setText(captions.RadioButton1);
    RadioButton2->setText(captions.RadioButton2);
    Label(23)->setText(captions.Label23);
    Label(27)->setText(captions.Label27);
    Label(31)->setText(captions.Label31);
    Label(35)->setText(captions.Label35);
    Label(52)->setText(captions.Label52);
    for (int number = 47; number <= 50; ++number)
        Label(number)->setVisible(captions.SnowShown);
    for (const char* name : { "Edit20", "Edit21" })
        findChild<QLineEdit*>(QString::fromLatin1(name))->setVisible(captions.SnowShown);
}

void TZatWizard::ShowG1Row(bool shown)
{
    for (int number = 27; number <= 29; ++number)
        Label(number)->setVisible(shown);
    findChild<QLineEdit*>(QStringLiteral("Edit10"))->setVisible(shown);
}
