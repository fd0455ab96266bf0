// trabik-cli as users and scripts call it: the built program run on the example tasks.
#include "storage/uProjectFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct TRun
{
    int ExitCode = -1;
    QByteArray Out;
    QString Err;
};

QString CliPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../trabik-cli");
}

QString Example(const char* name)
{
    return QStringLiteral(TRABIK_TEST_DATA "/../../examples/") + QString::fromUtf8(name);
}

// `locale` is the system's locale the program sees, and with it the decimal separator.
TRun RunCli(const QStringList& args, const QString& locale = QStringLiteral("cs_CZ.UTF-8"))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(CliPath(), args);
    TRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.Out = process.readAllStandardOutput();
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QJsonObject Json(const TRun& run)
{
    return QJsonDocument::fromJson(run.Out).object();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CliCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFileInfo(CliPath()).isExecutable())
            FAIL() << "build the target trabik-cli first: " << CliPath().toStdString();
    }
};

} // namespace

TEST_F(CliCommands, CalcWithoutChoiceTakesTheFirstLoadCase)
{
    const TRun run = RunCli({ QStringLiteral("calc"), Example("strecha.dat") });
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject r = Json(run);
    for (const char* key : { "An", "Bn", "Man", "Mbn", "Ad", "Bd", "Mad", "Mbd" })
        EXPECT_TRUE(r.value(QLatin1String(key)).isDouble()) << key;
    for (const char* key : { "Mn", "Md", "Qn", "Qd", "fn" })
        EXPECT_EQ(r.value(QLatin1String(key)).toArray().size(), 101) << key;
    // Self-weight 0.422 kN/m over 12 m, simply supported, gamma_f 1.1.
    EXPECT_DOUBLE_EQ(r["An"].toDouble(), 0.422 * 12 / 2);
    EXPECT_DOUBLE_EQ(r["Ad"].toDouble(), 1.1 * 0.422 * 12 / 2);
    EXPECT_NEAR(r["Mn"].toArray()[50].toDouble(), -0.422 * 144 / 8, 1e-12);
    EXPECT_EQ(r["Man"].toDouble(), 0);
}

TEST_F(CliCommands, CalcOfACaseAndOfACombination)
{
    const TRun snow
        = RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--case"), QStringLiteral("Sníh") });
    ASSERT_EQ(snow.ExitCode, 0) << snow.Err.toStdString();
    EXPECT_DOUBLE_EQ(Json(snow)["Bn"].toDouble(), 24);
    EXPECT_DOUBLE_EQ(Json(snow)["Bd"].toDouble(), 36);

    // All but the snow: self-weight, five purlins of 5.4 kN, a duct 0.8 kN/m over 3..9 m and 4.5 kN at 7.5 m.
    const TRun combination = RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--combination"),
        QStringLiteral("zk2 – BEZ SNĚHU") });
    ASSERT_EQ(combination.ExitCode, 0) << combination.Err.toStdString();
    const QJsonObject r = Json(combination);
    EXPECT_NEAR(r["An"].toDouble(), 2.532 + 13.5 + 2.4 + 4.5 * 4.5 / 12, 1e-12);
    EXPECT_NEAR(r["Ad"].toDouble(), 1.1 * 2.532 + 1.35 * (13.5 + 2.4 + 4.5 * 4.5 / 12), 1e-12);
    EXPECT_NEAR(r["Qn"].toArray()[0].toDouble(), r["An"].toDouble(), 1e-12);

    // A fixed-end beam under 12.6 kN/m over 5.4 m: restraint moments q L^2 / 12, under either separator.
    const TRun floor = RunCli({ QStringLiteral("calc"), Example("strop.dat") }, QStringLiteral("C"));
    ASSERT_EQ(floor.ExitCode, 0) << floor.Err.toStdString();
    EXPECT_NEAR(Json(floor)["Man"].toDouble(), 12.6 * 5.4 * 5.4 / 12, 1e-12);
}

TEST_F(CliCommands, CalcAddsTheExtremesTheDeflectionCheckAndTheWarnings)
{
    const TRun run = RunCli({ QStringLiteral("calc"), Example("konzola.dat") });
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject r = Json(run);
    const QJsonObject f = r["extremes"]["fn"].toObject();
    double largest = 0;
    for (const QJsonValue v : r["fn"].toArray())
        largest = std::max(largest, v.toDouble());
    EXPECT_EQ(f["max"].toDouble(), largest); // in the unit of the array
    for (const char* key : { "Mn", "Md", "Qn", "Qd" })
        EXPECT_EQ(r["extremes"][QLatin1String(key)].toObject().keys(), QStringList({ "max", "min", "xmax", "xmin" }));
    // A cantilever: the limit divides twice the span, which is where the deflection is largest.
    const QJsonObject check = r["deflectionCheck"].toObject();
    EXPECT_EQ(check["limitRatio"].toDouble(), 250);
    EXPECT_DOUBLE_EQ(check["referenceLength"].toDouble(), 2 * f["xmax"].toDouble());
    EXPECT_DOUBLE_EQ(check["fLimit_mm"].toDouble(), check["referenceLength"].toDouble() * 1000 / 250);
    EXPECT_DOUBLE_EQ(check["fMax_mm"].toDouble(), largest * 1e6);
    EXPECT_TRUE(check["ok"].toBool());
    EXPECT_TRUE(r["warnings"].isArray());
    EXPECT_TRUE(r["warnings"].toArray().isEmpty());
}

TEST_F(CliCommands, UnknownNamesAndBadCallsFail)
{
    const TRun noCase
        = RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--case"), QStringLiteral("sníh") });
    EXPECT_EQ(noCase.ExitCode, 1); // load case names are exact
    EXPECT_TRUE(noCase.Err.contains(QStringLiteral("„sníh“"))) << noCase.Err.toStdString();
    EXPECT_TRUE(noCase.Out.isEmpty());
    EXPECT_EQ(RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--combination"),
                         QStringLiteral("ZK3") })
                  .ExitCode,
        1);
    const TRun missing = RunCli({ QStringLiteral("calc"), QStringLiteral("/neexistuje/ukol.dat") });
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains(QStringLiteral("File not found")));

    EXPECT_EQ(RunCli({ QStringLiteral("calc") }).ExitCode, 2);
    EXPECT_EQ(RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--case"), QStringLiteral("Sníh"),
                         QStringLiteral("--combination"), QStringLiteral("ZK1") })
                  .ExitCode,
        2);
    EXPECT_EQ(RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--case") }).ExitCode, 2);
    EXPECT_EQ(RunCli({ QStringLiteral("resave"), Example("strecha.dat") }).ExitCode, 2);
    EXPECT_EQ(RunCli({ QStringLiteral("dump") }).ExitCode, 2);
}

TEST_F(CliCommands, ResaveWritesWhatTheProgramSaves)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("kopie.dat"));
    ASSERT_EQ(RunCli({ QStringLiteral("resave"), Example("strecha.dat"), out }).ExitCode, 0);
    EXPECT_EQ(ReadAll(out), ReadAll(Example("strecha.dat"))); // written on a Czech system too

    // A system with a decimal point writes points, and the file still opens on a Czech one.
    const QString dotted = dir.filePath(QStringLiteral("tecky.dat"));
    ASSERT_EQ(RunCli({ QStringLiteral("resave"), Example("konzola.dat"), dotted }, QStringLiteral("C")).ExitCode, 0);
    EXPECT_NE(ReadAll(dotted), ReadAll(Example("konzola.dat")));
    EXPECT_EQ(
        RunCli({ QStringLiteral("calc"), dotted }).Out, RunCli({ QStringLiteral("calc"), Example("konzola.dat") }).Out);

    // A file that cannot be read leaves the target as it was.
    QFile broken(dir.filePath(QStringLiteral("kus.dat")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(ReadAll(Example("strop.dat")).left(100));
    broken.close();
    const TRun failed = RunCli({ QStringLiteral("resave"), broken.fileName(), out });
    EXPECT_EQ(failed.ExitCode, 1);
    EXPECT_TRUE(failed.Err.contains(QStringLiteral("Read beyond end of file")));
    EXPECT_EQ(ReadAll(out), ReadAll(Example("strecha.dat")));
}

TEST_F(CliCommands, DumpShowsTheWholeTask)
{
    const TRun run = RunCli({ QStringLiteral("dump"), Example("konzola.dat") });
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject task = Json(run);
    EXPECT_EQ(task["TaskTitle"].toString(), QStringLiteral("Konzola balkonu K1, HEB 140"));
    EXPECT_EQ(task["Typ"].toInt(), 20);
    EXPECT_EQ(task["EndCondition"].toString(), QStringLiteral("konzola zprava"));
    EXPECT_DOUBLE_EQ(task["SpanL"].toDouble(), 1.8);
    const QJsonArray cases = task["LoadCases"].toArray();
    ASSERT_EQ(cases.size(), 3);
    EXPECT_EQ(cases[2].toObject()["Number"].toInt(), 3);
    EXPECT_DOUBLE_EQ(cases[2].toObject()["Gamaf"].toDouble(), 1.5);
    const QJsonObject partial = cases[2].toObject()["PartialLoads"].toArray()[0].toObject();
    EXPECT_TRUE(partial["Included"].toBool());
    EXPECT_DOUBLE_EQ(partial["qb"].toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(partial["b"].toDouble(), 0.2);
    const QJsonArray combinations = task["Combinations"].toArray();
    ASSERT_EQ(combinations.size(), 1);
    EXPECT_EQ(combinations[0].toObject()["LoadCases"].toArray().size(), 3);
    EXPECT_EQ(task["Deflection"].toObject()["IyUnit"].toString(), QStringLiteral("cm4"));
    EXPECT_EQ(task["LoadGenerator"].toObject().size(), 27);
}

TEST_F(CliCommands, HelpDescribesTheCommands)
{
    const TRun help = RunCli({ QStringLiteral("--help") });
    EXPECT_EQ(help.ExitCode, 0);
    for (const char* usage :
        { "calc TASK.DAT [--case NAME | --combination NAME]", "resave IN.DAT OUT.DAT", "dump TASK.DAT" })
        EXPECT_TRUE(help.Out.contains(usage)) << usage;
    const TRun calc = RunCli({ QStringLiteral("help"), QStringLiteral("calc") });
    EXPECT_TRUE(calc.Out.contains("--combination NAME  the combination named NAME (letter case ignored)"));
    EXPECT_EQ(RunCli({ QStringLiteral("help"), QStringLiteral("bogus") }).ExitCode, 2);
    // An option where a file name belongs is a usage error, not taken as the file.
    const TRun frame = RunCli({ QStringLiteral("typeset"), QStringLiteral("body.txt"), QStringLiteral("--frame"),
        QStringLiteral("-o"), QStringLiteral("x.pdf") });
    EXPECT_EQ(frame.ExitCode, 2);
    EXPECT_TRUE(frame.Err.contains("--frame needs a file name")) << frame.Err.toStdString();
}

TEST_F(CliCommands, LibraryPrintsTheStoresWithTheUsersEntries)
{
    QTemporaryDir data; // the user's data folder of this run
    QDir().mkpath(data.filePath(QStringLiteral("Trabík")));
    QFile user(data.filePath(QStringLiteral("Trabík/knihovna.txt")));
    ASSERT_TRUE(user.open(QIODevice::WriteOnly));
    user.write("[materi\xc3\xa1ly]\nsmrk=10,5\npoškozený\n");
    user.close();
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const TRun all = RunCli({ QStringLiteral("library") });
    const TRun sections = RunCli({ QStringLiteral("library"), QStringLiteral("--sections") });
    oldHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldHome);
    ASSERT_EQ(all.ExitCode, 0) << all.Err.toStdString();
    EXPECT_TRUE(all.Out.startsWith("{\"materials\": {\"ocel S235\": 210, \"ocel S275\": 210")) << all.Out.constData();
    EXPECT_TRUE(all.Err.contains(QStringLiteral("Řádek 3"))) << all.Err.toStdString();
    const QJsonObject r = Json(all);
    EXPECT_EQ(r["materials"].toObject()["smrk"].toDouble(), 10.5);
    EXPECT_EQ(r["materials"].toObject()["dřevo C24"].toDouble(), 11);
    EXPECT_EQ(r["sections"].toObject()["IPE 300"].toDouble(), 83560000);
    EXPECT_EQ(Json(sections).keys(), QStringList { "sections" });
}

// A text that is not a number in the file: an unreadable E leaves out only the deflection (exit 0,
// the reason on stderr and among the warnings); an unreadable span refuses the calculation.
TEST_F(CliCommands, UnreadableNumbersAreNamedNeverReadAsZero)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nosnik.dat"));
    TTask task = LoadProject(Example("strecha.dat"));
    task.Deflection.Edit31 = QStringLiteral("2x10");
    SaveProject(task, path);
    const TRun run = RunCli({ QStringLiteral("calc"), path });
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QString problem = QStringLiteral("Průhyb nelze spočítat: modul pružnosti E = „2x10“ není číslo.");
    EXPECT_TRUE(run.Err.contains(problem)) << run.Err.toStdString();
    EXPECT_TRUE(Json(run)["warnings"].toArray().contains(problem));
    EXPECT_TRUE(Json(run)["deflectionCheck"].isNull());
    EXPECT_DOUBLE_EQ(Json(run)["An"].toDouble(), 0.422 * 12 / 2); // the forces are there

    task.SpanText = QStringLiteral("12 m");
    SaveProject(task, path);
    const TRun refused = RunCli({ QStringLiteral("calc"), path });
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_TRUE(refused.Out.isEmpty());
    EXPECT_TRUE(refused.Err.contains(QStringLiteral("Délka trabíku L = „12 m“ není číslo.")))
        << refused.Err.toStdString();
}
