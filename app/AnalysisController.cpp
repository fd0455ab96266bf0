#include "app/AnalysisController.h"

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
    connect(form.DiagramsTab(), &TDiagramsTab::SwitchesChanged, this,
        [this] { Form.RunGuarded([this] { SwitchesChanged(); }); });
    EnteringTabs = connect(form.PageControl(), &QTabWidget::currentChanged, this,
        [this](int index) { TabEntered(Form.PageControl()->widget(index)); });

    connect(this, &TAnalysisController::ResultChanged, form.CalculationTab(), &TCalculationTab::ShowResult);
    connect(this, &TAnalysisController::ResultChanged, form.DiagramsTab(), &TDiagramsTab::ShowResult);
    connect(this, &TAnalysisController::ResultChanged, form.DeflectionTab(), &TDeflectionTab::ShowResult);
}

void TAnalysisController::Guarded(TCalcSender sender)
{
    Form.RunGuarded([this, sender] { Spocitat_prubehyExecute(sender); });
}

void TAnalysisController::Spocitat_prubehyExecute(TCalcSender sender)
{
    Calculate();
    if (sender == TCalcSender::ReactionButton)
        ShowTabOfResult(Form.CalculationTab());
    else if (sender == TCalcSender::Action)
        ShowTabOfResult(Form.DiagramsTab());
}

// The deflection tab calculates when it is shown; when it is shown already, the action does.
void TAnalysisController::spocitat_pruhybExecute()
{
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
    const TExtremes kept = ShownPositions(Last.Extremes, ShownChoice);
    try {
        Publish(CalculateChoice(task, kept)); // the EN 1990 envelope or ::Calculate
    } catch (...) {
        // Zeros rather than the previous results, then the error; the captions stay.
        TCalculation cleared;
        cleared.Extremes = FindExtremes(task.SpanL(), cleared.Sums, kept);
        Publish(cleared);
        throw;
    }
    // The sums stay 0 for a name that matches nothing; the user is told why.
    const QString missing = MissingChoiceMessage(task, task.Calc);
    if (!missing.isEmpty())
        Form.Prompts().ShowMessage(&Form, missing);
}

void TAnalysisController::Publish(const TCalculation& result)
{
    Last = result;
    ShownChoice = Form.Task().Calc;
    Shown = true;
    Form.Results() = Last.Sums;
    emit ResultChanged(Last);
}

void TAnalysisController::ShowAgain(TDiagramCaptions captions)
{
    const TTask& task = Form.Task();
    TCalculation result = Last;
    result.Extremes = FindExtremes(task.SpanL(), Last.Sums, ShownPositions(Last.Extremes, ShownChoice));
    result.Captions = std::move(captions);
    if (Shown || HasResults(result.Sums)) {
        Publish(result);
    } else {
        Last = result;
        ShownChoice = task.Calc;
    }
}

void TAnalysisController::SwitchesChanged()
{
    ShowAgain(TDiagramCaptions()); // the captions stay
}

void TAnalysisController::RefreshFromModel()
{
    TTask& task = Form.Task();
    task.RefreshCalculationLists();
    ShowAgain(SelectionCaptions(task.Calc, Last.Sums));
}

TReportView TAnalysisController::ReportStart() const
{
    TReportView view { Form.Task().Calc, Last };
    view.Shown.Extremes = ShownPositions(Last.Extremes, ShownChoice);
    return view;
}

void TAnalysisController::ShowReportResult(const TReportView& view)
{
    TTask& task = Form.Task();
    task.Calc = view.Choice;
    task.RefreshCalculationLists();
    Last = view.Shown;
    ShownChoice = view.Choice;
    Form.Results() = Last.Sums;
    ShowAgain(SelectionCaptions(task.Calc, Last.Sums));
}

void TAnalysisController::RegisterImages(TImageProvider& images) const
{
    const TDiagramImageWidget* pictures[]
        = { Form.DiagramsTab()->Image7(), Form.DiagramsTab()->Image8(), Form.DeflectionTab()->Image9() };
    for (const TDiagramImageWidget* picture : pictures)
        images.SetImageSource(picture->objectName(), [picture] { return picture->Picture(); });
}
