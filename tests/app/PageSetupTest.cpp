// The page setup dialog: its controls and defaults, the frame "ok" builds from them, a bad margin,
// the logo chooser and the font dialog.
#include "document/uDokument.h"
#include "report/PageSetupSettings.h"
#include "report/ui/uPageSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class PageSetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dialog.ShowError = [this](QWidget*, const QString& message) { Errors << message; };
        Dialog.ChooseLogoFile = [this](QWidget*) { return LogoPath; };
        Dialog.Clock = [] { return QDateTime(QDate(2026, 3, 9), QTime(14, 7, 9)); };
        Doc.Reset();
        Doc.AddPage();
    }

    template <typename T> T* Find(const char* name) const
    {
        T* widget = Dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString GroupOf(const char* name) const
    {
        for (QObject* p = Find<QWidget>(name)->parent(); p; p = p->parent())
            if (auto* group = qobject_cast<QGroupBox*>(p))
                return group->title();
        return {};
    }
    void Type(const char* edit, const QString& text) { Find<QLineEdit>(edit)->setText(text); }

    TDokument Doc;
    TfPageSetup Dialog { Doc };
    QStringList Errors;
    QString LogoPath;
};

TEST_F(PageSetupTest, ControlsWithTheirGroupsCaptionsAndDefaults)
{
    EXPECT_EQ(Dialog.windowTitle(), QStringLiteral("Nastavení stránky"));
    for (const char* edit : { "LMEdit", "RMEdit", "TMEdit", "BMEdit" }) {
        EXPECT_EQ(Find<QLineEdit>(edit)->text(), QStringLiteral("20"));
        EXPECT_EQ(GroupOf(edit), QStringLiteral("Okraje"));
    }
    EXPECT_EQ(Find<QLineEdit>("LCEdit")->text(), QStringLiteral("30"));
    EXPECT_FALSE(Find<QRadioButton>("NoneRadio")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("LineRadio")->isChecked());
    EXPECT_EQ(Find<QRadioButton>("FrameRadio")->text(), QStringLiteral("rámeček"));
    const struct
    {
        const char* Name;
        const char* Caption;
        const char* Group;
        bool Checked;
    } checks[] = { { "LogoCheck", "logo", "Záhlaví", false }, { "Address1Check", "adresa 1", "Záhlaví", true },
        { "DateCheck", "datum", "Záhlaví", true }, { "Address2Check", "adresa 2", "Pata", false },
        { "PageNumberCheck", "číslo stránky", "Pata", false }, { "TimeCheck", "čas", "Pata", false },
        { "CheckBox1", "nepoužívat diakritiku", "Font", false } };
    for (const auto& c : checks) {
        EXPECT_EQ(Find<QCheckBox>(c.Name)->text(), QString::fromUtf8(c.Caption));
        EXPECT_EQ(GroupOf(c.Name), QString::fromUtf8(c.Group));
        EXPECT_EQ(Find<QCheckBox>(c.Name)->isChecked(), c.Checked) << c.Name;
    }
    EXPECT_EQ(Find<QLineEdit>("LogoWEdit")->text(), QStringLiteral("10"));
    EXPECT_EQ(Find<QLineEdit>("LogoHEdit")->text(), QStringLiteral("10"));
    EXPECT_EQ(Find<QLineEdit>("LogoFileEdit")->text(), QStringLiteral("*.bmp"));
    EXPECT_EQ(GroupOf("Address1Memo"), QStringLiteral("Vaše data"));
    EXPECT_EQ(Find<QPlainTextEdit>("Address1Memo")->toPlainText().split('\n').size(), 2);
    EXPECT_EQ(Find<QPushButton>("BitBtn1")->text(), QStringLiteral("logo"));
    EXPECT_EQ(Find<QPushButton>("BitBtn2")->text(), QStringLiteral("písmo"));
    EXPECT_EQ(Find<QLabel>("Label8")->text(), QStringLiteral("áÁbBčČ...ůŮýÝžŽ"));
    EXPECT_TRUE(Find<QPushButton>("okbutton")->isDefault());
    EXPECT_EQ(Dialog.ReportFont().family(), QStringLiteral("Arial CE"));
    EXPECT_EQ(Dialog.ReportFont().pointSize(), 8);
}

TEST_F(PageSetupTest, DefaultsBuildTheFrameOfTheWorkedExample)
{
    Doc.AddFrameLine(QStringLiteral("<stará řádka>"));
    Dialog.show();
    Find<QPushButton>("okbutton")->click();
    EXPECT_EQ(Dialog.result(), int(QDialog::Accepted));
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_FALSE(Doc.Frame.contains(QStringLiteral("<stará řádka>")));
    EXPECT_TRUE(Doc.Frame.contains(QStringLiteral("<box 18 17 190 34>")));
    EXPECT_TRUE(Doc.Frame.contains(QStringLiteral("<line 45 35 45 273>")));
    EXPECT_EQ(Doc.Frame.at(Doc.Frame.size() - 2), QStringLiteral("<left 50><right 20><top 41><bottom 30>"));
    EXPECT_EQ(Doc.Frame.constLast(), QStringLiteral("<curx 0><cury 0>"));
    EXPECT_EQ(Doc.Frame.filter(QStringLiteral("<box")).size(), 1); // no footer box
    EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(PageSetupTest, BadMarginKeepsTheDialogOpenWithTheMessage)
{
    Doc.AddFrameLine(QStringLiteral("<stará řádka>"));
    Type("TMEdit", QStringLiteral("2 0"));
    Dialog.show();
    Dialog.okbuttonClick();
    EXPECT_TRUE(Dialog.isVisible());
    EXPECT_EQ(Errors, QStringList { QStringLiteral("'2 0' is not a valid integer value") });
    EXPECT_TRUE(Doc.Frame.isEmpty()); // cleared before the margins were read
    Type("TMEdit", QStringLiteral("25"));
    Dialog.okbuttonClick();
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_TRUE(Doc.Frame.contains(QStringLiteral("<box 18 22 190 39>")));
}

TEST_F(PageSetupTest, ControlsAreTheSettings)
{
    Type("LCEdit", QStringLiteral("40"));
    Find<QRadioButton>("FrameRadio")->setChecked(true);
    Find<QCheckBox>("PageNumberCheck")->setChecked(true);
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Find<QPlainTextEdit>("Address2Memo")->setPlainText(QStringLiteral("a\n<b>b</b>\n"));
    Find<QPlainTextEdit>("Address1Memo")->setPlainText(QString());
    const TPageSetup s = Dialog.Settings();
    EXPECT_EQ(s.LCEdit, QStringLiteral("40"));
    EXPECT_EQ(s.Separator, TPageSetup::FrameRadio);
    EXPECT_TRUE(s.PageNumberCheck);
    EXPECT_TRUE(s.NoDiacritics);
    EXPECT_EQ(s.Address2Memo, (QStringList { "a", "<b>b</b>" })); // a final line break adds no line
    EXPECT_TRUE(s.Address1Memo.isEmpty());

    TfPageSetup other(Doc);
    other.SetSettings(s);
    const TPageSetup back = other.Settings();
    EXPECT_EQ(back.Separator, TPageSetup::FrameRadio);
    EXPECT_EQ(back.Address2Memo, s.Address2Memo);
    EXPECT_EQ(back.LCEdit, s.LCEdit);
}

// What "ok" confirms is what the next start shows; a setup that "ok" refuses is not saved. The file
// is a temporary one: tests never touch the user's settings.
TEST_F(PageSetupTest, OkSavesTheSetupThatTheNextStartTakes)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Trabík.conf"));
    Dialog.UseSettingsFile(file); // nothing saved yet: the defaults
    EXPECT_EQ(Find<QLineEdit>("LMEdit")->text(), QStringLiteral("20"));
    Type("LMEdit", QStringLiteral("25"));
    Find<QCheckBox>("PageNumberCheck")->setChecked(true);
    Find<QPlainTextEdit>("Address1Memo")->setPlainText(QStringLiteral("Projekce, s.r.o.\n<b>Brno</b>"));
    QFont font(QStringLiteral("Arial CE"));
    font.setPointSize(11);
    Dialog.ChooseFont = [&font](QFont& f, QWidget*) { return f = font, true; };
    Dialog.BitBtn2Click();
    Dialog.okbuttonClick();
    Type("LMEdit", QStringLiteral("x")); // refused: the saved setup stays
    Dialog.okbuttonClick();

    TfPageSetup next(Doc);
    next.UseSettingsFile(file);
    const TPageSetup s = next.Settings();
    EXPECT_EQ(s.LMEdit, QStringLiteral("25"));
    EXPECT_TRUE(s.PageNumberCheck);
    EXPECT_EQ(s.Address1Memo, (QStringList { "Projekce, s.r.o.", "<b>Brno</b>" }));
    EXPECT_EQ(s.FontPoints(), 11);
    EXPECT_EQ(s.Logo, DefaultLogo());
}

TEST_F(PageSetupTest, MemoLinesCountAsTheFrameCountsThem)
{
    EXPECT_EQ(MemoLines(QString()).size(), 0);
    EXPECT_EQ(MemoLines(QStringLiteral("\n")), QStringList { QString() });
    EXPECT_EQ(MemoLines(QStringLiteral("a\n\nb")), (QStringList { "a", "", "b" }));
}

TEST_F(PageSetupTest, LogoChooserLoadsThePictureAndNamesTheFile)
{
    QTemporaryDir dir;
    QImage red(8, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    LogoPath = dir.filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(red.save(LogoPath));
    Find<QPushButton>("BitBtn1")->click();
    EXPECT_EQ(Find<QLineEdit>("LogoFileEdit")->text(), LogoPath);
    EXPECT_EQ(Dialog.Settings().Logo.size(), QSize(8, 4));

    LogoPath = dir.filePath(QStringLiteral("nic.png")); // no such picture: an error, nothing changes
    Dialog.BitBtn1Click();
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_EQ(Find<QLineEdit>("LogoFileEdit")->text(), dir.filePath(QStringLiteral("logo.png")));

    LogoPath.clear(); // cancelled
    Dialog.BitBtn1Click();
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_EQ(Dialog.Settings().Logo.size(), QSize(8, 4));
}

TEST_F(PageSetupTest, ShowingLoadsTheNamedLogoAndShowsTheFont)
{
    const QImage initial = Dialog.LogoImage();
    Dialog.show(); // "*.bmp" names no file: the picture stays
    EXPECT_EQ(Dialog.LogoImage(), initial);
    EXPECT_EQ(Find<QLabel>("Label8")->font().pointSize(), 8);
    Dialog.hide();

    QTemporaryDir dir;
    QImage blue(5, 5, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(dir.filePath(QStringLiteral("b.png"))));
    Type("LogoFileEdit", dir.filePath(QStringLiteral("b.png")));
    Dialog.show();
    EXPECT_EQ(Dialog.LogoImage().size(), QSize(5, 5));
    EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(PageSetupTest, FontDialogOpensOnTheReportFontAndOkWithoutAChangeKeepsIt)
{
    Dialog.ChooseFont = TfPageSetup(Doc).ChooseFont; // the real dialog
    Dialog.okbuttonClick();
    const QStringList frame = Doc.Frame;
    const QFont before = Dialog.ReportFont();
    QFont opened;
    QTimer::singleShot(0, [&opened] {
        if (auto* fonts = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
            opened = fonts->currentFont();
            fonts->accept();
        }
    });
    Find<QPushButton>("BitBtn2")->click();
    EXPECT_EQ(QFontInfo(opened).family(), QFontInfo(before).family());
    EXPECT_EQ(opened.pointSize(), 8);
    EXPECT_FALSE(opened.bold());
    EXPECT_EQ(Dialog.ReportFont(), before); // the layout starts from the same font
    Dialog.okbuttonClick();
    EXPECT_EQ(Doc.Frame, frame);
}

TEST_F(PageSetupTest, FontDialogChoosesTheReportFont)
{
    Dialog.ChooseFont = [](QFont& font, QWidget*) {
        font = QFont(QStringLiteral("Liberation Serif"), 12);
        return true;
    };
    Find<QPushButton>("BitBtn2")->click();
    EXPECT_EQ(Dialog.Settings().Font.pointSize(), 12);
    EXPECT_EQ(Find<QLabel>("Label8")->font().family(), QStringLiteral("Liberation Serif"));

    Dialog.ChooseFont = [](QFont& font, QWidget*) {
        font = QFont(QStringLiteral("Liberation Mono"), 20);
        return false; // cancelled
    };
    Dialog.BitBtn2Click();
    EXPECT_EQ(Dialog.Settings().Font.pointSize(), 12);
}

} // namespace
