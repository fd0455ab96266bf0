#pragma once
// The document as a PDF file: the one writer of the window's "Uložit PDF…", the preview and the
// command-line tool.
#include <QString>

class QIODevice;
class TDokument;

// Every laid-out page of the document into a PDF file, one A4 sheet per page at true size, with
// the document's task title as the PDF title. Throws TError when the file cannot be written; the
// file that was there before stays as it was (no partial report is left looking like a whole one).
void WriteDocumentPdf(const TDokument& doc, const QString& path);
// The same into a device open for writing (the benchmarks write into memory).
void WriteDocumentPdf(const TDokument& doc, QIODevice& out);
