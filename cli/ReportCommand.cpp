// trabik-cli report: the analysis report of a project file with the default page setup, laid out as
// the preview lays it out, written to PDF (or, with --markup, its frame and body lines).
#include "cli/CliCommand.h"
#include "document/PdfExport.h"
#include "document/uDokument.h"
#include "model/TError.h"
#include "report/uPosudek.h"
#include "storage/uProjectFile.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

struct TReportArgs
{
    QString Task;
    QString Output;
    bool Markup = false;
};

TReportArgs parseArgs(const QStringList& args)
{
    TReportArgs a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == "-o") {
            if (i + 1 >= args.size())
                throw TUsageError("-o needs a file name");
            a.Output = args[++i];
        } else if (arg == "--markup") {
            a.Markup = true;
        } else if (arg.startsWith('-') && arg.size() > 1) {
            throw TUsageError(QStringLiteral("unknown option %1").arg(arg).toStdString());
        } else if (a.Task.isEmpty()) {
            a.Task = arg;
        } else {
            throw TUsageError("only one project file can be given");
        }
    }
    if (a.Task.isEmpty())
        throw TUsageError("a project file is required");
    if (!a.Markup && a.Output.isEmpty())
        throw TUsageError("-o OUT.pdf is required (or --markup)");
    return a;
}

int runReport(const QStringList& args)
{
    const TReportArgs a = parseArgs(args);
    TTask task = OpenTask(a.Task); // says on stderr what opened only in part
    TDokument doc;
    doc.Images.BaseDirectory = QFileInfo(a.Task).absolutePath();
    ComposeReport(task, doc, TPageSetup());
    if (a.Markup) {
        QTextStream out(stdout);
        out << "=== frame ===\n" << doc.Frame.join('\n') << "\n=== body ===\n" << doc.Body.join('\n') << "\n";
        return 0;
    }
    doc.LayOut();
    WriteDocumentPdf(doc, a.Output);
    return 0;
}

const TCliRegistrar registrar { TCliCommand {
    QStringLiteral("report"),
    QStringLiteral("report TASK.DAT -o OUT.pdf [--markup]"),
    QStringLiteral("write the analysis report of a project file as an A4 PDF"),
    QStringLiteral("The report is composed with the print options saved in TASK.DAT and the default page\n"
                   "setup, and laid out as the print preview lays it out. With --markup nothing is laid\n"
                   "out: the page-frame lines and the body lines are printed on stdout, each list after\n"
                   "a line \"=== frame ===\" or \"=== body ===\"."),
    runReport,
} };

} // namespace
