// The program start as main() runs it, and the artwork every window relies on.
#include "app/Artwork.h"
#include "app/LoadCasesTab.h"
#include "app/TrabikApplication.h"
#include "app/uAbout.h"
#include "app/uMainForm.h"

#include <QApplication>
#include <QFont>
#include <QSignalSpy>
#include <QTabWidget>
#include <gtest/gtest.h>

TEST(ApplicationStart, ShowsTheMainWindowWithItsFirstLoadCaseAndClosesTheSplash)
{
    const QFont savedFont = QApplication::font();
    {
        TTrabikApplication trabik;
        trabik.Start();
        TMainForm& form = trabik.MainForm();
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(trabik.About().isVisible());
        EXPECT_EQ(&form.Task(), &trabik.Task());
        ASSERT_EQ(trabik.Task().LoadCases.size(), 1u);
        EXPECT_EQ(trabik.Task().LoadCases[0].Number, 1);
        EXPECT_EQ(form.LoadCasesTab()->PageControl()->count(), 1);
        EXPECT_EQ(form.PageControl()->currentIndex(), 0);
        EXPECT_EQ(QFont::substitute(QStringLiteral("Arial CE"))
                      .compare(QStringLiteral("Liberation Sans"), Qt::CaseInsensitive),
            0);

        // Qt's own dialogs speak Czech too.
        EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Tisk"));

        form.Actions().Verze->trigger();
        EXPECT_TRUE(trabik.About().isVisible());
        form.Prompts().Ask = [](QWidget*, const QString&) { return true; };
    }
    QApplication::setFont(savedFont);
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Print")); // gone with it
}

TEST(Artwork, HasEveryPictureInItsSize)
{
    for (int i = 0; i < ActionImageCount; ++i)
        EXPECT_FALSE(ActionImage(i).pixmap(16, 16).isNull()) << i;
    EXPECT_TRUE(ActionImage(ActionImageCount).isNull());
    for (unsigned char typ : { 11, 12, 21, 22, 2, 20 }) {
        const QPixmap picture = SupportPicture(typ);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(50, 15)) << int(typ);
    }
    for (TLoadKind kind : { KindPx, KindQ, KindQQ, KindMx })
        EXPECT_EQ(LoadPicture(kind).deviceIndependentSize().toSize(), QSize(60, 24)) << kind;
    // Different end conditions must not look alike.
    EXPECT_NE(SupportPicture(12).toImage(), SupportPicture(21).toImage());
    EXPECT_NE(SupportPicture(2).toImage(), SupportPicture(20).toImage());
}
