// The envelope over the combinations of the grid (or over the load cases without combinations): the
// bounds per sample, the calculation choice that shows it, its extremes and its diagrams.
#include "SolverTestSupport.h"

#include "analysis/Diagrams.h"
#include "model/TError.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A simple beam of 4 m with three load cases and three combinations:
// Komb_1 = all, Komb_2 = ZS1, Komb_3 = ZS2 + ZS3. The point moment of ZS3 makes the middle hog.
class Envelope : public testing::Test
{
protected:
    void SetUp() override
    {
        task = MakeTask(11, QStringLiteral("4"));
        AddCase(task, QStringLiteral("ZS1"), 1.35, { Q(10) });
        AddCase(task, QStringLiteral("ZS2"), 1.5, { Px(8, 1) });
        AddCase(task, QStringLiteral("ZS3"), 1.0, { Mx(30, 2) });
        task.RefreshCombinationGrid();
        task.AddCombination();
        task.ToggleGridFlag(4, 2);
        task.ToggleGridFlag(5, 2);
        task.AddCombination();
        task.ToggleGridFlag(3, 3);
    }

    TResultStore Combination(int row)
    {
        const TAnalysisModel model = BuildModel(task);
        EXPECT_TRUE(model.Combinations.at(size_t(row - 1)).HasMember);
        return SumMembers(TResultSet(model), model.Combinations.at(size_t(row - 1)).Members);
    }

    TTask task;
};

using TField = TSamples TResultStore::*;
const std::pair<TField, const char*> Fields[] = { { &TResultStore::Mn, "Mn" }, { &TResultStore::Md, "Md" },
    { &TResultStore::Qn, "Qn" }, { &TResultStore::Qd, "Qd" }, { &TResultStore::fn, "fn" } };

const TSamples& Upper(const TEnvelope& e, TField f)
{
    return f == &TResultStore::Mn ? e.Mnmax
        : f == &TResultStore::Md  ? e.Mdmax
        : f == &TResultStore::Qn  ? e.Qnmax
        : f == &TResultStore::Qd  ? e.Qdmax
                                  : e.fmax;
}

const TSamples& Lower(const TEnvelope& e, TField f)
{
    return f == &TResultStore::Mn ? e.Mnmin
        : f == &TResultStore::Md  ? e.Mdmin
        : f == &TResultStore::Qn  ? e.Qnmin
        : f == &TResultStore::Qd  ? e.Qdmin
                                  : e.fmin;
}

// Every member lies between the curves, and each curve is reached by a member at every sample.
void ExpectEnvelopeOf(const TEnvelope& e, const std::vector<TResultStore>& members)
{
    ASSERT_EQ(e.Count, int(members.size()));
    for (const auto& [field, name] : Fields) {
        for (int i = 0; i < SampleCount; ++i) {
            double max = (members.front().*field)[i], min = max;
            for (const TResultStore& m : members) {
                EXPECT_GE(Upper(e, field)[i], (m.*field)[i]) << name << " " << i;
                EXPECT_LE(Lower(e, field)[i], (m.*field)[i]) << name << " " << i;
                max = std::max(max, (m.*field)[i]);
                min = std::min(min, (m.*field)[i]);
            }
            EXPECT_EQ(Upper(e, field)[i], max) << name << " " << i;
            EXPECT_EQ(Lower(e, field)[i], min) << name << " " << i;
        }
    }
    const auto range = [&](double TResultStore::*f) {
        TRange r { members.front().*f, members.front().*f };
        for (const TResultStore& m : members) {
            r.Max = std::max(r.Max, m.*f);
            r.Min = std::min(r.Min, m.*f);
        }
        return r;
    };
    using TValue = double TResultStore::*;
    const std::pair<TValue, TRange> reactions[]
        = { { &TResultStore::An, e.An }, { &TResultStore::Bn, e.Bn }, { &TResultStore::Ad, e.Ad },
              { &TResultStore::Bd, e.Bd }, { &TResultStore::Man, e.Man }, { &TResultStore::Mbd, e.Mbd } };
    for (const auto& [f, got] : reactions) {
        EXPECT_EQ(got.Max, range(f).Max);
        EXPECT_EQ(got.Min, range(f).Min);
    }
}

TEST_F(Envelope, BoundsEveryCombinationAndTouchesThem)
{
    const TEnvelope e = ComputeEnvelope(task);
    EXPECT_FALSE(e.OverLoadCases);
    ExpectEnvelopeOf(e, { Combination(1), Combination(2), Combination(3) });
    EXPECT_DOUBLE_EQ(e.Mnmax[50], 11); // ZS2 + ZS3 hog at mid-span
    EXPECT_DOUBLE_EQ(e.Mnmin[50], -20); // ZS1 alone sags
    EXPECT_DOUBLE_EQ(e.Mdmin[50], -27);
    EXPECT_DOUBLE_EQ(e.An.Max, 20 + 6 + 7.5);
    EXPECT_DOUBLE_EQ(e.An.Min, 6 + 7.5);
    EXPECT_GT(e.fmax[25], 0);
    EXPECT_EQ(e.fIssue, TDeflectionIssue::None);
}

TEST_F(Envelope, OneCombinationGivesOneCurve)
{
    task.Grid.SetSize(task.Grid.ColCount(), 2);
    const TEnvelope e = ComputeEnvelope(task);
    const TResultStore k = Combination(1);
    EXPECT_EQ(e.Count, 1);
    EXPECT_EQ(e.Mnmax, k.Mn);
    EXPECT_EQ(e.Mnmin, k.Mn);
    EXPECT_EQ(e.Qdmax, k.Qd);
    EXPECT_EQ(e.Qdmin, k.Qd);
    EXPECT_EQ(e.fmax, k.fn);
    EXPECT_EQ(e.fmin, k.fn);
    EXPECT_EQ(e.Mad.Max, k.Mad);
    EXPECT_EQ(e.Bd.Min, k.Bd);
}

TEST_F(Envelope, WithoutCombinationsTheLoadCasesAreTaken)
{
    std::vector<TResultStore> cases;
    for (const char* name : { "ZS1", "ZS2", "ZS3" })
        cases.push_back(Solve(task, QString::fromLatin1(name)));

    // Rows whose members are all switched off are no combinations.
    for (int row = 1; row < task.Grid.RowCount(); ++row)
        for (int col = 3; col < task.Grid.ColCount(); ++col)
            task.Grid.SetCell(col, row, QStringLiteral("0"));
    TEnvelope e = ComputeEnvelope(task);
    EXPECT_TRUE(e.OverLoadCases);
    ExpectEnvelopeOf(e, cases);

    task.Grid.SetSize(task.Grid.ColCount(), 1); // no rows at all
    e = ComputeEnvelope(task);
    EXPECT_TRUE(e.OverLoadCases);
    ExpectEnvelopeOf(e, cases);

    task.Calc.Mode = TCalculationChoice::Envelope;
    EXPECT_EQ(Calculate(task).Captions.Moment, QStringLiteral("Ohybový moment [obálka zatěžovacích stavů]"));

    task.DeleteAllLoadCases(); // nothing at all: zeros
    e = ComputeEnvelope(task);
    EXPECT_EQ(e.Count, 0);
    EXPECT_EQ(e.Mnmax, TSamples {});
}

TEST_F(Envelope, CalculationChoiceShowsTheEnvelopeAndItsExtremes)
{
    task.Calc.Mode = TCalculationChoice::Envelope;
    const TCalculation result = Calculate(task);
    const TResultStore& store = result.Sums;
    const TDiagramCaptions& captions = result.Captions;
    EXPECT_TRUE(captions.Computed);
    EXPECT_EQ(captions.Moment, QStringLiteral("Ohybový moment [obálka kombinací]"));
    EXPECT_EQ(captions.Shear, QStringLiteral("Posouvající síla [obálka kombinací]"));
    EXPECT_EQ(captions.Deflection, QStringLiteral("Průhyb trabíku [obálka kombinací]"));
    ASSERT_TRUE(store.HasEnvelope);
    const TEnvelope& e = store.Envelope;
    EXPECT_EQ(store.An, e.An.Max); // single-value fields show the maxima
    EXPECT_EQ(store.Mbd, e.Mbd.Max);
    EXPECT_EQ(store.Mn, e.Mnmax);
    EXPECT_EQ(store.fn, e.fmax);

    // The extremes are those of the members over the span: Komb_1 sags most just left of the point
    // moment at x = 2, -20 - 4 - 15 (the sample there already carries the moment's jump).
    const TExtremes& x = result.Extremes;
    const auto top = std::max_element(e.Mnmax.begin(), e.Mnmax.end());
    EXPECT_EQ(x.Mn.Max, *top);
    EXPECT_DOUBLE_EQ(x.Mn.Min, -39);
    EXPECT_DOUBLE_EQ(x.Mn.xMin, 2);
    EXPECT_DOUBLE_EQ(x.Md.Min, -1.35 * 20 - 1.5 * 4 - 15);
    const double fSamples = *std::max_element(e.fmax.begin(), e.fmax.end());
    EXPECT_GT(x.f.Max, fSamples); // the line's zero slope lies between two samples
    EXPECT_NEAR(x.f.Max, fSamples, 1e-4 * fSamples);
    EXPECT_EQ(x.f.Min, std::min(0.0, *std::min_element(e.fmin.begin(), e.fmin.end())));
    EXPECT_EQ(store.MomentMin(true), e.Mnmin);
    EXPECT_EQ(x.Qd.Max, *std::max_element(e.Qdmax.begin(), e.Qdmax.end()));
    EXPECT_EQ(store.ShearMin(false), e.Qdmin);

    // A load case chosen afterwards leaves no envelope behind.
    task.Calc.Mode = TCalculationChoice::LoadCase;
    task.Calc.ComboBox1 = QStringLiteral("ZS1");
    const TResultStore single = SumSelection(task);
    EXPECT_FALSE(single.HasEnvelope);
    EXPECT_EQ(single.MomentMin(true), single.Mn);
    EXPECT_EQ(single.Envelope.Count, 0);
}

TEST_F(Envelope, DeflectionIssuesCarryOver)
{
    task.SetTyp(22);
    task.ActiveLoadCase = 0;
    task.AddQQRow(true, 1, 0, 1, 0);
    task.Deflection.Edit30.clear();
    task.Calc.Mode = TCalculationChoice::Envelope;
    const TResultStore store = SumSelection(task);
    EXPECT_EQ(store.Envelope.fIssue, TDeflectionIssue::ZeroIy);
    EXPECT_EQ(DeflectionProblem(store), QStringLiteral("Průhyb nelze spočítat: moment setrvačnosti Iy je nulový."));
    EXPECT_EQ(store.Envelope.fmin, TSamples {});
    EXPECT_EQ(store.fn, TSamples {});
}

TEST_F(Envelope, FailingMemberIsAnError)
{
    task.LoadCases[1].Px[0].P = QStringLiteral("1e308");
    task.LoadCases[1].Px[0].a = QStringLiteral("-1e308");
    task.Calc.Mode = TCalculationChoice::Envelope;
    EXPECT_THROW(SumSelection(task), TError);
}

TEST_F(Envelope, DiagramsShowBothCurves)
{
    task.Calc.Mode = TCalculationChoice::Envelope;
    const TCalculation store = Calculate(task);
    const QRgb blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
    // Mid-span: +11 (hogging, up) and -20 (sagging, down), scaled to the larger extreme.
    const QImage m = PaintMomentDiagram(store, 300, 120);
    const double scale = std::max(-store.Extremes.Mn.Min, store.Extremes.Mn.Max);
    const int top = int(60 - 60 * 11 / scale), bottom = int(60 + 60 * 20 / scale);
    EXPECT_EQ(m.pixel(150, (top + 60) / 2), blue);
    EXPECT_EQ(m.pixel(150, (bottom + 60) / 2), blue);
    EXPECT_EQ(m.pixel(150, top - 3), white);
    EXPECT_EQ(m.pixel(150, bottom + 3), white);
    // Deflection: two lines at different heights at a quarter of the span.
    const QImage f = PaintDeflectionDiagram(store, 300, 120);
    int redRows = 0;
    for (int y = 0; y < 120; ++y)
        redRows += f.pixel(75, y) == red;
    EXPECT_GE(redRows, 3);
    EXPECT_NE(store.Sums.Envelope.fmax[25], store.Sums.Envelope.fmin[25]);
}

} // namespace
