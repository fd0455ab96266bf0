#pragma once
// The load generator: turns the wizard's inputs (TTask::Generator) into the load cases of a roof
// or floor girder. It works on a copy of the task and hands the finished task back, so a refused
// input changes nothing.
#include "model/TTask.h"

#include <functional>
#include <vector>

// Progress of a generation, 0 to 80 in steps of 10 (the wizard's progress bar).
using TGeneratorProgress = std::function<void(int)>;

// More positions than this are refused: a tiny spacing on a long span would otherwise build
// thousands of rows per load case and freeze the program.
constexpr int MaxPointLoads = 1000;

// The lengths the generation works with, read from the inputs.
struct TGeneratorGeometry
{
    double L = 6; // X(Edit1), 6 when exactly 0
    double Z = 0; // X(Edit4)
    double d = 2; // X(Edit5), L/3 when exactly 0
    double d1 = 0; // X(Edit6)
    bool PointLoads = false; // RadioButton2
    std::vector<double> Positions; // of the point loads; empty for distributed loads
};

// Reads the lengths and, for point loads, forms the positions d1, d1 + d, ... while x <= L by
// repeated addition. Throws TError for a spacing that is not positive or too many positions.
TGeneratorGeometry GeneratorGeometry(const TGeneratorInputs& inputs);

// Positions x = d1, d1 + d, d1 + 2d, ... while x <= L, each the previous one plus d (so rounding
// decides whether a position meant to fall on L is kept). Throws TError when d is not positive or
// there would be more than MaxPointLoads positions.
std::vector<double> PointLoadPositions(double L, double d, double d1);

// The point load at position x for an area load w: w·Z·d, at the first position w·Z·(d/2 + d1),
// at the last (x > L − d) w·Z·(L − x + d/2); the last rule wins for a single position.
double TributaryPointLoad(const TGeneratorGeometry& geometry, double w, double x);

// True when "ok" would replace load cases that hold something the user entered (a name or a value):
// the wizard then asks first. The untouched "[nový]" of a new task is not worth the question.
bool GenerationReplacesWork(const TTask& task);

// The whole generation ("ok" of the wizard) on a copy of `task`: its load cases replaced by the
// generated ones (numbered from 0), the span text copied from the inputs, the end condition
// "prostý trabík", the combination rows kept with their flags mapped by load case name (a name
// that is gone drops its column, a new one starts included), no rows of zeros, the report option
// of the generator data enabled. Throws TError on a refused input; `task` is never touched.
TTask GenerateLoads(const TTask& task, const TGeneratorProgress& progress = {});
