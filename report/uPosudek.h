#pragma once
// The analysis report: the preparation of the document and the body in mark-up, written from the
// task and its result set.
//
//   Preview:   ComposeReport(task, doc, setup);           // PrepareReport + BuildReport
//              doc.LayOut();
//   Print:     the same after the print dialog, then doc.PrintAll(printer).
//   "ok" of the page setup dialog: BuildPageFrame(setup, doc) (report/PageFrame.h).
//
// The report is a function of the task: every block is computed from the result set (each load
// case solved once), nothing is switched and nothing is written back, so the same task gives the
// same mark-up whatever the window showed before. Each block sums its own page (load cases) or grid
// row (combinations), so a caption or a combination name that repeats still gives every block its
// own results.
#include "analysis/Extremes.h"
#include "model/TEndConditions.h"
#include "model/TTask.h"
#include "report/DiagramMarkup.h"
#include "report/TPageSetup.h"

#include <QStringList>
#include <array>
#include <utility>

class TDokument;
class TPrintPage;

// Checks the task (CheckReportTask), resets the document, adds the first page, copies job, author
// and title, takes the font, the logo and the "nepoužívat diakritiku" switch of the page setup,
// and builds the page frame. Throws TError before the document is touched.
void PrepareReport(const TTask& task, TDokument& doc, const TPageSetup& setup, const TClock& clock = {});

// Appends the report body to doc.Body under the task's print options, every result from `results`
// (the result set of the task).
void BuildReport(const TTask& task, const TResultSet& results, TDokument& doc, const TPageSetup& setup);

// Both of the above: the document ready for LayOut.
void ComposeReport(const TTask& task, TDokument& doc, const TPageSetup& setup, const TClock& clock = {});

// Throws the report's TError for a text that is not a number anywhere in the task (every line of
// TAnalysisModel::Unreadable): the report lists every load case, so none may read as 0.
void CheckReportNumbers(const TAnalysisModel& model);

// Throws the report's TError for a span of 0 or less (or one that is not a number).
void CheckReportSpan(const TTask& task);

// Length of one drawn diagram in millimetres: the text width of the page less the left column
// (leftColumnText read leniently) and 20 mm, halved. 70 for an A4 page with 10 mm margins and 30.
double DiagramWidth(const TPrintPage& page, const QString& leftColumnText);

// Width of the diagram drawn diagramWidth + 10 mm right of the first one: diagramWidth, or less
// when that would run past the right margin of the body that the page frame of `setup` sets.
double SecondDiagramWidth(double diagramWidth, const TPageSetup& setup);

// The section writers. Each appends mark-up lines to `lines`; the result sections read the
// calculation of the block being written.
class TReportWriter
{
public:
    TReportWriter(const TTask& task, const TResultSet& results, QStringList& lines, double diagramWidth);

    void WriteBody(const QString& taskTitle); // the whole body in the report's order
    // Width of the diagram that stands W + 10 mm right of the first one (SecondDiagramWidth).
    void SetSecondDiagramWidth(double width) { W2 = width; }
    // How the values on the diagrams are measured ("popis os u grafů").
    void SetLabelFont(const TLabelFont& font) { LabelFont = font; }

    // Input sections.
    void WriteGeneratorData();
    void WriteDimensions();
    void WriteLoadCases();
    void WriteLoadSchema(const std::vector<TZSInfo>& infos); // the loads of one case or of a combination
    void WriteCombinationTable();

    // Result sections of one block (SetBlock).
    void SetBlock(TCalculation block)
    {
        Block = std::move(block);
        EdgesSwept = {};
    }
    void WriteReactions();
    void WriteForceDiagrams();
    void WriteForceTables();
    void WriteExtremes();
    void WriteDeflectionDiagram();
    void WriteDeflectionTable();
    void WriteDeflectionCheck(); // the largest deflection against the limit "mezní průhyb L/"

private:
    bool Option(TPrintOption option) const;
    void Add(const QString& line) { Lines.append(line); }
    void WriteLoadCaseBlocks();
    // The block of these members: their sums and extremes.
    void CalculateBlock(const std::vector<int>& members);
    const TResultStore& Sums() const { return Block.Sums; }
    const TExtreme& M(bool characteristic) const { return Block.Extremes.M(characteristic); }
    const TExtreme& Q(bool characteristic) const { return Block.Extremes.Q(characteristic); }
    const TExtreme& F() const { return Block.Extremes.f; }
    void WriteCombinationBlocks();
    void WriteResultSections(bool deflectionSwitch);
    void WriteLoadList(const TZSInfo& info);
    void WriteGeneratorPermanentRows(bool& marksSet);
    void WriteGeneratorVariableRows(bool& marksSet);
    void WriteSchemaPointForces(const std::vector<TZSInfo>& infos);
    void WriteSchemaUniformLoads(const std::vector<TZSInfo>& infos);
    void WriteSchemaPartialLoad(const TQQLoad& load);
    void WriteSchemaPointMoments(const std::vector<TZSInfo>& infos);
    void WriteCombinationSchema(int row);
    long long UnitAfter(long long x, const QString& value) const; // where a row's unit clears a value at x
    void WriteSupport(TEndSupport end);
    void WriteForcePair(bool characteristic);
    void WriteMergedForcePair(bool characteristic);
    void DrawForceDiagram(bool moment, bool characteristic, double width, bool spanLine = true);
    void WriteSignConvention(); // under the first diagram of the report
    void EndHeadKeep(); // a block's heading is kept with its first section
    QString FromLeftEnd() const; // " m od levé podpory." or, with a free left end, "od levého konce."
    // A result block is kept on one page, and its heading with its first section.
    void OpenBlockKeep()
    {
        Add(QStringLiteral("<keep><keep>"));
        HeadKept = true;
    }
    void CloseBlockKeep()
    {
        EndHeadKeep();
        Add(QStringLiteral("<br>"));
        Add(QStringLiteral("</keep>"));
    }
    void WriteForceTable(bool characteristic);
    void WriteTableXRow();
    void WriteSampleRow(const QString& caption, const TSamples& values, double factor, bool tableFormat);
    void WriteDeflectionProblem();
    void DrawDiagram(const TSamples& y, double sign, const TExtreme& extreme, double width,
        const std::vector<TCandidate>& edges, double labelFactor = 1, bool spanLine = true);
    // The points of the block's exact line (characteristic or design) that the diagrams label; empty
    // without "popis os u grafů". Swept once per block and line; f only for the characteristic one.
    const TLineCandidates& EdgeValues(bool characteristic);
    double SecondWidth() const { return W2 < 0 ? W : W2; }

    const TTask& Task;
    const TResultSet& Results;
    TCalculation Block;
    std::array<TLineCandidates, 2> Edges; // EdgeValues: design, characteristic
    std::array<bool, 2> EdgesSwept {};
    QStringList& Lines;
    double W;
    double W2 = -1; // the diagram beside the first one; below 0: as wide as the first
    TLabelFont LabelFont;
    QStringList TableXCells; // the x row of the value tables, "<td>" and the value
    QStringList UniformHatch; // the hatch under a uniform load
    bool SignWritten = false;
    bool HeadKept = false;
};
