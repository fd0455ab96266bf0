#include "report/En1990Section.h"

#include "analysis/Checks.h"
#include "design/En1990Envelope.h"
#include "model/TEndConditions.h"
#include "report/ReportFormats.h"

#include <algorithm>
#include <cmath>

namespace {

class TEnWriter
{
public:
    TEnWriter(const TTask& task, QStringList& lines, double width, double secondWidth)
        : Task(task)
        , Lines(lines)
        , W(width)
        , W2(secondWidth)
    {
    }

    void WriteFactors();
    void WriteKind(TEnKind kind, const std::vector<TResultStore>& cases);

private:
    void Add(const QString& line) { Lines.append(line); }
    void WriteReactions(const TEnEnvelope& e);
    void WriteForceDiagrams(const TEnEnvelope& e);
    void WriteExtreme(const QString& symbol, const TEnExtreme& e, const QString& unit, double scale);
    void WriteDeflection(const TEnEnvelope& e, bool check);
    void DrawEnvelope(const TSamples& max, const TSamples& min, const TEnExtreme& e, double k, double width);

    const TTask& Task;
    QStringList& Lines;
    double W, W2;
};

QString By(const QString& combination)
{
    return combination.isEmpty() ? QString()
                                 : QStringLiteral(" (<i>") + UserText(combination) + QStringLiteral("</i>)");
}

// Plain: the table cells set no sub-scripts.
QString Psi(const char* index)
{
    return QStringLiteral("ψ") + QLatin1String(index);
}

void TEnWriter::WriteFactors()
{
    // EN 1990 6.4.3.2 and Table A1.2(B): the Czech annex leaves the choice between 6.10 and 6.10a,b.
    Add(UsesRule610(Task) ? QStringLiteral("Základní kombinace MSÚ podle výrazu (6.10), ")
                          : QStringLiteral("Základní kombinace MSÚ podle výrazů (6.10a) a (6.10b), "));
    Add(QStringLiteral("<gama><sub>G,sup</sub> = ") + FactorShortText(GammaGSup)
        + QStringLiteral(", <gama><sub>G,inf</sub> = ") + FactorShortText(GammaGInf) + QStringLiteral(", <ksi> = ")
        + FactorShortText(Xi) + QStringLiteral(", <gama><sub>Q</sub> = ") + FactorShortText(GammaQ)
        + QStringLiteral(" (0 kde působí příznivě); ČSN EN 1990, tab. A1.2(B).<br>"));
    Add(QStringLiteral("Součinitele kombinace ψ podle ČSN EN 1990, tab. A1.1:<br><table 1><tr><td>zatěžovací stav"
                       "<td>druh zatížení<td>")
        + Psi("0") + QStringLiteral("<td>") + Psi("1") + QStringLiteral("<td>") + Psi("2"));
    const QStringList labels = LoadCaseLabels(Task);
    for (size_t k = 0; k < Task.LoadCases.size(); ++k) {
        const TActionType* t = FindActionType(Task.LoadCases[k].Action);
        if (!t)
            continue;
        Add(QStringLiteral("<tr><td>") + UserText(labels[int(k)]) + QStringLiteral("<td>") + t->Name);
        for (double psi : { t->Psi0, t->Psi1, t->Psi2 })
            Add(QStringLiteral("<td>") + (t->Permanent ? QStringLiteral("–") : FactorShortText(psi)));
    }
    Add(QStringLiteral("</table><br>"));
}

void TEnWriter::DrawEnvelope(const TSamples& max, const TSamples& min, const TEnExtreme& e, double k, double width)
{
    double s = std::max(std::fabs(e.Max), std::fabs(e.Min));
    if (s == 0)
        s = 10;
    Add(QStringLiteral("<moverel 0 25><mark 2><linerel ") + Coord(width) + QStringLiteral(" 0><goto 2><moverel 0 0>"));
    for (int i = 0; i < SampleCount; ++i) {
        Add(QStringLiteral("<linerel 0 ") + Coord(k * max[i] / s) + QStringLiteral("><goto 2><moverel ")
            + Coord(i * width / 100) + QStringLiteral(" 0><linerel 0 ") + Coord(k * min[i] / s) + QLatin1Char('>'));
        if (i < SampleCount - 1)
            Add(QStringLiteral("<goto 2><moverel ") + Coord((i + 1) * width / 100) + QStringLiteral(" 0>"));
    }
}

void TEnWriter::WriteReactions(const TEnEnvelope& e)
{
    const TEndCondition& ends = EndConditionOf(Task.Typ);
    const struct
    {
        bool Has;
        const char* Symbol;
        const TEnExtreme* Value;
        const char* Unit;
    } rows[] = { { ends.LeftReaction(), "A", &e.A, " kN" }, { ends.LeftMoment(), "M<sub>a</sub>", &e.Ma, " kNm" },
        { ends.RightReaction(), "B", &e.B, " kN" }, { ends.RightMoment(), "M<sub>b</sub>", &e.Mb, " kNm" } };
    for (const auto& r : rows) {
        if (!r.Has)
            continue;
        Add(QStringLiteral("<b>") + QLatin1String(r.Symbol) + QStringLiteral("</b><sub>max</sub> = ")
            + ValueText(r.Value->Max) + QLatin1String(r.Unit) + By(r.Value->MaxBy) + QStringLiteral("<br>"));
        Add(QStringLiteral("<b>") + QLatin1String(r.Symbol) + QStringLiteral("</b><sub>min</sub> = ")
            + ValueText(r.Value->Min) + QLatin1String(r.Unit) + By(r.Value->MinBy) + QStringLiteral("<br>"));
    }
    Add(QStringLiteral("<br>"));
}

void TEnWriter::WriteExtreme(const QString& symbol, const TEnExtreme& e, const QString& unit, double scale)
{
    Add(QStringLiteral("<b>") + symbol + QStringLiteral("<sub>max</sub></b> = ") + DisplayText(e.Max * scale) + unit
        + QStringLiteral(", x = ") + DisplayText(e.xMax) + QStringLiteral(" m") + By(e.MaxBy) + QStringLiteral("<br>"));
    Add(QStringLiteral("<b>") + symbol + QStringLiteral("<sub>min</sub></b> = ") + DisplayText(e.Min * scale) + unit
        + QStringLiteral(", x = ") + DisplayText(e.xMin) + QStringLiteral(" m") + By(e.MinBy) + QStringLiteral("<br>"));
}

void TEnWriter::WriteForceDiagrams(const TEnEnvelope& e)
{
    Add(QStringLiteral("<spacey 60>"));
    Add(QStringLiteral("<mark 1><b>M</b> <i>obálka</i>:<br><gotox 1>"));
    DrawEnvelope(e.Mmax, e.Mmin, e.M, -25, W);
    Add(QStringLiteral("<goto 1><moverel ") + Coord(W + 10) + QStringLiteral(" 0>"));
    Add(QStringLiteral("<mark 2><b>Q</b> <i>obálka</i>:<br><gotox 2>"));
    DrawEnvelope(e.Qmax, e.Qmin, e.Q, 25, W2);
    Add(QStringLiteral("<goto 1><moverel 0 50><br><br>"));
    WriteExtreme(QStringLiteral("M"), e.M, QStringLiteral(" kNm"), 1);
    WriteExtreme(QStringLiteral("Q"), e.Q, QStringLiteral(" kN"), 1);
    Add(QStringLiteral("<br>"));
}

void TEnWriter::WriteDeflection(const TEnEnvelope& e, bool check)
{
    if (e.fIssue != TDeflectionIssue::None) {
        Add(DeflectionProblemText(e.fIssue) + QStringLiteral("<br><br>"));
        return;
    }
    Add(QStringLiteral("<spacey 60>"));
    Add(QStringLiteral("<mark 1>Průhyb <b>f(x)</b> <i>obálka</i>:<br><gotox 1>"));
    DrawEnvelope(e.fmax, e.fmin, e.f, 25, W);
    Add(QStringLiteral("<goto 1><moverel 0 50><br><br>"));
    WriteExtreme(QStringLiteral("f"), e.f, QStringLiteral(" mm"), 1000000);
    if (check) {
        // The limit of the deflection tab on the characteristic combination (ČSN EN 1990, A1.4.3).
        TResultStore sums;
        TExtreme f;
        f.Max = e.f.Max;
        f.Min = e.f.Min;
        const TDeflectionCheck c = CheckDeflection(Task.Typ, Task.SpanL(), Task.Deflection.DeflectionLimit, sums, f);
        if (c.Done)
            Add(QStringLiteral("f<sub>max</sub> = ") + DisplayText(c.fMax_mm)
                + (c.Ok ? QStringLiteral(" mm &let; f<sub>lim</sub> = ")
                        : QStringLiteral(" mm &gt; f<sub>lim</sub> = "))
                + DeflectionLimitFormula(c) + QStringLiteral(" = ") + DisplayText(c.fLimit_mm)
                + QStringLiteral(" mm – ") + DeflectionVerdict(c) + QStringLiteral(" (ČSN EN 1990, A1.4.3)<br>"));
        else if (!c.Problem.isEmpty())
            Add(UserText(c.Problem) + QStringLiteral("<br>"));
    }
    Add(QStringLiteral("<br>"));
}

void TEnWriter::WriteKind(TEnKind kind, const std::vector<TResultStore>& cases)
{
    const TEnEnvelope e = ComputeEnEnvelope(Task, kind, cases);
    Add(QStringLiteral("<b>") + EnKindCaption(kind) + QStringLiteral("</b> – kombinace:<br>"));
    for (const TEnCombination& c : e.Combinations)
        Add(QStringLiteral("<tab>") + UserText(c.Name) + QStringLiteral("<br>"));
    Add(QStringLiteral("<br>"));
    if (kind == TEnKind::Uls) {
        WriteReactions(e);
        WriteForceDiagrams(e);
    } else {
        WriteDeflection(e, kind == TEnKind::Characteristic);
    }
}

} // namespace

void WriteEn1990Section(const TTask& task, QStringList& lines, double width, double secondWidth)
{
    if (!AnyLoadCaseClassified(task))
        return;
    lines << QStringLiteral("<h2>Kombinace zatížení podle ČSN EN 1990</h2>");
    if (const QString problem = ClassificationProblem(task); !problem.isEmpty()) {
        lines << QStringLiteral("<b>") + UserText(problem) + QStringLiteral("</b><br><br>");
        return;
    }
    TEnWriter writer(task, lines, width, secondWidth);
    writer.WriteFactors();
    const std::vector<TResultStore> cases = SolveEachLoadCase(task);
    for (TEnKind kind : EnKinds)
        writer.WriteKind(kind, cases);
}
