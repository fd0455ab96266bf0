// trabik-cli as users and scripts call it: the built program run on the example tasks.
#include "document/uDokument.h"
#include "report/uPosudek.h"
#include "storage/uProjectFile.h"
#include "tests/support/LoadCaseBuilders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
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

// The settings folder the program sees: an empty one of the tests' own unless a test gives one, so
// that no run ever reads the user's page setup.
QString ConfigHome()
{
    static const QTemporaryDir empty;
    return empty.path();
}

// `locale` is the system's locale the program sees, and with it the decimal separator; `input` goes to
// its stdin.
TRun RunCli(const QStringList& args, const QString& locale = QStringLiteral("cs_CZ.UTF-8"),
    const QByteArray& input = {}, const QString& configHome = ConfigHome())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(CliPath(), args);
    process.write(input);
    process.closeWriteChannel();
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

// Simply supported, L = 4 m: G q = 10 kN/m, Q (category A) q = 5 kN/m, rule 6.10a,b. At mid-span
// 6.10b governs: 0,85·1,35·(-20) + 1,5·(-10) = -37,95 kNm; A max = 0,85·1,35·20 + 1,5·10 = 37,95 kN.
TEST_F(CliCommands, CalcEn1990PrintsTheEnvelopeOfTheCombinations)
{
    TTask task;
    task.SpanText = QStringLiteral("4");
    AddCase(task, QStringLiteral("G"), 1.35, { Q(10) });
    AddCase(task, QStringLiteral("Q"), 1.5, { Q(5) });
    task.LoadCases[0].Action = QStringLiteral("G");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("en.dat"));
    SaveProject(task, path);
    const TRun uls = RunCli({ QStringLiteral("calc"), path, QStringLiteral("--en1990"), QStringLiteral("uls") });
    EXPECT_EQ(uls.ExitCode, 1);
    EXPECT_TRUE(uls.Err.contains(QStringLiteral("„Q“ nemá určen druh zatížení"))) << uls.Err.toStdString();

    task.LoadCases[1].Action = QStringLiteral("Q-A");
    SaveProject(task, path);
    const QJsonObject r
        = Json(RunCli({ QStringLiteral("calc"), path, QStringLiteral("--en1990"), QStringLiteral("uls") }));
    EXPECT_EQ(r[QStringLiteral("rule")].toString(), QStringLiteral("6.10a,b"));
    const QJsonArray combinations = r[QStringLiteral("combinations")].toArray();
    ASSERT_EQ(combinations.size(), 2);
    EXPECT_EQ(combinations[1].toObject()[QStringLiteral("name")].toString(), QStringLiteral("6.10b: 1,15·G + 1,5·Q"));
    EXPECT_DOUBLE_EQ(
        combinations[0].toObject()[QStringLiteral("factors")].toObject()[QStringLiteral("Q")].toDouble(), 1.5 * 0.7);
    EXPECT_NEAR(r[QStringLiteral("Mmin")].toArray()[50].toDouble(), -37.95, 1e-9);
    EXPECT_NEAR(r[QStringLiteral("Amax")].toDouble(), 37.95, 1e-9);
    const QJsonObject M = r[QStringLiteral("extremes")].toObject()[QStringLiteral("M")].toObject();
    EXPECT_EQ(M[QStringLiteral("minBy")].toString(), QStringLiteral("6.10b: 1,15·G + 1,5·Q"));
    EXPECT_TRUE(M[QStringLiteral("maxBy")].isNull());
    EXPECT_FALSE(r.contains(QStringLiteral("fmax"))); // no deflection in the ULS

    const QJsonObject sls
        = Json(RunCli({ QStringLiteral("calc"), path, QStringLiteral("--en1990"), QStringLiteral("quasi-permanent") }));
    EXPECT_EQ(sls[QStringLiteral("fmax")].toArray().size(), 101);
    EXPECT_TRUE(sls[QStringLiteral("deflectionCheck")].isObject());
    EXPECT_EQ(RunCli({ QStringLiteral("calc"), path, QStringLiteral("--en1990"), QStringLiteral("sls") }).ExitCode, 2);
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
    for (const char* usage : { "calc TASK.DAT [--case NAME | --combination NAME | --envelope | --en1990 KIND]",
             "resave IN.DAT OUT.DAT", "dump TASK.DAT", "check TASK.DAT" })
        EXPECT_TRUE(help.Out.contains(usage)) << usage;
    const TRun calc = RunCli({ QStringLiteral("help"), QStringLiteral("calc") });
    EXPECT_TRUE(calc.Out.contains("--combination <NAME>  the combination named NAME (letter case ignored)"));
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
    EXPECT_EQ(Json(sections).keys(), QStringList({ "sectionProperties", "sections" }));
    const QJsonObject ipe = Json(sections)["sectionProperties"].toObject()["IPE 300"].toObject();
    EXPECT_NEAR(ipe["Wply"].toDouble(), 628.4e3, 1e3);
    EXPECT_EQ(ipe.size(), 15);
}

TEST_F(CliCommands, CheckOfTheSteelBeam)
{
    // strecha: IPE 300 in S235, combination ZK1 Md = 231,8 kNm against Mpl,Rd = 628,4 cm3 x 235 MPa = 147,7 kNm.
    const TRun run = RunCli({ QStringLiteral("check"), Example("strecha.dat") });
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject r = Json(run);
    EXPECT_EQ(r["section"].toString(), QStringLiteral("IPE 300"));
    EXPECT_EQ(r["class"].toInt(), 1);
    EXPECT_NEAR(r["McRd"].toDouble(), 147.7, 0.05);
    EXPECT_NEAR(r["utilisation"].toObject()["bending"].toDouble(), 1.570, 0.001);
    EXPECT_TRUE(r["Mcr"].isNull());
    EXPECT_TRUE(r["utilisation"].toObject()["ltb"].isNull());
    EXPECT_FALSE(r["ok"].toBool());
    const TRun none = RunCli({ QStringLiteral("check"), Example("konzola.dat") });
    EXPECT_EQ(none.ExitCode, 1);
    EXPECT_TRUE(none.Err.contains(QStringLiteral("průřez"))) << none.Err.toStdString();
}

TEST_F(CliCommands, CheckOfTheTimberRafter)
{
    // krokev: C24 100 × 200, L = 4 m, g = 1 kN/m (G), q = 2 kN/m (Q-A), service class 1, 6.10a,b.
    // 6.10b governs: qd = 0,85·1,35·1 + 1,5·2 = 4,1475 kN/m, Md = qd·L²/8 = 8,295 kNm,
    // σm,d = Md/(b h²/6) = 8,295e6/666 667 = 12,44 MPa; Vd = qd·L/2 = 8,295 kN,
    // τd = 1,5·Vd/(0,67·b·h) = 0,929 MPa; kmod 0,8 (medium-term, class 1), γM 1,3:
    // fm,d = 0,8·24/1,3 = 14,77 MPa, fv,d = 0,8·4,0/1,3 = 2,46 MPa.
    // E0,mean 11 000 MPa, I = 66,67e6 mm4: w_G = 5·1·4000⁴/(384·E·I) = 4,545 mm, w_Q = 9,091 mm;
    // w_inst = 13,64 mm > L/300 = 13,33; kdef 0,6, ψ2 = 0,3: w_fin = 1,6·w_G + 1,18·w_Q = 18,0 mm.
    const TRun run = RunCli({ QStringLiteral("check"), Example("krokev.dat") });
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject r = Json(run);
    EXPECT_EQ(r["material"].toString(), QStringLiteral("timber"));
    EXPECT_EQ(r["grade"].toString(), QStringLiteral("C24"));
    EXPECT_NEAR(r["sigmaMd"].toDouble(), 12.44, 0.005);
    EXPECT_NEAR(r["fmd"].toDouble(), 14.77, 0.005);
    EXPECT_NEAR(r["tauD"].toDouble(), 0.929, 0.0005);
    EXPECT_NEAR(r["fvd"].toDouble(), 2.462, 0.0005);
    EXPECT_DOUBLE_EQ(r["kmod"].toDouble(), 0.8);
    EXPECT_NEAR(r["wInst"].toDouble(), 13.64, 0.005);
    EXPECT_NEAR(r["wFin"].toDouble(), 18.0, 0.005);
    EXPECT_GT(r["utilisation"].toObject()["wInst"].toDouble(), 1.0);
    // No support length is typed: the bearing check says why instead of a verdict.
    EXPECT_TRUE(r["utilisation"].toObject()["bearing"].isNull());
    EXPECT_FALSE(r["ok"].toBool());
}

TEST_F(CliCommands, EveryCallEndsWithItsDocumentedStatus)
{
    const QString roof = Example("strecha.dat");
    const struct
    {
        QStringList Args;
        int Exit;
        const char* Says; // on stdout for 0, on stderr otherwise
    } rows[] = {
        { { "--version" }, 0, "trabik-cli 2.2\n" },
        { { "-v" }, 0, "trabik-cli 2.2\n" },
        { { "calc", "--help" }, 0, "Usage: trabik-cli calc TASK.DAT" },
        { { "help", "new" }, 0, "Usage: trabik-cli new TASK.json -o TASK.DAT" },
        { { "report", "-h" }, 0, "--markup" },
        { { "calc", roof, "--bogus" }, 2, "Unknown option 'bogus'" },
        { { "calc", roof, "--format", "xml" }, 2, "unknown format xml" },
        { { "calc", roof, "--locale", "cs_CZ" }, 2, "--locale goes with --format csv" },
        { { "calc", roof, "--format", "csv", "--locale", "xx_YY" }, 2, "unknown locale xx_YY" },
        { { "calc", roof, "--envelope", "--case", "Sníh" }, 2, "choose one" },
        { { "report", roof }, 2, "-o OUT.pdf is required" },
        { { "new", "ukol.json" }, 2, "-o TASK.DAT is required" },
        { { "library", "navic" }, 2, "Usage: trabik-cli library" },
        { { "calc", "/nonexist.dat" }, 1, "trabik-cli: /nonexist.dat: File not found\n" },
        { { "dump", "/nonexist.dat" }, 1, "trabik-cli: /nonexist.dat: File not found\n" },
        { { "new", "/nonexist.json", "-o", "/tmp/x.dat" }, 1, "trabik-cli: /nonexist.json: File not found\n" },
        { { "typeset", "/nonexist.txt", "-o", "/tmp/x.pdf" }, 1, "trabik-cli: /nonexist.txt: File not found\n" },
        { { "resave", roof, "/nonexist/x.dat" }, 1, "trabik-cli: /nonexist/x.dat: " },
        { { "report", roof, "-o", "/nonexist/x.pdf" }, 1, "trabik-cli: /nonexist/x.pdf: " },
        { { "calc", roof, "--case", "sníh" }, 1, "strecha.dat: " },
    };
    for (const auto& row : rows) {
        const TRun run = RunCli(row.Args);
        const QString said = row.Exit == 0 ? QString::fromUtf8(run.Out) : run.Err;
        EXPECT_EQ(run.ExitCode, row.Exit) << row.Args.join(' ').toStdString();
        EXPECT_TRUE(said.contains(QString::fromUtf8(row.Says))) << said.toStdString();
        if (row.Exit != 0) {
            EXPECT_TRUE(run.Out.isEmpty()) << row.Args.join(' ').toStdString();
        }
    }
}

TEST_F(CliCommands, DumpPipedIntoNewGivesTheFileResaveGives)
{
    QTemporaryDir dir;
    QStringList files;
    for (const char* folder : { "/../../examples", "/storage" })
        for (const QFileInfo& file : QDir(QStringLiteral(TRABIK_TEST_DATA) + QLatin1String(folder))
                                         .entryInfoList({ QStringLiteral("*.dat") }, QDir::Files))
            files << file.filePath();
    ASSERT_GE(files.size(), 5);
    for (const QString& locale : { QStringLiteral("cs_CZ.UTF-8"), QStringLiteral("C") })
        for (const QString& file : files) {
            const QString resaved = dir.filePath(QStringLiteral("resave.dat"));
            const QString made = dir.filePath(QStringLiteral("new.dat"));
            ASSERT_EQ(RunCli({ QStringLiteral("resave"), file, resaved }, locale).ExitCode, 0);
            const TRun dump = RunCli({ QStringLiteral("dump"), file }, locale);
            const TRun created
                = RunCli({ QStringLiteral("new"), QStringLiteral("-"), QStringLiteral("-o"), made }, locale, dump.Out);
            ASSERT_EQ(created.ExitCode, 0) << created.Err.toStdString();
            EXPECT_EQ(ReadAll(made), ReadAll(resaved)) << file.toStdString() << " " << locale.toStdString();
        }
}

TEST_F(CliCommands, NewFillsInWhatTheJsonLeavesOut)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("nosnik.dat"));
    // Two load cases on 6 m, combined without a grid: G = 2 kN/m (gamma_f 1.35), Q = 10 kN at 3 m
    // (gamma_f of a new load case, 1.1).
    const QByteArray json = R"({"SpanText": "6", "LoadCases": [
        {"Name": "G", "Gamaf": 1.35, "UniformLoads": [{"q": 2}]},
        {"Name": "Q", "PointForces": [{"P": 10, "a": 3}, {"Included": false, "P": 99}]}],
        "Combinations": [{"Name": "ZK1", "LoadCases": ["G", "Q"]}]})";
    const TRun created = RunCli({ QStringLiteral("new"), QStringLiteral("-"), QStringLiteral("-o"), file }, "C", json);
    ASSERT_EQ(created.ExitCode, 0) << created.Err.toStdString();
    const TRun calc = RunCli({ QStringLiteral("calc"), file, QStringLiteral("--combination"), QStringLiteral("ZK1") });
    ASSERT_EQ(calc.ExitCode, 0) << calc.Err.toStdString();
    // A = q L / 2 + P (L - a) / L = 6 + 5; design 1.35 * 6 + 1.1 * 5; the excluded 99 kN takes no part.
    EXPECT_DOUBLE_EQ(Json(calc)["An"].toDouble(), 11);
    EXPECT_DOUBLE_EQ(Json(calc)["Ad"].toDouble(), 1.35 * 6 + 1.1 * 5);
    const QJsonObject task = Json(RunCli({ QStringLiteral("dump"), file }));
    EXPECT_EQ(task["TaskTitle"].toString(), QString()); // as File > New leaves it
    EXPECT_EQ(task["Typ"].toInt(), 11);
    EXPECT_TRUE(task["LoadCases"][1]["LongTerm"].toBool());
    EXPECT_EQ(task["Grid"][0].toArray(),
        QJsonArray({ QStringLiteral("index"), QStringLiteral("název"), QStringLiteral("tisk"), "G", "Q" }));
}

TEST_F(CliCommands, NewNamesTheKeyOfWhatItCannotTake)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ukol.dat"));
    const struct
    {
        const char* Json;
        const char* Says;
    } rows[] = {
        { R"({"LoadCases": [{}, {}, {"PointForces": [{"a": "2,5"}]}]})",
            "trabik-cli: stdin: LoadCases[2].PointForces[0].a: očekáváno číslo, zadáno \"2,5\"" },
        { R"({"Autor": "Novák"})", "stdin: Autor: neznámý klíč" },
        { R"({"LoadCases": [{"PointForces": [{"p": 1}]}]})", "LoadCases[0].PointForces[0].p: neznámý klíč" },
        { R"({"PrintOptions": {"CheckBox23": {}}})", "PrintOptions.CheckBox23: neznámý klíč" },
        { R"({"Typ": 13})", "Typ: očekáván kód okrajových podmínek" },
        { R"({"Typ": 12, "EndCondition": "prostý trabík"})", "EndCondition: neodpovídá klíči Typ" },
        { R"({"SpanText": "6", "SpanL": 5})", "SpanL: neodpovídá klíči SpanText" },
        { R"({"Grid": [["a"], ["b", "c"]]})", "Grid[1]: očekáván stejný počet buněk" },
        { R"({"Combinations": [{"Name": "ZK1", "LoadCases": ["X"]}]})",
            "Combinations[0].LoadCases[0]: očekáván název" },
        { R"({"Job": 1})", "Job: očekáván text, zadáno 1" },
        { "{\n  \"Job\": \"a\",\n  \"Author\" 1}", "JSON nelze přečíst, řádek 3, sloupec " },
    };
    for (const auto& row : rows) {
        const TRun run = RunCli(
            { QStringLiteral("new"), QStringLiteral("-"), QStringLiteral("-o"), file }, QStringLiteral("C"), row.Json);
        EXPECT_EQ(run.ExitCode, 1) << row.Json;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(row.Says))) << run.Err.toStdString();
        EXPECT_FALSE(QFile::exists(file)) << row.Json;
    }
}

TEST_F(CliCommands, CalcAsCsvHasTheSamplesOfTheJson)
{
    const TRun json = RunCli({ QStringLiteral("calc"), Example("strecha.dat") });
    const TRun csv = RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--format"), "csv" });
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err.toStdString();
    const QStringList lines = QString::fromUtf8(csv.Out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 102);
    EXPECT_EQ(lines[0], QStringLiteral("x;Mn;Md;Qn;Qd;fn"));
    const char* keys[] = { "Mn", "Md", "Qn", "Qd", "fn" };
    for (int i = 0; i < 101; ++i) {
        const QStringList values = lines[i + 1].split(';');
        ASSERT_EQ(values.size(), 6) << i;
        EXPECT_EQ(values[0].toDouble(), 12.0 * i / 100) << i; // "." under a Czech system too
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(values[k + 1].toDouble(), Json(json)[QLatin1String(keys[k])][i].toDouble()) << keys[k] << i;
    }
    // The locale's separator only when asked for, whatever the system's is.
    const TRun czech = RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--format"), "csv",
                                  QStringLiteral("--locale"), "cs_CZ" },
        QStringLiteral("C"));
    EXPECT_EQ(QString::fromUtf8(czech.Out).split('\n')[2].toLower().toStdString(),
        QString(lines[2]).replace('.', ',').toStdString());
    const TRun envelope
        = RunCli({ QStringLiteral("calc"), Example("strecha.dat"), QStringLiteral("--envelope"), "--format", "csv" });
    EXPECT_TRUE(envelope.Out.startsWith("x;Mnmax;Mnmin;Mdmax;Mdmin;Qnmax;Qnmin;Qdmax;Qdmin;fmax;fmin\n"));
}

TEST_F(CliCommands, EnvelopeBoundsEveryCombination)
{
    const QString roof = Example("strecha.dat");
    const QJsonObject envelope = Json(RunCli({ QStringLiteral("calc"), roof, QStringLiteral("--envelope") }));
    std::vector<QJsonObject> members;
    for (const QJsonValue c : Json(RunCli({ QStringLiteral("dump"), roof }))["Combinations"].toArray())
        members.push_back(Json(RunCli({ "calc", roof, "--combination", c["Name"].toString() })));
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(envelope["over"].toString(), QStringLiteral("combinations"));
    EXPECT_EQ(envelope["count"].toInt(), 2);
    for (int i = 0; i < 101; ++i)
        for (const char* key : { "Mn", "Md", "Qn", "Qd", "fn" }) {
            const double a = members[0][QLatin1String(key)][i].toDouble();
            const double b = members[1][QLatin1String(key)][i].toDouble();
            const QString name = QLatin1String(key[0] == 'f' ? "f" : key);
            EXPECT_EQ(envelope[name + "max"][i].toDouble(), std::max(a, b)) << key << i;
            EXPECT_EQ(envelope[name + "min"][i].toDouble(), std::min(a, b)) << key << i;
        }
    EXPECT_EQ(envelope["Anmax"].toDouble(), std::max(members[0]["An"].toDouble(), members[1]["An"].toDouble()));
    EXPECT_EQ(envelope["Bdmin"].toDouble(), std::min(members[0]["Bd"].toDouble(), members[1]["Bd"].toDouble()));
}

TEST_F(CliCommands, ReportWritesEveryPageOfItsMarkup)
{
    const QString roof = Example("strecha.dat");
    // The same report composed here, on a Czech system as the program runs below.
    const QLocale previous;
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    TTask task = LoadProject(roof);
    TDokument doc;
    ComposeReport(task, doc, TPageSetup());
    doc.LayOut();
    QLocale::setDefault(previous);
    ASSERT_GE(doc.PageCount(), 2);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("strecha.pdf"));
    ASSERT_EQ(RunCli({ QStringLiteral("report"), roof, QStringLiteral("-o"), pdf }).ExitCode, 0);
    EXPECT_EQ(QString::fromLatin1(ReadAll(pdf)).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))),
        doc.PageCount());

    const TRun markup = RunCli({ QStringLiteral("report"), roof, QStringLiteral("--markup") });
    ASSERT_EQ(markup.ExitCode, 0) << markup.Err.toStdString();
    const QString out = QString::fromUtf8(markup.Out);
    ASSERT_TRUE(out.startsWith(QStringLiteral("=== frame ===\n")));
    const qsizetype body = out.indexOf(QStringLiteral("\n=== body ===\n"));
    ASSERT_GT(body, 0);
    // The frame carries the time of the run: its lines are counted, the body's compared.
    EXPECT_EQ(out.mid(14, body - 14).split('\n').size(), doc.Frame.size());
    EXPECT_EQ(out.mid(body + 14).chopped(1).split('\n'), doc.Body);
}

// The page setup saved by the window's dialog is the report's, unless --default-page-setup says
// otherwise; a PDF that cannot be written fails and names the file.
TEST_F(CliCommands, ReportTakesTheSavedPageSetupAndSaysWhatCannotBeWritten)
{
    QTemporaryDir config;
    QDir(config.path()).mkpath(QStringLiteral("Trabík"));
    QFile ini(config.filePath(QStringLiteral("Trabík/Trabík.conf")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[PageSetup]\nLMEdit=25\nPageNumberCheck=true\n");
    ini.close();
    const QStringList markup { QStringLiteral("report"), Example("strecha.dat"), QStringLiteral("--markup") };
    const TRun saved = RunCli(markup, QStringLiteral("cs_CZ.UTF-8"), {}, config.path());
    ASSERT_EQ(saved.ExitCode, 0) << saved.Err.toStdString();
    EXPECT_TRUE(saved.Out.contains("<curx 25><cury 20>"));
    EXPECT_TRUE(saved.Out.contains("&pagenumber;/&pagecount;"));
    const TRun plain = RunCli(markup + QStringList { QStringLiteral("--default-page-setup") },
        QStringLiteral("cs_CZ.UTF-8"), {}, config.path());
    ASSERT_EQ(plain.ExitCode, 0) << plain.Err.toStdString();
    EXPECT_TRUE(plain.Out.contains("<curx 20><cury 20>"));
    EXPECT_FALSE(plain.Out.contains("&pagecount;"));

    const QString unwritable = config.filePath(QStringLiteral("chybí/posudek.pdf"));
    const TRun failed = RunCli({ QStringLiteral("report"), Example("strecha.dat"), QStringLiteral("-o"), unwritable });
    EXPECT_EQ(failed.ExitCode, 1);
    EXPECT_TRUE(failed.Err.contains(unwritable)) << failed.Err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(unwritable));
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
