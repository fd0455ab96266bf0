#pragma once
// What fuzz_markup does with one input, shared with the test that replays its findings.
//
// Input: the first byte selects the page frame (0: the frame trabik-cli typeset uses by default,
// 1: none, 2: the input's lines up to its first empty line); the remaining bytes are UTF-8 text read
// into lines as trabik-cli typeset reads a file.
#include "document/uDokument.h"
#include "model/TError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One input may make any number of pages; past this many the run is stopped (it is checked a few
// times a second, when the layout reports its progress).
constexpr int MarkupCheckMaxPages = 50;

inline QStringList MarkupCheckLines(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Image names of <img stay inside the image folder: a name may not reach a device or another
// folder (a fuzzer would otherwise find /dev/stdin). The name runs from the tag's '>' to the next '<'.
inline QString MarkupCheckConfineImageNames(QString line)
{
    for (int at = line.indexOf(QLatin1String("<img ")); at >= 0; at = line.indexOf(QLatin1String("<img "), at + 1)) {
        const int gt = line.indexOf(QLatin1Char('>'), at);
        if (gt < 0)
            break;
        for (int i = gt + 1; i < line.size() && line[i] != QLatin1Char('<'); ++i)
            if (line[i] == QLatin1Char('/') || line[i] == QLatin1Char('\\'))
                line[i] = QLatin1Char('_');
    }
    return line;
}

// Lays the input out into pages. Returns what went wrong, or an empty string; a run stopped with
// a message (a bad argument, a frame that breaks pages) is a sound outcome. Crashes, undefined
// behaviour and other exceptions are what the fuzzer looks for.
inline QString CheckMarkupBytes(const QByteArray& bytes, const QString& imageFolder)
{
    if (bytes.isEmpty())
        return {};
    QStringList lines = MarkupCheckLines(bytes.mid(1));
    for (QString& line : lines)
        line = MarkupCheckConfineImageNames(line);
    QStringList frame;
    switch (static_cast<unsigned char>(bytes[0]) % 3) {
    case 0:
        frame = QStringList { QStringLiteral("<left 20><right 20><top 20><bottom 20>"),
            QStringLiteral("<cur 83 262>- &pagenumber; -"), QStringLiteral("<curx 0><cury 0>") };
        break;
    case 1:
        break;
    default: {
        const int split = lines.indexOf(QString());
        if (split >= 0) {
            frame = lines.mid(0, split);
            lines = lines.mid(split + 1);
        }
    }
    }

    struct TPageCap
    {
    };
    // Stops a layout that passes the page cap; the exception leaves LayOut like a layout error.
    struct TCapObserver : TDocumentObserver
    {
        TDokument& Doc;
        explicit TCapObserver(TDokument& doc)
            : Doc(doc)
        {
        }
        void LayoutProgress(int, int) override
        {
            if (Doc.PageCount() > MarkupCheckMaxPages)
                throw TPageCap();
        }
    };
    TDokument doc;
    doc.Reset();
    doc.AddPage();
    doc.Images.BaseDirectory = imageFolder;
    doc.Frame = frame;
    doc.Body = lines;
    TCapObserver cap(doc);
    doc.AddObserver(&cap);
    try {
        doc.LayOut();
    } catch (const TError&) {
    } catch (const TPageCap&) {
    }
    doc.RemoveObserver(&cap);
    const TPageList& pages = doc.Pages();
    if (pages.Count() < 1 || !pages.First() || !pages.Last() || pages.Last()->Number != pages.Count())
        return QStringLiteral("the pages are not numbered 1 to %1").arg(pages.Count());
    return {};
}
