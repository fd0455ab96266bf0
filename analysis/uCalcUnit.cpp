// The result store and the load case solver: one load case read from the task, solved load by load
// into the scratch, then added into the store once plain and once times its gamma_f.
#include "analysis/uCalcUnit.h"

#include "analysis/LoadFormulas.h"
#include "model/TError.h"

#include <cmath>

double SampleX(double spanL, int i)
{
    return i * spanL / 100;
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
}

namespace {

struct TSection
{
    double Iy = 0; // m4
    double Emod = 0; // Pa
};

const QString PartialNotSolved = QStringLiteral("Ve verzi 2.0 není aplikováno.");

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

// Reads load i of the kind and applies it when it is included. Without a sink the message about
// partial loads that are not solved is not sent (used when looking for a faulty load).
void ApplyLoad(
    const TTask& task, int n, TLoadKind kind, int i, const TBeam& beam, TCaseScratch& s, const TMessageSink* messages)
{
    switch (kind) {
    case KindPx:
        if (const TPxLoad load = task.ReadPx(n, i); load.Included)
            ApplyPointForce(s, beam, load.P, load.a);
        break;
    case KindQ:
        if (const TQLoad load = task.ReadQ(n, i); load.Included)
            ApplyUniformLoad(s, beam, load.q);
        break;
    case KindQQ:
        if (const TQQLoad load = task.ReadQQ(n, i); load.Included) {
            if (PartialLoadSolved(beam.Typ))
                ApplyPartialLoad(s, beam, load.qa, load.a, load.qb, load.b);
            else if (messages && *messages)
                (*messages)(PartialNotSolved);
        }
        break;
    case KindMx:
        if (const TMxLoad load = task.ReadMx(n, i); load.Included)
            ApplyPointMoment(s, beam, load.M, load.a);
        break;
    }
}

void ApplyLoads(
    const TTask& task, const TZSInfo& info, const TBeam& beam, TCaseScratch& s, const TMessageSink& messages)
{
    for (TLoadKind kind : { KindPx, KindQ, KindQQ, KindMx })
        for (int i = 1; i <= info.Counts[kind]; ++i)
            ApplyLoad(task, info.Number, kind, i, beam, s, &messages);
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
            ApplyLoad(task, info.Number, kind, i, beam, alone, nullptr);
            if (!alone.IsFinite())
                throw TError(QStringLiteral("Zatížení %1 v zatěžovacím stavu „%2“ dává nekonečný nebo neurčitý "
                                            "výsledek. Zkontrolujte zadané hodnoty.")
                                 .arg(LoadLabel(kind, i), info.Name));
        }
    }
    throw TError(CaseNotFinite(info.Name));
}

// No method computes the deflection line: CaseF stays 0 and the section values enter nothing. A
// deflection solver fills CaseF here, for the beam, the section and the same loads.
void FillDeflection(TCaseScratch&, const TBeam&, const TSection&) { }

bool StoreIsFinite(const TResultStore& st)
{
    bool finite = true;
    for (double v : { st.An, st.Bn, st.Man, st.Mbn, st.Ad, st.Bd, st.Mad, st.Mbd })
        finite = finite && std::isfinite(v);
    for (const TSamples* a : { &st.Mn, &st.Md, &st.Qn, &st.Qd, &st.fn })
        for (double v : *a)
            finite = finite && std::isfinite(v);
    return finite;
}

// Step 6: the scratch into the store, plain and times gamma_f (no design deflection). Returns
// false, leaving the store as it was, when a sum would not be finite.
bool AddScratch(TResultStore& store, const TCaseScratch& s, double gamaf)
{
    TResultStore next = store;
    next.An += s.CaseA;
    next.Bn += s.CaseB;
    next.Man += s.CaseMa;
    next.Mbn += s.CaseMb;
    next.Ad += gamaf * s.CaseA;
    next.Bd += gamaf * s.CaseB;
    next.Mad += gamaf * s.CaseMa;
    next.Mbd += gamaf * s.CaseMb;
    for (int i = 0; i < SampleCount; ++i) {
        next.Mn[i] += s.CaseM[i];
        next.Qn[i] += s.CaseQ[i];
        next.fn[i] += s.CaseF[i];
        next.Md[i] += gamaf * s.CaseM[i];
        next.Qd[i] += gamaf * s.CaseQ[i];
    }
    if (!StoreIsFinite(next))
        return false;
    store = next;
    return true;
}

} // namespace

namespace {

// The steps of AddLoadCase around the look-up, which the two entry points do differently.
template <class TLookUp>
void AddFoundLoadCase(TTask& task, TResultStore& store, TLookUp lookUp, const TMessageSink& messages)
{
    task.RefreshCalculationLists();
    const double spanL = task.SpanL();
    const TSection section { SectionIy(task.Deflection), SectionEmod(task.Deflection) };
    const TZSInfo info = lookUp(task);
    if (info.Number == -1)
        return;
    CheckBeam(task.Typ, spanL);
    const TBeam beam = MakeBeam(task.Typ, spanL);
    TCaseScratch scratch;
    ApplyLoads(task, info, beam, scratch, messages);
    FillDeflection(scratch, beam, section);
    if (!scratch.IsFinite())
        ThrowNotFinite(task, info, beam);
    if (!AddScratch(store, scratch, info.Gamaf))
        throw TError(CaseNotFinite(info.Name));
}

} // namespace

void AddLoadCase(TTask& task, TResultStore& store, const QString& name, const TMessageSink& messages)
{
    AddFoundLoadCase(
        task, store, [&name](const TTask& t) { return t.FindZSInfo(name); }, messages);
}

void AddLoadCaseNumber(TTask& task, TResultStore& store, int number, const TMessageSink& messages)
{
    AddFoundLoadCase(
        task, store, [number](const TTask& t) { return t.GetZSInfo(number); }, messages);
}
