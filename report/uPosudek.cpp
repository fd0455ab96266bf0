#include "report/uPosudek.h"
#include "report/ReportFormats.h"
#include "report/ServiceabilitySection.h"
#include "report/SteelSection.h"
#include "report/TimberSection.h"

#include "document/uDokument.h"
#include "model/TError.h"
#include "model/uMyCommonLib.h"
#include "report/En1990Section.h"
#include "report/PageFrame.h"

#include <algorithm>
#include <cmath>

void CheckReportSpan(const TTask& task)
{
    const double L = task.SpanL();
    if (!(L > 0) || !std::isfinite(L))
        throw TError(QStringLiteral("Délka prvku L musí být větší než 0 m. Posudek nelze sestavit: "
                                    "zadejte délku trabíku na záložce Rozměry, podepření."));
}

double DiagramWidth(const TPrintPage& page, const QString& leftColumnText)
{
    const TPageMargins margins; // the frame's own margins are not known before the layout
    const double textWidth = (page.PageWidth - margins.Left - margins.Right) / 100.0;
    return (textWidth - StrToFloatX(leftColumnText) - 20) / 2;
}

double SecondDiagramWidth(double diagramWidth, const TPageSetup& setup)
{
    // The body's margins as the frame sets them: LM + LC on the left, RM on the right.
    const double body = 210 - StrToFloatX(setup.LMEdit) - StrToFloatX(setup.LCEdit) - StrToFloatX(setup.RMEdit);
    return std::min(diagramWidth, std::max(0.0, body - diagramWidth - 10));
}

void CheckReportNumbers(const TAnalysisModel& model)
{
    if (const QStringList unreadable = model.Unreadable(); !unreadable.isEmpty())
        throw TError(QStringLiteral("Posudek nelze sestavit:\n") + unreadable.join(QLatin1Char('\n')));
}

namespace {

// PrepareReport after its checks.
void PrepareDocument(const TTask& task, TDokument& doc, const TPageSetup& setup, const TClock& clock)
{
    doc.Reset();
    doc.Font = setup.Font;
    doc.NoDiacritics = setup.NoDiacritics;
    doc.Images.SetLogo(setup.Logo);
    doc.AddPage();
    doc.Job = task.Job;
    doc.Author = task.Author;
    doc.TaskTitle = task.TaskTitle;
    BuildPageFrame(setup, doc, clock);
}

} // namespace

void PrepareReport(const TTask& task, TDokument& doc, const TPageSetup& setup, const TClock& clock)
{
    CheckReportSpan(task);
    CheckReportNumbers(BuildModel(task));
    PrepareDocument(task, doc, setup, clock);
}

void BuildReport(const TTask& task, const TResultSet& results, TDokument& doc, const TPageSetup& setup)
{
    CheckReportSpan(task);
    CheckReportNumbers(results.Model());
    if (!doc.CurrentPage)
        doc.AddPage();
    const double w = DiagramWidth(*doc.CurrentPage, setup.LCEdit);
    TReportWriter writer(task, results, doc.Body, w);
    writer.SetSecondDiagramWidth(SecondDiagramWidth(w, setup));
    writer.SetLabelFont(ReportLabelFont(setup.Font));
    writer.WriteBody(doc.TaskTitle);
}

void ComposeReport(const TTask& task, TDokument& doc, const TPageSetup& setup, const TClock& clock)
{
    // PrepareReport with the model read once.
    CheckReportSpan(task);
    const TResultSet results(BuildModel(task));
    CheckReportNumbers(results.Model());
    PrepareDocument(task, doc, setup, clock);
    BuildReport(task, results, doc, setup);
}

TReportWriter::TReportWriter(const TTask& task, const TResultSet& results, QStringList& lines, double diagramWidth)
    : Task(task)
    , Results(results)
    , Lines(lines)
    , W(diagramWidth)
{
}

bool TReportWriter::Option(TPrintOption option) const
{
    return Task.Print[option].Checked;
}

void TReportWriter::WriteBody(const QString& taskTitle)
{
    Add(QStringLiteral("<br><h1>") + UserText(taskTitle) + QStringLiteral("</h1><br>"));
    if (Option(TPrintOption::GeneratorData))
        WriteGeneratorData();
    WriteDimensions();
    if (Option(TPrintOption::LoadCases))
        WriteLoadCases();
    if (Option(TPrintOption::CombinationTable))
        WriteCombinationTable();
    if (Option(TPrintOption::LoadCaseForces) || Option(TPrintOption::LoadCaseDeflections))
        WriteLoadCaseBlocks();
    if (Option(TPrintOption::CombinationForces) || Option(TPrintOption::CombinationDeflections))
        WriteCombinationBlocks();
    WriteEn1990Section(Task, Lines, W, SecondWidth());
    Lines << ServiceabilityLines(Task);
    Lines << SteelCheckLines(Task);
    Lines << TimberCheckLines(Task);
}

void TReportWriter::WriteLoadCaseBlocks()
{
    const std::vector<TLoadCase>& pages = Task.LoadCases;
    for (size_t i = 0; i < pages.size(); ++i) {
        // The page's own record and results: two pages sharing a caption are two load cases, and
        // each heading must show the reactions of the loads listed for that page.
        const TLoadCase& page = pages[i];
        if (!Task.GetZSInfo(page.Number).PrintResults)
            continue;
        CalculateBlock({ int(i) });
        OpenBlockKeep();
        Add(u"<h2>Výsledky pro " % UserText(page.Caption) % u" <i>(zatěžovací stav č." % TInteger(i + 1)
            % u")</i></h2>");
        WriteResultSections(Option(TPrintOption::LoadCaseDeflections));
        CloseBlockKeep();
    }
}

void TReportWriter::WriteCombinationBlocks()
{
    for (const TCombinationModel& c : Results.Model().Combinations) {
        if (!c.Printed)
            continue;
        const QString& name = c.Name;
        const int r = c.Row;
        // By row, not by name: a name may repeat (also in other letter case), and the block of row r
        // must show row r's members.
        CalculateBlock(c.Members);
        OpenBlockKeep();
        Add(u"<h2>Výsledky pro kombinaci " % UserText(name) % u" <i>(k. číslo " % TInteger(r) % u")</i></h2>");
        if (Option(TPrintOption::CombinationSchema))
            WriteCombinationSchema(r);
        WriteResultSections(Option(TPrintOption::CombinationDeflections));
        CloseBlockKeep();
    }
}

void TReportWriter::CalculateBlock(const std::vector<int>& members)
{
    Block = TCalculation();
    EdgesSwept = {};
    Block.SpanL = Results.Model().L;
    Block.Typ = Results.Model().Typ;
    Block.Sums = SumMembers(Results, members);
    Block.Extremes = FindExtremes(Block.SpanL, Block.Sums);
}

void TReportWriter::WriteResultSections(bool deflectionSwitch)
{
    if (Option(TPrintOption::Reactions))
        WriteReactions();
    if (Option(TPrintOption::ForceCourses) && Option(TPrintOption::ForceDiagrams))
        WriteForceDiagrams();
    if (Option(TPrintOption::ForceCourses) && Option(TPrintOption::ForceTables))
        WriteForceTables();
    if (Option(TPrintOption::Extremes))
        WriteExtremes();
    if (Option(TPrintOption::DeflectionDiagram) && deflectionSwitch)
        WriteDeflectionDiagram();
    if (Option(TPrintOption::DeflectionTable) && deflectionSwitch)
        WriteDeflectionTable();
    if ((Option(TPrintOption::DeflectionDiagram) || Option(TPrintOption::DeflectionTable)) && deflectionSwitch)
        WriteDeflectionCheck();
}
