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
        throw TError(QStringLiteral("Soubor %1 nelze otevřít: %2").arg(path, file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end does not start another line
    return lines;
}

struct TTypesetArgs
{
    QString Body;
    QString Frame;
    QString Output;
    bool HasFrame = false;
};

TTypesetArgs parseArgs(const QStringList& args)
{
    TTypesetArgs a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if ((arg == "-o" || arg == "--frame") && (i + 1 >= args.size() || args[i + 1].startsWith('-')))
            throw TUsageError(QStringLiteral("%1 needs a file name").arg(arg).toStdString());
        if (arg == "-o")
            a.Output = args[++i];
        else if (arg == "--frame") {
            a.Frame = args[++i];
            a.HasFrame = true;
        } else if (arg.startsWith('-') && arg.size() > 1)
            throw TUsageError(QStringLiteral("unknown option %1").arg(arg).toStdString());
        else if (a.Body.isEmpty())
            a.Body = arg;
        else
            throw TUsageError("only one body file can be given");
    }
    if (a.Body.isEmpty() || a.Output.isEmpty())
        throw TUsageError("a body file and -o OUT.pdf are required");
    return a;
}

int runTypeset(const QStringList& args)
{
    const TTypesetArgs a = parseArgs(args);
    TDokument doc;
    doc.Reset();
    doc.AddPage();
    doc.Images.BaseDirectory = QFileInfo(a.Body).absolutePath();
    doc.Frame = a.HasFrame ? readLines(a.Frame) : DefaultFrame;
    doc.Body = readLines(a.Body);
    doc.LayOut();
    WriteDocumentPdf(doc, a.Output);
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
    runTypeset,
} };

} // namespace
