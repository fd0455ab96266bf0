#pragma once
// What the engineer checks beside the results: the deflection against its limit, and loads whose
// positions lie outside the span (they are solved as entered, but are most likely mistyped).
#include "analysis/Extremes.h"

#include <QStringList>

// The deflection limit "mezní průhyb L/" read from its text: true with a positive finite ratio.
bool ReadDeflectionLimit(const QString& text, double& ratio);

// The length the limit divides: the span, or twice the span for a cantilever (Typ 2 and 20).
double DeflectionReferenceLength(unsigned char typ, double spanL);
bool IsCantilever(unsigned char typ);

// The deflection check of one calculation: the largest |f| of its extremes against
// f_lim = L_ref / ratio.
struct TDeflectionCheck
{
    bool Done = false; // false: no check; Problem says why (empty when the deflection tab says it)
    QString Problem;
    double LimitRatio = 0; // 250 for L/250
    double ReferenceLength = 0; // m
    bool Cantilever = false; // the reference length is twice the span
    double fLimit_mm = 0;
    double fMax_mm = 0; // the largest |f| of the extremes
    double Utilisation = 0; // fMax / fLimit
    bool Ok = false; // fMax <= fLimit
};

// No check for a limit that is not a positive number (Problem in Czech), for a deflection that
// could not be computed (sums.fIssue, which the deflection tab and the report state already) and
// for a span that is not a positive number (the calculation refuses it). `limit` is the text of
// "mezní průhyb L/".
TDeflectionCheck CheckDeflection(
    unsigned char typ, double spanL, const QString& limit, const TResultStore& sums, const TExtreme& f);

// "L/250", or "2L/250" for a cantilever, with the ratio in the default locale.
QString DeflectionLimitFormula(const TDeflectionCheck& check);
// "vyhovuje" / "nevyhovuje".
QString DeflectionVerdict(const TDeflectionCheck& check);

// One Czech line for each included load of load case `index` whose position lies outside the span:
// a point force or moment outside 0 <= a <= L, a partial load starting or ending outside the span
// or with a + b > L (a negative length). Nothing for a span that is not a positive number.
QStringList LoadPositionWarnings(const TAnalysisModel& model, int index);
// The same for every load case that the choice takes (SelectionMembers: the members the sums add).
QStringList SelectionLoadWarnings(const TAnalysisModel& model, const TCalculationChoice& choice);
