#pragma once
// The sentries' attack speed: for each breakpoint, the attack-speed bonus the character needs to
// reach it and how much of it is still missing, and the bracket the sentries are in now.

#include <array>

#include "engine/character_multipliers.h"
#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

inline constexpr std::array<double, kBreakpointCount> kSentryBreakpoints{1.45946, 1.74194, 2.16001,
                                                                         2.84211, 4.15386};

// The sentries' attack speed before the character's bonus and the voodoo buff, not rounded.
double SentryBaseSpeed(const CharacterSheet& sheet);

// The bracket row (0 to 7) of the character's sentries, as their figures have it; -1 below the
// slowest bracket, where the calculation refuses sentries that fire the skills.
int SentryBracketRowOf(const CharacterSheet& sheet);

SentrySpeedFigures ComputeSentrySpeed(const CharacterSheet& sheet, const CharacterMultipliers& m);

}  // namespace brakefell
