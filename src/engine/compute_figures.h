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

// ComputeFigures in two steps, for analyses that try many rune choices of one character: the
// first computes everything that does not depend on the runes chosen in the slots (the hit table,
// the rotation, the damage over time), the second the slot blocks and what the sentries make of
// them. The second takes figures of the first that were not refused, and may be run again on them
// for other runes of the same skills (with the refusal set back to None).
BuildFigures ComputeCharacterFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                                     Edition edition);
void ComputeSlotFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                        BuildFigures& figures);

}  // namespace brakefell
