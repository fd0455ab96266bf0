#pragma once
// Building tasks for the solver tests through the model's own operations: load cases made as the
// load generator makes them, so the numbers land in the value texts.
#include "analysis/uCalcUnit.h"

#include <QString>
#include <QStringList>
#include <vector>

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

inline TTask MakeTask(unsigned char typ, const QString& span)
{
    TTask task;
    task.SpanText = span;
    task.SetTyp(typ);
    return task;
}

// A new load case with the given caption, gamma_f and checked loads; returns its number.
inline int AddCase(TTask& task, const QString& name, double gamaf, const std::vector<TTestLoad>& loads)
{
    task.NewLoadCase(TCaller::Generator);
    TZSInfo info = task.GetZSInfo(task.LoadCases[size_t(task.ActiveLoadCase)].Number);
    info.Name = name;
    info.Gamaf = gamaf;
    task.SetZSInfo(info);
    for (const TTestLoad& l : loads) {
        switch (l.Kind) {
        case KindPx:
            task.AddPxRow(TCaller::Generator, true, l.V1, l.V2);
            break;
        case KindQ:
            task.AddQRow(TCaller::Generator, true, l.V1);
            break;
        case KindQQ:
            task.AddQQRow(TCaller::Generator, true, l.V1, l.V2, l.V3, l.V4);
            break;
        case KindMx:
            task.AddMxRow(TCaller::Generator, true, l.V1, l.V2);
            break;
        }
    }
    return info.Number;
}

// The store after ClearTotals and AddLoadCase(name).
inline TResultStore Solve(TTask& task, const QString& name, const TMessageSink& messages = {})
{
    TResultStore store;
    ClearTotals(store);
    AddLoadCase(task, store, name, messages);
    return store;
}

inline TMessageSink Collect(QStringList& into)
{
    return [&into](const QString& message) { into << message; };
}
