#include "design/LimitCheck.h"

#include <cmath>
#include <utility>

TLimitCheck MakeLimitCheck(
    QString name, QString clause, QString unit, double designValue, double resistance, QString governedBy)
{
    if (!(resistance > 0) || !std::isfinite(resistance) || !std::isfinite(designValue))
        return UndecidedCheck(
            std::move(name), std::move(clause), QStringLiteral("únosnost nebo mez není kladné číslo"));
    TLimitCheck check;
    check.Name = std::move(name);
    check.Clause = std::move(clause);
    check.Unit = std::move(unit);
    check.DesignValue = designValue;
    check.Resistance = resistance;
    check.Utilisation = std::fabs(designValue) / resistance;
    check.GovernedBy = std::move(governedBy);
    return check;
}

TLimitCheck UndecidedCheck(QString name, QString clause, QString why)
{
    TLimitCheck check;
    check.Name = std::move(name);
    check.Clause = std::move(clause);
    check.Undecided = std::move(why);
    return check;
}
