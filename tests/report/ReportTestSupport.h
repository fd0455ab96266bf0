#pragma once
// Small tasks for the report tests, built the way the windows fill the model, and golden files.
#include "analysis/Extremes.h"
#include "model/TTask.h"
#include "report/TPageSetup.h"
#include "tests/support/LoadCaseBuilders.h"
#include "tests/support/LocaleGuard.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline TClock FixedClock()
{
    return [] { return QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9), Qt::UTC); };
}

// Every print option off: tests switch on what they look at.
inline void ClearPrintOptions(TTask& task)
{
    for (auto& option : task.Print.Options)
        option.Checked = false;
}

inline QStringList ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Compares with tests/data/report/<name>; TRABIK_UPDATE_GOLDEN=1 rewrites the file instead.
inline void ExpectGolden(const QString& name, const QStringList& actual)
{
    const QString path = QStringLiteral(TRABIK_TEST_DATA "/report/") + name;
    if (qEnvironmentVariableIsSet("TRABIK_UPDATE_GOLDEN")) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((actual.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return;
    }
    const QStringList expected = ReadLines(path);
    ASSERT_FALSE(expected.isEmpty()) << "missing golden file " << path.toStdString();
    const int n = int(std::min(expected.size(), actual.size()));
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(expected[i].toStdString(), actual[i].toStdString()) << name.toStdString() << " line " << i + 1;
    EXPECT_EQ(expected.size(), actual.size()) << name.toStdString();
}
