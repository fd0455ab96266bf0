// The example tasks in examples/ and the sample file in tests/data/storage are written by the
// program itself. This test keeps them in step with the builders below; run it once with
// TRABIK_WRITE_EXAMPLES=1 to write them again after a deliberate change.
#include "StorageTestSupport.h"

#include "storage/uProjectFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Row 1 is the combination the grid starts with; further rows are added.
void AddCombination(TTask& task, int row, const QString& name, std::initializer_list<int> excludedColumns)
{
    task.RefreshCombinationGrid();
    while (task.Grid.RowCount() <= row)
        task.AddCombination();
    task.Grid.SetCell(1, row, name);
    for (int col : excludedColumns)
        task.Grid.SetCell(col, row, QStringLiteral("0"));
}

// A steel roof girder of a warehouse, purlins every 2 m on a loading width of 6 m.
TTask RoofGirder()
{
    TTask task;
    task.Job = QStringLiteral("Skladová hala Kolín – objekt SO 02");
    task.Author = QStringLiteral("Ing. Petra Dvořáková");
    task.TaskTitle = QStringLiteral("Střešní vazník V2, IPE 300");
    task.SpanText = QStringLiteral("12");
    task.SetTyp(11);
    task.NewLoadCase(QStringLiteral("Vlastní tíha vazníku"), 1.1, true, true);
    task.AddQRow(true, 0.422);
    task.NewLoadCase(QStringLiteral("Střešní plášť"), 1.35, true, true);
    for (int x = 2; x <= 10; x += 2)
        task.AddPxRow(true, 5.4, x);
    task.NewLoadCase(QStringLiteral("Sníh"), 1.5, false, true);
    for (int x = 2; x <= 10; x += 2)
        task.AddPxRow(true, 9.6, x);
    task.NewLoadCase(QStringLiteral("Vzduchotechnika"), 1.35, true, true);
    task.AddQQRow(true, 0.8, 3, 0.8, 3);
    task.AddPxRow(true, 4.5, 7.5);
    AddCombination(task, 1, QStringLiteral("ZK1 – plné zatížení"), {});
    AddCombination(task, 2, QStringLiteral("ZK2 – bez sněhu"), { 5 });

    TGeneratorInputs& g = task.Generator;
    g.Edit1 = QStringLiteral("12");
    g.Edit4 = QStringLiteral("6");
    g.RadioButton1 = false;
    g.RadioButton2 = true;
    g.Edit5 = QStringLiteral("2");
    g.Edit6 = QStringLiteral("2");
    g.Edit8 = QStringLiteral("0,422");
    g.Edit9 = QStringLiteral("1,1");
    g.Edit12 = QStringLiteral("0,45");
    g.Edit13 = QStringLiteral("1,35");
    g.Edit20 = QStringLiteral("0,8");
    g.Edit21 = QStringLiteral("1,5");
    task.Print[1] = { true, true };
    task.Print[5].Checked = true;
    task.Deflection.Edit30 = QStringLiteral("8356");
    task.Deflection.IyUnit = QStringLiteral("cm4");
    task.Deflection.Edit31 = QStringLiteral("210");
    task.Deflection.Material = QStringLiteral("ocel S235"); // IPE 300 in S235: checked by trabik-cli check
    task.Deflection.Section = QStringLiteral("IPE 300");
    return task;
}

// A reinforced concrete floor beam 250 x 400 mm, fixed in the walls at both ends.
TTask FloorBeam()
{
    TTask task;
    task.Job = QStringLiteral("Bytový dům Brno-Žabovřesky");
    task.Author = QStringLiteral("Ing. Tomáš Kučera");
    task.TaskTitle = QStringLiteral("Stropní trám T3 nad 2. NP");
    task.SpanText = QStringLiteral("5,4");
    task.SetTyp(22);
    task.NewLoadCase(QStringLiteral("Stálé – strop a podlaha"), 1.35, true, true);
    task.AddQRow(true, 12.6);
    task.NewLoadCase(QStringLiteral("Příčka"), 1.35, true, true);
    task.AddPxRow(true, 7.8, 2.1);
    task.NewLoadCase(QStringLiteral("Užitné – byty"), 1.5, false, true);
    task.AddQRow(true, 4.5);
    AddCombination(task, 1, QStringLiteral("Stálé + užitné"), {});
    task.Deflection.Edit30 = QStringLiteral("0.001333");
    task.Deflection.Edit31 = QStringLiteral("30");
    return task;
}

// A vertical 1 m strip of a water tank wall, 250 mm of concrete fixed in the floor and in the roof
// slab: the water pressure rises from 0 at the top (left end) to 10 kN/m3 x 3 m at the bottom.
TTask TankWall()
{
    TTask task;
    task.Job = QStringLiteral("Požární nádrž – areál Pardubice");
    task.Author = QStringLiteral("Ing. Lucie Horáková");
    task.TaskTitle = QStringLiteral("Stěna nádrže, svislý pruh 1 m");
    task.SpanText = QStringLiteral("3");
    task.SetTyp(22);
    task.NewLoadCase(QStringLiteral("Hydrostatický tlak vody"), 1.2, true, true);
    task.AddQQRow(true, 0, 0, 30, 0);
    task.Deflection.Edit30 = QStringLiteral("0.001302");
    task.Deflection.Edit31 = QStringLiteral("30");
    return task;
}

// A steel balcony cantilever fixed in the wall on the left, railing at the free end.
TTask Cantilever()
{
    TTask task;
    task.Job = QStringLiteral("Rekonstrukce vily Hradec Králové");
    task.Author = QStringLiteral("Ing. Jan Černý");
    task.TaskTitle = QStringLiteral("Konzola balkonu K1, HEB 140");
    task.SpanText = QStringLiteral("1,8");
    task.SetTyp(20);
    task.NewLoadCase(QStringLiteral("Stálé – deska a dlažba"), 1.35, true, true);
    task.AddQRow(true, 3.1);
    task.NewLoadCase(QStringLiteral("Zábradlí"), 1.35, true, true);
    task.AddPxRow(true, 1.2, 1.8);
    task.NewLoadCase(QStringLiteral("Užitné – část balkonu"), 1.5, false, true);
    task.AddQQRow(true, 4, 0.3, 2.5, 0.2);
    AddCombination(task, 1, QStringLiteral("Celkové"), {});
    task.Deflection.Edit30 = QStringLiteral("1509");
    task.Deflection.IyUnit = QStringLiteral("cm4");
    task.Deflection.Edit31 = QStringLiteral("210");
    return task;
}

// A rafter of solid timber C24 100 × 200 mm, classified for EN 1990 (the hand-checked timber task).
TTask Rafter()
{
    TTask task;
    task.Job = QStringLiteral("Rodinný dům Beroun");
    task.Author = QStringLiteral("Ing. Petra Dvořáková");
    task.TaskTitle = QStringLiteral("Krokev K1, C24 100 × 200");
    task.SpanText = QStringLiteral("4");
    task.SetTyp(11);
    task.NewLoadCase(QStringLiteral("Stálé"), 1.35, true, true);
    task.AddQRow(true, 1);
    task.LoadCases.back().Action = QStringLiteral("G");
    task.NewLoadCase(QStringLiteral("Užitné"), 1.5, false, true);
    task.AddQRow(true, 2);
    task.LoadCases.back().Action = QStringLiteral("Q-A");
    AddCombination(task, 1, QStringLiteral("ZK1"), {});
    TDeflectionInputs& d = task.Deflection;
    d.CheckBox23 = true; // the rectangle with E0,mean of C24
    d.Edit32 = QStringLiteral("0,1");
    d.Edit33 = QStringLiteral("0,2");
    d.Edit31 = QStringLiteral("11");
    task.Timber.ClassName = QStringLiteral("C24");
    task.Timber.Width = QStringLiteral("100");
    task.Timber.Depth = QStringLiteral("200");
    return task;
}

void CheckOrWrite(const QString& path, const QByteArray& bytes)
{
    if (qEnvironmentVariableIntValue("TRABIK_WRITE_EXAMPLES") == 1) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << path.toStdString();
        out.write(bytes);
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(in.readAll(), bytes) << path.toStdString();
}

} // namespace

TEST(ExampleFiles, AreWhatTheProgramWritesForTheirTasks)
{
    // Czech systems write decimal commas.
    TLocaleGuard comma(TLocaleGuard::Comma());
    const QString examples = QStringLiteral(TRABIK_TEST_DATA "/../../examples/");
    CheckOrWrite(examples + QStringLiteral("strecha.dat"), EncodeProject(RoofGirder()));
    CheckOrWrite(examples + QStringLiteral("strop.dat"), EncodeProject(FloorBeam()));
    CheckOrWrite(examples + QStringLiteral("konzola.dat"), EncodeProject(Cantilever()));
    CheckOrWrite(examples + QStringLiteral("nadrz.dat"), EncodeProject(TankWall()));
    CheckOrWrite(examples + QStringLiteral("krokev.dat"), EncodeProject(Rafter()));
    CheckOrWrite(QStringLiteral(TRABIK_TEST_DATA "/storage/rich-comma.dat"), EncodeProject(RichTask()));
}

TEST(ExampleFiles, OpenAsTheirTasks)
{
    TLocaleGuard dot(TLocaleGuard::Point());
    const TTask roof = LoadProject(QStringLiteral(TRABIK_TEST_DATA "/../../examples/strecha.dat"));
    ASSERT_EQ(roof.LoadCases.size(), 4u);
    EXPECT_EQ(roof.LoadCases[1].Px.size(), 5u);
    EXPECT_EQ(roof.LoadCases[2].Px.at(4).a, QStringLiteral("10.000"));
    EXPECT_EQ(roof.CombinationNames(),
        (QStringList { QStringLiteral("ZK1 – plné zatížení"), QStringLiteral("ZK2 – bez sněhu") }));
    EXPECT_EQ(roof.Grid.Cell(5, 2), QStringLiteral("0"));
    EXPECT_EQ(LoadProject(QStringLiteral(TRABIK_TEST_DATA "/../../examples/strop.dat")).Typ, 22);
    const TTask cantilever = LoadProject(QStringLiteral(TRABIK_TEST_DATA "/../../examples/konzola.dat"));
    EXPECT_EQ(cantilever.Typ, 20);
    EXPECT_TRUE(cantilever.ReadQQ(3, 1).Included);
    const TTask tank = LoadProject(QStringLiteral(TRABIK_TEST_DATA "/../../examples/nadrz.dat"));
    EXPECT_EQ(tank.Typ, 22);
    EXPECT_TRUE(tank.ReadQQ(1, 1).Included);
}
