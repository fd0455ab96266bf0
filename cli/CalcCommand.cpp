// trabik-cli calc: the reactions and the 101 samples of one load case or one combination, as JSON.
#include "analysis/uCalcUnit.h"
#include "cli/CliCommand.h"
#include "model/TError.h"
#include "storage/uProjectFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>

namespace {

struct TCalcArgs
{
    QString File;
    QString Case;
    QString Combination;
    bool HasCase = false;
    bool HasCombination = false;
};

TCalcArgs ParseCalcArgs(const QStringList& args)
{
    TCalcArgs a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool isCase = arg == QLatin1String("--case");
        if (isCase || arg == QLatin1String("--combination")) {
            if (i + 1 >= args.size())
                throw TUsageError(QStringLiteral("%1 needs a name").arg(arg).toStdString());
            if (a.HasCase || a.HasCombination)
                throw TUsageError("choose one load case or one combination");
            (isCase ? a.Case : a.Combination) = args[++i];
            (isCase ? a.HasCase : a.HasCombination) = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            throw TUsageError(QStringLiteral("unknown option %1").arg(arg).toStdString());
        } else if (a.File.isEmpty()) {
            a.File = arg;
        } else {
            throw TUsageError("only one task file can be given");
        }
    }
    if (a.File.isEmpty())
        throw TUsageError("a task file is required");
    return a;
}

// Puts the choice into the calculation tab's controls, as a user would.
void Choose(TTask& task, const TCalcArgs& a)
{
    if (a.HasCombination) {
        bool found = false;
        for (const QString& name : task.CombinationNames())
            found = found || name.compare(a.Combination, Qt::CaseInsensitive) == 0;
        if (!found)
            throw TError(QStringLiteral("Kombinace „%1“ v úloze není.").arg(a.Combination));
        task.Calc.Mode = TCalculationChoice::Combination;
        task.Calc.ComboBox2 = a.Combination;
        return;
    }
    if (task.LoadCases.empty())
        throw TError(QStringLiteral("Úloha nemá žádný zatěžovací stav."));
    const QString name = a.HasCase ? a.Case : task.LoadCases.front().Caption;
    if (!task.LoadCaseNames().contains(name))
        throw TError(QStringLiteral("Zatěžovací stav „%1“ v úloze není.").arg(name));
    task.Calc.Mode = TCalculationChoice::LoadCase;
    task.Calc.ComboBox1 = name;
}

QJsonArray SamplesJson(const TSamples& samples)
{
    QJsonArray array;
    for (double v : samples)
        array.append(v);
    return array;
}

// QJsonDocument writes the shortest text that reads back as the same double: full precision.
QJsonObject ResultJson(const TResultStore& s)
{
    QJsonObject o;
    o[QStringLiteral("An")] = s.An;
    o[QStringLiteral("Bn")] = s.Bn;
    o[QStringLiteral("Man")] = s.Man;
    o[QStringLiteral("Mbn")] = s.Mbn;
    o[QStringLiteral("Ad")] = s.Ad;
    o[QStringLiteral("Bd")] = s.Bd;
    o[QStringLiteral("Mad")] = s.Mad;
    o[QStringLiteral("Mbd")] = s.Mbd;
    o[QStringLiteral("Mn")] = SamplesJson(s.Mn);
    o[QStringLiteral("Md")] = SamplesJson(s.Md);
    o[QStringLiteral("Qn")] = SamplesJson(s.Qn);
    o[QStringLiteral("Qd")] = SamplesJson(s.Qd);
    o[QStringLiteral("fn")] = SamplesJson(s.fn);
    return o;
}

int RunCalc(const QStringList& args)
{
    const TCalcArgs a = ParseCalcArgs(args);
    TTask task = LoadProject(a.File);
    Choose(task, a);
    TResultStore store;
    QTextStream err(stderr);
    SumSelection(task, store, [&err](const QString& message) { err << message << Qt::endl; });
    const QByteArray json = QJsonDocument(ResultJson(store)).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

const TCliRegistrar registrar({
    QStringLiteral("calc"),
    QStringLiteral("calc TASK.DAT [--case NAME | --combination NAME]"),
    QStringLiteral("reactions, bending moments, shear forces and deflections of a task as JSON"),
    QStringLiteral("\nOpens TASK.DAT as the program opens it and computes what the calculation tab computes:\n"
                   "  --case NAME         the load case captioned NAME (exact, letter case counts)\n"
                   "  --combination NAME  the combination named NAME (letter case ignored)\n"
                   "  neither             the first load case\n"
                   "Prints one JSON object: An, Bn, Man, Mbn (characteristic reactions and restraint\n"
                   "moments, kN and kNm), Ad, Bd, Mad, Mbd (design values), and the arrays Mn, Md\n"
                   "(bending moment, kNm, hogging positive), Qn, Qd (shear force, kN) and fn\n"
                   "(deflection, in the result store's unit) at the 101 points x = i * L / 100.\n"
                   "Numbers are written so that they read back as exactly the computed doubles.\n"
                   "An unknown load case or combination is an error (exit status 1)."),
    RunCalc,
});

} // namespace
