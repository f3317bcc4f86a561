#pragma once
// The damage of one hit of every rune of every catalogue skill, normal and elite, base, critical
// and expected, kept in the SkillHitTable for the blocks and the per-second totals.

#include "catalogue/skill_catalogue.h"
#include "engine/calculation.h"
#include "engine/character_multipliers.h"
#include "engine/report_writer.h"

namespace brakefell {

// Refills the figures of every rune that deals damage (runes without damage keep what they held)
// and writes one trace line per such rune under a heading per skill. A rune whose figures are
// not all finite keeps its old ones and makes the guard refuse the calculation.
void FillSkillHitTable(const SkillCatalogue& catalogue, const CharacterMultipliers& m,
                       SkillHitTable& table, ReportWriter& trace);

}  // namespace brakefell
