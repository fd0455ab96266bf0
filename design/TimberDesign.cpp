#include "design/TimberDesign.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

const QString Code = QStringLiteral("ČSN EN 1995-1-1, ");

// kcr for cracks in shear, 6.1.7(2): 0,67 for solid timber and glulam, the value of the Czech
// national annex.
constexpr double Kcr = 0.67;

// The contact length at a support may grow by 30 mm on each side, 6.1.5(1); the beam is taken to
// end at the outer edge of the support, so only the inner side grows.
constexpr double BearingSpread = 30;

double SectionModulus(double b, double h)
{
    return b * h * h / 6; // mm3
}

// St-Venant torsion constant of a b x h rectangle (b <= h), mm4.
double TorsionConstant(double b, double h)
{
    const double r = b / h;
    return h * b * b * b * (1.0 / 3 - 0.21 * r * (1 - std::pow(r, 4) / 12));
}

// Among the checks of every combination, the one with the largest utilisation (the first of equal
// ones, its index in `index`); an undecided check stands for them all.
template <typename TMake>
TLimitCheck Governing(const std::vector<TTimberDesignCase>& cases, TMake make, size_t* index = nullptr)
{
    TLimitCheck worst;
    for (size_t i = 0; i < cases.size(); ++i) {
        TLimitCheck check = make(cases[i]);
        if (!check.Decided())
            return check;
        if (i == 0 || check.Utilisation > worst.Utilisation) {
            worst = check;
            if (index)
                *index = i;
        }
    }
    return worst;
}

} // namespace

QString LoadDurationName(TLoadDuration duration)
{
    switch (duration) {
    case TLoadDuration::Permanent:
        return QStringLiteral("stálé");
    case TLoadDuration::LongTerm:
        return QStringLiteral("dlouhodobé");
    case TLoadDuration::MediumTerm:
        return QStringLiteral("střednědobé");
    case TLoadDuration::ShortTerm:
        return QStringLiteral("krátkodobé");
    case TLoadDuration::Instantaneous:
        break;
    }
    return QStringLiteral("okamžité");
}

const char* LoadDurationCode(TLoadDuration duration)
{
    static const char* const codes[] = { "permanent", "long-term", "medium-term", "short-term", "instantaneous" };
    return codes[int(duration)];
}

std::optional<TLoadDuration> LoadDurationFromCode(const QString& code)
{
    for (TLoadDuration d : { TLoadDuration::Permanent, TLoadDuration::LongTerm, TLoadDuration::MediumTerm,
             TLoadDuration::ShortTerm, TLoadDuration::Instantaneous })
        if (code == QLatin1String(LoadDurationCode(d)))
            return d;
    return std::nullopt;
}

std::optional<TLoadDuration> DefaultLoadDuration(const QString& action)
{
    // EN 1995-1-1 table 2.2 and the Czech national annex: self-weight permanent, storage long-term,
    // imposed floor loads medium-term, snow short-term (the Czech annex), wind instantaneous. Not
    // named there, chosen here: traffic areas F, G medium-term as floors; roofs H (maintenance)
    // short-term; snow above 1000 m medium-term (long snow cover, note to table 2.2); temperature
    // short-term.
    struct TRow
    {
        const char* Action;
        TLoadDuration Duration;
    };
    static const TRow rows[] = {
        { "G", TLoadDuration::Permanent },
        { "Q-A", TLoadDuration::MediumTerm },
        { "Q-B", TLoadDuration::MediumTerm },
        { "Q-C", TLoadDuration::MediumTerm },
        { "Q-D", TLoadDuration::MediumTerm },
        { "Q-E", TLoadDuration::LongTerm },
        { "Q-F", TLoadDuration::MediumTerm },
        { "Q-G", TLoadDuration::MediumTerm },
        { "Q-H", TLoadDuration::ShortTerm },
        { "S", TLoadDuration::ShortTerm },
        { "S-H", TLoadDuration::MediumTerm },
        { "W", TLoadDuration::Instantaneous },
        { "T", TLoadDuration::ShortTerm },
    };
    for (const TRow& row : rows)
        if (action == QLatin1String(row.Action))
            return row.Duration;
    return std::nullopt;
}

TLoadDuration ShortestDuration(const std::vector<TLoadDuration>& durations, const std::vector<double>& factors)
{
    TLoadDuration shortest = TLoadDuration::Permanent;
    for (size_t i = 0; i < durations.size() && i < factors.size(); ++i)
        if (factors[i] != 0)
            shortest = std::max(shortest, durations[i]);
    return shortest;
}

double Kmod(TLoadDuration duration, int serviceClass)
{
    // Table 3.1, rows "solid timber" and "glued laminated timber" (the same values).
    static const double classes12[] = { 0.60, 0.70, 0.80, 0.90, 1.10 };
    static const double class3[] = { 0.50, 0.55, 0.65, 0.70, 0.90 };
    return (serviceClass == 3 ? class3 : classes12)[int(duration)];
}

double Kdef(int serviceClass)
{
    // Table 3.2, solid timber and glulam: 0,60 / 0,80 / 2,00.
    return serviceClass == 3 ? 2.0 : serviceClass == 2 ? 0.8 : 0.6;
}

double GammaM(const TTimberClass& timber)
{
    return timber.Glulam ? 1.25 : 1.3; // table 2.3, kept by the Czech national annex
}

double Kh(const TTimberClass& timber, double h)
{
    // 3.3(3) (3.2): glulam, reference depth 600 mm, kh <= 1,1; 3.2(3) (3.1): solid timber with
    // ρk <= 700 kg/m3, reference depth 150 mm, kh <= 1,3.
    const double reference = timber.Glulam ? 600 : 150;
    if (!(h > 0) || h >= reference)
        return 1;
    return timber.Glulam ? std::min(std::pow(600 / h, 0.1), 1.1) : std::min(std::pow(150 / h, 0.2), 1.3);
}

TLateralBuckling LateralBuckling(const TTimberClass& timber, double b, double h, double lef)
{
    TLateralBuckling lt;
    // 6.3.3(5): kcrit = 1 where the compression edge is held along the whole length; a section at
    // least as wide as deep does not buckle sideways.
    if (!(lef > 0) || b >= h)
        return lt;
    const double lefMm = lef * 1000;
    if (!timber.Glulam) {
        lt.SigmaCrit = 0.78 * b * b / (h * lefMm) * timber.E005; // (6.32), softwood rectangle
    } else {
        const double Iz = h * b * b * b / 12;
        lt.SigmaCrit = M_PI * std::sqrt(timber.E005 * Iz * timber.G005 * TorsionConstant(b, h))
            / (lefMm * SectionModulus(b, h)); // (6.31)
    }
    lt.LambdaRel = std::sqrt(timber.fmk / lt.SigmaCrit); // (6.30)
    // (6.34)
    if (lt.LambdaRel <= 0.75)
        lt.Kcrit = 1;
    else if (lt.LambdaRel <= 1.4)
        lt.Kcrit = 1.56 - 0.75 * lt.LambdaRel;
    else
        lt.Kcrit = 1 / (lt.LambdaRel * lt.LambdaRel);
    return lt;
}

namespace {

QString MemberProblem(const TTimberMember& m, const std::vector<TTimberDesignCase>& cases)
{
    if (!FindTimberClass(m.ClassName))
        return QStringLiteral("Třída dřeva „%1“ není v knihovně (C14–C40, GL24h–GL32h).").arg(m.ClassName);
    if (!(m.b > 0) || !(m.h > 0) || !std::isfinite(m.b) || !std::isfinite(m.h))
        return QStringLiteral("Rozměry průřezu b a h musí být kladná čísla.");
    if (m.ServiceClass < 1 || m.ServiceClass > 3)
        return QStringLiteral("Třída provozu musí být 1, 2 nebo 3.");
    if (cases.empty())
        return QStringLiteral("Nejsou žádné kombinace zatížení mezního stavu únosnosti.");
    return {};
}

// 6.1.5: σc,90,d = Fc,90,d / (b lef) <= kc,90 fc,90,d at one end.
TLimitCheck BearingCheck(
    const TTimberMember& m, const TTimberResult& r, bool left, const std::vector<TTimberDesignCase>& cases)
{
    const TBeamEnd end = left ? m.Left : m.Right;
    const QString name
        = left ? QStringLiteral("tlak kolmo k vláknům, podpora A") : QStringLiteral("tlak kolmo k vláknům, podpora B");
    const QString clause = Code + QStringLiteral("6.1.5 (6.3), (6.4)");
    if (end == TBeamEnd::Free)
        return {};
    if (end == TBeamEnd::Fixed)
        return UndecidedCheck(
            name, clause, QStringLiteral("vetknutý konec: tlak v uložení závisí na provedení vetknutí"));
    const double l = m.SupportLength;
    if (!(l > 0) || !std::isfinite(l))
        return UndecidedCheck(name, clause, QStringLiteral("není zadána délka uložení"));
    const double l1 = m.Span * 1000 - l; // clear distance between the contact areas
    const double lef = l + std::max(0.0, std::min({ BearingSpread, l, l1 / 2 }));
    // 6.1.5(4): on discrete supports with l1 >= 2h, 1,5 for solid softwood and 1,75 for glulam
    // (l <= 400 mm); else 1,0 (6.1.5(2)).
    double kc90 = 1;
    if (l1 >= 2 * m.h)
        kc90 = !r.Class->Glulam ? 1.5 : l <= 400 ? 1.75 : 1.0;
    return Governing(cases, [&](const TTimberDesignCase& c) {
        const double F = std::max(0.0, left ? c.RA : c.RB) * 1000; // N; a lifting end presses nothing
        const double fc90d = Kmod(c.Duration, m.ServiceClass) * r.Class->fc90k / r.GammaM;
        return MakeLimitCheck(name, clause, QStringLiteral("MPa"), F / (m.b * lef), kc90 * fc90d, c.Name);
    });
}

} // namespace

TTimberResult CheckTimberUls(const TTimberMember& m, const std::vector<TTimberDesignCase>& cases)
{
    TTimberResult r;
    r.Problem = MemberProblem(m, cases);
    if (!r.Problem.isEmpty())
        return r;
    r.Class = FindTimberClass(m.ClassName);
    const TTimberClass& t = *r.Class;
    r.GammaM = GammaM(t);
    r.Kh = Kh(t, m.h);
    r.Kdef = Kdef(m.ServiceClass);
    r.Buckling = LateralBuckling(t, m.b, m.h, m.Lef);
    const double W = SectionModulus(m.b, m.h);

    // 6.1.6 (6.11) with fm,d = kmod kh fm,k / γM, and 6.3.3 (6.33): σm,d <= kcrit fm,d.
    size_t governing = 0;
    r.Bending = Governing(
        cases,
        [&](const TTimberDesignCase& c) {
            const double fmd = Kmod(c.Duration, m.ServiceClass) * t.fmk / r.GammaM;
            TLimitCheck check
                = MakeLimitCheck(QStringLiteral("ohyb"), Code + QStringLiteral("6.1.6 (6.11), 6.3.3 (6.33)"),
                    QStringLiteral("MPa"), c.MEd * 1e6 / W, r.Kh * r.Buckling.Kcrit * fmd, c.Name);
            check.x = c.xM;
            return check;
        },
        &governing);
    // 6.1.7 (6.13), (6.13a): τd = 1,5 Vd / (kcr b h) <= fv,d. The shear near the supports is not
    // reduced (6.1.7(3) allows it), which is on the safe side.
    r.Shear = Governing(cases, [&](const TTimberDesignCase& c) {
        const double fvd = Kmod(c.Duration, m.ServiceClass) * t.fvk / r.GammaM;
        TLimitCheck check = MakeLimitCheck(QStringLiteral("smyk"), Code + QStringLiteral("6.1.7 (6.13), (6.13a)"),
            QStringLiteral("MPa"), 1.5 * c.VEd * 1e3 / (Kcr * m.b * m.h), fvd, c.Name);
        check.x = c.xV;
        return check;
    });
    r.BearingA = BearingCheck(m, r, true, cases);
    r.BearingB = BearingCheck(m, r, false, cases);

    r.Kmod = Kmod(cases[governing].Duration, m.ServiceClass);
    r.fmd = r.Kmod * t.fmk / r.GammaM;
    r.fvd = r.Shear.Resistance;
    r.SigmaMd = r.Bending.DesignValue;
    r.TauD = r.Shear.DesignValue;
    return r;
}
