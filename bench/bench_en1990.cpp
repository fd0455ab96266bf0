// The EN 1990 ULS envelope with exact extremes of a task of 12 load cases, 4 permanent and 8 variable
// of mixed types, each with a few loads of every kind (budget 20 ms, solving the load cases included).
#include "design/En1990Envelope.h"

#include <benchmark/benchmark.h>

namespace {

TTask TwelveLoadCases(const char* rule)
{
    TTask task;
    task.SpanText = QStringLiteral("7,5");
    task.SetTyp(11);
    task.CombinationRule = QString::fromLatin1(rule);
    const char* const actions[] = { "G", "G", "G", "G", "Q-A", "Q-B", "Q-C", "Q-E", "Q-H", "S", "W", "T" };
    for (int k = 0; k < 12; ++k) {
        task.NewLoadCase(QStringLiteral("ZS%1").arg(k + 1), 1.35, true, true);
        task.LoadCases.back().Action = QString::fromLatin1(actions[k]);
        const double a = 0.4 + 0.5 * k;
        task.AddPxRow(true, 10 + k % 5, a);
        task.AddPxRow(true, k % 3 == 0 ? -4 : 6, 7.5 - a / 2);
        task.AddQRow(true, 1.5 + k % 4);
        task.AddQQRow(true, 2, a / 2, 4 + k % 5, 7.5 - a - 0.1);
        task.AddMxRow(true, 5 - k, 7.5 - a);
    }
    return task;
}

void BM_UlsEnvelope(benchmark::State& state)
{
    const TTask task = TwelveLoadCases(state.range(0) ? "6.10" : "6.10a,b");
    for (auto _ : state) {
        TEnEnvelope e = ComputeEnEnvelope(task, TEnKind::Uls);
        benchmark::DoNotOptimize(e);
    }
}

} // namespace

BENCHMARK(BM_UlsEnvelope)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
