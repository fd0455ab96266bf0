// The report body: which blocks appear under which options, and the sections' edge cases.
#include "ReportTestSupport.h"

#include "document/uDokument.h"
#include "model/TError.h"
#include "report/ReportFormats.h"
#include "report/uPosudek.h"

#include <QRegularExpression>
#include <limits>
#include <memory>

namespace {

// A simply supported 6 m beam: own weight (q = 5, P = 10 at mid-span) and a short-term load case.
TTask BeamTask()
{
    TTask task;
    task.TaskTitle = "Průvlak P1";
    task.SpanText = "6";
    task.SetTyp(11);
    AddCase(task, TCaseBuilder("vlastní tíha", "1.35").Q("5").Px("10", "3"));
    AddCase(task, TCaseBuilder("užitné", "1.5", false, false).Q("2"));
    task.RefreshCalculationLists(); // as showing the calculation tab does
    return task;
}

struct ReportBody : ::testing::Test
{
    TLocaleGuard Locale { QLocale::c() };
    std::unique_ptr<TResultSet> Results;
    TCalculation Block; // the block the sections write
    TResultStore& Store = Block.Sums;

    // A writer on the task's result set, writing Block.
    TReportWriter Writer(const TTask& task, QStringList& lines)
    {
        Results = std::make_unique<TResultSet>(BuildModel(task));
        TReportWriter writer(task, *Results, lines, 70);
        writer.SetBlock(Block);
        return writer;
    }
    QStringList Body(TTask& task)
    {
        QStringList lines;
        Writer(task, lines).WriteBody(task.TaskTitle);
        return lines;
    }
    QStringList Section(TTask& task, void (TReportWriter::*write)())
    {
        QStringList lines;
        Block = Calculate(task);
        TReportWriter writer = Writer(task, lines);
        (writer.*write)();
        return lines;
    }
};

TEST_F(ReportBody, WithoutMarkedLoadCasesThereAreNoResultBlocks)
{
    TTask task = BeamTask();
    task.LoadCases[0].PrintResults = false;
    const QStringList body = Body(task);
    EXPECT_EQ(body.first(), "<br><h1>Průvlak P1</h1><br>");
    EXPECT_TRUE(body.contains("<h2>Rozměry</h2><br>"));
    EXPECT_TRUE(body.contains("<h2>Zatížení prvku</h2><br>"));
    EXPECT_TRUE(body.filter("Výsledky pro").isEmpty());
}

TEST_F(ReportBody, EmptyTitleGivesAnEmptyHeading)
{
    TTask task = BeamTask();
    task.TaskTitle.clear();
    EXPECT_EQ(Body(task).first(), "<br><h1></h1><br>");
}

TEST_F(ReportBody, DeflectionSwitchAloneOpensTheLoadCaseBlocks)
{
    TTask task = BeamTask();
    task.Print[4].Checked = false; // internal forces "pro označené zatěžovací stavy"
    task.Print[15].Checked = true;
    task.Print[9].Checked = true;
    QStringList body = Body(task);
    EXPECT_EQ(body.filter("<h2>Výsledky pro").size(), 1);
    EXPECT_TRUE(body.contains("<h2>Výsledky pro vlastní tíha <i>(zatěžovací stav č.1)</i></h2>"));
    EXPECT_TRUE(body.contains("<b>A<sub>n</sub></b> = 20.000 kN<tab><b><gama><sub>f</sub></b> = 1.350<tab>"
                              "<b>A<sub>d</sub></b> = 27.000 kN<br>"));
    EXPECT_TRUE(body.contains("<mark 1><b>Mx</b> <i>výpočtový</i>:<br><gotox 1>"));
    EXPECT_TRUE(body.contains("<mark 1>Průhyb <b>f(x)</b> <br><gotox 1>"));
    EXPECT_TRUE(body.contains("<br>Průhyb od normového zatížení:<br><table 1><tr><td>x [m]"));

    task.Print[4].Checked = true;
    task.Print[15].Checked = false;
    body = Body(task);
    EXPECT_EQ(body.filter("<h2>Výsledky pro").size(), 1);
    EXPECT_TRUE(body.filter("Průhyb").isEmpty());
}

TEST_F(ReportBody, PositionNumbersFollowPagesAndGridRows)
{
    TTask task = BeamTask();
    task.LoadCases[0].PrintResults = false;
    task.LoadCases[1].PrintResults = true;
    task.AddCombination();
    task.AddCombination();
    task.ToggleGridFlag(2, 2); // row 2 not printed
    task.Print[5].Checked = true;
    task.Print[14].Checked = false;
    task.Print[13].Checked = true;
    const TCalculationChoice before = task.Calc;
    const QStringList body = Body(task);
    const QStringList expected = {
        "<h2>Výsledky pro užitné <i>(zatěžovací stav č.2)</i></h2>",
        "<h2>Výsledky pro kombinaci Komb_1 <i>(k. číslo 1)</i></h2>",
        "<h2>Výsledky pro kombinaci Komb_3 <i>(k. číslo 3)</i></h2>",
    };
    EXPECT_EQ(body.filter("<h2>Výsledky"), expected);
    // Nothing is switched or written back: the choice is the window's own.
    EXPECT_EQ(task.Calc.Mode, before.Mode);
    EXPECT_EQ(task.Calc.ComboBox1, before.ComboBox1);
    // Komb_3 holds both load cases: 15 + 5 + 6 kN at the left support.
    EXPECT_TRUE(body.filter("<b>A<sub>n</sub></b>").last().startsWith("<b>A<sub>n</sub></b> = 26.000 kN"));
}

TEST_F(ReportBody, CombinationBlocksComputeTheirOwnMembers)
{
    TTask task = BeamTask();
    task.LoadCases[0].PrintResults = false;
    task.ToggleGridFlag(3, 1); // Komb_1 without "vlastní tíha"
    task.Print[5].Checked = true;
    const QStringList body = Body(task);
    EXPECT_TRUE(body.contains("<b>A<sub>n</sub></b> = 6.000 kN<tab><b><gama><sub>f</sub></b> = 1.500<tab>"
                              "<b>A<sub>d</sub></b> = 9.000 kN<br>"));
}

TEST_F(ReportBody, ReactionLinesFollowTheEndCondition)
{
    const struct
    {
        unsigned char Typ;
        QStringList Starts;
    } cases[] = {
        { 11, { "<b>A<sub>n", "<b>B<sub>n" } },
        { 12, { "<b>A<sub>n", "<b>B<sub>n", "<b>M<sub>b,n" } },
        { 21, { "<b>A<sub>n", "<b>M<sub>a,n", "<b>B<sub>n" } },
        { 22, { "<b>A<sub>n", "<b>M<sub>a,n", "<b>B<sub>n", "<b>M<sub>b,n" } },
        { 2, { "<b>B<sub>n", "<b>M<sub>b,n" } },
        { 20, { "<b>A<sub>n", "<b>M<sub>a,n" } },
    };
    for (const auto& c : cases) {
        TTask task = BeamTask();
        task.SetTyp(c.Typ);
        QStringList lines = Section(task, &TReportWriter::WriteReactions);
        ASSERT_EQ(lines.takeLast(), "<br>");
        ASSERT_EQ(lines.size(), c.Starts.size()) << int(c.Typ);
        for (int i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(c.Starts[i])) << int(c.Typ) << ": " << lines[i].toStdString();
    }
}

TEST_F(ReportBody, ZeroReactionPrintsFactorOne)
{
    TTask task = BeamTask();
    task.SetTyp(20); // cantilever fixed on the left: B does not exist, the free end carries nothing
    task.LoadCases[0].Q.clear();
    task.LoadCases[0].Px = { { true, "10", "0" } }; // a force right at the support: no moment
    const QStringList lines = Section(task, &TReportWriter::WriteReactions);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0],
        "<b>A<sub>n</sub></b> = 10.000 kN<tab><b><gama><sub>f</sub></b> = 1.350<tab>"
        "<b>A<sub>d</sub></b> = 13.500 kN<br>");
    EXPECT_EQ(lines[1],
        "<b>M<sub>a,n</sub></b> = 0.000 kNm<tab><b><gama><sub>f</sub></b> = 1.000<tab>"
        "<b>M<sub>a,d</sub></b> = 0.000 kNm<br>");
}

TEST_F(ReportBody, AllZeroDiagramShowsOnlyTheBaseLine)
{
    TTask task = BeamTask();
    task.LoadCases[0].Q[0].Checked = false;
    task.LoadCases[0].Px[0].Checked = false;
    task.Print[13].Checked = true;
    const QStringList lines = Section(task, &TReportWriter::WriteForceDiagrams);
    EXPECT_EQ(lines.filter("<moverel 0 25><mark 2><linerel 70 0><goto 2><moverel 0 0>").size(), 4);
    const QStringList verticals = lines.filter(QRegularExpression("^<linerel 0 "));
    EXPECT_EQ(verticals.size(), 4 * 101);
    EXPECT_EQ(verticals.filter("<linerel 0 0>").size(), 4 * 101);
}

TEST_F(ReportBody, DiagramSamplesSpanTheBaseLine)
{
    TTask task = BeamTask();
    task.Print[13].Checked = false;
    const QStringList lines = Section(task, &TReportWriter::WriteForceDiagrams);
    // Design moment, hogging-positive: the largest sagging value is drawn 25 mm below the base line.
    const QStringList steps = lines.mid(3, 201);
    EXPECT_EQ(steps.first(), "<linerel 0 0>");
    EXPECT_EQ(steps[1], "<goto 2><moverel 1 0>"); // R(0.7)
    EXPECT_EQ(steps[99], "<goto 2><moverel 35 0>"); // sample 50
    EXPECT_EQ(steps[100], "<linerel 0 25>");
    EXPECT_EQ(steps[197], "<goto 2><moverel 69 0>"); // R(69.3)
    EXPECT_EQ(steps[199], "<goto 2><moverel 70 0>");
    EXPECT_EQ(steps.last(), "<linerel 0 0>");
    EXPECT_EQ(lines[3 + 201], "<goto 1><moverel 80 0>");
}

TEST_F(ReportBody, BothKindsOffLeaveOnlyTheExtremesHeading)
{
    TTask task = BeamTask();
    task.Print[13].Checked = task.Print[14].Checked = false;
    EXPECT_TRUE(Section(task, &TReportWriter::WriteForceDiagrams).isEmpty());
    EXPECT_TRUE(Section(task, &TReportWriter::WriteForceTables).isEmpty());
    EXPECT_EQ(Section(task, &TReportWriter::WriteExtremes),
        (QStringList { "<keep>", "<br><b>Extrémy:</b><br>", "</keep>" })); // the heading is kept with its lines
}

TEST_F(ReportBody, ExtremesBelongToThePrintedKind)
{
    TTask task = BeamTask();
    task.Print[13].Checked = task.Print[14].Checked = true;
    task.Calc.MomentCharacteristic = false; // the window showed design values before
    QStringList lines = Section(task, &TReportWriter::WriteExtremes);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.takeFirst(), "<keep>");
    EXPECT_EQ(lines.takeLast(), "</keep>");
    EXPECT_EQ(lines[1], "<b>M<sub>n,max</sub></b> = 0.000 kNm, x = 6.000 m, ");
    EXPECT_EQ(lines[2], "<tab><b>M<sub>n,min</sub></b> = -37.500 kNm, x = 3.000 m od levé podpory.<br>");
    EXPECT_EQ(lines[3], "<b>Q<sub>n,max</sub></b> = 20.000 kN, x = 0.000 m,");
    EXPECT_TRUE(lines[4].endsWith(" m od levé podpory.<br><br>"));
    EXPECT_EQ(lines[6], "<tab><b>M<sub>d,min</sub></b> = -50.625 kNm, x = 3.000 m od levé podpory.<br>");
    EXPECT_TRUE(lines[7].endsWith(" m, "));
    EXPECT_TRUE(lines[8].endsWith(" m od levé podpory.<br>"));
    // A beam whose left end is free measures from that end, not from a support.
    task.SetTyp(2);
    EXPECT_TRUE(Section(task, &TReportWriter::WriteExtremes)[3].endsWith(" m od levého konce.<br>"));
}

TEST_F(ReportBody, NumbersUseTheLocaleSeparator)
{
    TLocaleGuard czech(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    TTask task = BeamTask();
    task.SpanText = "6,25";
    EXPECT_TRUE(Body(task).contains("Délka prvku <b>L = 6,250 m</b>, "));
}

TEST_F(ReportBody, SpanOfZeroIsRefusedBeforeAnythingIsWritten)
{
    for (const char* span : { "", "0", "-2", "abc" }) {
        TTask task = BeamTask();
        task.SpanText = span;
        TDokument doc;
        doc.AddLine("kept");
        const TPageSetup setup;
        try {
            PrepareReport(task, doc, setup);
            ADD_FAILURE() << span;
        } catch (const TError& e) {
            // Names the tab where the span is typed.
            EXPECT_EQ(e.Message,
                "Délka prvku L musí být větší než 0 m. Posudek nelze sestavit: zadejte délku "
                "trabíku na záložce Rozměry, podepření.")
                << span;
        }
        EXPECT_THROW(BuildReport(task, TResultSet(BuildModel(task)), doc, setup), TError) << span;
        EXPECT_EQ(doc.Body, QStringList { "kept" });
    }
}

TEST_F(ReportBody, DiagramWidthComesFromThePageAndTheLeftColumn)
{
    TPrintPage page;
    EXPECT_DOUBLE_EQ(DiagramWidth(page, "30"), 70);
    EXPECT_DOUBLE_EQ(DiagramWidth(page, "25,5"), 72.25);
    EXPECT_DOUBLE_EQ(DiagramWidth(page, "x"), 85);
    // The diagram beside it ends at the body's right margin: 210 - 50 - 20 - 80 = 60.
    TPageSetup setup;
    EXPECT_DOUBLE_EQ(SecondDiagramWidth(70, setup), 60);
    setup.RMEdit = "5";
    EXPECT_DOUBLE_EQ(SecondDiagramWidth(70, setup), 70);
    setup.LCEdit = "150";
    EXPECT_DOUBLE_EQ(SecondDiagramWidth(70, setup), 0);
}

} // namespace

namespace {

TEST_F(ReportBody, PagesSharingACaptionEachShowTheirOwnLoadsAndResults)
{
    TTask task = BeamTask();
    task.LoadCases[1].Caption = "vlastní tíha";
    task.LoadCases[1].PrintResults = true;
    QStringList body = Body(task);
    // Each page lists its own loads...
    EXPECT_EQ(body.filter("<h3><b>vlastní tíha</b>").size(), 2);
    EXPECT_TRUE(body.contains("<goto 1><moverel 72 0>5.000 kN.m<sup>-1</sup>"));
    EXPECT_TRUE(body.contains("<goto 1><moverel 72 0>2.000 kN.m<sup>-1</sup>"));
    // ...and each result block shows the reactions of those loads, numbered by page.
    const QStringList headings = body.filter("<h2>Výsledky");
    ASSERT_EQ(headings.size(), 2);
    EXPECT_TRUE(headings[1].endsWith("(zatěžovací stav č.2)</i></h2>"));
    const QStringList reactions = body.filter("<b>A<sub>n</sub></b>");
    const QStringList expected = {
        "<b>A<sub>n</sub></b> = 20.000 kN<tab><b><gama><sub>f</sub></b> = 1.350<tab><b>A<sub>d</sub></b> = 27.000 "
        "kN<br>",
        "<b>A<sub>n</sub></b> = 6.000 kN<tab><b><gama><sub>f</sub></b> = 1.500<tab><b>A<sub>d</sub></b> = 9.000 kN<br>",
    };
    EXPECT_EQ(reactions, expected);

    // The print mark is the page's own too: only page 2 asks for results here.
    task.LoadCases[0].PrintResults = false;
    body = Body(task);
    EXPECT_EQ(body.filter("<h2>Výsledky"), QStringList { headings[1] });
    EXPECT_EQ(body.filter("<b>A<sub>n</sub></b>"), QStringList { expected[1] });
}

TEST_F(ReportBody, CombinationsSharingANameEachShowTheirOwnMembers)
{
    TTask task = BeamTask();
    task.LoadCases[0].PrintResults = false;
    task.AddCombination();
    task.AddCombination();
    task.Grid.SetCell(1, 1, "ZK1");
    task.Grid.SetCell(1, 2, "zk1"); // the same name to the calculation, which ignores letter case
    task.Grid.SetCell(1, 3, "ZK1");
    task.ToggleGridFlag(3, 2); // row 2 without "vlastní tíha"
    task.ToggleGridFlag(4, 3); // row 3 without "užitné"
    task.Print[5].Checked = true;
    task.Print[12].Checked = task.Print[13].Checked = task.Print[14].Checked = true;
    const QStringList body = Body(task);
    const QStringList reactions = body.filter("<b>A<sub>n</sub></b>");
    const QStringList expected = {
        "<b>A<sub>n</sub></b> = 26.000 kN<tab><b><gama><sub>f</sub></b> = 1.385<tab><b>A<sub>d</sub></b> = 36.000 "
        "kN<br>",
        "<b>A<sub>n</sub></b> = 6.000 kN<tab><b><gama><sub>f</sub></b> = 1.500<tab><b>A<sub>d</sub></b> = 9.000 kN<br>",
        "<b>A<sub>n</sub></b> = 20.000 kN<tab><b><gama><sub>f</sub></b> = 1.350<tab><b>A<sub>d</sub></b> = 27.000 "
        "kN<br>",
    };
    EXPECT_EQ(reactions, expected);
    EXPECT_TRUE(body.contains("<h2>Výsledky pro kombinaci zk1 <i>(k. číslo 2)</i></h2>"));
    // The extremes follow the block's own sums: 5 x 36 / 8 + 10 x 6 / 4, sagging negative, times
    // 1.35 for the design values.
    EXPECT_TRUE(body.filter("M<sub>n,min</sub></b> = ").last().contains("= -37.500 kNm, x = 3.000 m"));
    EXPECT_TRUE(body.filter("M<sub>d,min</sub></b> = ").last().contains("= -50.625 kNm, x = 3.000 m"));
}

TEST_F(ReportBody, DeflectionThatCannotBeComputedIsSaidSo)
{
    TTask task = BeamTask();
    task.Print[15].Checked = true;
    task.Print[8].Checked = true;
    task.Print[9].Checked = true;
    const QString problem = "Průhyb nelze spočítat: modul pružnosti E je nulový.<br>";
    EXPECT_FALSE(Body(task).contains(problem));
    task.Deflection.Edit31 = "0";
    const QStringList body = Body(task);
    ASSERT_EQ(body.filter("Průhyb nelze").size(), 2);
    // Below the diagram and below the table's section values.
    EXPECT_EQ(body.at(body.indexOf(problem) - 1), "<goto 1><moverel 0 50><br><br>");
    EXPECT_TRUE(body.at(body.lastIndexOf(problem) - 1).startsWith("</table><br>(E = 0 "));
}

TEST_F(ReportBody, ReactionFactorOfANoiseLevelCharacteristicValueIsOne)
{
    TTask task = BeamTask();
    struct TCase
    {
        double An, Ad;
        const char* Gamaf;
    };
    // 0.1 + 0.2 - 0.3 leaves about 1E-16; the limit is what prints as 0.000.
    for (const TCase& c : { TCase { 5.551115123125783e-17, 0.63, "1.000" }, TCase { -0.000499, 0.63, "1.000" },
             TCase { 0, 0, "1.000" }, TCase { 0.0005, 0.00075, "1.500" }, TCase { -2, -3, "1.500" } }) {
        Store.An = c.An;
        Store.Ad = c.Ad;
        QStringList lines;
        Writer(task, lines).WriteReactions();
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(lines.first().contains(QStringLiteral("<sub>f</sub></b> = ") + c.Gamaf + "<tab>"))
            << lines.first().toStdString();
    }
}

TEST_F(ReportBody, PartialLoadLongerThanTheSpanStillGivesReadableCoordinates)
{
    TTask task = BeamTask();
    task.LoadCases[0] = TCaseBuilder("přesah", "1.2").QQ("2", "4", "2", "4").Case;
    task.LoadCases[0].Number = 1;
    QStringList lines;
    Writer(task, lines).WriteLoadSchema({ task.GetZSInfo(1) });
    // a + b = 8 m on a 6 m span: the outline runs backwards instead of writing "--23".
    EXPECT_TRUE(lines.contains("<linerel 0 3><linerel 23 0>"));
    for (const QString& line : lines)
        EXPECT_FALSE(line.contains("--")) << line.toStdString();
}

TEST_F(ReportBody, LoadListAndSchemaUseTheirOwnFormats)
{
    TTask task = BeamTask();
    task.LoadCases[0].Px = { { true, "1", "1" }, { false, "2", "2" }, { true, "12345.6789", "4" } };
    task.LoadCases[0].QQ = { { true, "0", "0", "6", "1" } };
    task.SetTyp(22); // a partial load is listed and drawn on a fixed beam too
    task.Print[17].Checked = true;
    const QStringList body = Body(task);
    EXPECT_TRUE(
        body.contains("<b>qq<sub>1,b</sub></b> = 6.000 kN.m<sup>-1</sup>, <b>b</b> = 1.000 m od pravého konce<br>"));
    EXPECT_FALSE(body.filter("<b>qq<sub>1,a</sub></b> = 0.000").isEmpty());
    EXPECT_TRUE(body.contains("<b>P<sub>3</sub></b> = 12345.680 kN, <b>a</b> = 4.000 m<br>"));
    EXPECT_TRUE(body.filter("<b>P<sub>2</sub></b>").isEmpty());
    EXPECT_TRUE(body.contains("<goto 1><moverel 47 0><linerel 0 -5><moverel -2 3><linerel 2 2><linerel 2 -2>"
                              "<moverel -4 -5>12345.679"));
    EXPECT_TRUE(body.contains("<goto 1><moverel 72 -5>[kN]<goto 1><moverel 0 3><mark 1>")); // the unit once
    EXPECT_TRUE(body.contains("<b><gama><sub>f</sub></b> = 1.350</i><br>"));
}

TEST_F(ReportBody, SchemaSupportsFollowTheEndCondition)
{
    const struct
    {
        unsigned char Typ;
        const char* Before;
        const char* After;
    } cases[] = {
        { 2, "<goto 1><moverel 0 2><mark 1>", "<moverel 0 -2><linerel 0 4><moverel 0 -2>" },
        { 20, "<moverel 0 -2><linerel 0 4><moverel 0 -2>", "<br>" },
        { 12, "<circlerel 1>", "<moverel 0 -2><linerel 0 4><moverel 0 -2>" },
    };
    for (const auto& c : cases) {
        TTask task = BeamTask();
        task.SetTyp(c.Typ);
        QStringList lines;
        Writer(task, lines).WriteLoadSchema({ task.GetZSInfo(task.LoadCases[1].Number) });
        const int beam = int(lines.indexOf("<goto 1><linerel 70 0>"));
        ASSERT_GT(beam, 0);
        EXPECT_EQ(lines[beam - 1], c.Before) << int(c.Typ);
        EXPECT_EQ(lines[beam + 1], c.After) << int(c.Typ);
    }
}

} // namespace

namespace {

TEST_F(ReportBody, PositionsFarOutsideTheSpanStayBounded)
{
    TTask task = BeamTask();
    task.LoadCases[0] = TCaseBuilder("chyba", "1").QQ("1", "-1e300", "1", "0").Px("1", "1e300").Case;
    task.LoadCases[0].Number = 1;
    QStringList lines;
    Writer(task, lines).WriteLoadSchema({ task.GetZSInfo(1) });
    EXPECT_LT(lines.size(), 60);
    EXPECT_TRUE(lines.contains("<moverel -1000000 0><linerel 0 -3>"));
}

} // namespace

TEST_F(ReportBody, DeflectionNamesTheChosenSectionAndMaterial)
{
    TTask task = BeamTask();
    task.Print[15].Checked = true;
    task.Print[8].Checked = true;
    EXPECT_TRUE(Body(task).filter("průřez").isEmpty());
    task.Deflection.Section = "IPE 300";
    task.Deflection.Material = "ocel S235";
    const QStringList body = Body(task);
    EXPECT_EQ(body.filter("<gotox 2>").filter("průřez"), QStringList { "průřez IPE 300, ocel S235<br><br><gotox 2>" });
    // A rolled section of the library brings the steel check after the results.
    EXPECT_EQ(body.filter("Posouzení ocelového trabíku podle ČSN EN 1993-1-1").size(), 1);
    EXPECT_EQ(body.filter("<tr><td>ohyb<td>6.2.5<td>").size(), 1);
    // The governing deflection once, before the check: that of the only load case, against L/250.
    ASSERT_EQ(body.filter("<h2>Rozhodující průhyb</h2>").size(), 1);
    EXPECT_LT(body.indexOf("<br><h2>Rozhodující průhyb</h2><br>"),
        body.indexOf("<br><h2>Posouzení ocelového trabíku podle ČSN EN 1993-1-1</h2><br>"));
    EXPECT_EQ(body.filter("<tr><td>průhyb f_max").value(0).section("<td>", 2, 3), "2.302 mm<td>24.000 mm");
    task.Deflection.CheckBox23 = true; // the rectangle's Iy: no section to name
    EXPECT_EQ(Body(task).filter("ocel S235"), QStringList { "ocel S235<br><br><gotox 2>" });
}

TEST_F(ReportBody, DeflectionCheckAndLoadsOutsideTheSpanGetOneLineEach)
{
    TTask task = BeamTask();
    task.Print[15].Checked = true;
    task.Print[9].Checked = true; // the table alone prints the deflection too
    // 5 q L^4 / 384 EI + P L^3 / 48 EI = 1.825 mm under the first load case.
    EXPECT_EQ(Body(task).filter("f<sub>lim</sub>"),
        QStringList { "f<sub>max</sub> = 1.825 mm &let; f<sub>lim</sub> = L/250 = 24.000 mm – vyhovuje<br>" });
    task.Deflection.DeflectionLimit = "5000";
    task.SetTyp(2); // a cantilever: twice the span
    EXPECT_EQ(Body(task).filter("f<sub>lim</sub>").value(0).section(" = ", 2), "2L/5000 = 2.400 mm – nevyhovuje<br>");
    task.Deflection.DeflectionLimit = "x<";
    EXPECT_TRUE(Body(task).contains("Mezní průhyb L/x&lt; není kladné číslo: průhyb se neposuzuje.<br>"));

    task.LoadCases[0].Px[0].a = "7";
    const QStringList body = Body(task);
    const int warning = int(
        body.indexOf("Zatěžovací stav „vlastní tíha“: síla P1 = 10 kN leží mimo rozpětí (a = 7 m, L = 6 m).<br>"));
    ASSERT_GT(warning, 0); // under its load case's heading, before the load list
    EXPECT_TRUE(body[warning - 4].startsWith("<h3><b>vlastní tíha</b>"));
}

// The outline of a diagram closes on its base line; labels are written only where they overlap no
// other label, and values that print as 0 get none.
TEST(DiagramMarkup, OutlineClosesAndLabelsNeverOverlap)
{
    TDiagramFigure figure;
    for (int i = 0; i < SampleCount; ++i)
        figure.Y[i] = -0.1 * i * (100 - i); // a sagging parabola, -250 at midspan
    figure.ScaleA = -250;
    figure.Hatched = false;
    long long dx = 0, dy = 0;
    const QRegularExpression rel("^<linerel (-?\\d+) (-?\\d+)>$");
    for (const QString& line : DiagramLines(figure, {}))
        if (const QRegularExpressionMatch m = rel.match(line); m.hasMatch()) {
            dx += m.captured(1).toLongLong();
            dy += m.captured(2).toLongLong();
        }
    EXPECT_EQ(dx, 70);
    EXPECT_EQ(dy, 0);

    figure.Labels = true;
    figure.Sign = -1; // sagging drawn below, as the moments
    figure.Points = { { 0.5, -250 }, { 0.51, -249 }, { 0.9, -90 }, { 0, 0.001 } };
    QStringList labels = DiagramLines(figure, {}).filter(QRegularExpression("^<goto 2><moverel -?\\d+ -?\\d+>-?\\d"));
    // -250.00 under the midspan ordinate (20 mm below the base, the label 1 mm under it); -249.00 at
    // 35.7 mm finds no place clear of it, centred or beside; -90.00 stands alone; 0.001 prints 0.00.
    ASSERT_EQ(labels.size(), 2) << labels.join('\n').toStdString();
    EXPECT_TRUE(labels[0].endsWith(" 21>-250.00"));
    EXPECT_TRUE(labels[1].endsWith(">-90.00"));
}

// A hatch is made of shared lines for the common ordinates and positions and of lines made on the
// spot for the rest: either way each line carries its own rounded number. Values beyond the scale
// (ordinates past 25 mm) and a base line wider than 200 mm cross both ranges.
TEST(DiagramMarkup, HatchLinesCarryTheirOwnOrdinatesAndPositions)
{
    TDiagramFigure figure;
    for (int i = 0; i < SampleCount; ++i)
        figure.Y[i] = 0.8 * (i - 50); // -40 .. 40
    figure.ScaleA = 25; // 1 mm per unit
    figure.Width = 301;
    const QStringList lines = DiagramLines(figure, {});
    ASSERT_EQ(lines.size(), 2 * SampleCount);
    for (int i = 0; i < SampleCount; ++i) {
        EXPECT_EQ(lines[1 + 2 * i], QStringLiteral("<linerel 0 %1>").arg(RoundCoord(figure.Y[i])));
        if (i < SampleCount - 1) {
            EXPECT_EQ(lines[2 + 2 * i],
                QStringLiteral("<goto 2><moverel %1 0>").arg(RoundCoord((i + 1) * figure.Width / 100)));
        }
    }
}

// The integer pieces of the report's lines write what QString::number writes.
TEST(ReportFormats, IntegerPiecesAreTheDecimalDigits)
{
    for (const long long v : { 0LL, 7LL, -7LL, 1000000LL, -1000000LL, std::numeric_limits<long long>::max(),
             std::numeric_limits<long long>::min() })
        EXPECT_EQ(QString(u"<" % TInteger(v) % u'>'), QLatin1Char('<') + QString::number(v) + QLatin1Char('>'));
    EXPECT_EQ(Coord(2.5), "2"); // halves to even
    EXPECT_EQ(Coord(-3.5), "-4");
    EXPECT_EQ(Coord(1e300), "1000000");
}
