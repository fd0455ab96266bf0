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

// Throws TError as the solver does.
TTimberTaskResult CheckTimberTask(
    const TTask& task, const TTimberInputs& inputs, const std::vector<TUlsCombination>& uls);

// {"material": "timber", "section", "grade", "sigmaMd", "fmd", "tauD", "fvd", "kmod", "kcrit", "wInst",
// "wFin", "utilisation": {"bending", "shear", "bearing", "wInst", "wFin"}, "ok"} in MPa and mm; a value
// that was not decided is null, and "problems" lists why.
QJsonObject TimberCheckJson(const TTimberInputs& inputs, const TTimberTaskResult& result);
