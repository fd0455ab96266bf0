#include "design/En1990.h"

#include "model/TError.h"

#include <algorithm>
#include <cmath>

const std::vector<TActionType>& ActionTypes()
{
    // ψ0, ψ1, ψ2: EN 1990 Table A1.1; the Czech annex (ČSN EN 1990 NA.2.2.2) adopts these values.
    // Snow: "místa do 1000 m n. m." and "nad 1000 m n. m." are the table's two rows for CEN states
    // other than the Nordic ones. Category H (roofs): ψ0 = 0, so a roof load never accompanies.
    static const std::vector<TActionType> types = {
        { "G", QStringLiteral("stálé"), true, 0, 0, 0 },
        { "Q-A", QStringLiteral("užitné kategorie A – obytné plochy"), false, 0.7, 0.5, 0.3 },
        { "Q-B", QStringLiteral("užitné kategorie B – kancelářské plochy"), false, 0.7, 0.5, 0.3 },
        { "Q-C", QStringLiteral("užitné kategorie C – shromažďovací plochy"), false, 0.7, 0.7, 0.6 },
        { "Q-D", QStringLiteral("užitné kategorie D – obchodní plochy"), false, 0.7, 0.7, 0.6 },
        { "Q-E", QStringLiteral("užitné kategorie E – skladovací plochy"), false, 1.0, 0.9, 0.8 },
        { "Q-F", QStringLiteral("užitné kategorie F – dopravní plochy, vozidla do 30 kN"), false, 0.7, 0.7, 0.6 },
        { "Q-G", QStringLiteral("užitné kategorie G – dopravní plochy, vozidla 30 až 160 kN"), false, 0.7, 0.5, 0.3 },
        { "Q-H", QStringLiteral("užitné kategorie H – střechy"), false, 0, 0, 0 },
        { "S", QStringLiteral("sníh (místa do 1000 m n. m.)"), false, 0.5, 0.2, 0 },
        { "S-H", QStringLiteral("sníh (místa nad 1000 m n. m.)"), false, 0.7, 0.5, 0.2 },
        { "W", QStringLiteral("vítr"), false, 0.6, 0.2, 0 },
        { "T", QStringLiteral("teplota (mimo požár)"), false, 0.6, 0.5, 0 },
    };
    return types;
}

const TActionType* FindActionType(const QString& code)
{
    for (const TActionType& t : ActionTypes())
        if (code == QLatin1String(t.Code))
            return &t;
    return nullptr;
}

QString EnKindCaption(TEnKind kind)
{
    switch (kind) {
    case TEnKind::Uls:
        return QStringLiteral("MSÚ (ČSN EN 1990)");
    case TEnKind::Characteristic:
        return QStringLiteral("MSP charakteristická");
    case TEnKind::Frequent:
        return QStringLiteral("MSP častá");
    case TEnKind::QuasiPermanent:
        break;
    }
    return QStringLiteral("MSP kvazistálá");
}

bool EnKindFromWord(const QString& word, TEnKind& kind)
{
    const char* const words[] = { "uls", "characteristic", "frequent", "quasi-permanent" };
    for (int i = 0; i < 4; ++i)
        if (word == QLatin1String(words[i])) {
            kind = EnKinds[i];
            return true;
        }
    return false;
}

bool UsesRule610(const TTask& task)
{
    return task.CombinationRule == QLatin1String("6.10");
}

std::vector<TEnExpression> EnExpressions(TEnKind kind, bool rule610)
{
    // EN 1990 6.4.3.2 (6.10), (6.10a), (6.10b) with Table A1.2(B); the Czech annex leaves the choice of
    // 6.10 or 6.10a,b to the designer. Serviceability: 6.5.3 (6.14b), (6.15b), (6.16b), all γ = 1.
    switch (kind) {
    case TEnKind::Uls:
        if (rule610)
            return { { "6.10", GammaGSup, GammaGInf, true, GammaQ, GammaQ, false, false } };
        return { { "6.10a", GammaGSup, GammaGInf, false, 0, GammaQ, false, false },
            { "6.10b", Xi * GammaGSup, GammaGInf, true, GammaQ, GammaQ, false, false } };
    case TEnKind::Characteristic:
        return { { "6.14b", 1, 1, true, 1, 1, false, false } };
    case TEnKind::Frequent:
        return { { "6.15b", 1, 1, true, 1, 1, true, true } };
    case TEnKind::QuasiPermanent:
        break;
    }
    return { { "6.16b", 1, 1, false, 0, 1, false, true } };
}

double VariableFactor(const TEnExpression& e, const TActionType& type, bool leading)
{
    if (leading)
        return e.Lead * (e.LeadByPsi1 ? type.Psi1 : 1);
    return e.Accompany * (e.AccompanyByPsi2 ? type.Psi2 : type.Psi0);
}

bool AnyLoadCaseClassified(const TTask& task)
{
    for (const TLoadCase& c : task.LoadCases)
        if (!c.Action.isEmpty())
            return true;
    return false;
}

QString ClassificationProblem(const TTask& task)
{
    if (task.LoadCases.empty())
        return QStringLiteral("Úloha nemá žádný zatěžovací stav: kombinace podle ČSN EN 1990 nelze sestavit.");
    QStringList missing;
    for (const TLoadCase& c : task.LoadCases)
        if (!FindActionType(c.Action))
            missing << QStringLiteral("„") + c.Caption + QStringLiteral("“");
    if (missing.isEmpty())
        return {};
    if (missing.size() == 1)
        return QStringLiteral("Zatěžovací stav %1 nemá určen druh zatížení: kombinace podle ČSN EN 1990 nelze "
                              "sestavit.")
            .arg(missing.front());
    return QStringLiteral("Zatěžovací stavy %1 nemají určen druh zatížení: kombinace podle ČSN EN 1990 nelze "
                          "sestavit.")
        .arg(missing.join(QStringLiteral(", ")));
}

QStringList LoadCaseLabels(const TTask& task)
{
    QStringList labels;
    for (const TLoadCase& c : task.LoadCases) {
        int same = 0;
        for (const TLoadCase& other : task.LoadCases)
            same += other.Caption == c.Caption;
        labels << (same > 1 ? QStringLiteral("%1 (ZS %2)").arg(c.Caption).arg(c.Number) : c.Caption);
    }
    return labels;
}

QString FactorShortText(double factor)
{
    // Two decimals: ξ·γG,sup = 1,1475 prints as 1,15, as Table A1.2(B) writes it.
    const double rounded = std::round(factor * 100 + (factor >= 0 ? 1e-9 : -1e-9)) / 100;
    QString text = QString::number(rounded, 'f', 2);
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString CombinationFormula(
    const char* label, const std::vector<double>& factors, const QStringList& labels, const TTask& task, int leading)
{
    QStringList terms;
    const auto add = [&](size_t k) {
        if (factors[k] != 0)
            terms << FactorShortText(factors[k]) + QStringLiteral("·") + labels[int(k)];
    };
    for (size_t k = 0; k < factors.size(); ++k)
        if (const TActionType* t = FindActionType(task.LoadCases[k].Action); t && t->Permanent)
            add(k);
    if (leading >= 0)
        add(size_t(leading));
    for (size_t k = 0; k < factors.size(); ++k)
        if (const TActionType* t = FindActionType(task.LoadCases[k].Action); t && !t->Permanent && int(k) != leading)
            add(k);
    return QLatin1String(label) + QStringLiteral(": ") + (terms.isEmpty() ? QStringLiteral("0") : terms.join(" + "));
}

namespace {

// The combinations of the kind with the load cases `acting` unfavourable and the others favourable,
// EN 1990 6.4.3.2 (6.10, 6.10a, 6.10b) with Table A1.2(B) and its notes (the Czech annex's values,
// En1990.h): a permanent action unfavourable at γG,sup = 1,35 (6.10b: ξ·γG,sup = 0,85·1,35),
// favourable at γG,inf = 1,0; a variable action unfavourable leading at γQ = 1,5 or accompanying at
// γQ·ψ0 (ψ0 of Table A1.1), favourable at γQ = 0, that is left out. One combination per
// unfavourable variable action leading (one in all for 6.10a), each appended to `out` unless one
// that was there before has its factors.
void AddCombinations(const TTask& task, TEnKind kind, const std::vector<bool>& acting, const QStringList& labels,
    std::vector<TEnCombination>& out)
{
    const size_t n = task.LoadCases.size();
    const size_t before = out.size();
    std::vector<int> variables;
    for (size_t k = 0; k < n; ++k)
        if (acting[k] && !FindActionType(task.LoadCases[k].Action)->Permanent)
            variables.push_back(int(k));
    for (const TEnExpression& e : EnExpressions(kind, UsesRule610(task))) {
        // Without a variable action a leading expression still has its permanent part.
        std::vector<int> leads = e.Leading ? variables : std::vector<int> {};
        if (leads.empty())
            leads.push_back(-1);
        for (int lead : leads) {
            TEnCombination c;
            for (size_t k = 0; k < n; ++k) {
                const TActionType& t = *FindActionType(task.LoadCases[k].Action);
                c.Factors.push_back(t.Permanent ? (acting[k] ? e.GSup : e.GInf)
                                                : (acting[k] ? VariableFactor(e, t, int(k) == lead) : 0.0));
            }
            const auto listed = out.begin() + std::ptrdiff_t(before);
            if (std::any_of(out.begin(), listed, [&](const TEnCombination& o) { return o.Factors == c.Factors; }))
                continue;
            c.Name = CombinationFormula(e.Label, c.Factors, labels, task, lead);
            out.push_back(std::move(c));
        }
    }
}

} // namespace

std::vector<TEnCombination> GenerateCombinations(const TTask& task, TEnKind kind)
{
    if (const QString problem = ClassificationProblem(task); !problem.isEmpty())
        throw TError(problem);
    std::vector<TEnCombination> out;
    AddCombinations(task, kind, std::vector<bool>(task.LoadCases.size(), true), LoadCaseLabels(task), out);
    return out;
}

std::vector<TEnCombination> MemberCheckCombinations(const TTask& task, const std::vector<double>& resultants)
{
    if (const QString problem = ClassificationProblem(task); !problem.isEmpty())
        throw TError(problem);
    const size_t n = task.LoadCases.size();
    const QStringList labels = LoadCaseLabels(task);
    std::vector<TEnCombination> out;
    // Downwards first (a zero resultant counts so), then upwards: the load cases acting in that sense
    // unfavourable, the others favourable. A sense no load case acts in gives nothing.
    for (const bool down : { true, false }) {
        std::vector<bool> acting(n);
        for (size_t k = 0; k < n; ++k)
            acting[k] = (k < resultants.size() && resultants[k] < 0) != down;
        if (std::find(acting.begin(), acting.end(), true) != acting.end())
            AddCombinations(task, TEnKind::Uls, acting, labels, out);
    }
    return out;
}
