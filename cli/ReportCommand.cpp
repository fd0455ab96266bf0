// trabik-cli report: the analysis report of a project file with the saved (or the default) page setup, laid out as
// the preview lays it out, written to PDF (or, with --markup, its frame and body lines).
#include "cli/CliCommand.h"
#include "document/PdfExport.h"
#include "document/uDokument.h"
#include "model/TError.h"
#include "report/PageSetupSettings.h"
#include "report/uPosudek.h"
#include "storage/uProjectFile.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

const QCommandLineOption OutputOption({ QStringLiteral("o"), QStringLiteral("output") },
    QStringLiteral("the PDF file to write"), QStringLiteral("OUT.pdf"));
const QCommandLineOption MarkupOption(
    QStringLiteral("markup"), QStringLiteral("print the frame and body mark-up lines instead of laying them out"));
const QCommandLineOption DefaultPageSetupOption(QStringLiteral("default-page-setup"),
    QStringLiteral("the page setup dialog's defaults instead of the page setup the program saved"));

int runReport(const QCommandLineParser& parser)
{
    const QString output = FileValue(parser, OutputOption);
    const QString file = Arguments(parser, 1, "one project file is required").constFirst();
    const bool markup = parser.isSet(MarkupOption);
    if (!markup && output.isEmpty())
        throw TUsageError("-o OUT.pdf is required (or --markup)");
    TTask task = OpenTask(file); // says on stderr what opened only in part
    TDokument doc;
    doc.Images.BaseDirectory = QFileInfo(file).absolutePath();
    // The page setup saved by the window, as the preview would use it.
    const TPageSetup setup
        = parser.isSet(DefaultPageSetupOption) ? TPageSetup() : LoadPageSetup(PageSetupSettingsFile());
    OnFile(file, [&] { ComposeReport(task, doc, setup); });
    if (markup) {
        QTextStream out(stdout);
        out << "=== frame ===\n" << doc.Frame.join('\n') << "\n=== body ===\n" << doc.Body.join('\n') << "\n";
        return 0;
    }
    OnFile(file, [&] { doc.LayOut(); });
    OnFile(output, [&] { WriteDocumentPdf(doc, output); });
    return 0;
}

const TCliRegistrar registrar { TCliCommand {
    QStringLiteral("report"),
    QStringLiteral("report TASK.DAT -o OUT.pdf [--markup] [--default-page-setup]"),
    QStringLiteral("write the analysis report of a project file as an A4 PDF"),
    QStringLiteral("The report is composed with the print options saved in TASK.DAT and the page setup\n"
                   "saved by the program's page setup dialog (--default-page-setup: the dialog's defaults),\n"
                   "and laid out as the print preview lays it out. With --markup nothing is laid\n"
                   "out: the page-frame lines and the body lines are printed on stdout, each list after\n"
                   "a line \"=== frame ===\" or \"=== body ===\"."),
    { OutputOption, MarkupOption, DefaultPageSetupOption },
    runReport,
} };

} // namespace
