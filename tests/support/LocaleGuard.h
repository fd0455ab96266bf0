#pragma once
// Sets the default locale for one test and restores the previous one afterwards.
#include <QLocale>

class TLocaleGuard
{
public:
    explicit TLocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~TLocaleGuard() { QLocale::setDefault(Saved); }
    TLocaleGuard(const TLocaleGuard&) = delete;
    TLocaleGuard& operator=(const TLocaleGuard&) = delete;

    static QLocale Comma() { return QLocale(QLocale::Czech, QLocale::Czechia); }
    static QLocale Point() { return QLocale(QLocale::English, QLocale::UnitedStates); }

private:
    QLocale Saved;
};
