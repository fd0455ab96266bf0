// The page frame: exact lines for the default setup and the heights of header and footer.
#include "ReportTestSupport.h"

#include "document/uDokument.h"
#include "model/TError.h"
#include "report/PageFrame.h"
#include "report/PageSetupSettings.h"

#include <QTemporaryDir>

#include <QRegularExpression>

namespace {

QStringList Frame(const TPageSetup& setup)
{
    return PageFrameLines(setup, QStringLiteral("Hala Jih"), QStringLiteral("Ing. Novák"), FixedClock()());
}

struct PageFrame : ::testing::Test
{
    TLocaleGuard Locale { QLocale(QLocale::Czech, QLocale::CzechRepublic) };
    TPageSetup Setup;
};

TEST_F(PageFrame, DefaultSetupGivesHeaderBoxMarginLineAndBodyMargins)
{
    const QStringList expected = {
        "<left 0><right 0><top 0><bottom 0><br>",
        "<curx 20><cury 20>",
        "<mark 1>",
        "Statická kancelář<br><gotox 1>",
        "<b>www.example.cz</b><br><gotox 1>",
        "<gotoy 1>",
        "<curx 175>5. 3. 2026",
        "<curx 65><cury 20>",
        "<tab><mark 1>Akce:      <tab> Hala Jih",
        "<br><gotox 1>Vypracoval: <tab>Ing. Novák",
        "<box 18 17 190 34>",
        "<line 45 35 45 273>",
        "<left 50><right 20><top 41><bottom 30>",
        "<curx 0><cury 0>",
    };
    EXPECT_EQ(Frame(Setup), expected);
    EXPECT_EQ(Setup.Font.family(), "Arial CE");
    EXPECT_EQ(Setup.FontPoints(), 8);
    EXPECT_FALSE(Setup.Logo.isNull());
}

TEST_F(PageFrame, AllHeaderItemsOffLeavesNoIdentificationAndNoBox)
{
    Setup.Address1Check = Setup.DateCheck = Setup.LogoCheck = false;
    const QStringList expected = {
        "<left 0><right 0><top 0><bottom 0><br>",
        "<curx 20><cury 20>",
        "<curx 65><cury 20>",
        "<line 45 24 45 273>",
        "<left 50><right 20><top 30><bottom 30>",
        "<curx 0><cury 0>",
    };
    EXPECT_EQ(Frame(Setup), expected);
}

TEST_F(PageFrame, FooterWithAddressPageNumberAndTime)
{
    Setup.Address2Check = Setup.PageNumberCheck = Setup.TimeCheck = true;
    Setup.Separator = TPageSetup::FrameRadio;
    const QStringList lines = Frame(Setup);
    const QStringList tail = lines.mid(lines.indexOf("<box 18 17 190 34>"));
    const QStringList expected = {
        "<box 18 17 190 34>",
        "<box 18 279 190 272>", // f = R(8 x 1 x 1.5 x 27 / 100) = 3
        "<box 18 35 45 270>",
        "<curx 20><cury 274><mark 1>",
        "e-mail: <u>kancelar@example.cz</u><br><gotox 1>",
        "<gotoy 1>",
        "<curx 103>&pagenumber;/&pagecount;",
        "<curx 175>14:07:09", // wall-clock time, no time zone
        "<left 50><right 20><top 41><bottom 33>",
        "<curx 0><cury 0>",
    };
    EXPECT_EQ(tail, expected);

    Setup.Address2Check = false; // the number and the time still go to the footer line
    const QStringList footer = Frame(Setup).mid(int(Frame(Setup).indexOf("<box 18 35 45 270>")) + 1, 3);
    EXPECT_EQ(footer, (QStringList { "<cury 274>", "<curx 103>&pagenumber;/&pagecount;", "<curx 175>14:07:09" }));
}

TEST_F(PageFrame, HeightsFollowTheTallestHeaderItem)
{
    // Logo 40 mm high with a 10-point font: the logo decides.
    Setup.LogoCheck = true;
    Setup.LogoWEdit = "25";
    Setup.LogoHEdit = "40";
    Setup.Font.setPointSize(10);
    const QStringList lines = Frame(Setup);
    EXPECT_TRUE(lines.contains("<img 25 40>*.bmp</img><curx 47>"));
    // The box is 40 mm high, and wide enough for the date "5. 3. 2026" of the larger font.
    EXPECT_TRUE(lines.contains("<box 18 17 190 63>") || lines.contains("<box 18 17 191 63>")
        || lines.contains("<box 18 17 192 63>") || lines.contains("<box 18 17 193 63>")
        || lines.contains("<box 18 17 194 63>"))
        << lines.join('\n').toStdString();
    EXPECT_EQ(lines.at(lines.size() - 2), "<left 50><right 20><top 70><bottom 30>");

    EXPECT_EQ(HeaderHeight(Setup, 10, 40), 40);
    EXPECT_EQ(HeaderHeight(Setup, 10, 5), 14); // R(13.77)
    Setup.LogoCheck = false;
    Setup.Address1Memo = QStringList(9, "x");
    EXPECT_EQ(HeaderHeight(Setup, 10, 40), 40); // R(40.5): half to even
    Setup.Address1Check = false;
    EXPECT_EQ(HeaderHeight(Setup, 10, 40), 14);
    Setup.DateCheck = false;
    EXPECT_EQ(HeaderHeight(Setup, 10, 40), 0);
}

TEST_F(PageFrame, WideAddressBlockMovesTheJobColumnAndTheBoxHoldsTheDate)
{
    Setup.Font.setPointSize(14);
    Setup.LogoCheck = true;
    Setup.LogoWEdit = Setup.LogoHEdit = "20";
    Setup.Address1Memo << "tel. +420 123 456 789";
    const QStringList lines = Frame(Setup);
    const QRegularExpression column("^<curx (\\d+)><cury 20>$"), box("^<box 18 17 (\\d+) \\d+>$");
    const QRegularExpression date("^<curx (\\d+)>5. 3. 2026$");
    const int columnAt = int(lines.indexOf(column, 2));
    ASSERT_GE(columnAt, 0);
    EXPECT_GT(column.match(lines[columnAt]).captured(1).toInt(), 80); // was 65: right of the logo and the address lines
    const int boxRight = box.match(lines[int(lines.indexOf(box))]).captured(1).toInt();
    EXPECT_GT(boxRight, 190);
    EXPECT_LE(boxRight, 208);
    EXPECT_GE(date.match(lines[int(lines.indexOf(date))]).captured(1).toInt(), 175);
}

TEST_F(PageFrame, EmptyAddressMemoStillMarksAndCountsOneLine)
{
    Setup.Address1Memo.clear();
    Setup.DateCheck = false;
    const QStringList lines = Frame(Setup);
    const int mark = int(lines.indexOf("<mark 1>"));
    ASSERT_GE(mark, 0);
    EXPECT_EQ(lines.at(mark + 1), "<gotoy 1>");
    EXPECT_EQ(HeaderHeight(Setup, 30, 0), 41); // identification R(41.31) beats the memo R(12.15)
    EXPECT_EQ(HeaderHeight(Setup, 8, 0), 11);
}

TEST_F(PageFrame, FooterHeightCandidates)
{
    EXPECT_EQ(FooterHeight(Setup, 8), 0);
    Setup.PageNumberCheck = Setup.TimeCheck = true;
    EXPECT_EQ(FooterHeight(Setup, 8), 3);
    Setup.Address2Check = true;
    Setup.Address2Memo = QStringList(3, "x");
    EXPECT_EQ(FooterHeight(Setup, 8), 10); // R(9.72)
    Setup.Separator = TPageSetup::NoneRadio;
    const QStringList lines = Frame(Setup);
    EXPECT_EQ(lines.filter(QRegularExpression("^<(line|box) ")),
        QStringList({ "<box 18 17 190 34>", "<box 18 279 190 265>" }));
}

TEST_F(PageFrame, FontGivenInPixelsCountsInPoints)
{
    Setup.Font = QFont("Arial CE");
    Setup.Font.setPixelSize(11);
    EXPECT_EQ(Setup.FontPoints(), 8);
}

TEST(StrictToInt, AcceptsOnlyDecimalIntegers)
{
    EXPECT_EQ(StrictToInt("20"), 20);
    EXPECT_EQ(StrictToInt("  -3"), -3);
    EXPECT_EQ(StrictToInt("+7"), 7);
    for (const char* bad : { "", " ", "20.5", "20 ", "1e3", "abc", "-", "99999999999" }) {
        try {
            StrictToInt(bad);
            ADD_FAILURE() << bad;
        } catch (const TError& e) {
            EXPECT_EQ(e.Message, QStringLiteral("'%1' is not a valid integer value").arg(bad));
        }
    }
}

TEST(PageFrameBuilder, BadMarginLeavesTheFrameEmpty)
{
    TDokument doc;
    doc.Job = "J";
    TPageSetup setup;
    BuildPageFrame(setup, doc, FixedClock());
    EXPECT_EQ(doc.Frame.size(), 14);
    setup.LMEdit = "20,5";
    try {
        BuildPageFrame(setup, doc, FixedClock());
        FAIL() << "a non-integer margin must stop the frame";
    } catch (const TError& e) {
        EXPECT_EQ(e.Message, "'20,5' is not a valid integer value");
    }
    EXPECT_TRUE(doc.Frame.isEmpty());
}

} // namespace

namespace {

TEST(PageFrameBuilder, LogoWidthCountsOnlyWithTheLogo)
{
    TPageSetup setup;
    setup.LogoCheck = false;
    setup.LogoWEdit = "abc"; // left over in a field that is not used
    const QStringList lines = PageFrameLines(setup, {}, {}, FixedClock()());
    EXPECT_EQ(lines.at(lines.size() - 2), "<left 50><right 20><top 41><bottom 30>");
    EXPECT_TRUE(lines.filter("<img").isEmpty());
    // The height is still read: it is a number of the frame whether or not a logo is drawn.
    setup.LogoHEdit = "x";
    EXPECT_THROW(PageFrameLines(setup, {}, {}, FixedClock()()), TError);
    setup.LogoHEdit = "15";
    setup.LogoCheck = true;
    try {
        PageFrameLines(setup, {}, {}, FixedClock()());
        FAIL() << "the width of a shown logo must be an integer";
    } catch (const TError& e) {
        EXPECT_EQ(e.Message, "'abc' is not a valid integer value");
    }
}

TEST(PageFrameBuilder, HugeMarginsDoNotOverflow)
{
    TPageSetup setup;
    setup.LMEdit = setup.LCEdit = "2147483647";
    const QStringList lines = PageFrameLines(setup, {}, {}, FixedClock()());
    EXPECT_EQ(lines.at(lines.size() - 2), "<left 4294967294><right 20><top 41><bottom 30>");
}

} // namespace

// Every field survives the settings file; a logo of its own is kept as a picture, and a file that
// does not exist gives the defaults.
TEST(PageSetupSettings, SaveAndLoadGiveTheSameSetup)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("nastaveni.conf"));
    EXPECT_EQ(LoadPageSetup(file).LMEdit, TPageSetup().LMEdit);
    TPageSetup s;
    s.LMEdit = "15";
    s.LCEdit = "0";
    s.Separator = TPageSetup::FrameRadio;
    s.LogoCheck = s.TimeCheck = s.NoDiacritics = true;
    s.DateCheck = false;
    s.LogoFileEdit = "/kancelar/logo.png";
    s.Logo = QImage(8, 4, QImage::Format_RGB32);
    s.Logo.fill(Qt::red);
    s.Address1Memo = { "Statika, a, b", "<b>tel. 123</b>" };
    s.Address2Memo.clear();
    s.Font = QFont("Arial CE", 12);
    SavePageSetup(s, file);
    const TPageSetup back = LoadPageSetup(file);
    EXPECT_EQ(back.LMEdit, "15");
    EXPECT_EQ(back.LCEdit, "0");
    EXPECT_EQ(back.Separator, TPageSetup::FrameRadio);
    EXPECT_TRUE(back.LogoCheck && back.TimeCheck && back.NoDiacritics && !back.DateCheck);
    EXPECT_EQ(back.LogoFileEdit, s.LogoFileEdit);
    EXPECT_EQ(back.Logo.convertToFormat(QImage::Format_RGB32), s.Logo);
    EXPECT_EQ(back.Address1Memo, s.Address1Memo); // commas do not split a line
    EXPECT_TRUE(back.Address2Memo.isEmpty());
    EXPECT_EQ(back.FontPoints(), 12);
    EXPECT_EQ(PageFrameLines(back, "a", "b", QDateTime()), PageFrameLines(s, "a", "b", QDateTime()));
}
