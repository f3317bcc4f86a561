#pragma once
// The block of each used slot whose rune deals damage, in txtResult(0) onward: which skill and
// rune it shows, which kind of block it is, and every amount it prints.

#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

// Fills figures.blocks from figures.hitTable and figures.multipliers.
void ComputeBlocks(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                   BuildFigures& figures);

}  // namespace brakefell
