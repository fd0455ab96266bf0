#pragma once
// The task as the analysis sees it: every text read once into a number (m, kN, kN/m, kNm; E in Pa,
// Iy in m4), only the loads that take part, the combination rows as lists of members, and what
// could not be read. Built by BuildModel; everything computed afterwards starts from this.
#include "model/TTask.h"

#include <QString>
#include <QStringList>
#include <vector>

// A point force P (kN) or a point moment M (kNm) at a (m from the left end); Row is its row (1-based).
struct TPointLoad
{
    double Value = 0, a = 0;
    int Row = 0;
};
struct TUniformLoad
{
    double q = 0;
    int Row = 0;
};
// qa at a from the left end to qb at b from the right end.
struct TPartialLoad
{
    double qa = 0, a = 0, qb = 0, b = 0;
    int Row = 0;
};

// One load case page: its record and the loads that are included, in the order of their rows.
struct TCaseModel
{
    int Number = 0;
    QString Name;
    double Gamaf = 0;
    bool PrintResults = false;
    std::vector<TPointLoad> Forces;
    std::vector<TUniformLoad> Uniform;
    std::vector<TPartialLoad> Partial;
    std::vector<TPointLoad> Moments;
    // One line for every text of the page that is not a number, e.g. "Zatěžovací stav „G“: P1 =
    // „6,0x“ není číslo."; a load case with any is not calculated.
    QStringList Unreadable;
};

// One row of the combination grid.
struct TCombinationModel
{
    int Row = 0; // >= 1
    QString Name;
    bool Printed = false; // the print cell says yes (CombinationPrinted)
    bool HasMember = false; // a load case column says yes (its header may name no page)
    std::vector<int> Members; // indexes into TAnalysisModel::Cases, in the order they are added
};

struct TAnalysisModel
{
    unsigned char Typ = 11;
    double L = 0;
    QString SpanUnreadable; // the message when the span text is not a number, else empty
    double Emod = 0, Iy = 0; // Pa, m4
    QString SectionUnreadable; // the message when E or Iy is not a number, else empty
    std::vector<TCaseModel> Cases; // in page order
    std::vector<TCombinationModel> Combinations; // every grid row, in order

    // Every message about a text that is not a number: the span, then the load cases in page order.
    QStringList Unreadable() const;
};

// Reads every number of the task once. Texts stay as typed in the task; an empty field reads as 0,
// any other text that is not a number is named in the model (and the task is not calculated).
TAnalysisModel BuildModel(const TTask& task);

// "Zatěžovací stav „G“: P1 = „6,0x“ není číslo." — the one wording of an unreadable number.
QString UnreadableNumberText(const QString& where, const QString& label, const QString& text);
