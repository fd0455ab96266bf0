// The diagrams tab: extremes and positions, the probes, the characteristic/design switches.
#include "AnalysisTabsFixture.h"

#include "app/AnalysisController.h"
#include "app/CalculationTab.h"
#include "app/CombinationsTab.h"
#include "app/DeflectionTab.h"
#include "app/DiagramImageWidget.h"
#include "app/DiagramsTab.h"
#include "app/LoadCasesTab.h"
#include "document/uDokument.h"
#include "model/uMyCommonLib.h"

#include <QGroupBox>
#include <QRadioButton>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// Not a check: with TRABIK_SHOTS set to a folder, the result tabs and the load case tab of each example are saved as
// pictures there for a look by eye.
TEST_F(MainFormTest, ScreenshotsOfTheAnalysisTabs)
{
    const QString folder = qEnvironmentVariable("TRABIK_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP();
    for (const char* example : { "strecha", "konzola", "strop", "nadrz" }) {
        ChosenFile = QStringLiteral(TRABIK_TEST_DATA "/../../examples/%1.dat").arg(QLatin1String(example));
        Form->Actions().Otevrit->trigger();
        for (QWidget* tab : { static_cast<QWidget*>(Form->LoadCasesTab()),
                 static_cast<QWidget*>(Form->CombinationsTab()), static_cast<QWidget*>(Form->CalculationTab()),
                 static_cast<QWidget*>(Form->DiagramsTab()), static_cast<QWidget*>(Form->DeflectionTab()) }) {
            Form->PageControl()->setCurrentWidget(tab);
            if (tab == Form->CalculationTab())
                Form->CalculationTab()->BitBtn18()->click();
            QTest::qWait(20);
            Form->grab().save(
                QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(example), tab->objectName())));
        }
        Find<QRadioButton>("RadioButton3")->click();
        Form->CalculationTab()->BitBtn18()->click();
        for (QWidget* tab :
            { static_cast<QWidget*>(Form->DiagramsTab()), static_cast<QWidget*>(Form->DeflectionTab()) }) {
            Form->PageControl()->setCurrentWidget(tab);
            Form->grab().save(QDir(folder).filePath(
                QStringLiteral("%1-envelope-%2.png").arg(QLatin1String(example), tab->objectName())));
        }
        Find<QRadioButton>("RadioButton1")->click();
    }
}

namespace {

// Simply supported 5 m, ZS "G" (gamma_f 1.35) with 10 kN at 2 m (sample 40): A = 6, B = 4, the
// largest sagging moment -12 under the load.
class DiagramsTabTest : public AnalysisTabsTest
{
protected:
    void SetUp() override
    {
        AnalysisTabsTest::SetUp();
        Beam(QStringLiteral("5"));
        FirstCase(QStringLiteral("G"), QStringLiteral("1.35")).Px.front()
            = { true, QStringLiteral("10"), QStringLiteral("2") };
        Show(Form->DiagramsTab()); // entering the tab calculates
    }

    QStringList Fields(int first, int last) const
    {
        QStringList texts;
        for (int n = first; n <= last; ++n)
            texts << Text(QStringLiteral("Edit%1").arg(n).toLatin1().constData());
        return texts;
    }
};

} // namespace

TEST_F(DiagramsTabTest, EnteringTheTabCalculatesAndShowsTheExtremes)
{
    EXPECT_EQ(Find<QGroupBox>("GroupBox4")->title(), QStringLiteral("Ohybový moment [ZS G]"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox5")->title(), QStringLiteral("Posouvající síla [ZS G]"));
    // Mmax stays 0 and is found at the last sample not below it: the right end.
    EXPECT_EQ(Fields(2, 5), QStringList({ "0.000", "5.000", "-12.000", "2.000" }));
    // Qmax = A holds up to the force: its left side at x = 2 is the last position.
    EXPECT_EQ(Fields(8, 11), QStringList({ "6.000", "2.000", "-4.000", "5.000" }));
    EXPECT_EQ(Text("Edit14"), QStringLiteral("6.000")); // the reactions too
    // The convention under the diagrams, and Mmin written at its peak on the screen (not into the
    // picture the report takes).
    EXPECT_TRUE(Find<QLabel>("Label_znamenka")->text().startsWith(QStringLiteral("Kladný ohybový moment táhne horní")));
    const QImage screen = Form->DiagramsTab()->Image7()->grab().toImage();
    EXPECT_NE(screen, Form->DiagramsTab()->Image7()->Picture().convertToFormat(screen.format()));

    Task.LoadCases.front().Px.front().P = QStringLiteral("20");
    Form->PageControl()->setCurrentWidget(Form->TaskTab());
    Show(Form->DiagramsTab());
    EXPECT_EQ(Text("Edit4"), QStringLiteral("-24.000"));
}

TEST_F(DiagramsTabTest, WithoutLoadsTheExtremesAreZeroAtTheRightEnd)
{
    Task.LoadCases.front().Px.front().Checked = false;
    Form->PageControl()->setCurrentWidget(Form->TaskTab());
    Show(Form->DiagramsTab());
    EXPECT_EQ(Fields(2, 5), QStringList({ "0.000", "5.000", "0.000", "5.000" }));
    const QImage moment = Form->DiagramsTab()->Image7()->Picture();
    EXPECT_EQ(moment.pixelColor(moment.width() / 2, moment.height() / 2 - 5), QColor(Qt::white)); // a bare axis
}

TEST_F(DiagramsTabTest, TheDesignSwitchRedrawsWithGammaF)
{
    auto* design = Find<QRadioButton>("RadioButton5");
    auto* characteristic = Find<QRadioButton>("RadioButton4");
    EXPECT_TRUE(characteristic->isChecked());
    EXPECT_TRUE(characteristic->font().bold());
    design->click();
    EXPECT_FALSE(Task.Calc.MomentCharacteristic);
    EXPECT_EQ(Text("Edit4"), QStringLiteral("-16.200")); // 1.35 x -12
    EXPECT_TRUE(design->font().bold());
    EXPECT_EQ(design->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_FALSE(characteristic->font().bold());
    EXPECT_EQ(Text("Edit10"), QStringLiteral("-4.000")); // the shear keeps its own switch
    Find<QRadioButton>("RadioButton7")->click();
    EXPECT_EQ(Text("Edit10"), QStringLiteral("-5.400"));
}

TEST_F(DiagramsTabTest, TheProbesFollowTheMouseUpToTheRightEdge)
{
    TDiagramImageWidget* moment = Form->DiagramsTab()->Image7();
    TDiagramImageWidget* shear = Form->DiagramsTab()->Image8();
    MoveMouse(moment, moment->width() / 3, 5);
    const double x = 5.0 / moment->width() * (moment->width() / 3);
    EXPECT_EQ(Text("Edit6"), FormatFixed(x, 3, 6));
    // The value at the x shown, not at the nearest sample: left of the force M = -A x, A = 6 kN.
    EXPECT_EQ(Text("Edit7"), FormatFixed(-6 * x, 3, 6));
    MoveMouse(shear, shear->width() - 1, 5);
    EXPECT_EQ(Text("Edit13"), QStringLiteral("-4.000")); // sample 100
    MoveMouse(shear, shear->width() + 50, 5); // dragged off the image: the end sample
    EXPECT_EQ(Text("Edit12"), FormatFixed(5.0 / shear->width() * (shear->width() - 1), 3, 6));
    EXPECT_EQ(Find<QLineEdit>("Edit7")->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(Find<QLineEdit>("Edit13")->palette().color(QPalette::Text), QColor(255, 0, 0));

    // Every new result empties the probes until the mouse comes back: a switch, a calculation.
    MoveMouse(moment, 10, 5);
    Find<QRadioButton>("RadioButton5")->click();
    EXPECT_EQ(Fields(6, 7), QStringList({ "", "" }));
    EXPECT_EQ(Fields(12, 13), QStringList({ "", "" }));
    TDiagramImageWidget* deflection = Form->DeflectionTab()->Image9();
    MoveMouse(moment, 10, 5);
    MoveMouse(deflection, 10, 5);
    EXPECT_NE(Text("Edit29"), QString());
    Task.SpanText.clear(); // an empty span
    Form->Actions().Spocitat_prubehy->trigger();
    EXPECT_EQ(Text("Edit7"), QString());
    EXPECT_EQ(Fields(28, 29), QStringList({ "", "" }));
}

TEST_F(DiagramsTabTest, TheDiagramsGrowWithTheWindowAndTheProbeStaysExact)
{
    TDiagramImageWidget* moment = Form->DiagramsTab()->Image7();
    // A window smaller than the design size is not offered: the tabs' rows would overlap.
    Form->resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_GE(Form->width(), 576);
    EXPECT_GE(Form->height(), 516);
    for (int i = 0; i < Form->PageControl()->count(); ++i) {
        QWidget* tab = Form->PageControl()->widget(i);
        Form->PageControl()->setCurrentWidget(tab);
        QCoreApplication::processEvents();
        EXPECT_LE(tab->minimumSizeHint().width(), tab->width()) << tab->objectName().toStdString();
        EXPECT_LE(tab->minimumSizeHint().height(), tab->height()) << tab->objectName().toStdString();
    }
    // One width for the three diagrams, so a place on the beam is one pixel column in each.
    for (const QSize size : { QSize(576, 516), QSize(777, 600), QSize(1001, 700) }) {
        Form->resize(size);
        Form->PageControl()->setCurrentWidget(Form->DeflectionTab());
        QCoreApplication::processEvents();
        const int deflection = Form->DeflectionTab()->Image9()->width();
        Form->PageControl()->setCurrentWidget(Form->DiagramsTab());
        QCoreApplication::processEvents();
        EXPECT_EQ(moment->width(), Form->DiagramsTab()->Image8()->width()) << size.width();
        EXPECT_EQ(moment->width(), deflection) << size.width();
    }
    Form->resize(900, 700);
    QCoreApplication::processEvents();
    ASSERT_GT(moment->width(), 300);
    // The value at the x shown: M = -6 x left of the force at 2 m, 4 x - 20 right of it.
    const auto moment_at = [](double x) { return x < 2 ? -6 * x : 4 * x - 20; };
    for (const int X : { moment->width() - 1, int(moment->width() * 0.4 + 0.5), moment->width() / 7 }) {
        MoveMouse(moment, X, 5);
        const double x = 5.0 / moment->width() * X;
        EXPECT_EQ(Text("Edit6"), FormatFixed(x, 3, 6));
        EXPECT_EQ(Text("Edit7"), FormatFixed(moment_at(x), 3, 6)) << X;
    }
    EXPECT_EQ(moment->Picture().size(), moment->size());
}

TEST_F(DiagramsTabTest, TheReportGetsTheDiagramsAsShown)
{
    TDokument doc;
    Form->AnalysisControl()->RegisterImages(doc.Images);
    for (const char* name : { "Image7", "image8", "Image9" })
        EXPECT_TRUE(doc.Images.HasImage(QString::fromLatin1(name))) << name;
    const QImage moment = doc.Images.NamedImage(QStringLiteral("Image7"));
    EXPECT_EQ(moment, Form->DiagramsTab()->Image7()->Picture());
    const int load = int(RoundHalfEven(moment.width() * 0.4)); // the hatch line of sample 40
    EXPECT_EQ(moment.pixelColor(load, moment.height() / 2 + 10), QColor(Qt::blue)); // sagging: down
    EXPECT_EQ(moment.pixelColor(load, moment.height() / 2 - 10), QColor(Qt::white));
}
