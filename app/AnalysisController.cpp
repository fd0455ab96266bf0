#include "app/AnalysisController.h"

#include "analysis/Combinations.h"
#include "app/CalculationTab.h"
#include "app/DeflectionTab.h"
#include "app/DiagramImageWidget.h"
#include "app/DiagramsTab.h"
#include "app/Hints.h"
#include "app/uMainForm.h"
#include "design/En1990Results.h"
#include "document/ImageProvider.h"

#include <QPushButton>
#include <QTabWidget>

TAnalysisController::TAnalysisController(TMainForm& form)
    : QObject(&form)
    , Form(form)
{
    setObjectName(QStringLiteral("AnalysisController"));
    const TMainActions& a = form.Actions();
    connect(a.Spocitat_prubehy, &QAction::triggered, this, [this] { Guarded(TCalcSender::Action); });
    connect(a.Spocitat_reakce, &QAction::triggered, this, [this] { Guarded(TCalcSender::ReactionButton); });
    connect(a.spocitat_pruhyb, &QAction::triggered, this,
        [this] { Form.RunGuarded([this] { spocitat_pruhybExecute(); }); });

    TCalculationTab* calculation = form.CalculationTab();
    BindToAction(calculation->GraphButton(), a.Spocitat_prubehy);
    connect(calculation->BitBtn18(), &QPushButton::clicked, this, [this] { Guarded(TCalcSender::ReactionButton); });
    BindToAction(form.DeflectionTab()->BitBtn21(), a.spocitat_pruhyb);
    // The extremes of both kinds are there: a switch only shows the other one.
    connect(form.DiagramsTab(), &TDiagramsTab::SwitchesChanged, this, [this] {
        if (Shown)
            Publish(Last);
    });
    connect(form.DeflectionTab(), &TDeflectionTab::SectionChanged, this, &TAnalysisController::SectionChanged);
    EnteringTabs = connect(form.PageControl(), &QTabWidget::currentChanged, this,
        [this](int index) { TabEntered(Form.PageControl()->widget(index)); });

    connect(this, &TAnalysisController::ResultChanged, form.CalculationTab(), &TCalculationTab::ShowResult);
    connect(this, &TAnalysisController::ResultChanged, form.DiagramsTab(), &TDiagramsTab::ShowResult);
    connect(this, &TAnalysisController::ResultChanged, form.DeflectionTab(), &TDeflectionTab::ShowResult);
}

void TAnalysisController::Guarded(TCalcSender sender)
{
    Form.RunGuardedView([this, sender] { Spocitat_prubehyExecute(sender); }); // the file keeps no result
}

void TAnalysisController::Spocitat_prubehyExecute(TCalcSender sender)
{
    Calculate();
    if (sender == TCalcSender::ReactionButton)
        ShowTabOfResult(Form.CalculationTab());
    else if (sender == TCalcSender::Action)
        ShowTabOfResult(Form.DiagramsTab());
}

// The deflection tab calculates when it is shown; when it is shown already, the action does. Either
// way the user has asked for the deflection of the section shown: E and Iy are confirmed.
void TAnalysisController::spocitat_pruhybExecute()
{
    Form.Task().Deflection.SectionConfirmed = true;
    QTabWidget* tabs = Form.PageControl();
    if (tabs->currentWidget() != Form.DeflectionTab()) {
        tabs->setCurrentWidget(Form.DeflectionTab());
        return;
    }
    Spocitat_prubehyExecute(TCalcSender::MainWindow);
}

// Showing the calculation tab refills its lists; showing a result tab calculates.
void TAnalysisController::TabEntered(QWidget* tab)
{
    if (tab == Form.CalculationTab()) {
        Form.Task().RefreshCalculationLists();
        Form.CalculationTab()->ShowLists();
    } else if (tab == Form.DiagramsTab() || tab == Form.DeflectionTab()) {
        Guarded(TCalcSender::MainWindow);
    }
}

// The result is there already: showing its tab must not calculate it again.
void TAnalysisController::ShowTabOfResult(QWidget* tab)
{
    disconnect(EnteringTabs);
    Form.PageControl()->setCurrentWidget(tab);
    EnteringTabs = connect(Form.PageControl(), &QTabWidget::currentChanged, this,
        [this](int index) { TabEntered(Form.PageControl()->widget(index)); });
}

void TAnalysisController::Calculate()
{
    TTask& task = Form.Task();
    // The lists as the calculation tab shows them: a load case renamed or deleted since the tab
    // was last shown gives way to the first entry instead of a silent set of zeros.
    task.RefreshCalculationLists();
    try {
        Publish(CalculateChoice(task)); // the EN 1990 envelope or ::Calculate
    } catch (...) {
        // Zeros rather than the previous results, then the error; the captions stay.
        TCalculation cleared;
        cleared.SpanL = task.SpanL();
        cleared.Typ = task.Typ;
        cleared.Extremes = FindExtremes(cleared.SpanL, cleared.Sums);
        Publish(cleared);
        throw;
    }
    // The sums stay 0 for a name that matches nothing; the user is told why.
    const QString missing = MissingChoiceMessage(task, task.Calc);
    if (!missing.isEmpty())
        Form.Prompts().ShowMessage(&Form, missing);
}

void TAnalysisController::SectionChanged()
{
    if (!Shown)
        return;
    try {
        Publish(::Calculate(Form.Task()));
    } catch (const std::exception&) {
        Form.DeflectionTab()->MarkStale(); // said when the user calculates
    }
}

void TAnalysisController::Publish(const TCalculation& result)
{
    Last = result;
    Shown = true;
    emit ResultChanged(Last);
}

void TAnalysisController::RefreshFromModel()
{
    TTask& task = Form.Task();
    task.RefreshCalculationLists();
    Last.Captions = SelectionCaptions(task.Calc, Last.Sums);
    if (Shown || HasResults(Last.Sums))
        Publish(Last);
}

void TAnalysisController::RegisterImages(TImageProvider& images) const
{
    const TDiagramImageWidget* pictures[]
        = { Form.DiagramsTab()->Image7(), Form.DiagramsTab()->Image8(), Form.DeflectionTab()->Image9() };
    for (const TDiagramImageWidget* picture : pictures)
        images.SetImageSource(picture->objectName(), [picture] { return picture->Picture(); });
}
