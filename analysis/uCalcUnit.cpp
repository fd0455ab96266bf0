// The result store and the load case solver: one load case read from the task, solved load by load
// into the scratch, then added into the store once plain and once times its gamma_f.
#include "analysis/uCalcUnit.h"

#include "analysis/LoadFormulas.h"
#include "model/TError.h"

#include <algorithm>
#include <cmath>
#include <utility>

double SampleX(double spanL, int i)
{
    return i * spanL / 100;
}

bool HasResults(const TResultStore& s)
{
    const auto nonZero = [](const TSamples& values) {
        return std::any_of(values.begin(), values.end(), [](double v) { return v != 0; });
    };
    for (double v : { s.An, s.Bn, s.Man, s.Mbn, s.Ad, s.Bd, s.Mad, s.Mbd })
        if (v != 0)
            return true;
    return nonZero(s.Mn) || nonZero(s.Md) || nonZero(s.Qn) || nonZero(s.Qd) || nonZero(s.fn);
}

void ClearTotals(TResultStore& store)
{
    store.An = store.Bn = store.Man = store.Mbn = 0;
    store.Ad = store.Bd = store.Mad = store.Mbd = 0;
    store.Mn.fill(0);
    store.Md.fill(0);
    store.Qn.fill(0);
    store.Qd.fill(0);
    store.fn.fill(0);
    store.fIssue = TDeflectionIssue::None;
    store.HasEnvelope = false;
    store.Envelope = TEnvelope();
    store.Line.Clear();
}

namespace {

struct TSection
{
    double Iy = 0; // m4
    double Emod = 0; // Pa
};

// A beam the formulas can solve: the span divides most of them, and a span of 0 or less is no beam
// at all (also not a cantilever: an empty span field should be reported, not drawn as a point).
void CheckBeam(unsigned char typ, double spanL)
{
    if (!IsKnownTyp(typ))
        throw TError(QStringLiteral("Neznámé uložení trabíku (kód %1).").arg(typ));
    if (std::isnan(spanL) || spanL <= 0)
        throw TError(QStringLiteral("Délka trabíku musí být větší než 0."));
    if (!std::isfinite(spanL))
        throw TError(QStringLiteral("Délka trabíku není platné číslo."));
}

// Reads load i of the kind and applies it when it is included. `own`, when given, collects the own
// terms of the loads applied (for the exact line).
void ApplyLoad(
    const TTask& task, int n, TLoadKind kind, int i, const TBeam& beam, TCaseScratch& s, TCaseLine* own = nullptr)
{
    switch (kind) {
    case KindPx:
        if (const TPxLoad load = task.ReadPx(n, i); load.Included) {
            ApplyPointForce(s, beam, load.P, load.a);
            if (own)
                own->AddPointForce(load.P, load.a);
        }
        break;
    case KindQ:
        if (const TQLoad load = task.ReadQ(n, i); load.Included) {
            ApplyUniformLoad(s, beam, load.q);
            if (own)
                own->AddUniformLoad(load.q);
        }
        break;
    case KindQQ:
        if (const TQQLoad load = task.ReadQQ(n, i); load.Included) {
            ApplyPartialLoad(s, beam, load.qa, load.a, load.qb, load.b);
            if (own)
                own->AddPartialLoad(beam.L, load.qa, load.a, load.qb, load.b);
        }
        break;
    case KindMx:
        if (const TMxLoad load = task.ReadMx(n, i); load.Included) {
            ApplyPointMoment(s, beam, load.M, load.a);
            if (own)
                own->AddPointMoment(load.M, load.a);
        }
        break;
    }
}

void ApplyLoads(const TTask& task, const TZSInfo& info, const TBeam& beam, TCaseScratch& s, TCaseLine& own)
{
    for (TLoadKind kind : { KindPx, KindQ, KindQQ, KindMx })
        for (int i = 1; i <= info.Counts[kind]; ++i)
            ApplyLoad(task, info.Number, kind, i, beam, s, &own);
}

// The solved load case into the exact line of the sums. The deflection constants follow from the
// line's value and slope at the left end: EI f(0) = C2 + W(0), EI f'(0) = C1 + W'(0).
void AddLine(TExactLine& line, TCaseLine& own, const TCaseScratch& s, double gamaf, double EI, bool withF)
{
    const double C1 = withF ? EI * s.CaseSlopeA - s.WLeft.Slope : 0.0;
    const double C2 = withF ? EI * s.CaseF[0] - s.WLeft.W : 0.0;
    line.Add(std::move(own), gamaf, s.CaseMa, s.CaseA, C1, C2);
}

QString LoadLabel(TLoadKind kind, int i)
{
    static const char* const letters[] = { "P", "q", "qq", "M" };
    return QString::fromLatin1(letters[kind]) + QString::number(i);
}

QString CaseNotFinite(const QString& name)
{
    return QStringLiteral("Zatěžovací stav „%1“ dává nekonečný nebo neurčitý výsledek. Zkontrolujte zadané hodnoty "
                          "a součinitel zatížení.")
        .arg(name);
}

// The sum of the load case is not finite: name the first load that is not finite by itself, or
// the load case when only the sum overflows.
[[noreturn]] void ThrowNotFinite(const TTask& task, const TZSInfo& info, const TBeam& beam)
{
    for (TLoadKind kind : { KindPx, KindQ, KindQQ, KindMx }) {
        for (int i = 1; i <= info.Counts[kind]; ++i) {
            TCaseScratch alone;
            ApplyLoad(task, info.Number, kind, i, beam, alone);
            if (!alone.IsFinite())
                throw TError(QStringLiteral("Zatížení %1 v zatěžovacím stavu „%2“ dává nekonečný nebo neurčitý "
                                            "výsledek. Zkontrolujte zadané hodnoty.")
                                 .arg(LoadLabel(kind, i), info.Name));
        }
    }
    throw TError(CaseNotFinite(info.Name));
}

// CaseF for the section, or the reason why it stays 0.
TDeflectionIssue FillDeflection(TCaseScratch& s, const TBeam& beam, const TSection& section)
{
    const TDeflectionIssue issue = SectionIssue(section.Emod, section.Iy);
    if (issue != TDeflectionIssue::None)
        return issue;
    return FinishDeflection(s, beam, section.Emod * section.Iy) ? TDeflectionIssue::None : TDeflectionIssue::NotFinite;
}

// The forces of the scratch can be added to the store without leaving the finite numbers.
bool ForcesStayFinite(const TResultStore& st, const TCaseScratch& s, double g)
{
    bool finite = true;
    const std::pair<double, double> ends[]
        = { { st.An, s.CaseA }, { st.Bn, s.CaseB }, { st.Man, s.CaseMa }, { st.Mbn, s.CaseMb }, { st.Ad, g * s.CaseA },
              { st.Bd, g * s.CaseB }, { st.Mad, g * s.CaseMa }, { st.Mbd, g * s.CaseMb } };
    for (const auto& [sum, add] : ends)
        finite = finite && std::isfinite(sum + add);
    for (int i = 0; i < SampleCount; ++i)
        finite = finite && std::isfinite(st.Mn[i] + s.CaseM[i]) && std::isfinite(st.Qn[i] + s.CaseQ[i])
            && std::isfinite(st.Md[i] + g * s.CaseM[i]) && std::isfinite(st.Qd[i] + g * s.CaseQ[i]);
    return finite;
}

// A deflection that cannot be computed for one load case leaves the whole sum at 0: a line without
// some of the load cases would look like a result.
void AddDeflection(TResultStore& store, const TSamples& f, TDeflectionIssue issue)
{
    if (issue == TDeflectionIssue::None && store.fIssue == TDeflectionIssue::None) {
        bool finite = true;
        for (int i = 0; i < SampleCount; ++i)
            finite = finite && std::isfinite(store.fn[i] + f[i]);
        if (finite) {
            for (int i = 0; i < SampleCount; ++i)
                store.fn[i] += f[i];
            return;
        }
        issue = TDeflectionIssue::NotFinite;
    }
    if (store.fIssue == TDeflectionIssue::None)
        store.fIssue = issue;
    store.fn.fill(0);
}

// The scratch into the store, plain and times gamma_f (no design deflection). Returns
// false, leaving the store as it was, when a sum of the forces would not be finite.
bool AddScratch(TResultStore& store, const TCaseScratch& s, double gamaf, TDeflectionIssue fIssue)
{
    if (!ForcesStayFinite(store, s, gamaf))
        return false;
    store.An += s.CaseA;
    store.Bn += s.CaseB;
    store.Man += s.CaseMa;
    store.Mbn += s.CaseMb;
    store.Ad += gamaf * s.CaseA;
    store.Bd += gamaf * s.CaseB;
    store.Mad += gamaf * s.CaseMa;
    store.Mbd += gamaf * s.CaseMb;
    for (int i = 0; i < SampleCount; ++i) {
        store.Mn[i] += s.CaseM[i];
        store.Qn[i] += s.CaseQ[i];
        store.Md[i] += gamaf * s.CaseM[i];
        store.Qd[i] += gamaf * s.CaseQ[i];
    }
    AddDeflection(store, s.CaseF, fIssue);
    return true;
}

} // namespace

namespace {

// AddLoadCase around the look-up, which the two entry points do differently. Every load the
// readers include is solved, so a load case has nothing to tell the sink.
template <class TLookUp> void AddFoundLoadCase(const TTask& task, TResultStore& store, TLookUp lookUp)
{
    const double spanL = task.SpanL();
    const TSection section { SectionIy(task.Deflection), SectionEmod(task.Deflection) };
    const TZSInfo info = lookUp(task);
    if (info.Number == -1)
        return;
    CheckBeam(task.Typ, spanL);
    const TBeam beam = MakeBeam(task.Typ, spanL);
    TCaseScratch scratch;
    TCaseLine own;
    own.Edges.reserve(size_t(info.Counts[KindPx] + 2 * info.Counts[KindQQ] + info.Counts[KindMx]));
    ApplyLoads(task, info, beam, scratch, own);
    const TDeflectionIssue fIssue = FillDeflection(scratch, beam, section);
    if (!scratch.IsFinite())
        ThrowNotFinite(task, info, beam);
    if (!AddScratch(store, scratch, info.Gamaf, fIssue))
        throw TError(CaseNotFinite(info.Name));
    const double EI = section.Emod * section.Iy;
    store.Line.L = spanL;
    store.Line.EI = fIssue == TDeflectionIssue::None ? EI : 0.0;
    AddLine(store.Line, own, scratch, info.Gamaf, EI, fIssue == TDeflectionIssue::None);
}

} // namespace

void AddLoadCase(const TTask& task, TResultStore& store, const QString& name)
{
    AddFoundLoadCase(task, store, [&name](const TTask& t) { return t.FindZSInfo(name); });
}

void AddLoadCaseNumber(const TTask& task, TResultStore& store, int number)
{
    AddFoundLoadCase(task, store, [number](const TTask& t) { return t.GetZSInfo(number); });
}

TResultStore SolveLoadCase(const TTask& task, int number)
{
    TResultStore store;
    AddLoadCaseNumber(task, store, number);
    return store;
}
