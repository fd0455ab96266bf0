// The load case solver: the loads of one load case of the analysis model solved load by load into
// the scratch, then its deflection line and its exact line.
#include "analysis/Solver.h"

#include "analysis/LoadFormulas.h"

#include <cmath>
#include <utility>

double SampleX(double spanL, int i)
{
    return i * spanL / 100;
}

namespace {

// A beam the formulas can solve: the span divides most of them, and a span of 0 or less is no beam
// at all (also not a cantilever: an empty span field should be reported, not drawn as a point).
QString BeamError(const TAnalysisModel& m)
{
    if (!IsKnownTyp(m.Typ))
        return QStringLiteral("Neznámé uložení trabíku (kód %1).").arg(m.Typ);
    if (!m.SpanUnreadable.isEmpty())
        return m.SpanUnreadable;
    if (std::isnan(m.L) || m.L <= 0)
        return QStringLiteral("Délka trabíku musí být větší než 0.");
    if (!std::isfinite(m.L))
        return QStringLiteral("Délka trabíku není platné číslo.");
    return {};
}

// Every load of the load case, in the order of the kinds, applied to the scratch; `own`, when
// given, collects their own terms for the exact line. `only` >= 0 applies the one load of that
// place in this order alone (to find a load whose result is not finite).
void ApplyLoads(const TCaseModel& c, const TBeam& beam, TCaseScratch& s, TCaseLine* own, int only = -1)
{
    int place = 0;
    const auto take = [&place, only] { return only < 0 || place++ == only; };
    for (const TPointLoad& l : c.Forces)
        if (take()) {
            ApplyPointForce(s, beam, l.Value, l.a);
            if (own)
                own->AddPointForce(l.Value, l.a);
        }
    for (const TUniformLoad& l : c.Uniform)
        if (take()) {
            ApplyUniformLoad(s, beam, l.q);
            if (own)
                own->AddUniformLoad(l.q);
        }
    for (const TPartialLoad& l : c.Partial)
        if (take()) {
            ApplyPartialLoad(s, beam, l.qa, l.a, l.qb, l.b);
            if (own)
                own->AddPartialLoad(beam.L, l.qa, l.a, l.qb, l.b);
        }
    for (const TPointLoad& l : c.Moments)
        if (take()) {
            ApplyPointMoment(s, beam, l.Value, l.a);
            if (own)
                own->AddPointMoment(l.Value, l.a);
        }
}

} // namespace

QString CaseNotFinite(const QString& name)
{
    return QStringLiteral("Zatěžovací stav „%1“ dává nekonečný nebo neurčitý výsledek. Zkontrolujte zadané hodnoty "
                          "a součinitel zatížení.")
        .arg(name);
}

namespace {

// The labels of the loads in the order of ApplyLoads: "P2", "q1", "qq3", "M1".
QStringList LoadLabels(const TCaseModel& c)
{
    QStringList labels;
    for (const TPointLoad& l : c.Forces)
        labels << QStringLiteral("P%1").arg(l.Row);
    for (const TUniformLoad& l : c.Uniform)
        labels << QStringLiteral("q%1").arg(l.Row);
    for (const TPartialLoad& l : c.Partial)
        labels << QStringLiteral("qq%1").arg(l.Row);
    for (const TPointLoad& l : c.Moments)
        labels << QStringLiteral("M%1").arg(l.Row);
    return labels;
}

// The sum of the load case is not finite: name the first load that is not finite by itself, or
// the load case when only the sum overflows.
QString NotFiniteError(const TCaseModel& c, const TBeam& beam)
{
    const QStringList labels = LoadLabels(c);
    for (int place = 0; place < labels.size(); ++place) {
        TCaseScratch alone;
        ApplyLoads(c, beam, alone, nullptr, place);
        if (!alone.IsFinite())
            return QStringLiteral("Zatížení %1 v zatěžovacím stavu „%2“ dává nekonečný nebo neurčitý výsledek. "
                                  "Zkontrolujte zadané hodnoty.")
                .arg(labels[place], c.Name);
    }
    return CaseNotFinite(c.Name);
}

// CaseF for the section, or the reason why it stays 0.
TDeflectionIssue FillDeflection(TCaseScratch& s, const TBeam& beam, const TAnalysisModel& m)
{
    if (!m.SectionUnreadable.isEmpty())
        return TDeflectionIssue::Unreadable;
    const TDeflectionIssue issue = SectionIssue(m.Emod, m.Iy);
    if (issue != TDeflectionIssue::None)
        return issue;
    return FinishDeflection(s, beam, m.Emod * m.Iy) ? TDeflectionIssue::None : TDeflectionIssue::NotFinite;
}

// G of the load case is its loads' own terms plus Ma x^2/2 - A x^3/6 + C1 x + C2. The deflection
// constants follow from the line's value and slope at the left end: EI f(0) = C2 + W(0),
// EI f'(0) = C1 + W'(0).
void CloseLine(TCaseLine& line, const TCaseScratch& s, double EI, bool withF)
{
    const double C1 = withF ? EI * s.CaseSlopeA - s.WLeft.Slope : 0.0;
    const double C2 = withF ? EI * s.CaseF[0] - s.WLeft.W : 0.0;
    line.Close(s.CaseMa, s.CaseA, C1, C2);
}

} // namespace

TCaseSolution SolveCase(const TAnalysisModel& m, int index)
{
    TCaseSolution out;
    const TCaseModel& c = m.Cases.at(size_t(index));
    if (!c.Unreadable.isEmpty()) {
        out.Error = c.Unreadable.join(QLatin1Char('\n'));
        return out;
    }
    out.Error = BeamError(m);
    if (!out.Error.isEmpty())
        return out;
    const TBeam beam = MakeBeam(m.Typ, m.L);
    TCaseScratch s;
    out.Line.Edges.reserve(c.Forces.size() + 2 * c.Partial.size() + c.Moments.size());
    ApplyLoads(c, beam, s, &out.Line);
    out.fIssue = FillDeflection(s, beam, m);
    if (!s.IsFinite()) {
        out.Error = NotFiniteError(c, beam);
        return out;
    }
    out.A = s.CaseA;
    out.B = s.CaseB;
    out.Ma = s.CaseMa;
    out.Mb = s.CaseMb;
    out.M = s.CaseM;
    out.Q = s.CaseQ;
    out.f = s.CaseF;
    CloseLine(out.Line, s, m.Emod * m.Iy, out.fIssue == TDeflectionIssue::None);
    return out;
}
