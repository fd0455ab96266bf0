#include "document/PdfExport.h"

#include "document/uDokument.h"
#include "model/TError.h"

#include <QFile>
#include <QPdfWriter>

void WriteDocumentPdf(const TDokument& doc, const QString& path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw TError(QStringLiteral("Soubor %1 nelze zapsat: %2").arg(path, out.errorString()));
    try {
        QPdfWriter writer(&out);
        writer.setResolution(600);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QString::fromUtf8(TrabikCaption));
        writer.setTitle(doc.TaskTitle);
        doc.PrintAll(writer);
    } catch (...) {
        out.remove(); // no half-written file that looks like a report
        throw;
    }
}
