#include "design/Serviceability.h"

#include "design/En1990.h"
#include "design/TimberDesign.h"

#include <cmath>
#include <set>

namespace {

// How one deflection combination takes each load case: a permanent case with Perm, the leading
// variable one with Lead, the others with Acc (each a function of the case's ψ factors).
struct TRule
{
    std::vector<bool> Permanent;
    std::vector<double> Perm, Lead, Acc;
};

template <typename TFactor> TRule MakeRule(const std::vector<TActionType>& actions, TFactor factor)
{
    TRule rule;
    for (const TActionType& a : actions) {
        const auto [p, l, c] = factor(a);
        rule.Permanent.push_back(a.Permanent);
        rule.Perm.push_back(p);
        rule.Lead.push_back(l);
        rule.Acc.push_back(c);
    }
    return rule;
}

struct TGoverning
{
    double Value = 0; // mm, the largest |f| (Sign gives the direction)
    int Sign = 1;
    QString By;
};

// The largest |f| of the rule's combinations. A variable case counts only where it deflects the
// beam the way sought, and the leading one is the one that adds most there: at every sample that
// gives one admissible combination, and each different one is summed with its exact line.
TGoverning GoverningDeflection(const TRule& rule, const std::vector<TSolvedCase>& cases, double spanL)
{
    TGoverning best;
    std::set<std::vector<double>> tried;
    for (int sign : { 1, -1 }) {
        for (size_t k = 0; k < size_t(SampleCount); ++k) {
            std::vector<double> factors(cases.size(), 0.0);
            int lead = -1;
            double leadGain = 0;
            for (size_t i = 0; i < cases.size(); ++i) {
                const double w = sign * cases[i].f[k];
                if (rule.Permanent[i]) {
                    factors[i] = rule.Perm[i];
                } else if (w > 0) {
                    factors[i] = rule.Acc[i];
                    const double gain = (rule.Lead[i] - rule.Acc[i]) * w;
                    if (lead < 0 || gain > leadGain) {
                        lead = int(i);
                        leadGain = gain;
                    }
                }
            }
            if (lead >= 0)
                factors[size_t(lead)] = rule.Lead[size_t(lead)];
            if (!tried.insert(factors).second)
                continue;
            const TCombinedExtremes e = CombineCases(cases, factors, spanL);
            const double value = sign > 0 ? e.f.Max : -e.f.Min;
            if (value > best.Value) {
                best.Value = value;
                best.Sign = sign;
                best.By = CombinationFormula(cases, factors);
            }
        }
    }
    return best;
}

TLimitCheck DeflectionCheck(
    const QString& name, const QString& clause, double value, double referenceLength, double ratio, const QString& by)
{
    return MakeLimitCheck(name, clause, QStringLiteral("mm"), value, referenceLength * 1000 / ratio, by);
}

QString InputProblem(
    const std::vector<TSolvedCase>& cases, const std::vector<QString>& actions, std::vector<TActionType>& factors)
{
    if (cases.empty())
        return QStringLiteral("Úloha nemá žádný zatěžovací stav.");
    for (size_t i = 0; i < cases.size(); ++i) {
        const TActionType* f = i < actions.size() ? FindActionType(actions[i]) : nullptr;
        if (!f)
            return QStringLiteral(
                "Zatěžovací stav „%1“ nemá určen druh zatížení, průhyb podle ČSN EN 1990 nelze posoudit.")
                .arg(cases[i].Name);
        factors.push_back(*f);
    }
    return {};
}

} // namespace

const std::vector<TSteelDeflectionLimit>& SteelDeflectionLimits()
{
    // ČSN EN 1993-1-1, 7.2.1(1)B: the limits of the Czech national annex, δmax and δ2.
    static const std::vector<TSteelDeflectionLimit> limits = {
        { "střechy", 200, 250 },
        { "stropy", 250, 300 },
        { "stropy s křehkými příčkami", 250, 350 },
        { "stropy nesoucí sloupy", 400, 500 },
    };
    return limits;
}

TSlsResult CheckServiceability(
    const TSlsMember& member, const std::vector<TSolvedCase>& cases, const std::vector<QString>& actions, double spanL)
{
    TSlsResult r;
    std::vector<TActionType> psi;
    r.Problem = InputProblem(cases, actions, psi);
    if (r.Problem.isEmpty() && !CombineCases(cases, std::vector<double>(cases.size(), 1.0), spanL).HasDeflection)
        r.Problem = QStringLiteral("Průhyb nelze spočítat: průřez nemá ohybovou tuhost E·I.");
    if (!r.Problem.isEmpty())
        return r;
    const double Lref = member.ReferenceLength;
    using TF = std::tuple<double, double, double>;
    // ČSN EN 1990, 6.5.3 (6.14b): the characteristic combination, G + Q1 + Σ ψ0,i Qi.
    const TRule characteristic = MakeRule(psi, [](const TActionType&) { return TF { 1, 1, 1 }; });
    auto withPsi0 = [&](TRule rule) {
        for (size_t i = 0; i < psi.size(); ++i)
            rule.Acc[i] = psi[i].Psi0;
        return rule;
    };

    if (member.Material == TSlsMaterial::Steel) {
        const QString clause = QStringLiteral("ČSN EN 1993-1-1, 7.2.1(1)B a národní příloha; ČSN EN 1990, 6.5.3");
        const TGoverning all = GoverningDeflection(withPsi0(characteristic), cases, spanL);
        TRule variable = withPsi0(characteristic);
        std::fill(variable.Perm.begin(), variable.Perm.end(), 0.0);
        const TGoverning var = GoverningDeflection(variable, cases, spanL);
        r.Checks.push_back(DeflectionCheck(
            QStringLiteral("průhyb δmax (všechna zatížení)"), clause, all.Value, Lref, member.SteelMaxRatio, all.By));
        r.Checks.push_back(DeflectionCheck(QStringLiteral("průhyb δ2 (proměnná zatížení)"), clause, var.Value, Lref,
            member.SteelVariableRatio, var.By));
    } else if (member.Material == TSlsMaterial::Timber) {
        r.Kdef = Kdef(member.ServiceClass);
        const double kdef = r.Kdef;
        const QString clause = QStringLiteral("ČSN EN 1995-1-1, 2.2.3, 7.2 (tab. 7.2) a národní příloha");
        const TGoverning inst = GoverningDeflection(withPsi0(characteristic), cases, spanL);
        // 2.2.3(5) (2.2)-(2.5): u_fin = u_inst,G (1 + kdef) + u_inst,Q1 (1 + ψ2,1 kdef)
        // + Σ u_inst,Qi (ψ0,i + ψ2,i kdef).
        const TRule finRule = MakeRule(psi, [kdef](const TActionType& a) {
            return TF { 1 + kdef, 1 + a.Psi2 * kdef, a.Psi0 + a.Psi2 * kdef };
        });
        const TGoverning fin = GoverningDeflection(finRule, cases, spanL);
        r.wInst = inst.Value;
        r.wFin = fin.Value;
        // 7.2(2) (7.2): w_net,fin = w_inst + w_creep - w_c, the precamber taken off a downward deflection.
        r.wNetFin = fin.Sign > 0 ? fin.Value - member.Precamber : fin.Value + member.Precamber;
        r.Checks.push_back(DeflectionCheck(
            QStringLiteral("okamžitý průhyb w_inst"), clause, r.wInst, Lref, member.InstRatio, inst.By));
        r.Checks.push_back(DeflectionCheck(
            QStringLiteral("čistý konečný průhyb w_net,fin"), clause, r.wNetFin, Lref, member.NetFinRatio, fin.By));
        r.Checks.push_back(
            DeflectionCheck(QStringLiteral("konečný průhyb w_fin"), clause, r.wFin, Lref, member.FinRatio, fin.By));
        r.Warnings << QStringLiteral("Průhyb dřevěného trámu je spočten z ohybu s E0,mean, bez vlivu smyku.");
    } else {
        const QString clause = QStringLiteral("ČSN EN 1992-1-1, 7.4.1(4), 7.4.3(5) (7.20)");
        const QString name = QStringLiteral("průhyb při kvazistálé kombinaci s E_c,eff");
        r.Warnings << QStringLiteral("Průhyb betonového prvku je spočten na plném průřezu: vliv trhlin není zahrnut.");
        const std::optional<double> phi = member.Phi;
        if (!phi || !(*phi >= 0) || !std::isfinite(*phi)) {
            r.Warnings << QStringLiteral(
                "Dotvarování není zahrnuto: bez součinitele dotvarování φ se průhyb neposuzuje.");
            r.Checks.push_back(UndecidedCheck(name, clause, QStringLiteral("není zadán součinitel dotvarování φ")));
            return r;
        }
        // (7.20) E_c,eff = Ecm / (1 + φ): the lines of Ecm times (1 + φ); ČSN EN 1990 6.5.3 (6.16b),
        // the quasi-permanent combination G + Σ ψ2,i Qi.
        const double creep = 1 + *phi;
        const TRule quasi = MakeRule(psi, [creep](const TActionType& a) {
            return TF { creep, a.Psi2 * creep, a.Psi2 * creep };
        });
        const TGoverning w = GoverningDeflection(quasi, cases, spanL);
        r.Checks.push_back(DeflectionCheck(name, clause, w.Value, Lref, member.ConcreteRatio, w.By));
    }
    return r;
}
