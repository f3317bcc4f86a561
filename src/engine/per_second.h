#pragma once
// Damage per second of one sentry, of the companions and of the whole build, from the damage of
// one use of each shown skill and the rotation's uses per cycle.

#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

// True for the skills that the sentries fire in the rotation: 5, 7, 8, 18, 21 and 22.
bool IsSentryFiredSkill(int skill);

// Sums over the shown blocks of `figures`, with its rotation and damage over time.
PerSecondFigures SumPerSecond(const BuildFigures& figures, const CharacterSheet& sheet);

}  // namespace brakefell
