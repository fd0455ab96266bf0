#pragma once
// The analysis report: the preparation of the document and the body in mark-up, written from the
// task and the results.
//
//   Preview:   PrepareReport(task, store, doc, setup, messages);
//              BuildReport(task, store, doc, setup, messages);    // or ComposeReport for both
//              doc.LayOut();
//   Print:     the same after the print dialog, then doc.PrintAll(printer).
//   "ok" of the page setup dialog: BuildPageFrame(setup, doc) (report/PageFrame.h).
//
// Afterwards task.Calc and the store hold the last result block's choice and results, as the
// window's calculation tab and diagrams would show them: the window refreshes its views from them.
// Each block computes its own page (load cases) or grid row (combinations), so a caption or a
// combination name that repeats still gives every block its own results; task.Calc names the
// block by caption or name, as the window's selection can only do.
#include "analysis/uCalcUnit.h"
#include "model/TEndConditions.h"
#include "model/TTask.h"
#include "report/TPageSetup.h"

#include <QStringList>
#include <functional>

class TDokument;
class TPrintPage;

// Run the calculation with the task's current choice (as the window's calculation action), reset
// the document, add the first page, copy job, author and title, take the font, the logo and the
// "nepoužívat diakritiku" switch of the page setup, and build the page frame. A span that is not
// greater than 0 stops it with a TError before the document is touched.
void PrepareReport(TTask& task, TResultStore& store, TDokument& doc, const TPageSetup& setup,
    const TMessageSink& messages = {}, const TClock& clock = {});

// Appends the report body to doc.Body under the task's print options. Leaves task.Calc and the
// store as the last result block put them.
void BuildReport(
    TTask& task, TResultStore& store, TDokument& doc, const TPageSetup& setup, const TMessageSink& messages = {});

// Both of the above: the document ready for LayOut.
void ComposeReport(TTask& task, TResultStore& store, TDokument& doc, const TPageSetup& setup,
    const TMessageSink& messages = {}, const TClock& clock = {});

// The calculation action with the task's current choice (SumSelection, then FindExtremes).
void CalculateSelection(TTask& task, TResultStore& store, const TMessageSink& messages = {});

// Throws the report's TError for a span of 0 or less (or one that is not a number).
void CheckReportSpan(const TTask& task);

// Length of one drawn diagram in millimetres: the text width of the page less the left column
// (leftColumnText read leniently) and 20 mm, halved. 70 for an A4 page with 10 mm margins and 30.
double DiagramWidth(const TPrintPage& page, const QString& leftColumnText);

// The section writers. Each appends mark-up lines to `lines`; the result sections read the store
// and drive task.Calc as the window's diagram switches would.
class TReportWriter
{
public:
    TReportWriter(
        TTask& task, TResultStore& store, QStringList& lines, double diagramWidth, TMessageSink messages = {});

    void WriteBody(const QString& taskTitle); // the whole body in the report's order

    // Input sections.
    void WriteGeneratorData();
    void WriteDimensions();
    void WriteLoadCases();
    void WriteLoadSchema(const TZSInfo& info);
    void WriteCombinationTable();

    // Result sections of one block.
    void WriteReactions();
    void WriteForceDiagrams();
    void WriteForceTables();
    void WriteExtremes();
    void WriteDeflectionDiagram();
    void WriteDeflectionTable();

    // What the window's controls do when the report drives them.
    void Calculate(); // Spocitat_prubehyExecute with the main window as sender
    void SelectMomentSwitch(bool characteristic); // RadioButton4 / RadioButton5
    void SelectShearSwitch(bool characteristic); // RadioButton6 / RadioButton7

private:
    bool Option(TPrintOption option) const;
    void Add(const QString& line) { Lines.append(line); }
    void WriteLoadCaseBlocks();
    // Clears the store, lets `add` sum one block's load cases into it and finds the extremes.
    void CalculateBlock(const std::function<void(TTask&, TResultStore&, const TMessageSink&)>& add);
    void WriteCombinationBlocks();
    void WriteResultSections(bool deflectionSwitch);
    void WriteLoadList(const TZSInfo& info);
    void WriteGeneratorPermanentRows();
    void WriteGeneratorVariableRows();
    void WriteSchemaPointForces(const TZSInfo& info);
    void WriteSchemaUniformLoads(const TZSInfo& info);
    void WriteSchemaPartialLoad(const TQQLoad& load);
    void WriteSchemaPointMoments(const TZSInfo& info);
    void WriteSupport(TEndSupport end);
    void WriteForcePair(bool characteristic);
    void WriteForceTable(bool characteristic);
    void WriteTableXRow();
    void WriteSampleRow(const QString& caption, const TSamples& values, double factor, bool tableFormat);
    void WriteDeflectionProblem();
    void DrawDiagram(const TSamples& y, double k, double extremeA, double extremeB);

    TTask& Task;
    TResultStore& Store;
    QStringList& Lines;
    double W;
    TMessageSink Messages;
};
