#include "design/TimberTask.h"

#include "analysis/Checks.h"
#include "design/DesignActions.h"
#include "design/En1990.h"
#include "design/LoadCaseSolutions.h"
#include "model/TEndConditions.h"
#include "model/TError.h"
#include "model/uMyCommonLib.h"

#include <QJsonArray>
#include <cmath>
#include <set>

namespace {

TBeamEnd EndOf(TEndSupport support)
{
    return support == TEndSupport::Free ? TBeamEnd::Free
        : support == TEndSupport::Fixed ? TBeamEnd::Fixed
                                        : TBeamEnd::Bearing;
}

std::vector<TLoadDuration> Durations(const TTimberInputs& in, size_t count, QString& problem)
{
    std::vector<TLoadDuration> durations;
    for (size_t i = 0; i < count; ++i) {
        std::optional<TLoadDuration> d = i < in.Durations.size() ? in.Durations[i] : std::nullopt;
        if (!d && i < in.Actions.size())
            d = DefaultLoadDuration(in.Actions[i]);
        if (!d && problem.isEmpty())
            problem = QStringLiteral("Zatěžovací stav č. %1 nemá určenu třídu trvání zatížení.").arg(i + 1);
        durations.push_back(d.value_or(TLoadDuration::Permanent));
    }
    return durations;
}

TTimberDesignCase DesignCase(const std::vector<TSolvedCase>& cases, const TUlsCombination& combination,
    const std::vector<TLoadDuration>& durations, double spanL)
{
    const TCombinedExtremes e = CombineCases(cases, combination.Factors, spanL);
    TTimberDesignCase c;
    c.Name = combination.Name;
    c.Duration = ShortestDuration(durations, combination.Factors);
    // The largest magnitudes, sagging or hogging, and where they are.
    const bool sagging = std::fabs(e.M.Min) >= std::fabs(e.M.Max);
    c.MEd = sagging ? -e.M.Min : e.M.Max;
    c.xM = sagging ? e.M.xMin : e.M.xMax;
    const bool negative = std::fabs(e.Q.Min) > std::fabs(e.Q.Max);
    c.VEd = negative ? -e.Q.Min : e.Q.Max;
    c.xV = negative ? e.Q.xMin : e.Q.xMax;
    c.RA = e.A;
    c.RB = e.B;
    return c;
}

// A typed number of the timber inputs; empty gives `empty`.
double Typed(const QString& text, const QString& caption, double empty)
{
    if (text.trimmed().isEmpty())
        return empty;
    const double v = StrToFloatX(text);
    if (!std::isfinite(v) || v < 0)
        throw TError(QStringLiteral("%1 „%2“ není nezáporné číslo.").arg(caption, text));
    return v;
}

} // namespace

TTimberInputs TimberInputsOf(const TTask& task)
{
    const TTimberInputsText& t = task.Timber;
    TTimberInputs in;
    in.ClassName = t.ClassName.trimmed();
    in.b = Typed(t.Width, QStringLiteral("Šířka průřezu b"), 0);
    in.h = Typed(t.Depth, QStringLiteral("Výška průřezu h"), 0);
    const QString serviceClass = t.ServiceClass.trimmed();
    if (serviceClass != QLatin1String("1") && serviceClass != QLatin1String("2") && serviceClass != QLatin1String("3"))
        throw TError(QStringLiteral("Třída provozu „%1“ není 1, 2 ani 3.").arg(t.ServiceClass));
    in.ServiceClass = serviceClass.toInt();
    in.SupportLength = Typed(t.SupportLength, QStringLiteral("Délka uložení"), 0);
    in.Precamber = Typed(t.Precamber, QStringLiteral("Nadvýšení"), 0);
    // The same unrestrained length as the steel check: empty, the compression edge is held.
    in.Lef = Typed(task.Steel.LtbLength, QStringLiteral("Délka mezi příčnými podporami"), 0);
    const auto ratio = [](const QString& text, const QString& caption) {
        const double r = Typed(text, caption, 0);
        if (!(r > 0))
            throw TError(QStringLiteral("%1 „%2“ není kladné číslo.").arg(caption, text));
        return r;
    };
    in.InstRatio = ratio(t.InstRatio, QStringLiteral("Mezní průhyb w_inst L/"));
    in.NetFinRatio = ratio(t.NetFinRatio, QStringLiteral("Mezní průhyb w_net,fin L/"));
    in.FinRatio = ratio(t.FinRatio, QStringLiteral("Mezní průhyb w_fin L/"));
    for (const TLoadCase& c : task.LoadCases) {
        in.Actions.push_back(c.Action);
        if (c.Duration.isEmpty()) {
            in.Durations.emplace_back();
            continue;
        }
        const std::optional<TLoadDuration> d = LoadDurationFromCode(c.Duration);
        if (!d)
            throw TError(
                QStringLiteral("Zatěžovací stav „%1“: neznámá třída trvání zatížení „%2“.").arg(c.Caption, c.Duration));
        in.Durations.push_back(d);
    }
    return in;
}

std::vector<TUlsCombination> TimberUlsCombinations(const TTask& task, const TTimberInputs& in)
{
    std::vector<TUlsCombination> out;
    if (AnyLoadCaseClassified(task)) {
        QString problem;
        const std::vector<TLoadDuration> durations = Durations(in, task.LoadCases.size(), problem);
        const QStringList labels = LoadCaseLabels(task);
        std::set<std::vector<double>> made;
        if (const QString unclassified = ClassificationProblem(task); !unclassified.isEmpty())
            throw TError(unclassified);
        // Favourable actions as EN 1990 6.4.3.2 with Table A1.2(B) takes them: the load cases acting
        // against the sense of a combination's load at γG,inf or left out.
        const std::vector<TEnCombination> en
            = MemberCheckCombinations(task, LoadCaseResultants(SolveEachLoadCase(task)));
        for (const TEnCombination& c : en) {
            const QString label = c.Name.section(QLatin1Char(':'), 0, 0);
            // The combination, then without what lasts shorter than each class it holds.
            std::set<TLoadDuration> held;
            for (size_t k = 0; k < c.Factors.size(); ++k)
                if (c.Factors[k] != 0)
                    held.insert(durations[k]);
            for (auto d = held.rbegin(); d != held.rend(); ++d) {
                std::vector<double> f = c.Factors;
                for (size_t k = 0; k < f.size(); ++k)
                    if (durations[k] > *d && !FindActionType(task.LoadCases[k].Action)->Permanent)
                        f[k] = 0;
                if (!made.insert(f).second)
                    continue;
                const bool whole = f == c.Factors;
                out.push_back(
                    { whole ? c.Name : CombinationFormula(label.toLatin1().constData(), f, labels, task, -1), f });
            }
        }
        return out;
    }
    const auto gammaF = [&](size_t k) { return task.GetZSInfo(task.LoadCases[k].Number).Gamaf; };
    for (TNamedFactors& c : TaskCombinationFactors(task, gammaF))
        out.push_back({ std::move(c.Name), std::move(c.Factors) });
    return out;
}

TTimberTaskResult CheckTimberTask(const TTask& task, const TTimberInputs& in, const std::vector<TUlsCombination>& uls)
{
    TTimberTaskResult r;
    const TTimberClass* timber = FindTimberClass(in.ClassName);
    if (!timber || !(in.b > 0) || !(in.h > 0)) {
        r.Uls = CheckTimberUls({ in.ClassName, in.b, in.h }, {});
        r.Problem = r.Uls.Problem;
        return r;
    }
    const double spanL = task.SpanL();
    // Deflections with the mean modulus, EN 1995-1-1 2.2.3(2): E0,mean (MPa) and b h³/12 (mm4), in Pa and m4.
    const std::vector<TSolvedCase> cases
        = SolveCases(task, timber->E0mean * 1e6, in.b * std::pow(in.h, 3) / 12 * 1e-12);
    const std::vector<TLoadDuration> durations = Durations(in, cases.size(), r.Problem);

    TTimberMember m;
    m.ClassName = in.ClassName;
    m.b = in.b;
    m.h = in.h;
    m.ServiceClass = in.ServiceClass;
    m.Span = spanL;
    m.SupportLength = in.SupportLength;
    m.Lef = in.Lef;
    const TEndCondition& ends = EndConditionOf(task.Typ);
    m.Left = EndOf(ends.Left());
    m.Right = EndOf(ends.Right());
    std::vector<TTimberDesignCase> design;
    if (r.Problem.isEmpty())
        for (const TUlsCombination& c : uls)
            design.push_back(DesignCase(cases, c, durations, spanL));
    r.Uls = CheckTimberUls(m, design);
    if (r.Problem.isEmpty())
        r.Problem = r.Uls.Problem;

    TSlsMember s;
    s.Material = TSlsMaterial::Timber;
    s.ReferenceLength = DeflectionReferenceLength(task.Typ, spanL);
    s.ServiceClass = in.ServiceClass;
    s.Precamber = in.Precamber;
    s.InstRatio = in.InstRatio;
    s.NetFinRatio = in.NetFinRatio;
    s.FinRatio = in.FinRatio;
    r.Sls = CheckServiceability(s, cases, in.Actions, spanL);
    return r;
}

TTimberTaskResult CheckTaskTimber(const TTask& task)
{
    const TTimberInputs inputs = TimberInputsOf(task);
    return CheckTimberTask(task, inputs, TimberUlsCombinations(task, inputs));
}

namespace {

QJsonValue Utilisation(const TLimitCheck& check)
{
    return check.Decided() && !check.Name.isEmpty() ? QJsonValue(check.Utilisation) : QJsonValue();
}

} // namespace

QJsonObject TimberCheckJson(const TTimberInputs& in, const TTimberTaskResult& r)
{
    const TTimberResult& u = r.Uls;
    const bool uls = r.Problem.isEmpty() && u.Problem.isEmpty();
    const auto value = [uls](double v) { return uls ? QJsonValue(v) : QJsonValue(); };
    const TLimitCheck* sls[3] = {};
    for (size_t i = 0; i < r.Sls.Checks.size() && i < 3; ++i)
        sls[i] = &r.Sls.Checks[i]; // w_inst, w_net,fin, w_fin
    // The worse of the two supports: a free end has no check, an undecided one decides the pair.
    const TLimitCheck& bearing = !u.BearingB.Name.isEmpty()
            && (u.BearingA.Name.isEmpty() || !u.BearingB.Decided()
                || (u.BearingA.Decided() && u.BearingB.Utilisation > u.BearingA.Utilisation))
        ? u.BearingB
        : u.BearingA;

    QJsonObject utilisation;
    utilisation[QStringLiteral("bending")] = uls ? Utilisation(u.Bending) : QJsonValue();
    utilisation[QStringLiteral("shear")] = uls ? Utilisation(u.Shear) : QJsonValue();
    utilisation[QStringLiteral("bearing")] = uls ? Utilisation(bearing) : QJsonValue();
    utilisation[QStringLiteral("wInst")] = sls[0] ? Utilisation(*sls[0]) : QJsonValue();
    utilisation[QStringLiteral("wFin")] = sls[2] ? Utilisation(*sls[2]) : QJsonValue();

    QJsonArray problems;
    bool ok = uls && sls[2];
    for (const QString& p : { r.Problem, r.Sls.Problem })
        if (!p.isEmpty())
            problems.append(p);
    std::vector<const TLimitCheck*> all;
    if (uls)
        all = { &u.Bending, &u.Shear, &u.BearingA, &u.BearingB };
    for (const TLimitCheck& c : r.Sls.Checks)
        all.push_back(&c);
    for (const TLimitCheck* c : all) {
        if (c->Name.isEmpty())
            continue; // a free end
        if (!c->Decided())
            problems.append(c->Name + QStringLiteral(": ") + c->Undecided);
        ok = ok && c->Ok();
    }

    QJsonObject o;
    o[QStringLiteral("material")] = QStringLiteral("timber");
    o[QStringLiteral("section")] = QStringLiteral("%1 × %2").arg(in.b).arg(in.h);
    o[QStringLiteral("grade")] = u.Class ? QString::fromLatin1(u.Class->Name) : in.ClassName;
    o[QStringLiteral("serviceClass")] = in.ServiceClass;
    o[QStringLiteral("sigmaMd")] = value(u.SigmaMd);
    o[QStringLiteral("fmd")] = value(u.fmd);
    o[QStringLiteral("tauD")] = value(u.TauD);
    o[QStringLiteral("fvd")] = value(u.fvd);
    o[QStringLiteral("kmod")] = value(u.Kmod);
    o[QStringLiteral("kcrit")] = value(u.Buckling.Kcrit);
    o[QStringLiteral("wInst")] = r.Sls.Problem.isEmpty() ? QJsonValue(r.Sls.wInst) : QJsonValue();
    o[QStringLiteral("wFin")] = r.Sls.Problem.isEmpty() ? QJsonValue(r.Sls.wFin) : QJsonValue();
    o[QStringLiteral("utilisation")] = utilisation;
    o[QStringLiteral("problems")] = problems;
    o[QStringLiteral("ok")] = ok && problems.isEmpty();
    return o;
}
