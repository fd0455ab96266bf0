// The diagrams tab: extremes and positions, the probes, the characteristic/design switches.
#include "MainFormFixture.h"

#include "app/CalculationTab.h"
#include "app/CombinationsTab.h"
#include "app/DeflectionTab.h"
#include "app/DiagramImageWidget.h"
#include "app/DiagramsTab.h"
#include "storage/uProjectFile.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <iostream>

// Not a check: with TRABIK_SHOTS set to a folder, the four tabs of each example task are saved as
// pictures there for a look by eye.
TEST_F(MainFormTest, ScreenshotsOfTheAnalysisTabs)
{
    const QString folder = qEnvironmentVariable("TRABIK_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP();
    for (const char* example : { "strecha", "konzola", "strop" }) {
        ChosenFile = QStringLiteral(TRABIK_TEST_DATA "/../../examples/%1.dat").arg(QLatin1String(example));
        Form->Actions().Otevrit->trigger();
        for (QWidget* tab :
            { static_cast<QWidget*>(Form->CombinationsTab()), static_cast<QWidget*>(Form->CalculationTab()),
                static_cast<QWidget*>(Form->DiagramsTab()), static_cast<QWidget*>(Form->DeflectionTab()) }) {
            Form->PageControl()->setCurrentWidget(tab);
            if (tab == Form->CalculationTab())
                Form->CalculationTab()->BitBtn18()->click();
            QTest::qWait(20);
            Form->grab().save(
                QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(example), tab->objectName())));
        }
    }
    for (QWidget* tab : { static_cast<QWidget*>(Form->CombinationsTab()), static_cast<QWidget*>(Form->CalculationTab()),
             static_cast<QWidget*>(Form->DiagramsTab()), static_cast<QWidget*>(Form->DeflectionTab()) })
        std::cout << tab->objectName().toStdString() << " min " << tab->minimumSizeHint().width() << "x"
                  << tab->minimumSizeHint().height() << "\n";
    std::cout << Errors.join(" | ").toStdString() << Messages.join(" | ").toStdString() << "\n";
}
