#include "design/TaskServiceability.h"

#include "analysis/Checks.h"
#include "design/DesignActions.h"
#include "design/En1990.h"
#include "design/TaskCheck.h"
#include "design/TimberTask.h"
#include "model/uMyCommonLib.h"

#include <cmath>

namespace {

// The largest |f| of the task's combination rows (each member once, characteristic values), or of
// its load cases alone when no row has a member, against L_ref / ratio of the deflection tab.
TSlsResult OfTheCombinations(const TTask& task)
{
    TSlsResult r;
    const std::vector<TSolvedCase> cases = SolveCases(task);
    const std::vector<TNamedFactors> combinations = TaskCombinationFactors(task, [](size_t) { return 1.0; });
    const QString name = QStringLiteral("průhyb f_max (rozhodující kombinace)");
    const QString clause = QStringLiteral("mezního průhybu zadaného na kartě Průhyb");
    double ratio = 0;
    if (!ReadDeflectionLimit(task.Deflection.DeflectionLimit, ratio)) {
        r.Checks.push_back(UndecidedCheck(name, clause, QStringLiteral("mezní průhyb L/ není kladné číslo")));
        return r;
    }
    const double spanL = task.SpanL();
    double fMax = 0, x = -1;
    QString by;
    for (const auto& [combination, f] : combinations) {
        const TCombinedExtremes e = CombineCases(cases, f, spanL);
        if (!e.HasDeflection) {
            r.Problem = QStringLiteral("Průhyb nelze spočítat: průřez nemá ohybovou tuhost E·I.");
            return r;
        }
        for (const auto& [value, at] : { std::pair { std::fabs(e.f.Max), e.f.xMax }, { std::fabs(e.f.Min), e.f.xMin } })
            if (value > fMax) {
                fMax = value;
                x = at;
                by = combination;
            }
    }
    TLimitCheck c = MakeLimitCheck(
        name, clause, QStringLiteral("mm"), fMax, DeflectionReferenceLength(task.Typ, spanL) * 1000 / ratio, by);
    c.x = x;
    r.Checks.push_back(c);
    return r;
}

bool IsConcrete(const TTask& task)
{
    return task.Deflection.Material.trimmed().startsWith(QLatin1String("beton"));
}

// A limit L/ratio as typed; false (and the problem said) when it is not a positive number.
bool ReadRatio(const QString& text, const QString& caption, double& ratio, TSlsResult& r)
{
    if (ReadDeflectionLimit(text, ratio))
        return true;
    r.Problem = QStringLiteral("%1 L/„%2“ není kladné číslo.").arg(caption, text);
    return false;
}

} // namespace

TTaskServiceability TaskServiceability(const TTask& task)
{
    TTaskServiceability out;
    const TCheckMaterial material = CheckMaterialOf(task);
    if (material == TCheckMaterial::Timber) {
        out.Basis = QStringLiteral("charakteristická a kvazistálá kombinace (ČSN EN 1990, 6.5.3)");
        out.Result = CheckTaskTimber(task).Sls;
        return out;
    }
    if (!AnyLoadCaseClassified(task) || (material != TCheckMaterial::Steel && !IsConcrete(task))) {
        out.Basis = QStringLiteral("kombinace úlohy (normové hodnoty)");
        out.Result = OfTheCombinations(task);
        return out;
    }
    TSlsMember m;
    m.ReferenceLength = DeflectionReferenceLength(task.Typ, task.SpanL());
    std::vector<QString> actions;
    for (const TLoadCase& c : task.LoadCases)
        actions.push_back(c.Action);
    if (IsConcrete(task) && material != TCheckMaterial::Steel) {
        m.Material = TSlsMaterial::Concrete;
        out.Basis = QStringLiteral("kvazistálá kombinace (ČSN EN 1990, 6.5.3 (6.16b))");
        const QString phi = task.Deflection.CreepCoefficient.trimmed();
        if (!phi.isEmpty())
            m.Phi = StrToFloatX(phi);
        if (!ReadRatio(task.Deflection.DeflectionLimit, QStringLiteral("Mezní průhyb"), m.ConcreteRatio, out.Result))
            return out;
    } else {
        m.Material = TSlsMaterial::Steel;
        out.Basis = QStringLiteral("charakteristická kombinace (ČSN EN 1990, 6.5.3 (6.14b))");
        if (!ReadRatio(task.Steel.MaxDeflectionRatio, QStringLiteral("Mezní průhyb δmax"), m.SteelMaxRatio, out.Result)
            || !ReadRatio(task.Steel.VariableDeflectionRatio, QStringLiteral("Mezní průhyb δ2"), m.SteelVariableRatio,
                out.Result))
            return out;
    }
    out.Result = CheckServiceability(m, SolveCases(task), actions, task.SpanL());
    return out;
}
