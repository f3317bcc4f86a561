#pragma once
// One report block per used skill slot whose rune deals damage, in txtResult(0) onward.

#include <array>

#include "catalogue/skill_catalogue.h"
#include "editions/report_texts.h"
#include "engine/calculation.h"
#include "engine/character_multipliers.h"
#include "engine/character_sheet.h"
#include "engine/report_writer.h"

namespace brakefell {

struct ShownBlocks {
    int count = 0;                  // blocks of this calculation: txtResult(0 .. count-1)
    bool HasCompanionSlot = false;  // a shown slot uses the companion skill
};

// Writes the blocks into `boxes` from the figures of `state.hitTable` and records each shown
// block's skill and rune in `state`. The two shown
// lists are resized to the block index on every block, keeping earlier elements; they are not
// cleared first, so they keep a longer earlier length until a block is shown.
ShownBlocks WriteSlotBlocks(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            const CharacterMultipliers& m, const ReportTexts& texts,
                            std::array<ResultBoxText, 9>& boxes, EngineState& state,
                            FigureGuard& guard);

}  // namespace brakefell
