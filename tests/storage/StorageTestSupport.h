#pragma once
// Shared by the project file tests: a locale switch and a task that uses every part of the file.
#include "model/TTask.h"

#include <QLocale>

// Sets the default locale (the system's decimal separator) for the lifetime of the object.
class TLocaleScope
{
public:
    explicit TLocaleScope(const QLocale& locale)
        : Previous(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~TLocaleScope() { QLocale::setDefault(Previous); }
    TLocaleScope(const TLocaleScope&) = delete;
    TLocaleScope& operator=(const TLocaleScope&) = delete;

private:
    QLocale Previous;
};

inline QLocale CommaLocale()
{
    return QLocale(QLocale::Czech, QLocale::Czechia);
}

inline QLocale DotLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// A roof girder with three load cases, all four load kinds, a combination and changed options.
// Every number has at most three decimals, so opening shows exactly what was saved.
TTask RichTask();
