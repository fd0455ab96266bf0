// Accents, and putting the pages on paper.
#include "document/uDokument.h"
#include "model/TError.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

QString WithoutDiacritics(QString text)
{
    static const QString from = QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    static const QString to = QStringLiteral("acdeeinorstuuyzACDEEINORSTUUYZ");
    for (QChar& c : text) {
        const int k = from.indexOf(c);
        if (k >= 0)
            c = to[k];
    }
    return text;
}

void TDokument::StripDiacritics()
{
    for (QString& line : Frame)
        line = WithoutDiacritics(line);
    for (QString& line : Body)
        line = WithoutDiacritics(line);
}

namespace {

// Paints the pages one per sheet at true size: page unit 0 is the sheet's edge whatever the
// device's margins (a printer's painter starts at its printable area).
void printPages(QPagedPaintDevice& device, const std::vector<const TPrintPage*>& pages, int hairlineDpi = 0)
{
    if (pages.empty())
        return;
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        throw TError(QStringLiteral("Tisk nelze zahájit: tiskárnu nebo soubor nelze otevřít."));
    const int dpi = device.logicalDpiX();
    const QRect paintRect = device.pageLayout().paintRectPixels(dpi);
    const QRect fullRect = device.pageLayout().fullRectPixels(dpi);
    const QPointF origin(fullRect.left() - paintRect.left(), fullRect.top() - paintRect.top());
    TPicturePainter pagePainter;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        const TPrintPage& page = *pages[i];
        const QSizeF size(page.PageWidth * dpi / 2540.0, page.PageHeight * device.logicalDpiY() / 2540.0);
        pagePainter.Paint(painter, page.Picture, QRectF(origin, size), hairlineDpi / 2540.0);
    }
    painter.end();
}

} // namespace

void TDokument::PrintAll(QPagedPaintDevice& device, int hairlineDpi) const
{
    // The last page of a pending layout is still being drawn: no half report on paper.
    if (LayoutPending())
        throw TError(QStringLiteral("Sazba dokumentu ještě neskončila."));
    std::vector<const TPrintPage*> pages;
    for (const TPrintPage& page : Pages())
        pages.push_back(&page);
    printPages(device, pages, hairlineDpi);
}

void TDokument::PrintCurrentPage(QPagedPaintDevice& device) const
{
    if (CurrentPage)
        printPages(device, { CurrentPage });
}
