// The deflection check against "mezní průhyb L/" and the warnings about loads outside the span.
#include "analysis/Checks.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include "tests/support/LocaleGuard.h"

namespace {

struct TLimitRow
{
    const char* Text;
    bool Read;
    double Ratio;
};

TEST(DeflectionCheck, LimitTextReadsAsAPositiveNumber)
{
    const TLimitRow rows[]
        = { { "250", true, 250 }, { " 300 ", true, 300 }, { "187,5", true, 187.5 }, { "187.5", true, 187.5 },
              { "", false, 0 }, { "abc", false, 0 }, { "0", false, 0 }, { "-250", false, 0 }, { "1e999", false, 0 } };
    for (const TLimitRow& r : rows) {
        double ratio = -1;
        EXPECT_EQ(ReadDeflectionLimit(QString::fromUtf8(r.Text), ratio), r.Read) << r.Text;
        EXPECT_DOUBLE_EQ(ratio, r.Read ? r.Ratio : -1) << r.Text; // untouched when not read
    }
}

struct TCheckRow
{
    unsigned char Typ;
    const char* Limit;
    double fMax, fMin; // store unit (m / 1000)
    bool Done;
    double ReferenceLength, fLimit_mm;
    bool Ok;
};

TEST(DeflectionCheck, LimitFollowsTheEndConditionAndTheLargestDeflection)
{
    // L = 6 m: f_lim = 24 mm for L/250; a cantilever takes twice the span, 48 mm.
    const TCheckRow rows[] = {
        { 11, "250", 20e-6, 0, true, 6, 24, true },
        { 11, "250", 1e-6, -24.001e-6, true, 6, 24, false }, // the larger |f| is the upward one
        { 11, "250", 23.999e-6, 0, true, 6, 24, true },
        { 22, "300", 20.001e-6, 0, true, 6, 20, false },
        { 2, "250", 47.9e-6, 0, true, 12, 48, true },
        { 20, "250", 48.1e-6, 0, true, 12, 48, false },
        { 12, "250", 0, 0, true, 6, 24, true },
        { 11, "L/250", 1e-6, 0, false, 0, 0, false },
        { 11, "", 1e-6, 0, false, 0, 0, false },
    };
    for (const TCheckRow& r : rows) {
        TTask task = MakeTask(r.Typ, "6");
        task.Deflection.DeflectionLimit = QString::fromUtf8(r.Limit);
        TExtreme f;
        f.Max = r.fMax;
        f.Min = r.fMin;
        const TDeflectionCheck c = CheckDeflection(task, TResultStore(), f);
        SCOPED_TRACE(testing::Message() << int(r.Typ) << " " << r.Limit << " " << r.fMax);
        ASSERT_EQ(c.Done, r.Done);
        if (!r.Done) {
            EXPECT_TRUE(c.Problem.startsWith(QStringLiteral("Mezní průhyb "))) << c.Problem.toStdString();
            continue;
        }
        EXPECT_DOUBLE_EQ(c.ReferenceLength, r.ReferenceLength);
        EXPECT_DOUBLE_EQ(c.fLimit_mm, r.fLimit_mm);
        EXPECT_DOUBLE_EQ(c.fMax_mm, std::max(std::fabs(r.fMax), std::fabs(r.fMin)) * 1e6);
        EXPECT_DOUBLE_EQ(c.Utilisation, c.fMax_mm / c.fLimit_mm);
        EXPECT_EQ(c.Ok, r.Ok);
        EXPECT_EQ(DeflectionLimitFormula(c), (r.Typ == 2 || r.Typ == 20 ? "2L/" : "L/") + QString(r.Limit));
    }
}

TEST(DeflectionCheck, NoVerdictOnADeflectionThatWasNotComputed)
{
    // Zeros from a section without stiffness must not read as "vyhovuje".
    TTask task = MakeTask(11, "6");
    TResultStore sums;
    sums.fIssue = TDeflectionIssue::ZeroE;
    const TDeflectionCheck c = CheckDeflection(task, sums, TExtreme());
    EXPECT_FALSE(c.Done);
    EXPECT_TRUE(c.Problem.isEmpty()); // the deflection's own message says why
}

struct TWarningRow
{
    const char* Name;
    TTestLoad Load;
    const char* Expected; // empty: no warning
};

TEST(LoadPositions, LoadsOutsideTheSpanAreNamedWithTheirValues)
{
    const TLocaleGuard locale(TLocaleGuard::Point());
    const TWarningRow rows[] = {
        { "force inside", Px(10, 3), "" },
        { "force at both ends", Px(10, 0), "" },
        { "force at a < 0", Px(10, -1), "síla P1 = 10 kN leží mimo rozpětí (a = -1 m, L = 6 m)." },
        { "force at a > L", Px(10, 7), "síla P1 = 10 kN leží mimo rozpětí (a = 7 m, L = 6 m)." },
        { "moment outside", Mx(5, 6.5), "moment M1 = 5 kNm leží mimo rozpětí (a = 6.5 m, L = 6 m)." },
        { "moment at L", Mx(5, 6), "" },
        { "partial a + b = L", QQ(1, 2.1, 2, 3.9), "" },
        { "partial a + b > L", QQ(1, 4, 2, 3), "částečné zatížení qq1 má zápornou délku (a + b = 7 m > L = 6 m)." },
        { "partial a < 0", QQ(1, -0.5, 2, 0), "částečné zatížení qq1 začíná mimo rozpětí (a = -0.5 m, L = 6 m)." },
        { "partial b < 0", QQ(1, 0, 2, -1),
            "částečné zatížení qq1 končí mimo rozpětí (b = -1 m od pravého konce, L = 6 m)." },
        { "uniform", Q(3), "" },
    };
    for (const TWarningRow& r : rows) {
        TTask task = MakeTask(11, "6");
        AddCase(task, "ZS1", 1.2, { r.Load });
        const QStringList warnings = LoadPositionWarnings(BuildModel(task), 0);
        if (*r.Expected == 0) {
            EXPECT_TRUE(warnings.isEmpty()) << r.Name << ": " << warnings.join(" | ").toStdString();
            continue;
        }
        EXPECT_EQ(warnings, QStringList { QStringLiteral("Zatěžovací stav „ZS1“: ") + QString::fromUtf8(r.Expected) })
            << r.Name;
    }
}

TEST(LoadPositions, OnlyIncludedLoadsOfTheChosenLoadCasesWarn)
{
    TTask task = MakeTask(11, "6");
    AddCase(task, "A", 1, { Px(1, 8) });
    AddCase(task, "B", 1, { Px(1, 9), Mx(1, -2) });
    task.LoadCases[1].Px[0].Checked = false;
    task.Calc.ComboBox1 = "A";
    EXPECT_EQ(SelectionLoadWarnings(task).size(), 1);
    task.Calc.ComboBox1 = "B";
    ASSERT_EQ(SelectionLoadWarnings(task).size(), 1);
    EXPECT_TRUE(SelectionLoadWarnings(task).first().contains("moment M1"));
    task.Calc.Mode = TCalculationChoice::Envelope; // no combination: every load case
    EXPECT_EQ(SelectionLoadWarnings(task).size(), 2);
    task.SpanText = "0"; // no beam: the calculation says so, not the warnings
    EXPECT_TRUE(SelectionLoadWarnings(task).isEmpty());
}

} // namespace
