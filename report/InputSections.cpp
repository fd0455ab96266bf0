// The sections that restate the task: generator data, dimensions, load cases, combination table.
#include "analysis/Checks.h"
#include "model/uMyCommonLib.h"
#include "report/ReportFormats.h"
#include "report/uPosudek.h"

namespace {

// The wizard's row captions, which follow its girder type.
struct TGeneratorCaptions
{
    QString Label23, Label27, Label31, Label35, Label39, Label43, Label52, Label47;
};

TGeneratorCaptions CaptionsFor(const TGeneratorInputs& g)
{
    const QString label39 = QStringLiteral("zavěšené technologie a rozvody");
    const QString label43 = QStringLiteral("ostatní stálá zatížení");
    const QString label47 = QStringLiteral("zatížení sněhem");
    if (g.RadioButton4 && !g.RadioButton3)
        return { QStringLiteral("vlastní hmotnost trámu"), QStringLiteral("vlastní hmotnost žeber"),
            QStringLiteral("stropní desky"), QStringLiteral("podlaha"), label39, label43,
            QStringLiteral("užitné zatížení"), label47 };
    return { QStringLiteral("vlastní hmotnost vazníku"), QStringLiteral("vlastní hmotnost krokví"),
        QStringLiteral("střešní desky/plechy"), QStringLiteral("střešní plášť"), label39, label43,
        QStringLiteral("pochozí zatížení"), label47 };
}

// The unit of a design value: that of its characteristic value, without the stray accent the
// line loads have always been printed with.
QString DesignUnit(const QString& unit)
{
    return unit.endsWith(QLatin1Char('`')) ? unit.chopped(1) : unit;
}

// One generator row after its caption: "<b>sym<sub>n</sub></b> = value unit ... design value".
QString GeneratorRow(const QString& lead, const QString& caption, const QString& gotoPrefix, const QString& n,
    const QString& d, double value, const QString& unit, double factor)
{
    return lead + caption + gotoPrefix + QStringLiteral("1><b>") + n + QStringLiteral("</b> = ") + ValueText(value)
        + unit + gotoPrefix + QStringLiteral("2><b><gama><sub>f</sub></b> = ") + ValueText(factor) + gotoPrefix
        + QStringLiteral("3><b>") + d + QStringLiteral("</b> = ") + ValueText(value * factor) + DesignUnit(unit);
}

const QString AreaUnit = QStringLiteral(" kN.m<sup>-2</sup>");

// How a generator row reaches its columns: the first row written sets marks 1 to 3 after a tab,
// every later row goes to them.
QString ColumnPrefix(bool& marksSet)
{
    const bool first = !marksSet;
    marksSet = true;
    return first ? QStringLiteral("<tab><mark ") : QStringLiteral("<gotox ");
}

} // namespace

void TReportWriter::WriteGeneratorData()
{
    const TGeneratorInputs& g = Task.Generator;
    Add(QStringLiteral("<keep>"));
    Add(QStringLiteral("<h2>Zatížení konstrukce</h2><br>"));
    if (g.RadioButton3)
        Add(g.RadioButton1 ? QStringLiteral("střešní vazník zatížený spojitým zatížením od střešního pláště. ")
                           : QStringLiteral("střešní vazník zatížený reakcemi vaznic (krokví) po vzdálenosti ")
                    + UserText(g.Edit5) + QStringLiteral(" m. "));
    if (g.RadioButton4)
        Add(g.RadioButton1 ? QStringLiteral("stropní průvlak zatížený spojitým zatížením od stropních panelů (desek). ")
                           : QStringLiteral("stropní průvlak zatížený reakcemi trámů (žeber) po vzdálenosti ")
                    + UserText(g.Edit5) + QStringLiteral(" m. "));
    Add(QStringLiteral("Rozpětí prvku ") + UserText(g.Edit1) + QStringLiteral(" m,"));
    Add(QStringLiteral("zatěžovací šířka ") + UserText(g.Edit4) + QStringLiteral(" m<br><br>"));
    Add(QStringLiteral("<b>Stálá a dlouhodobá zatížení</b>"));
    // The first row written sets the marks of the three columns, which every later row goes to.
    bool marksSet = false;
    WriteGeneratorPermanentRows(marksSet);
    Add(QStringLiteral("</ul><br>"));
    Add(QStringLiteral("<b>Krátkodobá a užitná zatížení</b>"));
    WriteGeneratorVariableRows(marksSet);
    Add(QStringLiteral("</ul><br>"));
    Add(QStringLiteral("</keep>"));
}

void TReportWriter::WriteGeneratorPermanentRows(bool& marksSet)
{
    const TGeneratorInputs& g = Task.Generator;
    const TGeneratorCaptions c = CaptionsFor(g);
    const double g0 = StrToFloatX(g.Edit8), gama0 = StrToFloatX(g.Edit9), g1 = StrToFloatX(g.Edit10);
    const QString lineUnit = QStringLiteral(" kN/m`");
    if (g0 != 0)
        Add(GeneratorRow(QStringLiteral("<ul><li>"), c.Label23, ColumnPrefix(marksSet),
            QStringLiteral("g<sub>0,n</sub>"), QStringLiteral("g<sub>0,d</sub>"), g0, lineUnit, gama0));
    if (g1 != 0 && g.RadioButton2)
        Add(GeneratorRow(QStringLiteral("<li>"), c.Label27, ColumnPrefix(marksSet), QStringLiteral("g<sub>1,n</sub>"),
            QStringLiteral("g<sub>1,d</sub>"), g1, lineUnit, gama0));
    Add(QStringLiteral("<br>"));
    const struct
    {
        QString Caption;
        const QString& Value;
        const QString& Factor;
    } rows[] = { { c.Label31, g.Edit12, g.Edit13 }, { c.Label35, g.Edit14, g.Edit15 },
        { c.Label39, g.Edit16, g.Edit17 }, { c.Label43, g.Edit18, g.Edit19 } };
    for (int i = 0; i < 4; ++i) {
        const double value = StrToFloatX(rows[i].Value);
        if (value == 0)
            continue;
        const QString k = QString::number(i + 2);
        Add(GeneratorRow(QStringLiteral("<li>"), rows[i].Caption, ColumnPrefix(marksSet),
            QStringLiteral("g<sub>") + k + QStringLiteral(",n</sub>"),
            QStringLiteral("g<sub>") + k + QStringLiteral(",d</sub>"), value, AreaUnit, StrToFloatX(rows[i].Factor)));
    }
}

void TReportWriter::WriteGeneratorVariableRows(bool& marksSet)
{
    const TGeneratorInputs& g = Task.Generator;
    const TGeneratorCaptions c = CaptionsFor(g);
    const double v = StrToFloatX(g.Edit22), s = StrToFloatX(g.Edit20);
    if (v != 0)
        Add(GeneratorRow(QStringLiteral("<ul><li>"), c.Label52, ColumnPrefix(marksSet), QStringLiteral("v<sub>n</sub>"),
            QStringLiteral("v<sub>d</sub>"), v, AreaUnit, StrToFloatX(g.Edit23)));
    if (s != 0 && g.RadioButton3)
        Add(GeneratorRow(QStringLiteral("<li>"), c.Label47, ColumnPrefix(marksSet), QStringLiteral("s<sub>n</sub>"),
            QStringLiteral("s<sub>d</sub>"), s, AreaUnit, StrToFloatX(g.Edit21)));
}

void TReportWriter::WriteDimensions()
{
    Add(QStringLiteral("<keep>"));
    Add(QStringLiteral("<h2>Rozměry</h2><br>"));
    Add(QStringLiteral("Délka prvku <b>L = ") + ValueText(Task.SpanL()) + QStringLiteral(" m</b>, "));
    if (const TEndCondition& ends = EndConditionOf(Task.Typ); ends.Known())
        Add(ends.Description);
    Add(QStringLiteral("<br><br>"));
    Add(QStringLiteral("</keep>"));
}

void TReportWriter::WriteLoadCases()
{
    // The heading goes with the first load case, and each load case's title with its loads.
    Add(QStringLiteral("<keep>"));
    Add(QStringLiteral("<h2>Zatížení prvku</h2><br>"));
    const std::vector<TLoadCase>& pages = Task.LoadCases;
    for (size_t i = 0; i < pages.size(); ++i) {
        // The page's own record, so that two pages with one caption each restate their own loads.
        const TZSInfo info = Task.GetZSInfo(pages[i].Number);
        Add(QStringLiteral("<keep>"));
        Add(u"<h3><b>" % UserText(pages[i].Caption) % u"</b> [zatěžovací stav číslo " % TInteger(i + 1)
            % u"]</h3>    <i>");
        Add(info.ShortTerm ? QStringLiteral("krátkodobé zatížení, ") : QStringLiteral("dlouhodobé zatížení, "));
        Add(u"<b><gama><sub>f</sub></b> = " % FactorText(info.Gamaf) % u"</i><br>");
        Add(QStringLiteral("<br>"));
        // Solved as entered, but a position outside the span is most likely a typing error.
        for (const QString& warning : LoadPositionWarnings(Results.Model(), int(i)))
            Add(UserText(warning) + QStringLiteral("<br>"));
        if (Option(TPrintOption::LoadList))
            WriteLoadList(info);
        if (Option(TPrintOption::LoadSchema))
            WriteLoadSchema({ info });
        Add(i == 0 ? QStringLiteral("</keep></keep>") : QStringLiteral("</keep>"));
    }
    if (pages.empty())
        Add(QStringLiteral("</keep>"));
}

void TReportWriter::WriteLoadList(const TZSInfo& info)
{
    const int n = info.Number;
    for (int k = 1; k <= info.Counts[KindPx]; ++k)
        if (const TPxLoad l = Task.ReadPx(n, k); l.Included)
            Add(u"<b>P<sub>" % TInteger(k) % u"</sub></b> = " % LoadValueText(l.P) % u" kN, <b>a</b> = "
                % LoadValueText(l.a) % u" m<br>");
    for (int k = 1; k <= info.Counts[KindQ]; ++k)
        if (const TQLoad l = Task.ReadQ(n, k); l.Included)
            Add(u"<b>q<sub>" % TInteger(k) % u"</sub></b> = " % LoadValueText(l.q) % u" kN.m<sup>-1</sup><br>");
    for (int k = 1; k <= info.Counts[KindQQ]; ++k)
        if (const TQQLoad l = Task.ReadQQ(n, k); l.Included) {
            Add(u"<b>qq<sub>" % TInteger(k) % u",a</sub></b> = " % LoadValueText(l.qa)
                % u" kN.m<sup>-1</sup>, <b>a</b> = " % LoadValueText(l.a) % u" m    ");
            Add(u"<b>qq<sub>" % TInteger(k) % u",b</sub></b> = " % LoadValueText(l.qb)
                % u" kN.m<sup>-1</sup>, <b>b</b> = " % LoadValueText(l.b) % u" m od pravého konce<br>");
        }
    for (int k = 1; k <= info.Counts[KindMx]; ++k)
        if (const TMxLoad l = Task.ReadMx(n, k); l.Included)
            Add(u"<b>M<sub>" % TInteger(k) % u"</sub></b> = " % LoadValueText(l.M) % u" kNm, <b>a</b> = "
                % LoadValueText(l.a) % u" m<br>");
    Add(QStringLiteral("<br>"));
}

void TReportWriter::WriteCombinationTable()
{
    const TCombinationGrid& grid = Task.Grid;
    Add(QStringLiteral("<keep>"));
    Add(QStringLiteral("<h2>Kombinace zatížení</h2><br>"));
    Add(QStringLiteral("<table 1>"));
    // A cell takes its characters as they are, entities included: names go in without UserText.
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (r == 0)
            Add(QStringLiteral("<tr><td> <td>") + grid.Cell(1, 0));
        else
            Add(QStringLiteral("<tr><td>") + QString::number(r) + QStringLiteral("<td>") + grid.Cell(1, r));
        for (size_t c = 0; c < Task.LoadCases.size(); ++c) {
            if (r == 0)
                Add(QStringLiteral("<td>") + Task.LoadCases[c].Caption);
            else
                Add(grid.Cell(TTask::LoadCaseColumn(int(c)), r).isEmpty() ? QStringLiteral("<td> X ")
                                                                          : QStringLiteral("<td> - "));
        }
        Add(QString());
    }
    Add(QStringLiteral("</table><br>"));
    Add(QStringLiteral("</keep>"));
}
