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

QString CaseLead(const TCaseModel& c)
{
    return QStringLiteral("Zatěžovací stav „%1“: ").arg(c.Name);
}

QString Span(double L)
{
    return QStringLiteral(", L = %1 m).").arg(Number(L));
}

void PointForceWarnings(const TCaseModel& c, double L, QStringList& out)
{
    for (const TPointLoad& l : c.Forces)
        if (OutsideSpan(l.a, L))
            out << CaseLead(c)
                    + QStringLiteral("síla P%1 = %2 kN leží mimo rozpětí (a = %3 m")
                          .arg(l.Row)
                          .arg(Number(l.Value), Number(l.a))
                    + Span(L);
}

void PointMomentWarnings(const TCaseModel& c, double L, QStringList& out)
{
    for (const TPointLoad& l : c.Moments)
        if (OutsideSpan(l.a, L))
            out << CaseLead(c)
                    + QStringLiteral("moment M%1 = %2 kNm leží mimo rozpětí (a = %3 m")
                          .arg(l.Row)
                          .arg(Number(l.Value), Number(l.a))
                    + Span(L);
}

void PartialLoadWarnings(const TCaseModel& c, double L, QStringList& out)
{
    for (const TPartialLoad& l : c.Partial) {
        const QString lead = CaseLead(c) + QStringLiteral("částečné zatížení qq%1 ").arg(l.Row);
        if (OutsideSpan(l.a, L))
            out << lead + QStringLiteral("začíná mimo rozpětí (a = %1 m").arg(Number(l.a)) + Span(L);
        else if (OutsideSpan(l.b, L))
            out << lead + QStringLiteral("končí mimo rozpětí (b = %1 m od pravého konce").arg(Number(l.b)) + Span(L);
        else if (LongerThanSpan(l.a, l.b, L))
            out << lead
                    + QStringLiteral("má zápornou délku (a + b = %1 m > L = %2 m).").arg(Number(l.a + l.b), Number(L));
    }
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

TDeflectionCheck CheckDeflection(
    unsigned char typ, double spanL, const QString& limit, const TResultStore& sums, const TExtreme& f)
{
    TDeflectionCheck check;
    if (!ReadDeflectionLimit(limit, check.LimitRatio)) {
        check.Problem = limit.trimmed().isEmpty()
            ? QStringLiteral("Mezní průhyb není zadán: průhyb se neposuzuje.")
            : QStringLiteral("Mezní průhyb L/%1 není kladné číslo: průhyb se neposuzuje.").arg(limit.trimmed());
        return check;
    }
    const double L = spanL;
    if (sums.fIssue != TDeflectionIssue::None || !(L > 0) || !std::isfinite(L))
        return check;
    check.Cantilever = IsCantilever(typ);
    check.ReferenceLength = DeflectionReferenceLength(typ, L);
    check.fLimit_mm = check.ReferenceLength * 1000 / check.LimitRatio;
    check.fMax_mm = DeflectionMm(std::max(std::fabs(f.Max), std::fabs(f.Min)));
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

QStringList LoadPositionWarnings(const TAnalysisModel& model, int index)
{
    QStringList warnings;
    const double L = model.L;
    if (!(L > 0) || !std::isfinite(L))
        return warnings;
    // In the order of the load list: forces, partial loads, moments.
    const TCaseModel& c = model.Cases.at(size_t(index));
    PointForceWarnings(c, L, warnings);
    PartialLoadWarnings(c, L, warnings);
    PointMomentWarnings(c, L, warnings);
    return warnings;
}

QStringList SelectionLoadWarnings(const TAnalysisModel& model, const TCalculationChoice& choice)
{
    QStringList warnings;
    std::vector<int> said;
    for (int index : SelectionMembers(model, choice))
        if (std::find(said.begin(), said.end(), index) == said.end()) {
            said.push_back(index);
            warnings << LoadPositionWarnings(model, index);
        }
    return warnings;
}
