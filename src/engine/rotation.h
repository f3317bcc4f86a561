#pragma once
// The sentry rotation: how often each skill is fired in one cycle, written into the
// uses-per-cycle fields of the SkillHitTable.

#include "engine/calculation.h"
#include "engine/character_multipliers.h"
#include "engine/character_sheet.h"

namespace brakefell {

struct Rotation {
    bool defined = false;  // false: no rotation is known for this bracket and these skills
    int bracketRow = 0;
    int leadSkill = 0;
    double CycleLength = 0;          // seconds
    double SentryShotsPerCycle = 0;  // shots of one sentry in one cycle
};

// Clears the uses of every rune, then sets the uses of the rotation's skills, the sentry's shots
// (rune 1 of the sentry skill, extra hit) and the companions' strikes.
Rotation ApplyRotation(SkillHitTable& table, const CharacterMultipliers& m,
                       const CharacterSheet& sheet);

}  // namespace brakefell
