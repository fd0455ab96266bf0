#pragma once
// The steel check of a whole task: its inputs read from the task's texts, its design lines from the
// analysis.
#include "design/SteelCheck.h"

#include "model/TTask.h"

// The inputs as the task holds them: the deflection tab's section, the grade, the unrestrained
// length (empty or 0: restrained continuously) and the load level. A length that is not a positive
// number, or a load level not known, throws TError with a Czech message.
TSteelCheckInput SteelCheckInputOf(const TTask& task);

// The check over every combination of the task (see DesignActionsOf), with the self-weight of the
// section when the task asks for it. Throws TError like the calculation.
TSteelCheck CheckTaskSteel(const TTask& task);

// Which check a task gets: the material chosen on the Posouzení tab, or without a choice steel for a
// library section of the deflection tab and timber for a strength class with b × h.
enum class TCheckMaterial { None, Steel, Timber };
TCheckMaterial CheckMaterialOf(const TTask& task);
// Why a task gets no check, naming what is missing (Czech); empty when it gets one.
QString CheckMaterialProblem(const TTask& task);

// "horní pás", "střed smyku", "dolní pás".
QString LoadLevelText(TLoadLevel level);
