#include "document/PdfExport.h"

#include "document/uDokument.h"
#include "model/TError.h"

#include <QPdfWriter>
#include <QSaveFile>

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
    // Written beside the target and renamed over it at the end: a write that fails leaves the
    // previous file as it was, and never a half-written one.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw TError(QStringLiteral("Soubor %1 nelze zapsat: %2").arg(path, out.errorString()));
    WriteDocumentPdf(doc, static_cast<QIODevice&>(out)); // an exception discards the temporary file with `out`
    if (!out.commit())
        throw TError(QStringLiteral("Soubor %1 nelze zapsat: %2").arg(path, out.errorString()));
}
