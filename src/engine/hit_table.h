#pragma once
// Fills the SkillHitTable: the damage of one hit of every rune that deals damage.

#include "catalogue/skill_catalogue.h"
#include "engine/character_multipliers.h"
#include "engine/figures.h"
#include "engine/hit_records.h"

namespace brakefell {

// Writes every record of the table: the figures of each rune that deals damage, zero for the
// others, names after the catalogue, no uses yet. Refuses a rune with damage of an unknown element
// or a coefficient that is not a finite number (UnusableCatalogueRune), and figures grown too
// large for a number (FigureNotFinite); the table is then only partly written.
Refusal FillSkillHitTable(const SkillCatalogue& catalogue, const CharacterMultipliers& m,
                          SkillHitTable& table);

// Stores `value` into both uses-per-cycle fields of all six runes of `skill` (0..23).
void SetSkillUsesPerCycle(SkillHitTable& table, int skill, double value);

}  // namespace brakefell
