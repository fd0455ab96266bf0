#include "model/TEndConditions.h"

const std::array<TEndCondition, 6>& EndConditions()
{
    // The cantilever sentences have no closing parenthesis: the printed report never had one.
    static const std::array<TEndCondition, 6> table = { {
        { 11, QStringLiteral("prostý trabík"), QStringLiteral("prostý trabík (kloubové podepření vlevo i vpravo)"),
            true },
        { 12, QStringLiteral("kloub vlevo"),
            QStringLiteral("jednostranně vetknutý trabík (vlevo kloub, vpravo vetknutí)"), true },
        { 21, QStringLiteral("kloub vpravo"),
            QStringLiteral("jednostranně vetknutý trabík (vlevo vetknutí, vpravo kloub)"), true },
        { 22, QStringLiteral("vetknutý trabík"), QStringLiteral("oboustranně vetknutý trabík"), true },
        { 2, QStringLiteral("konzola zleva"), QStringLiteral("konzola zleva (levý konec volný, pravý vetknutí"), true },
        { 20, QStringLiteral("konzola zprava"), QStringLiteral("konzola zprava (levý konec vetknutý, pravý volný"),
            true },
    } };
    return table;
}

const TEndCondition& EndConditionOf(unsigned char code)
{
    static const TEndCondition unknown;
    for (const TEndCondition& end : EndConditions())
        if (end.Code == code)
            return end;
    return unknown;
}
