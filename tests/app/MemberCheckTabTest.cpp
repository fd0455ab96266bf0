// Tab "Posouzení": the material and its inputs into the task, and the utilisation table of the
// examples (the figures themselves are checked against hand calculations in tests/design).
#include "MainFormFixture.h"

#include "app/MainActions.h"
#include "app/MemberCheckTab.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

class MemberCheckTabTest : public MainFormTest
{
protected:
    void Open(const char* example)
    {
        ChosenFile = QStringLiteral(TRABIK_TEST_DATA "/../../examples/%1.dat").arg(QLatin1String(example));
        Form->Actions().Otevrit->trigger();
        Form->PageControl()->setCurrentWidget(Find<QWidget>("TabSheet_posouzeni"));
    }
    QTableWidget* Table() const { return Find<QTableWidget>("CheckTable"); }
    // The row whose first cell is `check`: its cells.
    QStringList Row(const QString& check) const
    {
        QStringList cells;
        for (int r = 0; r < Table()->rowCount(); ++r)
            if (Table()->item(r, 0)->text() == check)
                for (int c = 0; c < Table()->columnCount(); ++c)
                    cells << Table()->item(r, c)->text();
        return cells;
    }
    void Shot(const char* name)
    {
        const QString folder = qEnvironmentVariable("TRABIK_SHOTS");
        if (!folder.isEmpty()) {
            Form->resize(1000, 640);
            QTest::qWait(20);
            Form->grab().save(QDir(folder).filePath(QStringLiteral("posouzeni-%1.png").arg(QLatin1String(name))));
        }
    }
};

} // namespace

TEST_F(MemberCheckTabTest, RoofGirderShowsItsBendingUtilisation)
{
    Open("strecha");
    EXPECT_TRUE(Find<QRadioButton>("SteelRadio")->isChecked());
    // IPE 300, S235: Md = 231,8 kNm against Mpl,Rd = 628,4 cm3 · 235 MPa = 147,7 kNm.
    const QStringList bending = Row(QStringLiteral("ohyb"));
    ASSERT_EQ(bending.size(), 8);
    EXPECT_EQ(bending[4], QLocale().toString(157.0, 'f', 1) + QStringLiteral(" %"));
    EXPECT_EQ(bending[5], QStringLiteral("✗"));
    EXPECT_EQ(bending[7], QStringLiteral("kombinace ZK1 – plné zatížení"));
    // The governing deflection, 136,5 mm of ZK1 against L/250 = 48 mm.
    EXPECT_TRUE(Row(QStringLiteral("průhyb f_max (rozhodující kombinace)"))
                    .value(2)
                    .startsWith(QLocale().toString(136.54, 'f', 2)));
    Shot("strecha");
}

TEST_F(MemberCheckTabTest, TimberInputsGoIntoTheTask)
{
    Open("krokev");
    EXPECT_TRUE(Find<QRadioButton>("TimberRadio")->isChecked());
    EXPECT_EQ(Find<QComboBox>("TimberClassList")->currentText(), QStringLiteral("C24"));
    EXPECT_EQ(
        Row(QStringLiteral("konečný průhyb w_fin")).value(2), QLocale().toString(18.0, 'f', 2) + QStringLiteral(" mm"));
    // The bearing check waits for its support length.
    EXPECT_EQ(Row(QStringLiteral("tlak kolmo k vláknům, podpora A")).value(4), QStringLiteral("?"));
    QLineEdit* support = Find<QLineEdit>("SupportLengthEdit");
    QTest::keyClicks(support, QStringLiteral("100"));
    EXPECT_EQ(Task.Timber.SupportLength, QStringLiteral("100"));
    Find<QPushButton>("CheckButton")->click();
    EXPECT_EQ(Row(QStringLiteral("tlak kolmo k vláknům, podpora A")).value(5), QStringLiteral("✓"));
    Shot("krokev");
    // Steel chosen: the task is then checked as steel, and says what it lacks.
    Find<QRadioButton>("SteelRadio")->click();
    EXPECT_EQ(Task.Timber.CheckMaterial, QStringLiteral("steel"));
    Find<QPushButton>("CheckButton")->click();
    EXPECT_TRUE(Row(QStringLiteral("ohyb")).isEmpty()); // the deflection tab's rectangle is no steel section
    EXPECT_FALSE(Find<QLabel>("CheckMessage")->text().isEmpty());
}
