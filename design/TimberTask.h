#pragma once
// A timber beam of the task checked as a whole: the ULS combinations it is given (vectors of factors
// over the load cases) and the serviceability of its load cases, with the section b x h of its
// strength class; and the result as the JSON object of `trabik-cli check`.
#include "design/Serviceability.h"
#include "design/TimberDesign.h"
#include "model/TTask.h"

#include <QJsonObject>
#include <optional>
#include <vector>

struct TTimberInputs
{
    QString ClassName = QStringLiteral("C24");
    double b = 100, h = 200; // mm
    int ServiceClass = 1;
    double SupportLength = 0; // mm; 0: not given
    double Lef = 0; // m; 0: the compression edge is held
    double Precamber = 0; // mm
    double InstRatio = 300, NetFinRatio = 250, FinRatio = 200;
    std::vector<QString> Actions; // each load case's action type, in page order
    // Each load case's load-duration class where the user chose one; else the default of its action.
    std::vector<std::optional<TLoadDuration>> Durations;
};

struct TUlsCombination
{
    QString Name;
    std::vector<double> Factors; // one per load case, in page order
};

struct TTimberTaskResult
{
    QString Problem; // why nothing was checked (Czech)
    TTimberResult Uls;
    TSlsResult Sls;
};

// The inputs as the task holds them (TTask::Timber, each load case's action type and duration).
// A number that cannot be read, a service class other than 1, 2, 3 or an unknown duration code
// throws TError with a Czech message naming the field.
TTimberInputs TimberInputsOf(const TTask& task);

// The ULS combinations a timber check takes: with classified load cases those of EN 1990 (6.10 or
// 6.10a,b) for member checks (MemberCheckCombinations, favourable actions at γG,inf or left out),
// each also without its variable actions shorter than each duration class it holds (the
// higher kmod of the rest may govern, EN 1995-1-1 3.1.3(2)); otherwise every combination row with a
// member, or every load case alone, at the gamma_f of its load cases. Throws TError with the
// classification problem and as the solver does.
std::vector<TUlsCombination> TimberUlsCombinations(const TTask& task, const TTimberInputs& inputs);

// Throws TError as the solver does.
TTimberTaskResult CheckTimberTask(
    const TTask& task, const TTimberInputs& inputs, const std::vector<TUlsCombination>& uls);

// The timber check of a task with its own inputs and combinations (above). Throws TError.
TTimberTaskResult CheckTaskTimber(const TTask& task);

// {"material": "timber", "section", "grade", "sigmaMd", "fmd", "tauD", "fvd", "kmod", "kcrit", "wInst",
// "wFin", "utilisation": {"bending", "shear", "bearing", "wInst", "wFin"}, "ok"} in MPa and mm; a value
// that was not decided is null, and "problems" lists why.
QJsonObject TimberCheckJson(const TTimberInputs& inputs, const TTimberTaskResult& result);
