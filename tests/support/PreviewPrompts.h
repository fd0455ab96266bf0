#pragma once
// Stand-ins for the preview's printer and file dialogs, and a page count of the PDF files they lead to.
#include "document/ui/uPreview.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QString>

// The print dialog prints to PrintTo as PDF (an empty PrintTo cancels it) and counts its calls; the PDF file
// dialog answers PdfPath.
struct TPreviewStandIn
{
    QString PrintTo, PdfPath;
    int PrintDialogs = 0;

    void Attach(TPreview& preview)
    {
        preview.Prompts.PrintDialog = [this](QPrinter& printer, QWidget*) {
            ++PrintDialogs;
            if (PrintTo.isEmpty())
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(PrintTo);
            return true;
        };
        preview.Prompts.ChoosePdfFile = [this](QWidget*) { return PdfPath; };
    }
};

// The number of pages of a PDF file; -1 when it cannot be read.
inline int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}
