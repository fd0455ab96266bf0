#pragma once
// Deflections in the serviceability limit state, checked the way each material needs it: steel
// δmax and δ2 (ČSN EN 1993-1-1, Czech national annex), timber w_inst, w_fin and w_net,fin with creep
// (ČSN EN 1995-1-1), concrete only with an effective modulus for creep (ČSN EN 1992-1-1).
#include "design/CaseLines.h"
#include "design/LimitCheck.h"

#include <QStringList>
#include <optional>
#include <vector>

// The steel limits to choose from: δmax (all loads) and δ2 (variable loads), as L/ratio.
struct TSteelDeflectionLimit
{
    const char* Name; // "stropy"
    double MaxRatio, VariableRatio;
};
const std::vector<TSteelDeflectionLimit>& SteelDeflectionLimits();

enum class TSlsMaterial { Steel, Timber, Concrete };

struct TSlsMember
{
    TSlsMaterial Material = TSlsMaterial::Steel;
    double ReferenceLength = 0; // m: the span, twice the span for a cantilever
    // Steel: L/ratio of δmax and δ2 (default "stropy").
    double SteelMaxRatio = 250, SteelVariableRatio = 300;
    // Timber: service class (kdef), precamber w_c (mm) and the limits of w_inst, w_net,fin, w_fin.
    int ServiceClass = 1;
    double Precamber = 0;
    double InstRatio = 300, NetFinRatio = 250, FinRatio = 200;
    // Concrete: creep coefficient φ (none typed: no verdict) and the limit of the quasi-permanent
    // deflection.
    std::optional<double> Phi;
    double ConcreteRatio = 250;
};

struct TSlsResult
{
    QString Problem; // why nothing was checked (Czech); empty otherwise
    QStringList Warnings; // what the checks leave out (Czech)
    std::vector<TLimitCheck> Checks; // steel: δmax, δ2; timber: w_inst, w_net,fin, w_fin; concrete: w
    double wInst = 0, wFin = 0, wNetFin = 0; // timber, mm
    double Kdef = 0;
};

// `cases` are the task's load cases solved with the section of the check (for timber E0,mean and
// b h³/12), `actions` their action types in the same order (the codes of ActionTypes(), whose ψ
// factors the combinations take).
TSlsResult CheckServiceability(
    const TSlsMember& member, const std::vector<TSolvedCase>& cases, const std::vector<QString>& actions, double spanL);
