#include "document/PdfExport.h"

#include "document/uDokument.h"
#include "model/TError.h"

#include <QFile>
#include <QPdfWriter>

void WriteDocumentPdf(const TDokument& doc, QIODevice& out)
{
    QPdfWriter writer(&out);
    // One device pixel per page unit: the PDF gets the page's own integer coordinates instead of
    // long fractions, which makes it much smaller and faster to write. Hairlines stay those of
    // the 600 dpi the file was first written at.
    writer.setResolution(2540);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QString::fromUtf8(TrabikCaption));
    writer.setTitle(doc.TaskTitle);
    doc.PrintAll(writer, 600);
}

void WriteDocumentPdf(const TDokument& doc, const QString& path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw TError(QStringLiteral("Soubor %1 nelze zapsat: %2").arg(path, out.errorString()));
    try {
        WriteDocumentPdf(doc, static_cast<QIODevice&>(out));
    } catch (...) {
        out.remove(); // no half-written file that looks like a report
        throw;
    }
}
