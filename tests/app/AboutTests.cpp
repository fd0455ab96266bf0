// The about window: its look, the gold hover, the links and closing on a click or Esc.
#include "app/uAbout.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

TEST(AboutWindow, IsASmallBorderlessWindowOnTop)
{
    TfAbout about;
    EXPECT_EQ(about.size(), QSize(251, 144));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    const QImage image = about.grab().toImage();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(2, 70), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(4, 70), QColor(Qt::white));
    EXPECT_EQ(about.MailLabel()->text(), TfAbout::EMail);
}

TEST(AboutWindow, AddressesTurnGoldUnderTheMouseAndOpenTheirLinks)
{
    TfAbout about;
    QList<QUrl> opened;
    about.OpenUrl = [&opened](const QUrl& url) { opened << url; };
    about.show();
    const QColor gold(255, 204, 0);
    QTest::mouseMove(about.WebLabel());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(about.WebLabel(), &enter);
    EXPECT_EQ(about.WebLabel()->palette().color(QPalette::Window), gold);
    // Moves over the address itself keep it gold (the label leaves them to the window otherwise).
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), about.WebLabel()->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(about.WebLabel(), &move);
    EXPECT_EQ(about.WebLabel()->palette().color(QPalette::Window), gold);
    EXPECT_EQ(about.MailLabel()->palette().color(QPalette::Window), QColor(Qt::white));
    QTest::mouseMove(&about, QPoint(5, 5));
    EXPECT_EQ(about.WebLabel()->palette().color(QPalette::Window), QColor(Qt::white));

    QTest::mouseClick(about.MailLabel(), Qt::LeftButton);
    QTest::mouseClick(about.WebLabel(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:") + TfAbout::EMail));
    EXPECT_EQ(opened[1], QUrl(TfAbout::Web));
    EXPECT_TRUE(about.isVisible()); // the links do not close the window

    QTest::mouseClick(about.Logo(), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutWindow, AClickOrEscInTheMainWindowClosesIt)
{
    QWidget main;
    main.resize(200, 100);
    main.show();
    TfAbout about;
    qApp->installEventFilter(&about);
    about.CloseOnClickIn(&main);
    about.show();
    QTest::mouseClick(&main, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_FALSE(about.isVisible());
    about.show();
    QWidget other;
    other.show();
    QTest::mouseClick(&other, Qt::LeftButton);
    EXPECT_TRUE(about.isVisible());
    QTest::keyClick(&other, Qt::Key_Escape); // another window's Esc is its own
    EXPECT_TRUE(about.isVisible());
    QTest::keyClick(&main, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}
