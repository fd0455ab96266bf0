#pragma once
// Load cases for the tests, built through the model's own operations: either with numbers, as the
// load generator writes them into the rows, or with texts, as the user types them.
#include "model/TTask.h"

#include <QString>
#include <vector>

// One checked load given by its numbers.
struct TTestLoad
{
    TLoadKind Kind = KindPx;
    double V1 = 0, V2 = 0, V3 = 0, V4 = 0; // Px: P, a; q: q; qq: qa, a, qb, b; Mx: M, a
};

inline TTestLoad Px(double P, double a)
{
    return { KindPx, P, a };
}
inline TTestLoad Q(double q)
{
    return { KindQ, q };
}
inline TTestLoad QQ(double qa, double a, double qb, double b)
{
    return { KindQQ, qa, a, qb, b };
}
inline TTestLoad Mx(double M, double a)
{
    return { KindMx, M, a };
}

// The loads as checked rows of the active load case, in the given order.
inline void AddLoads(TTask& task, const std::vector<TTestLoad>& loads)
{
    for (const TTestLoad& l : loads) {
        switch (l.Kind) {
        case KindPx:
            task.AddPxRow(true, l.V1, l.V2);
            break;
        case KindQ:
            task.AddQRow(true, l.V1);
            break;
        case KindQQ:
            task.AddQQRow(true, l.V1, l.V2, l.V3, l.V4);
            break;
        case KindMx:
            task.AddMxRow(true, l.V1, l.V2);
            break;
        }
    }
}

// A new load case with the given caption, gamma_f and checked loads; returns its number.
inline int AddCase(TTask& task, const QString& name, double gamaf, const std::vector<TTestLoad>& loads,
    bool longTerm = true, bool printResults = true)
{
    const int index = task.NewLoadCase(name, gamaf, longTerm, printResults);
    AddLoads(task, loads);
    return task.LoadCases[size_t(index)].Number;
}

// A load case page as the user fills it: rows hold typed texts.
struct TCaseBuilder
{
    TLoadCase Case;
    TCaseBuilder(const QString& caption, const QString& gamaf, bool longTerm = true, bool print = true)
    {
        Case.Caption = caption;
        Case.GamafText = gamaf;
        Case.LongShort = longTerm ? QStringLiteral("0") : QString();
        Case.PrintResults = print;
    }
    TCaseBuilder& Px(const QString& P, const QString& a, bool on = true)
    {
        Case.Px.push_back({ on, P, a });
        return *this;
    }
    TCaseBuilder& Q(const QString& q, bool on = true)
    {
        Case.Q.push_back({ on, q });
        return *this;
    }
    TCaseBuilder& QQ(const QString& qa, const QString& a, const QString& qb, const QString& b, bool on = true)
    {
        Case.QQ.push_back({ on, qa, a, qb, b });
        return *this;
    }
    TCaseBuilder& Mx(const QString& M, const QString& a, bool on = true)
    {
        Case.Mx.push_back({ on, M, a });
        return *this;
    }
};

// The builder's page as a new active load case (its number the next one); the grid is left as it
// is, as the windows leave it until the combination tab is entered. Returns the page.
inline TLoadCase& AddTypedCase(TTask& task, const TCaseBuilder& builder)
{
    TLoadCase& page = task.LoadCases[size_t(task.NewLoadCase(TCaller::Generator))];
    const int number = page.Number;
    page = builder.Case;
    page.Number = number;
    return page;
}

// The same with the combination grid refreshed, so that the new load case has its column.
inline void AddCase(TTask& task, const TCaseBuilder& builder)
{
    AddTypedCase(task, builder);
    task.RefreshCombinationGrid();
}
