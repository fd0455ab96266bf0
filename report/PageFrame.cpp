#include "report/PageFrame.h"
#include "report/ReportFormats.h"

#include "document/PageCanvas.h"
#include "document/uDokument.h"
#include "model/TError.h"
#include "model/uMyCommonLib.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace {

QString Num(long long v)
{
    return QString::number(v);
}

struct TFrameNumbers
{
    long long LM, RM, TM, BM, LC, LogoW, LogoH; // wide enough for any sum of typed integers
};

TFrameNumbers ReadNumbers(const TPageSetup& s)
{
    // The width is used only beside a logo; what stands in the field otherwise must not block printing.
    return { StrictToInt(s.LMEdit), StrictToInt(s.RMEdit), StrictToInt(s.TMEdit), StrictToInt(s.BMEdit),
        StrictToInt(s.LCEdit), s.LogoCheck ? StrictToInt(s.LogoWEdit) : 0, StrictToInt(s.LogoHEdit) };
}

bool HasHeader(const TPageSetup& s)
{
    return s.LogoCheck || s.Address1Check || s.DateCheck;
}

void AppendMemo(QStringList& out, const QStringList& memo)
{
    out << QStringLiteral("<mark 1>");
    for (const QString& line : memo)
        out << line + QStringLiteral("<br><gotox 1>");
    out << QStringLiteral("<gotoy 1>");
}

// The logo and the address block at the top left corner of the header.
void AppendLogoAndAddress(QStringList& out, const TPageSetup& s, const TFrameNumbers& n, bool withLogo)
{
    out << QStringLiteral("<left 0><right 0><top 0><bottom 0><br>");
    out << QStringLiteral("<curx %1><cury %2>").arg(Num(n.LM), Num(n.TM));
    if (s.LogoCheck)
        out << (withLogo ? QStringLiteral("<img ") + s.LogoWEdit + QLatin1Char(' ') + s.LogoHEdit + QLatin1Char('>')
                           + s.LogoFileEdit + QStringLiteral("</img>")
                         : QString())
                + QStringLiteral("<curx ") + Num(n.LogoW + n.LM + 2) + QLatin1Char('>');
    if (s.Address1Check)
        AppendMemo(out, s.Address1Memo);
}

// The date as the report's Czech texts write it, whatever the system's language: "9. 12. 2026".
QString ReportDate(const QDateTime& now)
{
    return now.date().toString(QStringLiteral("d. M. yyyy"));
}

// Where the header's pieces go: the job column moves right of a wider address block, the date right
// of a job text that reaches it, and the header box grows to the right to hold them.
struct THeaderPlace
{
    long long ColumnX;
    long long DateX;
    long long BoxRight;
};

void AppendHeader(QStringList& out, const TPageSetup& s, const TFrameNumbers& n, const QString& job,
    const QString& author, const QDateTime& now, const THeaderPlace& place, bool withLogo = true)
{
    AppendLogoAndAddress(out, s, n, withLogo);
    if (s.DateCheck)
        out << QStringLiteral("<curx ") + Num(place.DateX) + QLatin1Char('>') + ReportDate(now);
    out << QStringLiteral("<curx %1><cury %2>").arg(Num(place.ColumnX), Num(n.TM));
    if (HasHeader(s)) {
        out << QStringLiteral("<tab><mark 1>Akce:      <tab> ") + job;
        out << QStringLiteral("<br><gotox 1>Vypracoval: <tab>") + author;
    }
}

// The right end, in whole millimetres rounded up, of the text that `lines` set as a page frame
// in the report font; 0 when they set no text or cannot be laid out (the real layout then says why).
long long TextRightMm(const TPageSetup& s, const QStringList& lines)
{
    TDokument scratch;
    scratch.Font = s.Font;
    scratch.NoDiacritics = s.NoDiacritics;
    scratch.Reset();
    scratch.AddPage();
    scratch.Frame = lines;
    try {
        scratch.LayOut();
    } catch (const TError&) {
        return 0;
    }
    TFontMetricsCache metrics;
    long long right = 0;
    for (const TPrintPage& page : scratch.Pages())
        for (const TTextItem& item : page.Picture.ItemsOf<TTextItem>())
            if (item.Rotation == 0) // not the credit line along the left edge
                right = std::max(right, (long long)item.Pos.x() + metrics.TextWidth(item.Font, item.Text));
    return (right + 99) / 100;
}

THeaderPlace PlaceHeader(
    const TPageSetup& s, const TFrameNumbers& n, const QString& job, const QString& author, const QDateTime& now)
{
    THeaderPlace place { n.LM + n.LC + 15, 195 - n.RM, 210 - n.RM };
    if (!HasHeader(s))
        return place;
    const long long gap = 3;
    if (s.Address1Check) {
        QStringList address;
        AppendLogoAndAddress(address, s, n, false);
        const long long addressRight = TextRightMm(s, address);
        if (addressRight + gap > place.ColumnX)
            place.ColumnX = addressRight + gap;
    }
    if (s.DateCheck) {
        const QStringList jobLine { QStringLiteral("<left 0><right 0><top 0><bottom 0><br>"),
            QStringLiteral("<curx %1><cury %2>").arg(Num(place.ColumnX), Num(n.TM)),
            QStringLiteral("<tab><mark 1>Akce:      <tab> ") + job };
        const long long jobRight = TextRightMm(s, jobLine);
        const long long dateWidth = TextRightMm(s,
            { QStringLiteral("<left 0><right 0><top 0><bottom 0><br>"), QStringLiteral("<curx 0>") + ReportDate(now) });
        // Never so far right that the date leaves the sheet.
        if (jobRight + gap > place.DateX)
            place.DateX = std::max(place.DateX, std::min(jobRight + gap, 206 - dateWidth));
    }
    QStringList header;
    AppendHeader(header, s, n, job, author, now, place, false);
    const long long textRight = TextRightMm(s, header);
    if (textRight > place.BoxRight)
        place.BoxRight = std::min<long long>(textRight + 2, 208); // within the sheet
    return place;
}

void AppendBoxesAndSeparator(
    QStringList& out, const TPageSetup& s, const TFrameNumbers& n, long long h, long long f, long long headerRight)
{
    if (h != 0)
        out << QStringLiteral("<box %1 %2 %3 %4>")
                   .arg(Num(n.LM - 2), Num(n.TM - 3), Num(headerRight), Num(n.TM + h + 3));
    if (f != 0)
        out << QStringLiteral("<box %1 %2 %3 %4>")
                   .arg(Num(n.LM - 2), Num(299 - n.BM), Num(210 - n.RM), Num(297 - n.BM - f - 2));
    const long long top = n.TM + h + 4;
    const long long bottom = 297 - n.BM - f - 4;
    if (s.Separator == TPageSetup::LineRadio) {
        const long long x = n.LM + n.LC - 5;
        out << QStringLiteral("<line %1 %2 %3 %4>").arg(Num(x), Num(top), Num(x), Num(bottom));
    } else if (s.Separator == TPageSetup::FrameRadio) {
        out << QStringLiteral("<box %1 %2 %3 %4>").arg(Num(n.LM - 2), Num(top), Num(n.LM + n.LC - 5), Num(bottom));
    }
}

// The locale's long time format without the time zone that Qt appends ("14:07:09", not
// "14:07:09 UTC"): a printed calculation shows the wall-clock time.
QString LongTimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b\\s*")));
    return format.trimmed();
}

void AppendFooter(QStringList& out, const TPageSetup& s, const TFrameNumbers& n, int f, const QDateTime& now)
{
    if (s.Address2Check) {
        out << QStringLiteral("<curx %1><cury %2>").arg(Num(n.LM), Num(297 - n.BM - f)) + QStringLiteral("<mark 1>");
        for (const QString& line : s.Address2Memo)
            out << line + QStringLiteral("<br><gotox 1>");
        out << QStringLiteral("<gotoy 1>");
    } else if (s.PageNumberCheck || s.TimeCheck) {
        // Without the address the cursor still stands in the header: the number and the time go
        // to the footer's first line all the same.
        out << QStringLiteral("<cury %1>").arg(Num(297 - n.BM - f));
    }
    if (s.PageNumberCheck)
        out << QStringLiteral("<curx ") + Num((210 - n.LM - n.RM) / 2 + n.LM - 2)
                + QStringLiteral(">&pagenumber;/&pagecount;");
    if (s.TimeCheck) {
        const QLocale locale;
        out << QStringLiteral("<curx ") + Num(195 - n.RM) + QLatin1Char('>')
                + locale.toString(now, LongTimeFormat(locale));
    }
}

} // namespace

int HeaderHeight(const TPageSetup& s, int F, int logoHeight)
{
    long long h = 0;
    if (HasHeader(s))
        h = RoundHalfEven(F * 137.7 / 100);
    const long long a = RoundHalfEven(F * (s.Address1Memo.size() + 1) * 1.5 * 27 / 100);
    if (a > h && s.Address1Check)
        h = a;
    if (logoHeight > h && s.LogoCheck)
        h = logoHeight;
    const long long d = RoundHalfEven(F * 40.5 / 100);
    if (d > h && s.DateCheck)
        h = d;
    return int(h);
}

int FooterHeight(const TPageSetup& s, int F)
{
    long long f = 0;
    const long long a = RoundHalfEven(F * s.Address2Memo.size() * 1.5 * 27 / 100);
    if (a > f && s.Address2Check)
        f = a;
    const long long d = RoundHalfEven(F * 40.5 / 100);
    if (d > f && s.PageNumberCheck)
        f = d;
    if (d > f && s.TimeCheck)
        f = d;
    return int(f);
}

QStringList PageFrameLines(const TPageSetup& s, const QString& job, const QString& author, const QDateTime& now)
{
    const TFrameNumbers n = ReadNumbers(s);
    const int F = s.FontPoints();
    const int h = HeaderHeight(s, F, int(n.LogoH));
    const int f = FooterHeight(s, F);
    const THeaderPlace place = PlaceHeader(s, n, job, author, now);
    QStringList out;
    AppendHeader(out, s, n, job, author, now, place);
    AppendBoxesAndSeparator(out, s, n, h, f, place.BoxRight);
    AppendFooter(out, s, n, f, now);
    out << QStringLiteral("<left %1><right %2><top %3><bottom %4>")
               .arg(Num(n.LM + n.LC), Num(n.RM), Num(n.TM + h + 10), Num(n.BM + f + 10));
    out << QStringLiteral("<curx 0><cury 0>");
    return out;
}

void BuildPageFrame(const TPageSetup& setup, TDokument& doc, const TClock& clock)
{
    doc.Frame.clear();
    const QDateTime now = clock ? clock() : SystemNow();
    for (const QString& line : PageFrameLines(setup, UserText(doc.Job), UserText(doc.Author), now))
        doc.AddFrameLine(line);
}
