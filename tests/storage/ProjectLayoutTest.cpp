// The order and meaning of the values in a project file, and what opening makes of them.
#include "StorageTestSupport.h"

#include "model/TError.h"
#include "storage/ProjectPrimitives.h"
#include "storage/uProjectFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

void ExpectRow(TProjectReader& r, bool included, std::initializer_list<double> values)
{
    EXPECT_EQ(ReadBool(r), included);
    for (double v : values)
        EXPECT_DOUBLE_EQ(ReadDouble(r), v);
}

void ExpectLoadCaseHeader(
    TProjectReader& r, const char* name, int number, double gamaf, bool longTerm, std::array<int, 4> counts, bool print)
{
    EXPECT_EQ(ReadStr(r), QString::fromUtf8(name));
    EXPECT_EQ(ReadInt(r), number);
    EXPECT_DOUBLE_EQ(ReadDouble(r), gamaf);
    EXPECT_EQ(ReadBool(r), longTerm);
    EXPECT_EQ(ReadBool(r), !longTerm);
    for (int count : counts)
        EXPECT_EQ(ReadInt(r), count);
    EXPECT_EQ(ReadBool(r), print);
}

void ExpectBools(TProjectReader& r, std::initializer_list<bool> values)
{
    int i = 0;
    for (bool v : values)
        EXPECT_EQ(ReadBool(r), v) << "boolean " << i++;
}

void ExpectStrs(TProjectReader& r, std::initializer_list<const char*> values)
{
    for (const char* v : values)
        EXPECT_EQ(ReadStr(r), QString::fromUtf8(v));
}

TTask TaskWithNumbers(std::initializer_list<int> numbers)
{
    TTask task;
    for (int n : numbers) {
        task.ZSCounter = n - 1;
        task.NewLoadCase(TCaller::MainWindow);
    }
    return task;
}

} // namespace

TEST(ProjectLayout, ValuesFollowTheFixedOrder)
{
    TLocaleGuard comma(TLocaleGuard::Comma());
    TProjectReader r(EncodeProject(RichTask()));
    ExpectStrs(r, { "Rodinný dům Řevnice – přístavba", "Ing. Jiří Šťastný", "Střešní vazník V1 (ocel S235)", "6,3" });
    ExpectBools(r, { false, false, false, false, true, false }); // "konzola zleva"
    EXPECT_EQ(ReadInt(r), 3);

    ExpectLoadCaseHeader(r, "Stálé – vlastní tíha", 1, 1.35, true, { 2, 1, 1, 1 }, true);
    ExpectRow(r, true, { 10, 2 });
    ExpectRow(r, false, { -3.5, 0.125 });
    ExpectRow(r, true, { 1.25 });
    ExpectRow(r, true, { 2.5, 0.5, 4.75, 1.2 });
    ExpectRow(r, true, { -12.345, 6.3 });
    ExpectLoadCaseHeader(r, "Sníh", 2, 1.5, false, { 1, 1, 1, 0 }, false);
    ExpectRow(r, true, { 1e6, 0.001 });
    ExpectRow(r, true, { 3.6 });
    ExpectRow(r, true, { 0, 0, 0, 0 }); // empty edits are zeros
    ExpectLoadCaseHeader(r, "Vítr sání", 3, 1.4, false, { 0, 0, 0, 0 }, true);

    // The grid column by column, header row and column 0 included.
    EXPECT_EQ(ReadInt(r), 6);
    EXPECT_EQ(ReadInt(r), 4);
    ExpectStrs(r, { "index", "1", "2", "3", "název", "Základní kombinace", "Komb_2", "Komb_3", "tisk", "", "0", "" });
    ExpectStrs(r, { "Stálé – vlastní tíha", "", "", "", "Sníh", "0", "", "", "Vítr sání", "", "", "" });

    // CheckBox1 checked and enabled, then 2, 3, 10, 11, 12, 13, 14, 4, 5, 6, 7.
    ExpectBools(r, { true, true, true, true, true, true, false, false, false, true, false, true, true });
    // The load generator's 27 inputs.
    ExpectStrs(r, { "6,3" });
    ExpectBools(r, { false });
    ExpectStrs(r, { "" });
    ExpectBools(r, { true });
    ExpectStrs(r, { "0.9", "1,2" });
    ExpectBools(r, { false, true, false, true });
    ExpectStrs(r, { "0.8", "", "0,35", "1.1", "", "", "", "", "", "", "", "", "", "0,75", "", "", "1.4" });
    // Deflection inputs, then CheckBox8, 9, 15 .. 22.
    ExpectStrs(r, { "8356", "210000", "cm4", "MPa" });
    ExpectBools(r, { true, true, true, false, false, true, true, false, false, true });
    EXPECT_EQ(r.Remaining(), 0);
}

TEST(ProjectLayout, PointForceRowAndWhatItOpensAs)
{
    TLocaleGuard comma(TLocaleGuard::Comma());
    TTask task;
    task.NewLoadCase(TCaller::Generator);
    task.AddPxRow(true, 10, 2);
    const QByteArray bytes = EncodeProject(task);
    // Long-term, short-term, counts 1 0 0 0, print: then the row.
    const qsizetype row = bytes.indexOf(QByteArray::fromHex("0100000100000000000001"));
    ASSERT_GT(row, 0);
    EXPECT_EQ(bytes.mid(row + 11, 8), QByteArray::fromHex("0100023303000133"));

    const TTask back = DecodeProject(bytes);
    ASSERT_EQ(back.LoadCases.size(), 1u);
    const TPxRow& px = back.LoadCases[0].Px.at(0);
    EXPECT_TRUE(px.Checked);
    EXPECT_EQ(px.P, QStringLiteral("10,000"));
    EXPECT_EQ(px.a, QStringLiteral("2,000"));
    EXPECT_EQ(back.LoadCases[0].GamafText, QStringLiteral("1,100"));
}

TEST(ProjectLayout, RoundTripUnderEitherSeparator)
{
    for (const QLocale& locale : { TLocaleGuard::Comma(), TLocaleGuard::Point() }) {
        TLocaleGuard scope(locale);
        const QString sep = locale.decimalPoint();
        const TTask task = RichTask();
        const QByteArray bytes = EncodeProject(task);
        const TTask back = DecodeProject(bytes);
        EXPECT_EQ(EncodeProject(back), bytes);

        EXPECT_EQ(back.Job, task.Job);
        EXPECT_EQ(back.Typ, 2);
        EXPECT_EQ(back.ZSCounter, 3);
        ASSERT_EQ(back.LoadCases.size(), 3u);
        const TLoadCase& first = back.LoadCases[0];
        EXPECT_EQ(first.Caption, QStringLiteral("Stálé – vlastní tíha"));
        EXPECT_EQ(first.GamafText, QStringLiteral("1") + sep + QStringLiteral("350"));
        EXPECT_EQ(first.LongShort, QStringLiteral("0"));
        EXPECT_EQ(back.LoadCases[1].LongShort, QString());
        EXPECT_FALSE(back.LoadCases[1].PrintResults);
        EXPECT_EQ(first.Mx.at(0).M, QStringLiteral("-12") + sep + QStringLiteral("345"));
        EXPECT_EQ(back.LoadCases[1].QQ.at(0).qa, QStringLiteral("0") + sep + QStringLiteral("000"));
        for (int c = 0; c < task.Grid.ColCount(); ++c)
            for (int r = 0; r < task.Grid.RowCount(); ++r)
                EXPECT_EQ(back.Grid.Cell(c, r), task.Grid.Cell(c, r));
        for (int box = 1; box <= 22; ++box)
            EXPECT_EQ(back.Print[box].Checked, task.Print[box].Checked) << box;
        EXPECT_TRUE(back.Print[1].Enabled);
        EXPECT_EQ(back.Generator.Edit23, QStringLiteral("1.4"));
        EXPECT_EQ(back.Deflection.EUnit, QStringLiteral("MPa"));
        EXPECT_EQ(back.Calc.ComboBox1, first.Caption); // the calculation lists were refreshed
        EXPECT_EQ(back.Calc.ComboBox2, QStringLiteral("Základní kombinace"));
    }
}

TEST(ProjectLayout, FileFromTheOtherSeparatorOpensWithTheSameNumbers)
{
    QByteArray commaBytes;
    {
        TLocaleGuard comma(TLocaleGuard::Comma());
        commaBytes = EncodeProject(RichTask());
    }
    TLocaleGuard dot(TLocaleGuard::Point());
    const TTask back = DecodeProject(commaBytes);
    EXPECT_EQ(EncodeProject(back), EncodeProject(RichTask()));
    EXPECT_EQ(back.ReadQQ(1, 1).qb, 4.75);
    EXPECT_EQ(back.LoadCases[0].QQ.at(0).qb, QStringLiteral("4.750"));
}

TEST(ProjectLayout, OpeningRenumbersAndRoundsToThreeDecimals)
{
    TLocaleGuard comma(TLocaleGuard::Comma());
    TTask task = TaskWithNumbers({ 1, 4, 7 });
    task.LoadCases[2].Q.at(0) = { true, QStringLiteral("1.23456") };
    const TTask back = DecodeProject(EncodeProject(task));
    ASSERT_EQ(back.LoadCases.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back.LoadCases[size_t(i)].Number, i + 1);
    EXPECT_EQ(back.ZSCounter, 3);
    // Rows created by the program's own pages are empty edits: they open as zeros, unchecked.
    EXPECT_EQ(back.LoadCases[0].Px.at(0).P, QStringLiteral("0,000"));
    EXPECT_FALSE(back.LoadCases[0].Px.at(0).Checked);
    EXPECT_EQ(back.LoadCases[2].Q.at(0).q, QStringLiteral("1,235"));
}

TEST(ProjectLayout, PartialLoadOnAFixedBeamKeepsItsTick)
{
    TTask task;
    task.NewLoadCase(TCaller::Generator);
    task.AddQQRow(true, 1, 0, 2, 0);
    task.AddQQRow(false, 3, 0, 4, 0);
    task.SetTyp(22);
    const TTask back = DecodeProject(EncodeProject(task));
    EXPECT_EQ(back.Typ, 22);
    const auto& rows = back.LoadCases.at(0).QQ;
    EXPECT_TRUE(rows.at(0).Checked);
    EXPECT_FALSE(rows.at(1).Checked);
    EXPECT_TRUE(back.ReadQQ(back.LoadCases[0].Number, 1).Included);
    EXPECT_FALSE(back.ReadQQ(back.LoadCases[0].Number, 2).Included);
}

TEST(ProjectLayout, EndConditionFollowsTheRadioButtonsInOrder)
{
    TTask base;
    base.SetTyp(21);
    auto withBools = [](std::array<bool, 6> bools) {
        TTask t;
        t.TaskTitle.clear();
        QByteArray bytes = EncodeProject(t);
        for (int i = 0; i < 6; ++i) // four empty texts, then the six booleans
            bytes[8 + i] = char(bools[size_t(i)]);
        return bytes;
    };
    EXPECT_EQ(DecodeProject(withBools({ false, false, false, false, false, true }), base).Typ, 20);
    EXPECT_EQ(DecodeProject(withBools({ false, true, false, true, false, false }), base).Typ, 22); // last one wins
    EXPECT_EQ(DecodeProject(withBools({ false, false, false, false, false, false }), base).Typ, 21); // none: kept
}

TEST(ProjectLayout, OpeningKeepsWhatFilesDoNotHold)
{
    TTask base;
    base.Deflection.Edit32 = QStringLiteral("0.2");
    base.Calc.MomentCharacteristic = false;
    base.Print[20].Enabled = true;
    const TTask back = DecodeProject(EncodeProject(RichTask()), base);
    EXPECT_EQ(back.Deflection.Edit32, QStringLiteral("0.2"));
    EXPECT_FALSE(back.Calc.MomentCharacteristic);
    EXPECT_TRUE(back.Print[20].Enabled);
    EXPECT_EQ(back.LoadCases.size(), 3u); // the base's own load cases are gone
}

TEST(ProjectLayout, BytesAfterTheLastValueAreIgnored)
{
    const QByteArray bytes = EncodeProject(RichTask());
    const TTask back = DecodeProject(bytes + QByteArray("rubbish after the end", 21));
    EXPECT_EQ(EncodeProject(back), bytes);
}

// An extension block as a newer program writes it, after the fixed values of `task`.
QByteArray WithBlock(
    const TTask& task, std::initializer_list<std::pair<const char*, const char*>> items, int version = 1)
{
    TProjectWriter f;
    WriteStr(f, QStringLiteral("TRABIK-EXT"));
    WriteInt(f, version);
    WriteInt(f, int(items.size()));
    for (const auto& [key, value] : items) {
        WriteStr(f, QString::fromUtf8(key));
        WriteStr(f, QString::fromUtf8(value));
    }
    return EncodeProject(task) + f.Data();
}

TEST(ProjectLayout, ExtensionBlockCarriesNewInputsAndKeepsUnknownOnes)
{
    const QByteArray plain = EncodeProject(RichTask());
    TTask task = RichTask();
    task.Deflection.DeflectionLimit = QStringLiteral("300");
    task.Deflection.Section = QStringLiteral("IPE 200");
    task.Steel.LtbLength = QStringLiteral("3,5");
    task.Steel.SelfWeight = QStringLiteral("1");
    const QByteArray bytes = EncodeProject(task);
    EXPECT_EQ(bytes,
        WithBlock(RichTask(),
            { { "deflectionLimit", "300" }, { "section", "IPE 200" }, { "ltbLength", "3,5" }, { "selfWeight", "1" } }));
    QStringList warnings;
    TTask back = DecodeProject(bytes, TTask(), &warnings);
    EXPECT_EQ(back.Deflection.DeflectionLimit, QStringLiteral("300"));
    EXPECT_EQ(back.Deflection.Section, QStringLiteral("IPE 200"));
    EXPECT_EQ(back.Steel.LtbLength, QStringLiteral("3,5"));
    EXPECT_EQ(back.Steel.SelfWeight, QStringLiteral("1"));
    EXPECT_EQ(back.Steel.SteelGrade, QStringLiteral("S235"));
    EXPECT_TRUE(warnings.isEmpty());

    // A key of a newer program goes back out as it came; the defaults need no block at all.
    const QByteArray newer = WithBlock(RichTask(), { { "material", "dřevo C24" }, { "creep", "0,6" } });
    back = DecodeProject(newer);
    EXPECT_EQ(back.Deflection.Material, QStringLiteral("dřevo C24"));
    EXPECT_EQ(EncodeProject(back), newer);
    back.Deflection.Material.clear();
    back.ExtensionItems.clear();
    EXPECT_EQ(EncodeProject(back), plain);
    back = DecodeProject(newer);
    back.NewTask();
    EXPECT_EQ(back.Deflection.DeflectionLimit, QStringLiteral("250"));
    EXPECT_TRUE(back.ExtensionItems.empty());

    // A file without the block opens with the defaults whatever the task on screen had.
    EXPECT_EQ(DecodeProject(plain, task).Deflection.DeflectionLimit, QStringLiteral("250"));
}

// The EN 1990 values: the rule when it is not 6.10a,b, the action type of each classified load case by
// its position; a key naming a load case the file has not is kept as an unknown one.
TEST(ProjectLayout, ExtensionBlockCarriesTheActionTypesAndTheRule)
{
    TTask task = RichTask();
    task.CombinationRule = QStringLiteral("6.10");
    task.LoadCases[0].Action = QStringLiteral("G");
    task.LoadCases[2].Action = QStringLiteral("S-H");
    task.LoadCases[1].Duration = QStringLiteral("long-term");
    const QByteArray bytes = EncodeProject(task);
    EXPECT_EQ(bytes,
        WithBlock(RichTask(),
            { { "combinationRule", "6.10" }, { "loadCase.1.action", "G" }, { "loadCase.3.action", "S-H" },
                { "loadCase.2.duration", "long-term" } }));
    TTask back = DecodeProject(bytes);
    EXPECT_EQ(back.CombinationRule, QStringLiteral("6.10"));
    EXPECT_EQ(back.LoadCases[0].Action, QStringLiteral("G"));
    EXPECT_TRUE(back.LoadCases[1].Action.isEmpty());
    EXPECT_EQ(back.LoadCases[1].Duration, QStringLiteral("long-term"));
    EXPECT_EQ(back.LoadCases[2].Action, QStringLiteral("S-H"));
    EXPECT_EQ(EncodeProject(back), bytes);
    back.NewTask();
    EXPECT_EQ(back.CombinationRule, QStringLiteral("6.10a,b"));

    const QByteArray foreign = WithBlock(RichTask(), { { "loadCase.9.action", "W" }, { "loadCase.01.action", "W" } });
    back = DecodeProject(foreign);
    for (const TLoadCase& c : back.LoadCases)
        EXPECT_TRUE(c.Action.isEmpty());
    EXPECT_EQ(back.ExtensionItems.size(), 2u);
    EXPECT_EQ(EncodeProject(back), foreign);
    // The default rule and no classification: no block, the bytes of before.
    task.CombinationRule = QStringLiteral("6.10a,b");
    task.LoadCases[0].Action.clear();
    task.LoadCases[2].Action.clear();
    task.LoadCases[1].Duration.clear();
    EXPECT_EQ(EncodeProject(task), EncodeProject(RichTask()));
}

// The member checks' inputs: only those that differ from a new task's, and back as typed.
TEST(ProjectLayout, ExtensionBlockCarriesTheMemberCheckInputs)
{
    TTask task = RichTask();
    task.Timber.CheckMaterial = QStringLiteral("timber");
    task.Timber.ClassName = QStringLiteral("GL24h");
    task.Timber.Width = QStringLiteral("120");
    task.Timber.Depth = QStringLiteral("400");
    task.Timber.ServiceClass = QStringLiteral("2");
    task.Timber.SupportLength = QStringLiteral("150");
    task.Timber.Precamber = QStringLiteral("5");
    task.Timber.FinRatio = QStringLiteral("150");
    task.Steel.VariableDeflectionRatio = QStringLiteral("350");
    task.Deflection.CreepCoefficient = QStringLiteral("2,5");
    const QByteArray bytes = EncodeProject(task);
    EXPECT_EQ(bytes,
        WithBlock(RichTask(),
            { { "steelVariableRatio", "350" }, { "creepCoefficient", "2,5" }, { "checkMaterial", "timber" },
                { "timberClass", "GL24h" }, { "timberWidth", "120" }, { "timberDepth", "400" }, { "serviceClass", "2" },
                { "supportLength", "150" }, { "precamber", "5" }, { "wFinRatio", "150" } }));
    const TTask back = DecodeProject(bytes);
    EXPECT_EQ(back.Timber.ClassName, QStringLiteral("GL24h"));
    EXPECT_EQ(back.Timber.InstRatio, QStringLiteral("300"));
    EXPECT_EQ(back.Deflection.CreepCoefficient, QStringLiteral("2,5"));
    EXPECT_EQ(EncodeProject(back), bytes);
}

TEST(ProjectLayout, BrokenExtensionBlockOpensTheTaskWithDefaults)
{
    const QString broken = QStringLiteral("Rozšiřující údaje úlohy jsou poškozené, použity výchozí hodnoty.");
    const QByteArray plain = EncodeProject(RichTask());
    const QByteArray bytes = WithBlock(RichTask(), { { "deflectionLimit", "300" }, { "creep", "0,6" } });
    for (qsizetype cut = plain.size() + 2; cut < bytes.size(); ++cut) {
        QStringList warnings;
        const TTask back = DecodeProject(bytes.left(cut), TTask(), &warnings);
        EXPECT_EQ(EncodeProject(back), plain) << cut;
        EXPECT_EQ(warnings, QStringList { broken }) << cut;
    }
    QStringList warnings;
    DecodeProject(WithBlock(RichTask(), {}, 0), TTask(), &warnings);
    DecodeProject(WithBlock(RichTask(), { { "deflectionLimit", "300" } }, 2), TTask(), &warnings);
    EXPECT_EQ(warnings,
        QStringList({ broken,
            QStringLiteral("Rozšiřující údaje úlohy jsou z novější verze programu, použity výchozí hodnoty.") }));
}

TEST(ProjectLayout, SavingRefusesWhatTheFileCannotHold)
{
    TTask task = RichTask();
    task.LoadCases[1].Caption = QStringLiteral("Sníh ≥ 0,7 kPa");
    try {
        EncodeProject(task);
        FAIL() << "saved a character Windows-1250 has not";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message.contains(QStringLiteral("„≥“"))) << e.Message.toStdString();
    }
    TTask many = RichTask();
    many.LoadCases[0].Q.resize(65536);
    try {
        EncodeProject(many);
        FAIL() << "saved a count above 65535";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message.contains(QStringLiteral("65536"))) << e.Message.toStdString();
    }
}

TEST(ProjectLayout, OldFilesStillOpenByteForByte)
{
    // Written by this program; a change of the format or of the number texts shows up here.
    QFile golden(QStringLiteral(TRABIK_TEST_DATA "/storage/rich-comma.dat"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray bytes = golden.readAll();
    TTask back;
    {
        TLocaleGuard dot(TLocaleGuard::Point());
        back = DecodeProject(bytes);
    }
    TLocaleGuard comma(TLocaleGuard::Comma());
    EXPECT_EQ(EncodeProject(back), bytes);
    EXPECT_EQ(EncodeProject(RichTask()), bytes);
}
