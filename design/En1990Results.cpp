#include "design/En1990Results.h"

TResultStore En1990Store(const TEnEnvelope& e)
{
    TResultStore s;
    TEnvelope& v = s.Envelope;
    v.Count = int(e.Combinations.size());
    v.Mnmax = v.Mdmax = e.Mmax;
    v.Mnmin = v.Mdmin = e.Mmin;
    v.Qnmax = v.Qdmax = e.Qmax;
    v.Qnmin = v.Qdmin = e.Qmin;
    v.fmax = e.fmax;
    v.fmin = e.fmin;
    const std::pair<TRange*, const TEnExtreme*> ranges[] = { { &v.An, &e.A }, { &v.Bn, &e.B }, { &v.Man, &e.Ma },
        { &v.Mbn, &e.Mb }, { &v.Ad, &e.A }, { &v.Bd, &e.B }, { &v.Mad, &e.Ma }, { &v.Mbd, &e.Mb } };
    for (const auto& [range, extreme] : ranges)
        *range = { extreme->Max, extreme->Min };
    v.fIssue = e.fIssue;
    v.LinesN = v.LinesD = e.GoverningLines;
    s.An = s.Ad = e.A.Max;
    s.Bn = s.Bd = e.B.Max;
    s.Man = s.Mad = e.Ma.Max;
    s.Mbn = s.Mbd = e.Mb.Max;
    s.Mn = s.Md = e.Mmax;
    s.Qn = s.Qd = e.Qmax;
    s.fn = e.fmax;
    s.fIssue = e.fIssue;
    s.HasEnvelope = true;
    return s;
}

TCalculation CalculateChoice(const TTask& task)
{
    if (task.Calc.En1990 < 1 || task.Calc.En1990 > 4)
        return Calculate(task);
    const TEnKind kind = EnKinds[task.Calc.En1990 - 1];
    TCalculation c;
    c.Sums = En1990Store(ComputeEnEnvelope(task, kind));
    c.SpanL = task.SpanL();
    c.Typ = task.Typ;
    c.Extremes = FindExtremes(c.SpanL, c.Sums);
    const QString what = QStringLiteral(" [") + EnKindCaption(kind) + QLatin1Char(']');
    c.Captions = { QStringLiteral("Ohybový moment") + what, QStringLiteral("Posouvající síla") + what,
        QStringLiteral("Průhyb trabíku") + what, true };
    return c;
}
