// Solving one load case of 1,000 mixed loads and of 1,000 partial loads on a fixed beam, deflection
// line included, alone and with the extremes over the span (budget: no slower than 0.35 ms), the
// envelope of a task of ordinary size, and the envelope of a task of 200 load cases of 15 loads and
// 50 combinations of 50 load cases each, from the task to its extremes (budget 10 ms).
#include "analysis/Extremes.h"
#include "analysis/LoadFormulas.h"

#include <benchmark/benchmark.h>

namespace {

TTask ThousandLoads(unsigned char typ)
{
    TTask task;
    task.SpanText = QStringLiteral("7,5");
    task.SetTyp(typ);
    task.NewLoadCase(QStringLiteral("ZS1"), 1.35, true, true);
    for (int k = 0; k < 250; ++k) {
        const double a = 0.03 * k;
        task.AddPxRow(true, 10 + k % 7, a);
        task.AddQRow(true, 1.5 + k % 3);
        task.AddQQRow(true, 2, a / 2, 4 + k % 5, 7.5 - a - 0.1);
        task.AddMxRow(true, 5 - k % 11, 7.5 - a);
    }
    return task;
}

// Reading the task and solving its one load case.
void BM_SolveLoadCase(benchmark::State& state)
{
    TTask task = ThousandLoads(static_cast<unsigned char>(state.range(0)));
    for (auto _ : state) {
        TResultStore store = SumMembers(TResultSet(BuildModel(task)), { 0 });
        benchmark::DoNotOptimize(store);
    }
}

// Solving load case ZS1 of the task and finding its extremes over the span, as a calculation does.
void SolveWithExtremes(benchmark::State& state, TTask task)
{
    task.Calc.ComboBox1 = QStringLiteral("ZS1");
    for (auto _ : state) {
        TCalculation c = Calculate(task);
        benchmark::DoNotOptimize(c);
    }
}

void BM_SolveLoadCaseAndExtremes(benchmark::State& state)
{
    SolveWithExtremes(state, ThousandLoads(static_cast<unsigned char>(state.range(0))));
}

// A load case of 1,000 partial loads (the most work per load) on a fixed beam, with its extremes.
void BM_PartialLoadsFixedBeam(benchmark::State& state)
{
    TTask task;
    task.SpanText = QStringLiteral("7,5");
    task.SetTyp(22);
    task.NewLoadCase(QStringLiteral("ZS1"), 1.35, true, true);
    for (int k = 0; k < 1000; ++k) {
        const double a = 0.0075 * k;
        task.AddQQRow(true, 2 + k % 3, a / 2, 4 + k % 5, 7.5 - a - 0.01);
    }
    SolveWithExtremes(state, task);
}

// The same loads without reading them from the task: the share of the sample loops.
void BM_SampleLoopsOnly(benchmark::State& state)
{
    const unsigned char typ = static_cast<unsigned char>(state.range(0));
    const TTask task = ThousandLoads(typ);
    const int n = task.LoadCases.front().Number;
    std::vector<TPxLoad> px;
    std::vector<TQLoad> q;
    std::vector<TQQLoad> qq;
    std::vector<TMxLoad> mx;
    for (int i = 1; i <= 250; ++i) {
        px.push_back(task.ReadPx(n, i));
        q.push_back(task.ReadQ(n, i));
        qq.push_back(task.ReadQQ(n, i));
        mx.push_back(task.ReadMx(n, i));
    }
    const TBeam beam = MakeBeam(typ, task.SpanL());
    for (auto _ : state) {
        TCaseScratch s;
        for (const TPxLoad& l : px)
            ApplyPointForce(s, beam, l.P, l.a);
        for (const TQLoad& l : q)
            ApplyUniformLoad(s, beam, l.q);
        for (const TQQLoad& l : qq)
            ApplyPartialLoad(s, beam, l.qa, l.a, l.qb, l.b);
        for (const TMxLoad& l : mx)
            ApplyPointMoment(s, beam, l.M, l.a);
        FinishDeflection(s, beam, 2.1e11 * 3.375e-4);
        benchmark::DoNotOptimize(s);
    }
}

// Ten load cases of 40 loads each and twenty combinations of six to ten of them.
TTask EnvelopeTask()
{
    TTask task;
    task.SpanText = QStringLiteral("7,5");
    task.SetTyp(11);
    for (int n = 0; n < 10; ++n) {
        task.NewLoadCase(TCaller::Generator);
        for (int k = 0; k < 10; ++k) {
            const double a = 0.7 * k + 0.05 * n;
            task.AddPxRow(true, 10 + n, a);
            task.AddQRow(true, 1.5 + n % 3);
            task.AddQQRow(true, 2, a / 2, 4 + k % 5, 7.5 - a - 0.1);
            task.AddMxRow(true, 5 - k % 11, 7.5 - a);
        }
    }
    task.RefreshCombinationGrid();
    for (int row = 2; row <= 20; ++row)
        task.AddCombination();
    for (int row = 1; row <= 20; ++row)
        for (int n = 0; n < 10; ++n)
            if ((row + n) % 5 == 0)
                task.ToggleGridFlag(TTask::FirstLoadCaseColumn + n, row);
    return task;
}

void BM_Envelope(benchmark::State& state)
{
    TTask task = EnvelopeTask();
    for (auto _ : state) {
        TEnvelope envelope = ComputeEnvelope(TResultSet(BuildModel(task)));
        benchmark::DoNotOptimize(envelope);
    }
}

// 200 load cases of 15 loads, 50 combinations of 50 load cases each.
TTask LargeEnvelopeTask()
{
    TTask task;
    task.SpanText = QStringLiteral("7,5");
    task.SetTyp(11);
    for (int n = 0; n < 200; ++n) {
        task.NewLoadCase(TCaller::Generator);
        for (int k = 0; k < 5; ++k) {
            const double a = 1.4 * k + 0.005 * n;
            task.AddPxRow(true, 10 + n % 13, a);
            task.AddQQRow(true, 2, a / 2, 4 + k % 5, 7.5 - a - 0.1);
            task.AddMxRow(true, 5 - k % 11, 7.5 - a);
        }
    }
    task.RefreshCombinationGrid();
    for (int row = 2; row <= 50; ++row)
        task.AddCombination();
    for (int row = 1; row <= 50; ++row)
        for (int n = 0; n < 200; ++n)
            if ((row + n) % 4 != 0)
                task.ToggleGridFlag(TTask::FirstLoadCaseColumn + n, row);
    task.Calc.Mode = TCalculationChoice::Envelope;
    return task;
}

void BM_LargeEnvelopeWithExtremes(benchmark::State& state)
{
    TTask task = LargeEnvelopeTask();
    for (auto _ : state) {
        TCalculation c = Calculate(task);
        benchmark::DoNotOptimize(c);
    }
}

} // namespace

BENCHMARK(BM_SolveLoadCase)->Arg(11)->Arg(22)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveLoadCaseAndExtremes)->Arg(11)->Arg(22)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PartialLoadsFixedBeam)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SampleLoopsOnly)->Arg(11)->Arg(22)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Envelope)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeEnvelopeWithExtremes)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
