#pragma once
// Damage over time of two legendary gems that no skill line covers: the bleed of "증통제",
// assumed to run without pause, and the poison of "잘 듣는 독".

#include "engine/character_multipliers.h"
#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

DamageOverTimeFigures ComputeDamageOverTime(const CharacterSheet& sheet,
                                            const CharacterMultipliers& m);

}  // namespace brakefell
