#include "app/uMainForm.h"

#include "app/AnalysisController.h"
#include "app/Artwork.h"
#include "app/CalculationTab.h"
#include "app/CombinationsTab.h"
#include "app/DeflectionTab.h"
#include "app/DiagramsTab.h"
#include "app/GeometryTab.h"
#include "app/LoadCasesTab.h"
#include "app/MemberCheckTab.h"
#include "app/PrintOptionsWidget.h"
#include "app/PrintTab.h"
#include "app/ResultFields.h"
#include "app/TaskTab.h"
#include "app/uZSproperties.h"
#include "model/TError.h"
#include "wizard/ui/uZatWizard.h"

#include <QKeyEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QString GeometryHint = QStringLiteral("|přechod na zadání geometrie");
const QString NoLoadCase
    = QStringLiteral("Není žádný zatěžovací stav. Přidejte jej příkazem „Přidat zatěžovací stav“.");

// Tabs with less room beside their captions, so all eight fit the window's width.
class TCompactTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

TMainForm::TMainForm(TTask& task, QWidget* parent)
    : QMainWindow(parent)
    , TaskRef(task)
    , UserPrompts(TUserPrompts::Interactive())
    , MainActions(std::make_unique<TMainActions>(this))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Trabík v.2.2"));
    setWindowIcon(ProgramIcon());
    setContextMenuPolicy(Qt::NoContextMenu);
    BuildMenus();
    BuildToolBar();
    BuildTabs();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    ZSprop_form = new TZSprop_form(this);
    ZatWizard = new TZatWizard(this);
    ZatWizard->Ask = [this](QWidget* parent, const QString& question) { return UserPrompts.Ask(parent, question); };
    ZatWizard->ShowError = [this](QWidget* parent, const QString& message) { UserPrompts.ShowError(parent, message); };
    ConnectActions();
    BuildReportCommands();
    BuildFileCommands();
    AssignAccelerators();
    Analysis = new TAnalysisController(*this);
    // The design size is the smallest: below it the tabs' fixed rows would run into each other.
    setMinimumSize(576, 516);
    resize(576, 516);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TMainForm::BuildTabs()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);
    auto* tabStyle = new TCompactTabStyle;
    tabStyle->setParent(PageControl1);
    PageControl1->tabBar()->setStyle(tabStyle);
    TabUloha = new TTaskTab(TaskRef);
    TabGeometrie = new TGeometryTab(TaskRef);
    TabZatizeni = new TLoadCasesTab(TaskRef, *MainActions);
    TabKombinace = new TCombinationsTab(TaskRef);
    TabVypocet = new TCalculationTab(TaskRef);
    TabPrubehy = new TDiagramsTab(TaskRef);
    TabPruhyb = new TDeflectionTab(TaskRef);
    TabTisk = new TPrintTab(TaskRef);
    PageControl1->addTab(TabUloha, QStringLiteral("Úloha"));
    PageControl1->addTab(TabGeometrie, QStringLiteral("Rozměry, podepření"));
    PageControl1->addTab(TabZatizeni, QStringLiteral("Zatěžovací stavy"));
    PageControl1->addTab(TabKombinace, QStringLiteral("Kombinace"));
    PageControl1->addTab(TabVypocet, QStringLiteral("Výpočet"));
    PageControl1->addTab(TabPrubehy, QStringLiteral("Průběh vnitřních sil"));
    PageControl1->addTab(TabPruhyb, QStringLiteral("Průhyb"));
    PageControl1->addTab(new TMemberCheckTab(TaskRef), QStringLiteral("Posouzení"));
    PageControl1->addTab(TabTisk, QStringLiteral("Tisk"));

    TabUloha->AddNextButton(GeometryHint);
    TabGeometrie->AddBackButton();
    TabGeometrie->AddNextButton();
    TabZatizeni->AddBackButton(GeometryHint);
    TabZatizeni->AddNextButton();
    for (TWorkflowTab* tab : { static_cast<TWorkflowTab*>(TabKombinace), static_cast<TWorkflowTab*>(TabVypocet) }) {
        tab->AddBackButton();
        tab->AddNextButton();
    }
    // Enter goes on to the next tab on the first four; the calculation tab names its own default.
    for (TWorkflowTab* tab : std::initializer_list<TWorkflowTab*> { TabUloha, TabGeometrie, TabZatizeni, TabKombinace })
        tab->SetDefaultButton(tab->NextButton());
    for (int i = 0; i < PageControl1->count(); ++i)
        ConnectNavigation(static_cast<TWorkflowTab*>(PageControl1->widget(i)));
    connect(TabGeometrie, &TGeometryTab::EndConditionChanged, this, &TMainForm::SyncLoadCases);
    TabKombinace->Ask = [this](const QString& question) { return UserPrompts.Ask(this, question); };
    // One diagram width on both tabs: the field columns beside the diagrams are equally wide.
    AlignResultColumns({ TabPrubehy->FieldGrid(true), TabPrubehy->FieldGrid(false), TabPruhyb->FieldGrid() });
    TabPruhyb->SetLibrary(&Library);
    TabPruhyb->RefreshFromModel();
    connect(TabPruhyb->BitBtn22(), &QPushButton::clicked, this,
        [this] { RunGuarded([this] { OpenLibraryDialog(TLibraryKind::Materials); }); });
    connect(TabPruhyb->BitBtn23(), &QPushButton::clicked, this,
        [this] { RunGuarded([this] { OpenLibraryDialog(TLibraryKind::Sections); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto* tab = static_cast<TWorkflowTab*>(PageControl1->widget(index)))
            RunGuardedView([tab] { tab->Entered(); }); // entering a tab is no edit
    });
}

void TMainForm::ConnectNavigation(TWorkflowTab* tab)
{
    connect(tab, &TWorkflowTab::NextRequested, this, &TMainForm::BitBtn1Click);
    connect(tab, &TWorkflowTab::BackRequested, this, &TMainForm::BitBtn3Click);
}

void TMainForm::ConnectActions()
{
    const TMainActions& a = *MainActions;
    const auto guarded = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this,
            [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
    };
    guarded(a.Nova_uloha, &TMainForm::Nova_ulohaExecute);
    guarded(a.Otevrit, &TMainForm::OtevritExecute);
    guarded(a.Ulozit, &TMainForm::UlozitExecute);
    guarded(a.Rozmery, &TMainForm::RozmeryExecute);
    guarded(a.Novy_ZS, &TMainForm::Novy_ZSExecute);
    guarded(a.Smazat_ZS, &TMainForm::Smazat_ZSExecute);
    guarded(a.Vlastnosti_ZS, &TMainForm::Vlastnosti_ZSExecute);
    guarded(a.Go_Wizard, &TMainForm::Go_WizardExecute);
    const std::array<QAction*, 4> adders { a.Pridat_Px, a.Pridat_q, a.Pridat_qq, a.Pridat_Mx };
    for (int kind = KindPx; kind <= KindMx; ++kind) {
        connect(adders[std::size_t(kind)], &QAction::triggered, this,
            [this, kind] { RunGuarded([this, kind] { AddRowExecute(TLoadKind(kind)); }); });
    }
    connect(a.Konec, &QAction::triggered, this, &QWidget::close);
    connect(a.Verze, &QAction::triggered, this, &TMainForm::AboutRequested);
}

bool TMainForm::RunGuarded(const std::function<void()>& handler)
{
    return Guarded(handler, true);
}

bool TMainForm::RunGuardedView(const std::function<void()>& handler)
{
    return Guarded(handler, false);
}

bool TMainForm::Guarded(const std::function<void()>& handler, bool mayEdit)
{
    bool done = false;
    try {
        handler();
        done = true;
    } catch (const TError& error) {
        UserPrompts.ShowError(this, error.Message);
    } catch (const std::exception& error) {
        UserPrompts.ShowError(this, QString::fromLocal8Bit(error.what()));
    }
    if (mayEdit)
        FileState.NoteEdit(); // after the handler: a dialog it ran may have looked in between
    RefreshCaption(); // whatever the handler changed, the caption's "*" says so
    return done;
}

void TMainForm::RefreshFromModel()
{
    Analysis->RefreshFromModel(); // first: the calculation lists follow the task
    for (int i = 0; i < PageControl1->count(); ++i)
        static_cast<TWorkflowTab*>(PageControl1->widget(i))->RefreshFromModel();
    TiskOptions->RefreshFromModel();
}

void TMainForm::SyncLoadCases()
{
    TabZatizeni->SyncFromModel();
    // The grid lost or re-headed a column with the load case: a click must not land on the
    // column that moved under the mouse.
    TabKombinace->RefreshFromModel();
}

void TMainForm::FormShow()
{
    Started = true;
    if (TaskRef.LoadCases.empty())
        TaskRef.NewLoadCase(TCaller::MainWindow);
    RefreshFromModel();
    PageControl1->setCurrentWidget(TabUloha);
    FileState.Reset(TaskRef); // the start is a new task
    RefreshCaption();
}

void TMainForm::showEvent(QShowEvent* event)
{
    if (!Started)
        FormShow();
    QMainWindow::showEvent(event);
}

void TMainForm::BitBtn1Click()
{
    PageControl1->setCurrentIndex(qMin(PageControl1->currentIndex() + 1, PageControl1->count() - 1));
}

void TMainForm::BitBtn3Click()
{
    PageControl1->setCurrentIndex(qMax(PageControl1->currentIndex() - 1, 0));
}

void TMainForm::RozmeryExecute()
{
    PageControl1->setCurrentWidget(TabGeometrie);
}

void TMainForm::ShowLoadCaseTab()
{
    PageControl1->setCurrentWidget(TabZatizeni);
}

bool TMainForm::HasActiveLoadCase()
{
    const int active = TaskRef.ActiveLoadCase;
    if (active >= 0 && active < int(TaskRef.LoadCases.size()))
        return true;
    UserPrompts.ShowMessage(this, NoLoadCase);
    return false;
}

void TMainForm::Novy_ZSExecute()
{
    TaskRef.NewLoadCase(TCaller::User);
    SyncLoadCases();
    ShowLoadCaseTab();
    try {
        Vlastnosti_ZSExecute();
    } catch (const std::exception&) {
        // The new load case stands even when its dialog fails.
    }
}

void TMainForm::Smazat_ZSExecute()
{
    const TLoadCase* active = TaskRef.ActiveCase();
    const QString question = active ? QStringLiteral("Skutečně smazat zatěžovací stav „%1“?").arg(active->Caption)
                                    : QStringLiteral("Skutečně smazat zatěžovací stav?");
    if (!UserPrompts.Ask(this, question))
        return;
    TaskRef.DeleteActiveLoadCase(); // nothing to do without a load case
    SyncLoadCases();
}

void TMainForm::Vlastnosti_ZSExecute()
{
    if (!HasActiveLoadCase())
        return;
    const int number = TaskRef.LoadCases[std::size_t(TaskRef.ActiveLoadCase)].Number;
    ZSprop_form->LoadFrom(TaskRef, number);
    if (UserPrompts.ExecDialog(*ZSprop_form) != QDialog::Accepted)
        return;
    ZSprop_form->ApplyTo(TaskRef);
    SyncLoadCases();
}

void TMainForm::AddRowExecute(TLoadKind kind)
{
    if (!HasActiveLoadCase())
        return;
    TaskRef.AddEmptyRow(kind);
    SyncLoadCases();
    ShowLoadCaseTab();
}

// "ok" replaces the load cases, the span text and the end condition; every tab shows the new task
// and the load cases tab comes to the front. "storno" leaves the load cases as they were, while
// the wizard's fields keep what was typed (they are saved and printed as they stand).
void TMainForm::Go_WizardExecute()
{
    ZatWizard->LoadFrom(TaskRef);
    if (UserPrompts.ExecDialog(*ZatWizard) != QDialog::Accepted || !ZatWizard->ApplyTo(TaskRef)) {
        TaskRef.Generator = ZatWizard->Inputs();
        return;
    }
    RefreshFromModel();
    ShowLoadCaseTab();
}

bool TMainForm::event(QEvent* event)
{
    // The status bar shows the long part of the current hint; an empty hint leaves it as it was.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty())
            statusBar()->showMessage(tip);
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit Activated();
    QMainWindow::changeEvent(event);
}

// Enter that no tab widget took (focus on the tab bar or the tool bar) presses the shown tab's
// default button, as it does with the focus inside the tab.
void TMainForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* tab = static_cast<TWorkflowTab*>(PageControl1->currentWidget());
    if (!enter || !tab || !tab->PressDefault())
        QMainWindow::keyPressEvent(event);
}
