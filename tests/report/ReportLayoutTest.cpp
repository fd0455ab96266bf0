// The report of an example task laid out as the preview shows it: pages, frame and texts.
#include "ReportTestSupport.h"

#include "document/uDokument.h"
#include "report/uPosudek.h"

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

    ASSERT_EQ(doc.PageCount(), 4);
    QStringList texts;
    for (int n = 1; n <= doc.PageCount(); ++n) {
        const TPrintPage& page = *doc.Page(n);
        const QString text = PageText(page);
        texts << text;
        // The frame on every page: identification, date, header box and the column line.
        EXPECT_TRUE(text.contains("Akce:")) << n;
        EXPECT_TRUE(text.contains("Bytový dům Lipová")) << n;
        EXPECT_TRUE(text.contains("5 Mar 2026")) << n;
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
    // One result block starts on each page, in page order, the combination last.
    const char* headings[]
        = { "Výsledky pro vlastní tíha (zatěžovací stav č.1)", "Výsledky pro příčka (zatěžovací stav č.2)",
              "Výsledky pro užitné (zatěžovací stav č.3)", "Výsledky pro kombinaci Komb_1 (k. číslo 1)" };
    for (int n = 0; n < 4; ++n)
        EXPECT_TRUE(texts[n].contains(QString::fromUtf8(headings[n]))) << n + 1;
    const QString all = texts.join(QLatin1Char('\n'));
    EXPECT_EQ(all.count("Extrémy:"), 4);
    EXPECT_EQ(all.count("Výpočtové hodnoty:"), 4);
    EXPECT_EQ(all.count("Průhyb f(x)"), 3); // not for the combination: its deflection switch is off
    // The combination sums all three load cases.
    EXPECT_TRUE(texts[3].contains("An= 63.508 kN"));
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
