#pragma once
// The fixed skill rotations of the sentry build: by which of the skills 5, 21 and 22 are used and
// by the sentry bracket, how long one cycle lasts and how often each skill is fired in it.

#include <optional>

namespace brakefell {

struct CycleEntry {
    double cycleLength;  // seconds
    int leadUses;        // uses of the cycle's lead skill (8, 7 or the sentry itself); 0: none
    int fanOfKnivesUses;
    int multishotUses;
    int clusterArrowUses;
};

// nullopt for bracket row 0 when any of 5, 21 or 22 is used: no rotation is known there.
std::optional<CycleEntry> CycleEntryFor(bool hasFanOfKnives, bool hasMultishot,
                                        bool hasClusterArrow, int bracketRow);

// The skill that fills the rest of the cycle: 8 when used, else 7 when used, else the sentry's
// own bolts (18).
int CycleLeadSkill(bool hasElementalArrow, bool hasSpinningStar);

}  // namespace brakefell
