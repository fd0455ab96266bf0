// The report's EN 1990 section: written only for a task with action types, without results while a
// load case has none.
#include "report/En1990Section.h"
#include "tests/support/LoadCaseBuilders.h"
#include "tests/support/LocaleGuard.h"

#include <gtest/gtest.h>

TEST(En1990Section, PrintsTheCombinationsAndTheGoverningOnes)
{
    TLocaleGuard comma(TLocaleGuard::Comma());
    TTask task;
    task.SpanText = QStringLiteral("4");
    AddCase(task, QStringLiteral("G"), 1.35, { Q(10) });
    AddCase(task, QStringLiteral("Q"), 1.5, { Q(5) });
    QStringList lines;
    WriteEn1990Section(task, lines, 70, 70);
    EXPECT_TRUE(lines.isEmpty()); // an old task: the report as before

    task.LoadCases[0].Action = QStringLiteral("G");
    WriteEn1990Section(task, lines, 70, 70);
    EXPECT_EQ(lines,
        QStringList({ QStringLiteral("<h2>Kombinace zatížení podle ČSN EN 1990</h2>"),
            QStringLiteral("<b>Zatěžovací stav „Q“ nemá určen druh zatížení: kombinace podle ČSN EN "
                           "1990 nelze sestavit.</b><br><br>") }));

    lines.clear();
    task.LoadCases[1].Action = QStringLiteral("Q-A");
    WriteEn1990Section(task, lines, 70, 70);
    // Mid-span: 0,85·1,35·(-20) + 1,5·(-10) = -37,95 kNm (6.10b); A max the same in kN.
    EXPECT_TRUE(lines.contains(QStringLiteral("<tab>6.10b: 1,15·G + 1,5·Q<br>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<b>A</b><sub>max</sub> = 37,950 kN (<i>6.10b: 1,15·G + 1,5·Q</i>)<br>")))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(
        QStringLiteral("<b>M<sub>min</sub></b> = -37,950 kNm, x = 2,000 m (<i>6.10b: 1,15·G + 1,5·Q</i>)<br>")));
    EXPECT_TRUE(lines.filter(QStringLiteral("(ČSN EN 1990, A1.4.3)")).size() == 1);
}
