#include "document/PdfExport.h"

#include "document/uDokument.h"
#include "model/TError.h"

#include <QPdfWriter>
#include <QSaveFile>

void WriteDocumentPdf(const TDokument& doc, const QString& path)
{
    // Written beside the target and renamed over it at the end: a write that fails leaves the
    // previous file as it was, and never a half-written one.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw TError(QStringLiteral("Soubor %1 nelze zapsat: %2").arg(path, out.errorString()));
    {
        QPdfWriter writer(&out);
        writer.setResolution(600);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QString::fromUtf8(TrabikCaption));
        writer.setTitle(doc.TaskTitle);
        doc.PrintAll(writer); // an exception discards the temporary file with `out`
    }
    if (!out.commit())
        throw TError(QStringLiteral("Soubor %1 nelze zapsat: %2").arg(path, out.errorString()));
}
