#pragma once
// One verification of a member: what is checked, under which clause, the design value against the
// resistance (or limit) and their ratio. A check that cannot be decided says why instead.
#include <QString>

struct TLimitCheck
{
    QString Name; // Czech caption, e.g. "ohyb"
    QString Clause; // e.g. "ČSN EN 1995-1-1, 6.1.7 (6.13)"
    QString Unit; // of the design value and the resistance: "MPa", "mm"
    double DesignValue = 0;
    double Resistance = 0;
    double Utilisation = 0; // DesignValue / Resistance
    QString GovernedBy; // the combination that governs, when there are several
    double x = -1; // where along the span it governs (m); -1 when not one place
    QString Undecided; // why there is no verdict (Czech); empty for a decided check

    bool Decided() const { return Undecided.isEmpty(); }
    bool Ok() const { return Decided() && Utilisation <= 1; }
};

// The check with its ratio, or undecided for a resistance that is not a positive number.
TLimitCheck MakeLimitCheck(
    QString name, QString clause, QString unit, double designValue, double resistance, QString governedBy = {});
TLimitCheck UndecidedCheck(QString name, QString clause, QString why);
