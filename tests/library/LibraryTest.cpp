// The material and section library: Iy from the nominal dimensions against the handbooks, the
// stores' lines and order, and the user's own file.
#include "library/SectionTable.h"
#include "library/SteelGrades.h"
#include "library/TLibrary.h"
#include "model/TError.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const TSectionDims* Dims(const char* series, int size)
{
    for (const TSectionDims& d : SectionDimensions())
        if (QByteArray(d.Series) == series && d.Size == size)
            return &d;
    return nullptr;
}

QStringList Names(const std::vector<TLibraryEntry>& entries)
{
    QStringList names;
    for (const TLibraryEntry& e : entries)
        names << e.Name;
    return names;
}

} // namespace

TEST(SectionTable, IyFromTheDimensionsMatchesThePublishedValues)
{
    struct TRow
    {
        const char* Series;
        int Size;
        double IyCm4; // published
    };
    const TRow rows[] = { { "IPE", 80, 80.14 }, { "IPE", 200, 1943 }, { "IPE", 300, 8356 }, { "IPE", 600, 92080 },
        { "HEA", 100, 349.2 }, { "HEA", 200, 3692 }, { "HEA", 500, 86970 }, { "HEA", 1000, 553800 },
        { "HEB", 100, 449.5 }, { "HEB", 200, 5696 }, { "HEB", 400, 57680 }, { "HEB", 1000, 644700 },
        { "HEM", 100, 1143 }, { "HEM", 300, 59200 }, { "HEM", 1000, 722300 }, { "UPE", 80, 107 }, { "UPE", 200, 1910 },
        { "UPE", 400, 20980 }, { "UPN", 80, 106 }, { "UPN", 200, 1910 }, { "UPN", 300, 8030 }, { "UPN", 320, 10870 },
        { "UPN", 400, 20350 } };
    for (const TRow& row : rows) {
        const TSectionDims* d = Dims(row.Series, row.Size);
        ASSERT_TRUE(d) << row.Series << ' ' << row.Size;
        EXPECT_NEAR(SectionIyMm4(*d) / 1e4, row.IyCm4, row.IyCm4 * 0.005) << row.Series << ' ' << row.Size;
    }
}

TEST(LibraryStore, LinesInOrderWithTheSystemsDecimalSeparator)
{
    const TLibrary library;
    const QStringList materials = Names(library.Entries(TLibraryKind::Materials));
    EXPECT_EQ(materials.mid(0, 6),
        QStringList(
            { "ocel S235", "ocel S275", "ocel S355", "ocel S460", "nerezová ocel 1.4301", "hliník EN AW-6060" }));
    EXPECT_LT(materials.indexOf("dřevo C14"), materials.indexOf("dřevo C40"));
    EXPECT_LT(materials.indexOf("dřevo C40"), materials.indexOf("lepené dřevo GL24h"));
    EXPECT_EQ(materials.last(), QStringLiteral("beton C50/60"));
    const QStringList sections = Names(library.Entries(TLibraryKind::Sections));
    EXPECT_EQ(sections.size(), 18 + 3 * 24 + 14 + 16);
    EXPECT_EQ(sections.first(), QStringLiteral("IPE 80"));
    EXPECT_EQ(sections.indexOf("HEA 100"), sections.indexOf("IPE 600") + 1);
    EXPECT_EQ(sections.last(), QStringLiteral("UPN 400"));

    QLocale::setDefault(QLocale(QLocale::Czech));
    EXPECT_TRUE(library.StoreLines(TLibraryKind::Materials).contains("dřevo C20=9,5"));
    EXPECT_TRUE(library.StoreLines(TLibraryKind::Sections).contains("IPE 300=83560000"));
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(library.StoreLines(TLibraryKind::Materials).contains("ocel S235=210"));
    EXPECT_TRUE(library.StoreLines(TLibraryKind::Materials).contains("dřevo C20=9.5"));
    EXPECT_TRUE(library.StoreLines(TLibraryKind::Materials).contains("beton C25/30=31"));
    EXPECT_TRUE(library.StoreLines(TLibraryKind::Sections).contains("HEB 200=56960000"));
}

TEST(LibraryUserFile, DamagedLinesAndBuiltInNamesAreSkippedAndNamed)
{
    TLibrary library;
    const QStringList messages = library.ReadUserText(QStringLiteral("bez hlavičky=1\n"
                                                                     "[materiály]\n"
                                                                     "smrk=10,5\n"
                                                                     "ocel S235=205\n"
                                                                     "bez rovnítka\n"
                                                                     "záporný=-3\n"
                                                                     "\n"
                                                                     "[průřezy]\n"
                                                                     "IPE 750x137=1599000000\n"
                                                                     "text=abc\n"));
    ASSERT_EQ(messages.size(), 5) << messages.join('\n').toStdString();
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Řádek 1 ")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("vestavěná"))) << messages[1].toStdString();
    EXPECT_TRUE(messages[2].contains(QStringLiteral("„bez rovnítka“")));
    EXPECT_TRUE(messages[4].startsWith(QStringLiteral("Řádek 10 ")));
    ASSERT_TRUE(library.Find(TLibraryKind::Materials, "smrk"));
    EXPECT_EQ(library.Find(TLibraryKind::Materials, "smrk")->Value, 10.5);
    EXPECT_EQ(library.Find(TLibraryKind::Materials, "ocel S235")->Value, 210); // the built-in stands
    EXPECT_EQ(Names(library.Entries(TLibraryKind::Sections)).last(), QStringLiteral("IPE 750x137"));
    EXPECT_FALSE(library.EntryProblem(TLibraryKind::Sections, "HEB 200", 1).isEmpty());
    EXPECT_FALSE(library.EntryProblem(TLibraryKind::Materials, "smrk", 9).isEmpty());
}

TEST(LibraryUserFile, SavedAndReadBackAndAFailedSaveKeepsTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/knihovna.txt"));
    TLibrary library;
    EXPECT_TRUE(library.LoadUserFile(path).isEmpty()); // no file yet: no entries, no message
    library.AddUserEntry(TLibraryKind::Materials, QStringLiteral("smrk"), 10.5);
    library.AddUserEntry(TLibraryKind::Sections, QStringLiteral("IPE 750x137"), 1599000000);
    library.SaveUserFile();
    TLibrary again;
    EXPECT_TRUE(again.LoadUserFile(path).isEmpty());
    EXPECT_EQ(again.UserText(), library.UserText());
    EXPECT_EQ(again.UserText(), QStringLiteral("[materiály]\nsmrk=10.5\n[průřezy]\nIPE 750x137=1599000000\n"));

    // A folder that cannot be made (a file stands in the way): an error, never a silent success.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    again.LoadUserFile(dir.filePath(QStringLiteral("blocker/knihovna.txt")));
    EXPECT_THROW(again.SaveUserFile(), TError);
}

// Published table values (A cm2, Iz cm4, Wpl,y cm3, It cm4, Iw 10^3 cm6, Av,z cm2; 0: not compared),
// to 1 % where the tables round. Channels: It and Iw of the thin-plate formulas are not compared.
TEST(SectionTable, PropertiesFromTheDimensionsMatchThePublishedValues)
{
    struct TRow
    {
        const char* Series;
        int Size;
        double A, Iz, Wpl, It, Iw, Avz;
    };
    const TRow rows[] = {
        { "IPE", 300, 53.81, 603.8, 628.4, 20.12, 125.9, 25.68 },
        { "HEA", 200, 53.83, 1336, 429.5, 20.98, 108.0, 18.08 },
        { "HEB", 200, 78.08, 2003, 642.5, 59.28, 171.1, 24.83 },
        { "HEM", 200, 131.3, 3651, 1135, 259.4, 346.3, 41.03 },
        { "UPE", 200, 29.01, 187.3, 220.1, 0, 0, 0 },
        { "UPN", 200, 32.20, 148.0, 228.0, 0, 0, 0 },
    };
    for (const TRow& row : rows) {
        const TSectionDims* d = Dims(row.Series, row.Size);
        ASSERT_TRUE(d);
        const TSectionProperties p = SectionProperties(*d);
        const auto near = [&](double computed, double published, const char* what) {
            if (published != 0) {
                EXPECT_NEAR(computed, published, published * 0.01) << row.Series << ' ' << row.Size << ' ' << what;
            }
        };
        near(p.A / 1e2, row.A, "A");
        near(p.Iz / 1e4, row.Iz, "Iz");
        near(p.WplY / 1e3, row.Wpl, "Wpl,y");
        near(p.It / 1e4, row.It, "It");
        near(p.Iw / 1e9, row.Iw, "Iw");
        near(p.AvZ / 1e2, row.Avz, "Av,z");
        EXPECT_DOUBLE_EQ(p.WelY, p.Iy / (d->H / 2));
        EXPECT_DOUBLE_EQ(p.Mass, p.A * 1e-6 * 7850);
    }
    // IPE 300 by hand: iz = sqrt(603,8 / 53,81) = 3,35 cm; 53,81 cm2 x 0,785 kg/(m cm2) = 42,2 kg/m.
    const TSectionProperties ipe = SectionProperties(*Dims("IPE", 300));
    EXPECT_NEAR(ipe.RadiusZ, 33.5, 0.2);
    EXPECT_NEAR(ipe.Mass, 42.2, 0.2);
    EXPECT_EQ(FindSection(QStringLiteral("IPE 300")), Dims("IPE", 300));
    EXPECT_EQ(FindSection(QStringLiteral("IPE 301")), nullptr);
}

// EN 1993-1-1 Table 3.1: the strength steps down past 40 mm and is not given past 80 mm.
TEST(SteelGrades, StrengthByTheThickestPlate)
{
    ASSERT_EQ(SteelGrades().size(), 5u);
    const TSteelGrade* s355 = FindSteelGrade(QStringLiteral("s355"));
    ASSERT_TRUE(s355);
    const TSteelStrength thin = SteelStrength(*s355, 40), thick = SteelStrength(*s355, 40.5);
    EXPECT_TRUE(thin.Known && thick.Known);
    EXPECT_EQ(thin.fy, 355);
    EXPECT_EQ(thin.fu, 510);
    EXPECT_EQ(thick.fy, 335);
    EXPECT_EQ(thick.fu, 470);
    EXPECT_FALSE(SteelStrength(*s355, 81).Known);
    EXPECT_EQ(SteelStrength(*FindSteelGrade(QStringLiteral("S460")), 60).fy, 430);
    EXPECT_EQ(FindSteelGrade(QStringLiteral("S500")), nullptr);
}
