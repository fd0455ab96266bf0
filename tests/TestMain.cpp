// Every test program runs with an application object (offscreen), so fonts, images and painters
// work the same in core and widget tests. Core tests get a QGuiApplication only.
#ifdef TRABIK_WIDGET_TESTS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#endif
#include <QLocale>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TTestApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // never the user's own library file
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
