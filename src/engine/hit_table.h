#pragma once
// Fills the SkillHitTable: the damage of one hit of every rune that deals damage.

#include "catalogue/skill_catalogue.h"
#include "engine/character_multipliers.h"
#include "engine/hit_records.h"

namespace brakefell {

// Computes the figures of every rune that deals damage into a table whose runes start at zero,
// and names every skill and rune after the catalogue. False when a figure is not a finite number.
bool FillSkillHitTable(const SkillCatalogue& catalogue, const CharacterMultipliers& m,
                       SkillHitTable& table);

// Stores `value` into both uses-per-cycle fields of all six runes of `skill` (0..23).
void SetSkillUsesPerCycle(SkillHitTable& table, int skill, double value);

}  // namespace brakefell
