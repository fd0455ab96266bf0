#include "app/AnalysisController.h"

#include "app/CalculationTab.h"
#include "app/DeflectionTab.h"
#include "app/DiagramImageWidget.h"
#include "app/DiagramsTab.h"
#include "app/Hints.h"
#include "app/uMainForm.h"
#include "document/ImageProvider.h"

#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

bool StoreHasResults(const TResultStore& s)
{
    const auto nonZero = [](const TSamples& values) {
        return std::any_of(values.begin(), values.end(), [](double v) { return v != 0; });
    };
    for (double v : { s.An, s.Bn, s.Man, s.Mbn, s.Ad, s.Bd, s.Mad, s.Mbd })
        if (v != 0)
            return true;
    return nonZero(s.Mn) || nonZero(s.Md) || nonZero(s.Qn) || nonZero(s.Qd) || nonZero(s.fn);
}

TDiagramCaptions CurrentCaptions(const TTask& task, const TResultStore& store)
{
    TDiagramCaptions captions;
    QString what;
    switch (task.Calc.Mode) {
    case TCalculationChoice::LoadCase:
        what = QStringLiteral("ZS ") + task.Calc.ComboBox1;
        break;
    case TCalculationChoice::Combination:
        what = QStringLiteral("kombinace ") + task.Calc.ComboBox2;
        break;
    case TCalculationChoice::Envelope:
        if (!store.HasEnvelope)
            return captions; // nothing computed yet: the captions stay
        what = store.Envelope.OverLoadCases ? QStringLiteral("obálka zatěžovacích stavů")
                                            : QStringLiteral("obálka kombinací");
        break;
    }
    captions.Moment = QStringLiteral("Ohybový moment [%1]").arg(what);
    captions.Shear = QStringLiteral("Posouvající síla [%1]").arg(what);
    captions.Deflection = QStringLiteral("Průhyb trabíku [%1]").arg(what);
    captions.Computed = true;
    return captions;
}

namespace {

bool CombinationExists(const TTask& task, const QString& name)
{
    for (int r = 1; r < task.Grid.RowCount(); ++r)
        if (task.Grid.Cell(1, r).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

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
    const auto entered = [this] {
        if (!SwitchingTabs)
            Guarded(TCalcSender::MainWindow);
    };
    connect(form.DiagramsTab(), &TDiagramsTab::CalculationRequested, this, entered);
    connect(form.DeflectionTab(), &TDeflectionTab::CalculationRequested, this, entered);
    BindToAction(form.DeflectionTab()->BitBtn21(), a.spocitat_pruhyb);
}

void TAnalysisController::Guarded(TCalcSender sender)
{
    Form.RunGuarded([this, sender] { Spocitat_prubehyExecute(sender); });
}

void TAnalysisController::Spocitat_prubehyExecute(TCalcSender sender)
{
    Calculate();
    if (sender == TCalcSender::ReactionButton)
        ShowTab(Form.CalculationTab());
    else if (sender == TCalcSender::Action)
        ShowTab(Form.DiagramsTab());
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

void TAnalysisController::Calculate()
{
    TTask& task = Form.Task();
    TResultStore& store = Form.Results();
    // The lists as the calculation tab shows them: a load case renamed or deleted since the tab
    // was last shown gives way to the first entry instead of a silent set of zeros.
    task.RefreshCalculationLists();
    const TCalculationChoice choice = task.Calc;
    const TMessageSink messages = [this](const QString& message) { Form.Prompts().ShowMessage(&Form, message); };
    TDiagramCaptions captions;
    try {
        captions = SumSelection(task, store, messages);
    } catch (...) {
        // The store is cleared: show the zeros rather than the previous results, then the error.
        Form.CalculationTab()->RefreshFromModel();
        DrawDiagrams();
        throw;
    }
    Form.DiagramsTab()->SetCaptions(captions);
    Form.DeflectionTab()->SetCaptions(captions);
    Form.CalculationTab()->RefreshFromModel(); // the lists may have changed; the reactions
    Form.CalculationTab()->ShowResults();
    DrawDiagrams();
    TellAboutMissingChoice(choice);
}

// The store stays cleared for a name that matches nothing; the user is told why the zeros.
void TAnalysisController::TellAboutMissingChoice(const TCalculationChoice& choice)
{
    const TTask& task = Form.Task();
    QString message;
    if (choice.Mode == TCalculationChoice::LoadCase && task.FindZSInfo(choice.ComboBox1).Number == -1) {
        message = task.LoadCases.empty() ? QStringLiteral("Není žádný zatěžovací stav.")
                                         : QStringLiteral("Zatěžovací stav „%1“ neexistuje.").arg(choice.ComboBox1);
    } else if (choice.Mode == TCalculationChoice::Combination && !CombinationExists(task, choice.ComboBox2)) {
        message = task.CombinationNames().isEmpty()
            ? QStringLiteral("Není žádná kombinace.")
            : QStringLiteral("Kombinace „%1“ neexistuje.").arg(choice.ComboBox2);
    }
    if (!message.isEmpty())
        Form.Prompts().ShowMessage(&Form, message);
}

void TAnalysisController::DrawDiagrams()
{
    FindExtremes(Form.Task(), Form.Results());
    Form.DiagramsTab()->ShowResults();
    Form.DeflectionTab()->ShowResults();
}

void TAnalysisController::ShowTab(QWidget* tab)
{
    SwitchingTabs = true;
    Form.PageControl()->setCurrentWidget(tab);
    SwitchingTabs = false;
}

void TAnalysisController::RegisterImages(TImageProvider& images) const
{
    const TDiagramImageWidget* pictures[]
        = { Form.DiagramsTab()->Image7(), Form.DiagramsTab()->Image8(), Form.DeflectionTab()->Image9() };
    for (const TDiagramImageWidget* picture : pictures)
        images.SetImageSource(picture->objectName(), [picture] { return picture->Picture(); });
}
