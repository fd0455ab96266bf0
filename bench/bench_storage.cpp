// Speed of the project file: a task of 1,000 load cases with 10 rows of every kind, written and
// read in memory and through a file. Budget: 100 ms for each of open and save.
#include "model/TError.h"
#include "storage/ProjectPrimitives.h"
#include "storage/uProjectFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

TTask BigTask()
{
    TTask task;
    task.Job = QStringLiteral("Výrobní hala Pardubice");
    task.SpanText = QStringLiteral("7,5");
    for (int i = 0; i < 1000; ++i) {
        task.NewLoadCase(QStringLiteral("Zatěžovací stav č. %1").arg(i + 1), 1.35, true, true);
        for (int k = 0; k < 10; ++k) {
            task.AddPxRow(true, 12.5 + k, 0.75 * k);
            task.AddQRow(k % 2 == 0, 3.25 + k);
            task.AddQQRow(true, 1.5, 0.5 + 0.1 * k, 2.75, 1.125);
            task.AddMxRow(true, -4.5 * k, 7.5 - 0.5 * k);
        }
    }
    task.RefreshCombinationGrid();
    for (int c = 0; c < 20; ++c)
        task.AddCombination();
    return task;
}

const TTask& SharedTask()
{
    static const TTask task = BigTask();
    return task;
}

QString TempFile()
{
    return QDir::tempPath() + QStringLiteral("/trabik-bench-storage.dat");
}

void BM_SaveInMemory(benchmark::State& state)
{
    const TTask& task = SharedTask();
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = EncodeProject(task).size();
    state.counters["file_kB"] = double(bytes) / 1024;
}

void BM_OpenInMemory(benchmark::State& state)
{
    const QByteArray bytes = EncodeProject(SharedTask());
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeProject(bytes).LoadCases.size());
}

void BM_SaveToFile(benchmark::State& state)
{
    const TTask& task = SharedTask();
    for (auto _ : state)
        SaveProject(task, TempFile());
}

void BM_OpenFromFile(benchmark::State& state)
{
    SaveProject(SharedTask(), TempFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadProject(TempFile()).LoadCases.size());
    QFile::remove(TempFile());
}

// Many small load cases: opening and saving must stay linear in their number (a by-number look-up
// per load case made them quadratic).
TTask ManyLoadCases(int count)
{
    TTask task;
    task.SpanText = QStringLiteral("6");
    for (int i = 0; i < count; ++i) {
        task.NewLoadCase(TCaller::Generator);
        task.AddPxRow(true, 10, 2);
        task.AddQRow(true, 1.5);
    }
    return task;
}

void BM_SaveManyLoadCases(benchmark::State& state)
{
    const TTask task = ManyLoadCases(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeProject(task).size());
}

void BM_OpenManyLoadCases(benchmark::State& state)
{
    const QByteArray bytes = EncodeProject(ManyLoadCases(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeProject(bytes).LoadCases.size());
}

// A short file whose counts claim 65,535 load cases, or one load case with 65,535 rows of every kind, or
// a grid of 65,535 x 65,535 cells: the reader must refuse each at once, before it allocates for the
// claimed count.
QByteArray HugeCountFile(int which)
{
    TProjectWriter f;
    for (int i = 0; i < 4; ++i)
        WriteStr(f, QString());
    for (int i = 0; i < 6; ++i)
        WriteBool(f, i == 0);
    if (which == 0) {
        WriteInt(f, 65535);
        return f.Data();
    }
    if (which == 2) {
        WriteInt(f, 0);
        return f.Data() + QByteArray::fromHex("ffffffff0000");
    }
    WriteInt(f, 1);
    WriteStr(f, QStringLiteral("ZS"));
    WriteInt(f, 1);
    WriteDouble(f, 1.1);
    WriteBool(f, true);
    WriteBool(f, false);
    for (int i = 0; i < 4; ++i)
        WriteInt(f, 65535);
    WriteBool(f, true);
    return f.Data();
}

void BM_RefuseHugeCount(benchmark::State& state)
{
    const QByteArray bytes = HugeCountFile(int(state.range(0)));
    for (auto _ : state) {
        try {
            DecodeProject(bytes);
            state.SkipWithError("the file opened");
        } catch (const TError&) {
        }
    }
}

} // namespace

BENCHMARK(BM_SaveInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveManyLoadCases)->Arg(8192)->Arg(32768)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenManyLoadCases)->Arg(8192)->Arg(32768)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseHugeCount)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
