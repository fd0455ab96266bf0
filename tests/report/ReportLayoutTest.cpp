// The report of an example task laid out as the preview shows it: pages, frame and texts.
#include "ReportTestSupport.h"

#include "document/PageCanvas.h"
#include "document/PdfExport.h"
#include "document/uDokument.h"
#include "report/uPosudek.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// A 7.5 m floor beam with three load cases and a combination, printed with the default options
// plus the value tables and the extremes.
TTask ExampleTask()
{
    TTask task;
    task.Job = "Bytový dům Lipová";
    task.Author = "Ing. Karel Svoboda";
    task.TaskTitle = "Stropní průvlak P2";
    task.SpanText = "7,5";
    task.SetTyp(11);
    AddCase(task, TCaseBuilder("vlastní tíha", "1.35").Q("4.2"));
    AddCase(task, TCaseBuilder("příčka", "1.35").Px("18", "2.5").QQ("0", "0", "6", "4"));
    AddCase(task, TCaseBuilder("užitné", "1.5", false).Q("7.5").Mx("3", "0"));
    task.Print[7].Checked = true;
    task.Print[12].Checked = true;
    task.Print[5].Checked = true;
    task.RefreshCalculationLists();
    return task;
}

QString PageText(const TPrintPage& page)
{
    QString text;
    for (const TTextItem& item : page.Picture.ItemsOf<TTextItem>())
        text += item.Text;
    return text;
}

TEST(ReportLayout, ExampleReportHasItsPagesFrameAndSections)
{
    TLocaleGuard locale { QLocale::c() };
    TTask task = ExampleTask();
    TDokument doc;
    ComposeReport(task, doc, TPageSetup(), FixedClock());
    doc.LayOut();

    ASSERT_EQ(doc.PageCount(), 5);
    QStringList texts;
    for (int n = 1; n <= doc.PageCount(); ++n) {
        const TPrintPage& page = *doc.Page(n);
        const QString text = PageText(page);
        texts << text;
        // The frame on every page: identification, date, header box and the column line.
        EXPECT_TRUE(text.contains("Akce:")) << n;
        EXPECT_TRUE(text.contains("Bytový dům Lipová")) << n;
        EXPECT_TRUE(text.contains("5. 3. 2026")) << n;
        const auto rects = page.Picture.ItemsOf<TRectItem>();
        EXPECT_TRUE(std::any_of(rects.begin(), rects.end(), [](const TRectItem& r) {
            return r.Corner1 == QPoint(1800, 1700) && r.Corner2 == QPoint(19000, 3400);
        })) << n;
        const auto lines = page.Picture.ItemsOf<TLineItem>();
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const TLineItem& l) {
            return l.From == QPoint(4500, 3500) && l.To == QPoint(4500, 27300);
        })) << n;
        // Nothing is set below the body's bottom margin (30 mm: no footer).
        for (const TTextItem& item : page.Picture.ItemsOf<TTextItem>()) {
            if (item.Rotation == 0) {
                EXPECT_LT(item.Pos.y(), 29700 - 3000) << n << " " << item.Text.toStdString();
            }
        }
    }
    EXPECT_TRUE(texts[0].contains("Stropní průvlak P2"));
    EXPECT_TRUE(texts[0].contains("Délka prvku L = 7.500 m, prostý trabík (kloubové podepření vlevo i vpravo)"));
    EXPECT_TRUE(texts[0].contains("Zatížení prvku"));
    // Each result block is kept on a page of its own, in page order, the combination last: none
    // starts at the foot of page 1 after the load cases.
    const char* headings[]
        = { "Výsledky pro vlastní tíha (zatěžovací stav č.1)", "Výsledky pro příčka (zatěžovací stav č.2)",
              "Výsledky pro užitné (zatěžovací stav č.3)", "Výsledky pro kombinaci Komb_1 (k. číslo 1)" };
    for (int n = 0; n < 4; ++n) {
        EXPECT_TRUE(texts[n + 1].contains(QString::fromUtf8(headings[n]))) << n + 2;
        EXPECT_EQ(texts[n + 1].count("Extrémy:"), 1) << n + 2;
    }
    const QString all = texts.join(QLatin1Char('\n'));
    EXPECT_EQ(all.count("Extrémy:"), 4);
    EXPECT_EQ(all.count("Výpočtové hodnoty:"), 4);
    EXPECT_EQ(all.count("Průhyb f(x)"), 3); // not for the combination: its deflection switch is off
    // The combination sums all three load cases.
    EXPECT_TRUE(texts[4].contains("An= 63.508 kN"));
}

// The value labels of a page: texts like "-29.53" (two decimals, nothing else).
std::vector<TTextItem> ValueLabels(const TPrintPage& page)
{
    static const QRegularExpression label(QStringLiteral("^-?\\d+\\.\\d\\d$"));
    std::vector<TTextItem> out;
    for (const TTextItem& item : page.Picture.ItemsOf<TTextItem>())
        if (item.Rotation == 0 && label.match(item.Text).hasMatch())
            out.push_back(item);
    return out;
}

TEST(ReportLayout, DiagramOptionsPutTheExtremeValuesOnTheDiagramsWithoutOverlaps)
{
    TLocaleGuard locale { QLocale::c() };
    TTask task = ExampleTask();
    for (int box : { 20, 21, 22 }) // "popis os u grafů", "sloučit graf M a Q", "schema zatížení pro kombinace"
        task.Print[box].Checked = true;
    task.Print[19].Checked = false; // outlines instead of hatching
    TDokument doc;
    ComposeReport(task, doc, TPageSetup(), FixedClock());
    doc.LayOut();
    if (const QString shots = qEnvironmentVariable("TRABIK_SHOTS"); !shots.isEmpty())
        WriteDocumentPdf(doc, shots + QStringLiteral("/report-diagram-options.pdf"));

    // Load case 1, 4.2 kN/m x 1.35 over 7.5 m: Md,min = -5.67 x 7.5^2 / 8 = -39.87 kNm, Qd = 5.67 x 3.75 =
    // 21.26 kN at the supports; the combination (all three cases) is drawn with its loads' schema.
    QString all;
    TFontMetricsCache metrics;
    for (const TPrintPage& page : doc.Pages()) {
        const std::vector<TTextItem> labels = ValueLabels(page);
        for (const TTextItem& label : labels)
            all += label.Text + QLatin1Char(' ');
        for (size_t i = 0; i < labels.size(); ++i)
            for (size_t j = i + 1; j < labels.size(); ++j) {
                const auto box = [&metrics](const TTextItem& t) {
                    return QRect(t.Pos, QSize(metrics.TextWidth(t.Font, t.Text), metrics.Get(t.Font).Height));
                };
                EXPECT_FALSE(box(labels[i]).intersects(box(labels[j])))
                    << labels[i].Text.toStdString() << " / " << labels[j].Text.toStdString() << " page " << page.Number;
            }
    }
    EXPECT_TRUE(all.contains("-39.87 ")) << all.toStdString();
    EXPECT_TRUE(all.contains("21.26 ")) << all.toStdString();
    EXPECT_TRUE(all.contains("-21.26 ")) << all.toStdString();
    const QStringList body = doc.Body;
    EXPECT_EQ(body.filter("<mark 1><b>Mx</b> <i>výpočtový</i>, <b>Qx</b> <i>výpočtová</i>:").size(), 4);
    EXPECT_FALSE(body.filter(QRegularExpression("^<linerel -?\\d+ -?\\d+>$")).isEmpty()); // the outline
    EXPECT_EQ(body.filter("L = 7.500 m").size(), 1 + 4 + 3); // the span, and under each merged figure and deflection
    const int comboHeading = int(body.indexOf(QRegularExpression("^<h2>Výsledky pro kombinaci.*")));
    ASSERT_GE(comboHeading, 0);
    EXPECT_TRUE(body.mid(comboHeading).join(QString()).contains("[kN]")); // its schema with the point force
}

} // namespace

// Texts the user typed print as typed, even with the characters that start mark-up; mark-up typed
// on purpose still works.
TEST(ReportLayout, UserTextsWithAmpersandsAndAnglesPrintAsTyped)
{
    TLocaleGuard locale { QLocale::c() };
    TTask task = ExampleTask();
    task.Job = "Hala A & B";
    task.Author = "Novák&syn";
    task.TaskTitle = "Jeřábová dráha <5 t";
    task.LoadCases[0].Caption = "g & q";
    task.LoadCases[1].Caption = "g<sub>k</sub>";
    task.Deflection.IyUnit = "m4<br"; // a unit typed by hand
    task.Generator.Edit4 = "1,5 <x>";
    task.Print[1].Checked = true; // the generator's data
    task.Print[12].Checked = true; // the deflection with E and I
    task.Print[3].Checked = true; // the combination table: its cells take names as they are
    task.RefreshCombinationGrid();
    task.RefreshCalculationLists();
    TDokument doc;
    ComposeReport(task, doc, TPageSetup(), FixedClock());
    doc.LayOut(); // used to stop with "'B;' is not a valid integer value"

    ASSERT_GE(doc.PageCount(), 4);
    // Blanks are words of their own and an entity is set without one: compare without blanks.
    QString all;
    for (int n = 1; n <= doc.PageCount(); ++n)
        all += PageText(*doc.Page(n));
    all.remove(QLatin1Char(' '));
    EXPECT_TRUE(all.contains("HalaA&BVypracoval:Novák&syn")) << all.toStdString();
    EXPECT_TRUE(all.contains("Jeřábovádráha<5t"));
    EXPECT_TRUE(all.contains("Výsledkyprog&q(zatěžovacístavč.1)"));
    EXPECT_TRUE(all.contains("Výsledkyprogk(zatěžovacístavč.2)")); // "k" set as a subscript
    EXPECT_TRUE(all.contains("m4<br")) << all.toStdString();
    EXPECT_TRUE(all.contains("Kombinacezatížení"));
    EXPECT_EQ(all.count("g&q"), 3); // load case heading, table header, result heading
    EXPECT_TRUE(all.contains("šířka1,5<x>m"));
    EXPECT_FALSE(all.contains("&amp;"));
}
