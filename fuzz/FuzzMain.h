#pragma once
// What both fuzz targets need before the first input: an offscreen application object (fonts and
// painting need one) and the Czech locale the program's users have (the decimal comma).
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

inline void FuzzStartApplication(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
}

// A check that failed is a finding like a crash: libFuzzer keeps the input that caused it.
inline void FuzzFail(const QString& what)
{
    std::fprintf(stderr, "FINDING: %s\n", what.toUtf8().constData());
    std::abort();
}
