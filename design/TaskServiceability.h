#pragma once
// The governing deflection check of a whole task, once: timber as EN 1995-1-1 asks (w_inst, w_fin,
// w_net,fin); with classified load cases a steel beam's δmax and δ2 and a concrete one's
// quasi-permanent deflection; otherwise the largest deflection of the task's combinations (or load
// cases) against the deflection tab's limit.
#include "design/Serviceability.h"
#include "model/TTask.h"

struct TTaskServiceability
{
    QString Basis; // which combinations the checks take (Czech)
    TSlsResult Result;
};

// Throws TError as the solver does.
TTaskServiceability TaskServiceability(const TTask& task);
