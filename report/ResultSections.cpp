// The sections of one result block: reactions, diagrams, value tables, extremes, deflection.
#include "analysis/Checks.h"
#include "model/uMyCommonLib.h"
#include "report/ReportFormats.h"
#include "report/uPosudek.h"

#include <algorithm>
#include <cmath>

namespace {

QString ReactionLine(const QString& n, const QString& d, double vn, double vd, const QString& unit)
{
    // A characteristic value that prints as 0.000 is 0 (or the rounding noise of a sum that cancels
    // out): dividing by it would print a factor like 1.4E+15.
    const double gama = std::abs(vn) < 0.0005 ? 1 : vd / vn;
    return u"<b>" % n % u"</b> = " % ValueText(vn) % unit % u"<tab><b><gama><sub>f</sub></b> = " % ValueText(gama)
        % u"<tab><b>" % d % u"</b> = " % ValueText(vd) % unit % u"<br>";
}

} // namespace

void TReportWriter::WriteReactions()
{
    const TEndCondition& ends = EndConditionOf(Task.Typ);
    const QString kN = QStringLiteral(" kN"), kNm = QStringLiteral(" kNm");
    if (ends.LeftReaction())
        Add(ReactionLine(QStringLiteral("A<sub>n</sub>"), QStringLiteral("A<sub>d</sub>"), Sums().An, Sums().Ad, kN));
    if (ends.LeftMoment())
        Add(ReactionLine(
            QStringLiteral("M<sub>a,n</sub>"), QStringLiteral("M<sub>a,d</sub>"), Sums().Man, Sums().Mad, kNm));
    if (ends.RightReaction())
        Add(ReactionLine(QStringLiteral("B<sub>n</sub>"), QStringLiteral("B<sub>d</sub>"), Sums().Bn, Sums().Bd, kN));
    if (ends.RightMoment())
        Add(ReactionLine(
            QStringLiteral("M<sub>b,n</sub>"), QStringLiteral("M<sub>b,d</sub>"), Sums().Mbn, Sums().Mbd, kNm));
    Add(QStringLiteral("<br>"));
}

const TLineCandidates& TReportWriter::EdgeValues(bool characteristic)
{
    // M and Q come out the same with or without f.
    TLineCandidates& values = Edges[characteristic];
    if (!EdgesSwept[characteristic]) {
        values = {};
        if (Option(TPrintOption::AxisLabels))
            AddLineCandidates(characteristic ? Sums().LineN : Sums().LineD, characteristic, values);
        EdgesSwept[characteristic] = true;
    }
    return values;
}

void TReportWriter::DrawDiagram(const TSamples& y, double sign, const TExtreme& extreme, double width,
    const std::vector<TCandidate>& edges, double labelFactor, bool spanLine)
{
    TDiagramFigure figure;
    figure.Y = y;
    figure.SpanL = Task.SpanL();
    figure.Width = width;
    figure.Sign = sign;
    figure.ScaleA = extreme.Max;
    figure.ScaleB = extreme.Min;
    figure.Hatched = Option(TPrintOption::HatchedDiagrams);
    figure.Labels = Option(TPrintOption::AxisLabels);
    figure.SpanLine = spanLine;
    figure.LabelFactor = labelFactor;
    if (figure.Labels)
        figure.Points = DiagramPoints(extreme, y, figure.SpanL, edges);
    Lines.append(DiagramLines(figure, LabelFont));
}

// Moments are stored hogging-positive and drawn upwards; positive shear is drawn downwards.
void TReportWriter::DrawForceDiagram(bool moment, bool characteristic, double width, bool spanLine)
{
    const TLineCandidates& edges = EdgeValues(characteristic);
    if (moment)
        DrawDiagram(Sums().Moment(characteristic), -1, M(characteristic), width, edges.M, 1, spanLine);
    else
        DrawDiagram(Sums().Shear(characteristic), 1, Q(characteristic), width, edges.Q, 1, spanLine);
}

void TReportWriter::WriteSignConvention()
{
    if (SignWritten)
        return;
    SignWritten = true;
    Add(QStringLiteral("<i>") + SignConventionText(true) + QStringLiteral("</i><br><br>"));
}

void TReportWriter::EndHeadKeep()
{
    if (HeadKept)
        Add(QStringLiteral("</keep>"));
    HeadKept = false;
}

void TReportWriter::WriteForcePair(bool characteristic)
{
    if (Option(TPrintOption::MergedForceDiagram)) {
        WriteMergedForcePair(characteristic);
        return;
    }
    const int height = DiagramHeight(Option(TPrintOption::AxisLabels));
    Add(u"<spacey " % TInteger(height + 10) % u'>');
    Add(characteristic ? QStringLiteral("<mark 1><b>Mx</b> <i>normový</i>:<br><gotox 1>")
                       : QStringLiteral("<mark 1><b>Mx</b> <i>výpočtový</i>:<br><gotox 1>"));
    DrawForceDiagram(true, characteristic, W);
    Add(u"<goto 1><moverel " % CoordDigits(W + 10) % u" 0>");
    Add(characteristic ? QStringLiteral("<mark 2><b>Qx</b> <i>normová</i>:<br><gotox 2>")
                       : QStringLiteral("<mark 2><b>Qx</b> <i>výpočtová</i>:<br><gotox 2>"));
    DrawForceDiagram(false, characteristic, SecondWidth());
    Add(u"<goto 1><moverel 0 " % TInteger(height) % u"><br><br>");
    WriteSignConvention();
    EndHeadKeep();
}

// "sloučit graf M a Q": one figure over the width of both, the shear under the moment on the same x
// scale, their base lines joined at the ends of the beam (mark 3 is the figure's top).
void TReportWriter::WriteMergedForcePair(bool characteristic)
{
    const int gap = 55;
    const int height = DiagramHeight(Option(TPrintOption::AxisLabels));
    const double width = W + 10 + SecondWidth();
    Add(QStringLiteral("<spacey %1>").arg(gap + height + 10));
    Add(characteristic
            ? QStringLiteral("<mark 1><b>Mx</b> <i>normový</i>, <b>Qx</b> <i>normová</i>:<br><gotox 1><mark 3>")
            : QStringLiteral("<mark 1><b>Mx</b> <i>výpočtový</i>, <b>Qx</b> <i>výpočtová</i>:<br><gotox 1><mark 3>"));
    DrawForceDiagram(true, characteristic, width, false);
    Add(QStringLiteral("<goto 3><moverel 0 %1>").arg(gap));
    DrawForceDiagram(false, characteristic, width);
    Add(QStringLiteral("<goto 3><moverel 0 25><linerel 0 %1><goto 3><moverel %2 25><linerel 0 %1>")
            .arg(gap)
            .arg(Coord(width)));
    Add(QStringLiteral("<goto 3><moverel 0 %1><br><br>").arg(gap + height));
    WriteSignConvention();
    EndHeadKeep();
}

void TReportWriter::WriteForceDiagrams()
{
    if (Option(TPrintOption::Characteristic))
        WriteForcePair(true);
    if (Option(TPrintOption::Design))
        WriteForcePair(false);
}

void TReportWriter::WriteTableXRow()
{
    // The same in every table of the report: made once.
    if (TableXCells.isEmpty()) {
        const double L = Task.SpanL();
        for (int i = 0; i <= 10; ++i)
            TableXCells.append(u"<td>" % ValueText(L / 100 * (10 * i)));
    }
    Lines.append(TableXCells);
}

void TReportWriter::WriteSampleRow(const QString& caption, const TSamples& values, double factor, bool tableFormat)
{
    Add(caption);
    for (int j = 0; j < SampleCount; j += 10) {
        const double v = values[j] * factor;
        Add(u"<td>" % (tableFormat ? TableValueText(v) : ValueText(v)));
    }
}

void TReportWriter::WriteForceTable(bool characteristic)
{
    Add(characteristic ? QStringLiteral("Normové hodnoty:<br><table 1><tr><td>x [m]")
                       : QStringLiteral("Výpočtové hodnoty:<br><table 1><tr><td>x [m]"));
    WriteTableXRow();
    if (characteristic) {
        WriteSampleRow(QStringLiteral("<tr><td>Mn [kNm]"), Sums().Mn, 1, true);
        WriteSampleRow(QStringLiteral("<tr><td>Qn [kN]"), Sums().Qn, 1, true);
    } else {
        WriteSampleRow(QStringLiteral("<tr><td>Md [kNm]"), Sums().Md, 1, true);
        WriteSampleRow(QStringLiteral("<tr><td>Qd [kN]"), Sums().Qd, 1, true);
    }
    Add(QStringLiteral("</table><br>"));
    EndHeadKeep();
}

void TReportWriter::WriteForceTables()
{
    if (Option(TPrintOption::Characteristic))
        WriteForceTable(true);
    if (Option(TPrintOption::Design))
        WriteForceTable(false);
}

QString TReportWriter::FromLeftEnd() const
{
    return EndConditionOf(Task.Typ).Left() == TEndSupport::Free ? QStringLiteral(" m od levého konce.")
                                                                : QStringLiteral(" m od levé podpory.");
}

void TReportWriter::WriteExtremes()
{
    Add(QStringLiteral("<keep>"));
    Add(QStringLiteral("<br><b>Extrémy:</b><br>"));
    const QString n = QStringLiteral("n"), d = QStringLiteral("d");
    for (const bool characteristic : { true, false }) {
        if (!Option(characteristic ? TPrintOption::Characteristic : TPrintOption::Design))
            continue;
        const QString& k = characteristic ? n : d;
        Add(u"<b>M<sub>" % k % u",max</sub></b> = " % DisplayText(M(characteristic).Max) % u" kNm, x = "
            % DisplayText(M(characteristic).xMax) % u" m, ");
        Add(u"<tab><b>M<sub>" % k % u",min</sub></b> = " % DisplayText(M(characteristic).Min) % u" kNm, x = "
            % DisplayText(M(characteristic).xMin) % FromLeftEnd() % u"<br>");
        // The two groups really differ in these endings.
        Add(u"<b>Q<sub>" % k % u",max</sub></b> = " % DisplayText(Q(characteristic).Max) % u" kN, x = "
            % DisplayText(Q(characteristic).xMax) % (characteristic ? QStringLiteral(" m,") : QStringLiteral(" m, ")));
        Add(u"<tab><b>Q<sub>" % k % u",min</sub></b> = " % DisplayText(Q(characteristic).Min) % u" kN, x = "
            % DisplayText(Q(characteristic).xMin) % FromLeftEnd()
            % (characteristic ? QStringLiteral("<br><br>") : QStringLiteral("<br>")));
    }
    Add(QStringLiteral("</keep>"));
    EndHeadKeep();
}

namespace {

// "průřez IPE 300, ocel S235": the library's entries the values came from. A section does not
// stand for the rectangle.
QString ChosenFromLibrary(const TDeflectionInputs& in)
{
    QStringList parts;
    if (!in.Section.isEmpty() && !in.CheckBox23)
        parts << QStringLiteral("průřez ") + in.Section;
    if (!in.Material.isEmpty())
        parts << in.Material;
    return parts.join(QStringLiteral(", "));
}

} // namespace

void TReportWriter::WriteDeflectionDiagram()
{
    const TDeflectionInputs& in = Task.Deflection;
    const int height = DiagramHeight(Option(TPrintOption::AxisLabels));
    Add(u"<br><spacey " % TInteger(height + 10) % u'>');
    Add(QStringLiteral("<mark 1>Průhyb <b>f(x)</b> <br><gotox 1>"));
    DrawDiagram(Sums().fn, 1, F(), W, EdgeValues(true).f, 1000000); // the labels in mm
    Add(u"<goto 1><moverel " % CoordDigits(W + 10) % u" 0><mark 2>");
    Add(u"<b>E = </b>" % UserText(in.Edit31 % u' ' % in.EUnit) % u"<br><gotox 2>");
    Add(u"<b>I = </b>" % UserText(in.Edit30 % u' ' % in.IyUnit) % u"<br><br><gotox 2>");
    if (const QString chosen = ChosenFromLibrary(in); !chosen.isEmpty())
        Add(UserText(chosen) % u"<br><br><gotox 2>");
    Add(u"<b>f<sub>max</sub> = </b>" % DisplayText(DeflectionMm(F().Max)) % u" mm<br><gotox 2>");
    Add(u"<b>x<sub>f,max</sub> = </b>" % DisplayText(F().xMax) % u" m<br><br><gotox 2>");
    Add(u"<b>f<sub>min</sub> = </b>" % DisplayText(DeflectionMm(F().Min)) % u" mm<br><gotox 2>");
    Add(u"<b>x<sub>f,min</sub> = </b>" % DisplayText(F().xMin) % u" m<br><gotox 2>");
    Add(u"<goto 1><moverel 0 " % TInteger(height) % u"><br><br>");
    WriteDeflectionProblem();
    WriteSignConvention();
    EndHeadKeep();
}

void TReportWriter::WriteDeflectionProblem()
{
    // A deflection that could not be computed stays 0: say so, or the zeros read as a checked result.
    if (const QString problem = DeflectionProblem(Sums()); !problem.isEmpty())
        Add(UserText(problem) + QStringLiteral("<br>"));
}

void TReportWriter::WriteDeflectionTable()
{
    const TDeflectionInputs& in = Task.Deflection;
    Add(QStringLiteral("<br>Průhyb od normového zatížení:<br><table 1><tr><td>x [m]"));
    WriteTableXRow();
    WriteSampleRow(QStringLiteral("<tr><td>f(x) [mm]"), Sums().fn, 1000000, false);
    Add(QStringLiteral("</table><br>(E = ") + UserText(in.Edit31 + QLatin1Char(' ') + in.EUnit)
        + QStringLiteral(" ; I = ") + UserText(in.Edit30 + QLatin1Char(' ') + in.IyUnit) + QStringLiteral(")<br>"));
    WriteDeflectionProblem();
    EndHeadKeep();
}

void TReportWriter::WriteDeflectionCheck()
{
    const TDeflectionCheck check
        = CheckDeflection(Results.Model().Typ, Results.Model().L, Task.Deflection.DeflectionLimit, Sums(), F());
    if (!check.Done) {
        // A limit that cannot be read is said; a deflection that was not computed is said above.
        if (!check.Problem.isEmpty())
            Add(UserText(check.Problem) + QStringLiteral("<br>"));
        return;
    }
    Add(QStringLiteral("f<sub>max</sub> = ") + DisplayText(check.fMax_mm)
        + (check.Ok ? QStringLiteral(" mm &let; f<sub>lim</sub> = ") : QStringLiteral(" mm &gt; f<sub>lim</sub> = "))
        + DeflectionLimitFormula(check) + QStringLiteral(" = ") + DisplayText(check.fLimit_mm)
        + QStringLiteral(" mm – ") + DeflectionVerdict(check) + QStringLiteral("<br>"));
}
