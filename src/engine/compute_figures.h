#pragma once
// One calculation as figures: from the character sheet and the catalogue to every number of the
// report.
//
// Data flow: CheckInputs -> DeriveCharacterMultipliers -> FillSkillHitTable -> one block per used
// slot whose rune deals damage -> (sentries firing only) breakpoints and bracket, rotation, damage
// over time, per-second totals, shares, kill times -> BuildFigures. The report writers turn the
// figures into the texts of the result boxes (WriteReport).

#include "catalogue/skill_catalogue.h"
#include "editions/edition.h"
#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

// Pure: reads its arguments only and writes its result only, so it may run on several threads at
// once with the same catalogue. A refused calculation says why in `refusal`.
BuildFigures ComputeFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            Edition edition);

}  // namespace brakefell
