// Timber strength classes against the published tables, and the look-up by the library's names.
#include "library/TimberClasses.h"
#include "library/TLibrary.h"

#include <gtest/gtest.h>

TEST(TimberClasses, RowsMatchThePublishedTables)
{
    // EN 338:2009 table 1 and EN 14080:2013 table 5, copied by hand from the printed tables.
    struct TRow
    {
        const char* Name;
        double fmk, fvk, fc90k, E0mean, E005, Gmean, rhok;
    };
    const TRow rows[] = {
        { "C14", 14, 3.0, 2.0, 7000, 4700, 440, 290 },
        { "C24", 24, 4.0, 2.5, 11000, 7400, 690, 350 },
        { "C40", 40, 4.0, 2.9, 14000, 9400, 880, 420 },
        { "GL24h", 24, 3.5, 2.5, 11500, 9600, 650, 385 },
        { "GL32h", 32, 3.5, 2.5, 14200, 11800, 650, 440 },
    };
    for (const TRow& r : rows) {
        const TTimberClass* c = FindTimberClass(QString::fromLatin1(r.Name));
        ASSERT_NE(c, nullptr) << r.Name;
        EXPECT_EQ(c->fmk, r.fmk) << r.Name;
        EXPECT_EQ(c->fvk, r.fvk) << r.Name;
        EXPECT_EQ(c->fc90k, r.fc90k) << r.Name;
        EXPECT_EQ(c->E0mean, r.E0mean) << r.Name;
        EXPECT_EQ(c->E005, r.E005) << r.Name;
        EXPECT_EQ(c->Gmean, r.Gmean) << r.Name;
        EXPECT_EQ(c->rhok, r.rhok) << r.Name;
    }
    EXPECT_EQ(FindTimberClass(QStringLiteral("GL28h"))->G005, 540);
}

TEST(TimberClasses, EveryLibraryTimberFindsItsClassWithTheSameModulus)
{
    int timber = 0;
    for (const TLibraryEntry& e : BuiltInMaterials()) {
        if (!e.Name.startsWith(QStringLiteral("dřevo")) && !e.Name.startsWith(QStringLiteral("lepené dřevo")))
            continue;
        ++timber;
        const TTimberClass* c = FindTimberClass(e.Name);
        ASSERT_NE(c, nullptr) << e.Name.toStdString();
        EXPECT_DOUBLE_EQ(c->E0mean, e.Value * 1000) << e.Name.toStdString();
    }
    EXPECT_EQ(timber, 15);
    EXPECT_EQ(FindTimberClass(QStringLiteral("gl24H"))->Name, QByteArray("GL24h"));
    EXPECT_EQ(FindTimberClass(QStringLiteral("ocel S235")), nullptr);
    EXPECT_EQ(FindTimberClass(QString()), nullptr);
}
