// trabik-cli typeset: lays out a mark-up file by itself, one text line per body line.
#include "cli/CliCommand.h"
#include "document/PdfExport.h"
#include "document/uDokument.h"
#include "model/TError.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Without --frame: margins of 20 mm and the page number centred at the foot of every page.
const QStringList DefaultFrame {
    QStringLiteral("<left 20><right 20><top 20><bottom 20>"),
    QStringLiteral("<cur 83 262>- &pagenumber; -"),
    QStringLiteral("<curx 0><cury 0>"),
};

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TFileError(path, file.exists() ? file.errorString() : QStringLiteral("File not found"));
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end does not start another line
    return lines;
}

const QCommandLineOption OutputOption({ QStringLiteral("o"), QStringLiteral("output") },
    QStringLiteral("the PDF file to write"), QStringLiteral("OUT.pdf"));
const QCommandLineOption FrameOption(
    QStringLiteral("frame"), QStringLiteral("the page-frame lines"), QStringLiteral("FRAME.txt"));

int runTypeset(const QCommandLineParser& parser)
{
    const QString frame = FileValue(parser, FrameOption);
    const QString output = FileValue(parser, OutputOption);
    const QString body = Arguments(parser, 1, "one body file is required").constFirst();
    if (output.isEmpty())
        throw TUsageError("-o OUT.pdf is required");
    TDokument doc;
    doc.Reset();
    doc.AddPage();
    doc.Images.BaseDirectory = QFileInfo(body).absolutePath();
    doc.Frame = parser.isSet(FrameOption) ? readLines(frame) : DefaultFrame;
    doc.Body = readLines(body);
    OnFile(body, [&] { doc.LayOut(); });
    OnFile(output, [&] { WriteDocumentPdf(doc, output); });
    QTextStream(stdout) << doc.PageCount() << "\n";
    return 0;
}

const TCliRegistrar registrar { TCliCommand {
    QStringLiteral("typeset"),
    QStringLiteral("typeset BODY.txt [--frame FRAME.txt] -o OUT.pdf"),
    QStringLiteral("lay out a mark-up file into an A4 PDF and print the page count"),
    QStringLiteral("Every text line of BODY.txt (UTF-8) is one body line of the document, every line of\n"
                   "FRAME.txt one page-frame line. Without --frame the frame sets 20 mm margins and\n"
                   "prints the page number at the foot of every page. Relative <img file names are\n"
                   "looked up beside BODY.txt."),
    { FrameOption, OutputOption },
    runTypeset,
} };

} // namespace
