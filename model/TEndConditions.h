#pragma once
// The ways the beam's two ends can be held, in one table: what the windows show, what the report
// prints and draws, and which loads the formulas solve all follow from a row of it.
#include <QString>
#include <array>

// How one end is held. The value is that end's digit in the end condition's code.
enum class TEndSupport { Free = 0, Pinned = 1, Fixed = 2 };

struct TEndCondition
{
    // 11, 12, 21, 22, 2 or 20: the tens digit is the left end, the units digit the right end (see
    // TEndSupport). 0 only for the entry of an unknown code.
    unsigned char Code = 0;
    QString Caption; // the geometry tab's radio button
    QString Description; // the report's sentence after the span
    // Whether the formulas solve partial loads (every known end condition does); where they do
    // not, the rows are disabled and take no part.
    bool PartialLoadsSolved = false;

    bool Known() const { return Code != 0; }
    TEndSupport Left() const { return TEndSupport(Code / 10); }
    TEndSupport Right() const { return TEndSupport(Code % 10); }
    // A held end carries a reaction, a fixed end also a restraint moment.
    bool LeftReaction() const { return Left() != TEndSupport::Free; }
    bool RightReaction() const { return Right() != TEndSupport::Free; }
    bool LeftMoment() const { return Left() == TEndSupport::Fixed; }
    bool RightMoment() const { return Right() == TEndSupport::Fixed; }
};

// Every end condition, in the order of the geometry tab and of the project file's radio buttons.
const std::array<TEndCondition, 6>& EndConditions();

// The row of a code. A code not in the table (only a damaged task could hold one) gets an entry
// that is not Known(): no caption, no supports, no reactions, no partial loads; the solver
// refuses it.
const TEndCondition& EndConditionOf(unsigned char code);
