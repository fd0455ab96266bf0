// The deflection check and the warnings about loads outside the span.
#include "analysis/Checks.h"

#include "model/TEndConditions.h"
#include "model/uMyCommonLib.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

// A number as short as it reads exactly enough for a message: "7", "7,5", "-0,25".
QString Number(double v)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'g', 10);
}

bool OutsideSpan(double a, double L)
{
    return a < 0 || a > L;
}

// Sums of typed positions such as 2.1 + 3.9 may land a rounding step above the span.
bool LongerThanSpan(double a, double b, double L)
{
    return a + b > L * (1 + 1e-12);
}

QString CaseLead(const TLoadCase& loadCase)
{
    return QStringLiteral("Zatěžovací stav „%1“: ").arg(loadCase.Caption);
}

QString Span(double L)
{
    return QStringLiteral(", L = %1 m).").arg(Number(L));
}

void PointForceWarnings(const TLoadCase& c, double L, QStringList& out)
{
    for (int i = 1; i <= int(c.Px.size()); ++i)
        if (const TPxLoad l = TTask::ReadPx(c, i); l.Included && OutsideSpan(l.a, L))
            out << CaseLead(c)
                    + QStringLiteral("síla P%1 = %2 kN leží mimo rozpětí (a = %3 m")
                          .arg(i)
                          .arg(Number(l.P), Number(l.a))
                    + Span(L);
}

void PointMomentWarnings(const TLoadCase& c, double L, QStringList& out)
{
    for (int i = 1; i <= int(c.Mx.size()); ++i)
        if (const TMxLoad l = TTask::ReadMx(c, i); l.Included && OutsideSpan(l.a, L))
            out << CaseLead(c)
                    + QStringLiteral("moment M%1 = %2 kNm leží mimo rozpětí (a = %3 m")
                          .arg(i)
                          .arg(Number(l.M), Number(l.a))
                    + Span(L);
}

void PartialLoadWarnings(const TLoadCase& c, double L, QStringList& out)
{
    for (int i = 1; i <= int(c.QQ.size()); ++i) {
        const TQQLoad l = TTask::ReadQQ(c, i);
        if (!l.Included)
            continue;
        const QString lead = CaseLead(c) + QStringLiteral("částečné zatížení qq%1 ").arg(i);
        if (OutsideSpan(l.a, L))
            out << lead + QStringLiteral("začíná mimo rozpětí (a = %1 m").arg(Number(l.a)) + Span(L);
        else if (OutsideSpan(l.b, L))
            out << lead + QStringLiteral("končí mimo rozpětí (b = %1 m od pravého konce").arg(Number(l.b)) + Span(L);
        else if (LongerThanSpan(l.a, l.b, L))
            out << lead
                    + QStringLiteral("má zápornou délku (a + b = %1 m > L = %2 m).").arg(Number(l.a + l.b), Number(L));
    }
}

// The pages a combination row adds, each once.
void AddRowMembers(const TTask& task, int row, std::vector<int>& pages)
{
    for (int page : CombinationPages(task, row))
        if (std::find(pages.begin(), pages.end(), page) == pages.end())
            pages.push_back(page);
}

std::vector<int> SelectedPages(const TTask& task)
{
    std::vector<int> pages;
    switch (task.Calc.Mode) {
    case TCalculationChoice::LoadCase:
        if (const int page = task.IndexOfNumber(task.FindZSInfo(task.Calc.ComboBox1).Number); page >= 0)
            pages.push_back(page);
        break;
    case TCalculationChoice::Combination:
        AddRowMembers(task, CombinationRow(task.Grid, task.Calc.ComboBox2), pages);
        break;
    case TCalculationChoice::Envelope:
        for (int row = 1; row < task.Grid.RowCount(); ++row)
            AddRowMembers(task, row, pages);
        if (pages.empty())
            for (int page = 0; page < int(task.LoadCases.size()); ++page)
                pages.push_back(page);
        std::sort(pages.begin(), pages.end());
        break;
    }
    return pages;
}

} // namespace

bool ReadDeflectionLimit(const QString& text, double& ratio)
{
    double value = 0;
    if (!TryStrToFloatX(text, value) || !(value > 0) || !std::isfinite(value))
        return false;
    ratio = value;
    return true;
}

bool IsCantilever(unsigned char typ)
{
    const TEndCondition& ends = EndConditionOf(typ);
    return ends.Known() && (ends.Left() == TEndSupport::Free || ends.Right() == TEndSupport::Free);
}

double DeflectionReferenceLength(unsigned char typ, double spanL)
{
    return IsCantilever(typ) ? 2 * spanL : spanL;
}

TDeflectionCheck CheckDeflection(const TTask& task, const TResultStore& sums, const TExtreme& f)
{
    TDeflectionCheck check;
    const QString& limit = task.Deflection.DeflectionLimit;
    if (!ReadDeflectionLimit(limit, check.LimitRatio)) {
        check.Problem = limit.trimmed().isEmpty()
            ? QStringLiteral("Mezní průhyb není zadán: průhyb se neposuzuje.")
            : QStringLiteral("Mezní průhyb L/%1 není kladné číslo: průhyb se neposuzuje.").arg(limit.trimmed());
        return check;
    }
    const double L = task.SpanL();
    if (sums.fIssue != TDeflectionIssue::None || !(L > 0) || !std::isfinite(L))
        return check;
    check.Cantilever = IsCantilever(task.Typ);
    check.ReferenceLength = DeflectionReferenceLength(task.Typ, L);
    check.fLimit_mm = check.ReferenceLength * 1000 / check.LimitRatio;
    check.fMax_mm = std::max(std::fabs(f.Max), std::fabs(f.Min)) * 1e6;
    if (!std::isfinite(check.fLimit_mm) || !(check.fLimit_mm > 0) || !std::isfinite(check.fMax_mm)) {
        check.Problem = QStringLiteral("Mezní průhyb L/%1 nelze spočítat: průhyb se neposuzuje.").arg(limit.trimmed());
        return check;
    }
    check.Utilisation = check.fMax_mm / check.fLimit_mm;
    check.Ok = check.fMax_mm <= check.fLimit_mm;
    check.Done = true;
    return check;
}

QString DeflectionLimitFormula(const TDeflectionCheck& check)
{
    return (check.Cantilever ? QStringLiteral("2L/") : QStringLiteral("L/")) + Number(check.LimitRatio);
}

QString DeflectionVerdict(const TDeflectionCheck& check)
{
    return check.Ok ? QStringLiteral("vyhovuje") : QStringLiteral("nevyhovuje");
}

QStringList LoadPositionWarnings(const TTask& task, const TLoadCase& loadCase)
{
    QStringList warnings;
    const double L = task.SpanL();
    if (!(L > 0) || !std::isfinite(L))
        return warnings;
    // In the order of the load list: forces, partial loads, moments.
    PointForceWarnings(loadCase, L, warnings);
    PartialLoadWarnings(loadCase, L, warnings);
    PointMomentWarnings(loadCase, L, warnings);
    return warnings;
}

QStringList SelectionLoadWarnings(const TTask& task)
{
    QStringList warnings;
    for (int page : SelectedPages(task))
        warnings << LoadPositionWarnings(task, task.LoadCases[size_t(page)]);
    return warnings;
}
