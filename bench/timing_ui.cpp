// In-process timings of the desktop program (run offscreen or under a virtual display): start to
// caption with a project file open, tab switches, a load case page shown for the first time, the
// preview open to its first page and "Uložit PDF…", each the median of N runs (first argument, 30).
// Budgets: start 200 cases <= 150 ms, 1,000 cases <= 250 ms; tab switch <= 5 ms; first page <= 10 ms;
// preview <= 60 ms.
#include "app/LoadCasesTab.h"
#include "app/MainActions.h"
#include "app/TrabikApplication.h"
#include "app/uMainForm.h"
#include "bench/BigTask.h"
#include "document/ui/uPreview.h"
#include "storage/uProjectFile.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using TTimes = std::vector<double>; // milliseconds

double Median(TTimes s)
{
    if (s.empty())
        return 0;
    std::sort(s.begin(), s.end());
    return s.size() % 2 ? s[s.size() / 2] : (s[s.size() / 2 - 1] + s[s.size() / 2]) / 2;
}

void Report(const char* what, const TTimes& s, double budget)
{
    const double median = Median(s);
    std::printf("%-44s median %8.2f ms  max %8.2f ms  (n=%zu, budget %g ms)%s\n", what, median,
        s.empty() ? 0.0 : *std::max_element(s.begin(), s.end()), s.size(), budget, median > budget ? "  OVER" : "");
    std::fflush(stdout);
}

// Not inlined, so that callgrind can count just this: --collect-atstart=no --toggle-collect='*Measured*'.
__attribute__((noinline)) double Measured(const std::function<void()>& action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    QCoreApplication::processEvents(); // what the action posted: layouts, the first paint
    return clock.nsecsElapsed() / 1e6;
}

struct TProgram
{
    std::unique_ptr<TTrabikApplication> Trabik;
    TMainForm& Form() const { return Trabik->MainForm(); }
};

// The program started as `trabik FILE`: from nothing to the window with its caption and the file open.
void Start(TProgram& program, const QString& path)
{
    program.Trabik = std::make_unique<TTrabikApplication>();
    program.Trabik->Start();
    program.Trabik->MainForm().OpenStartFile(path);
}

double StartWith(TProgram& program, const QString& path)
{
    program.Trabik.reset();
    QCoreApplication::processEvents();
    return Measured([&] { Start(program, path); });
}

TTimes Starts(const QString& path, int runs)
{
    TTimes samples;
    TProgram program;
    for (int i = 0; i < runs; ++i)
        samples.push_back(StartWith(program, path));
    return samples;
}

QString Write(const QTemporaryDir& dir, const char* name, const TTask& task)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    SaveProject(task, path);
    return path;
}

// The offscreen platform says on every raise() that it cannot: not worth a line per run.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietPlatform);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    // Scenarios to run: start1 start200 start1000 tabs page preview pdf (all without); "files" writes
    // the three tasks into the working directory instead (velka.dat, jeden.dat, tisic.dat).
    QStringList only;
    for (int i = 2; i < argc; ++i)
        only << QString::fromLatin1(argv[i]);
    const auto wanted = [&only](const char* name) { return only.isEmpty() || only.contains(QLatin1String(name)); };
    if (only.contains(QLatin1String("files"))) {
        SaveProject(BigTask(), QStringLiteral("velka.dat"));
        SaveProject(BigTask({ 1, 15, 1, 1 }), QStringLiteral("jeden.dat"));
        SaveProject(BigTask({ 1000, 2, 10, 50 }), QStringLiteral("tisic.dat"));
        return 0;
    }
    QTemporaryDir dir;
    const QString big = Write(dir, "velka.dat", BigTask());

    if (wanted("start1"))
        Report("start -> caption, 1 load case", Starts(Write(dir, "jeden.dat", BigTask({ 1, 15, 1, 1 })), runs), 80);
    if (wanted("start200"))
        Report("start -> caption, 200 load cases x 15", Starts(big, runs), 150);
    if (wanted("start1000"))
        Report("start -> caption, 1,000 load cases x 2",
            Starts(Write(dir, "tisic.dat", BigTask({ 1000, 2, 10, 50 })), std::max(1, runs / 3)), 250);

    if (!wanted("tabs") && !wanted("page") && !wanted("preview") && !wanted("pdf"))
        return 0;
    TProgram program;
    Start(program, big);
    QCoreApplication::processEvents();
    TMainForm& form = program.Form();
    QTabWidget* tabs = form.PageControl();
    if (wanted("tabs")) {
        // The tabs without a calculation of their own: what Qt does on a switch, and the caption.
        TTimes switches;
        for (int i = 0; i < runs; ++i) {
            for (int tab : { 0, 1, 2, 3, 7 })
                switches.push_back(Measured([&] { tabs->setCurrentIndex(tab); }));
        }
        Report("tab switch (Úloha .. Kombinace, Tisk)", switches, 5);
    }

    if (wanted("page")) {
        tabs->setCurrentIndex(2);
        QCoreApplication::processEvents();
        QTabWidget* pages = form.LoadCasesTab()->PageControl();
        TTimes firstShows;
        for (int i = 1; i <= std::min(runs, pages->count() - 1); ++i)
            firstShows.push_back(Measured([&] { pages->setCurrentIndex(i); }));
        Report("load case page shown for the first time", firstShows, 10);
    }

    TPreview& preview = program.Trabik->Preview();
    TDokument& doc = program.Trabik->Document();
    if (wanted("preview")) {
        TTimes previews;
        for (int i = 0; i < runs; ++i) {
            previews.push_back(Measured([&] { form.Actions().Nahled_tisku->trigger(); }));
            if (i == 0)
                std::printf("  preview shows page %d of %d laid out so far\n",
                    doc.CurrentPage ? doc.CurrentPage->Number : 0, doc.PageCount());
            preview.ClosePreview();
        }
        Report("preview open to page 1", previews, 60);
    }

    if (wanted("pdf")) {
        const QString pdf = dir.filePath(QStringLiteral("posudek.pdf"));
        preview.Prompts.ChoosePdfFile = [&pdf](QWidget*) { return pdf; };
        auto* savePdf = form.findChild<QAction*>(QStringLiteral("Ulozit_PDF"));
        TTimes pdfs;
        for (int i = 0; i < std::max(1, runs / 3); ++i)
            pdfs.push_back(Measured([&] { savePdf->trigger(); }));
        Report("\"Uložit PDF…\" (compose, lay out, write)", pdfs, 250);
    }
    return 0;
}
