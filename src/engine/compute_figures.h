#pragma once
// One calculation as figures: from the character sheet and the catalogue to every number of the
// report.
//
// Data flow: CheckInputs -> DeriveCharacterMultipliers -> FillSkillHitTable -> one block per used
// slot whose rune deals damage -> (sentries firing only) breakpoints and bracket, rotation, damage
// over time, per-second totals, shares, kill times -> BuildFigures. The report writers turn the
// figures into the texts of the result boxes (WriteReport).

#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

// Pure: reads its arguments only and writes its result only, so it may run on several threads at
// once with the same catalogue. A refused calculation says why in `refusal`. No figure depends on
// the edition: only the report writers' wording does.
BuildFigures ComputeFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue);

// ComputeFigures in two steps, for analyses that try many rune choices of one character. The
// first step (the constructor) computes everything that does not depend on the runes chosen in
// the slots: the hit table, the rotation, the damage over time. The rotation's uses per cycle
// depend on the skills used, never on their runes. The second step (withRunes) adds the slot
// blocks and what the sentries make of them, as often as asked, over the same first step.
class RuneTrials {
  public:
    // `catalogue` must outlive the trials.
    RuneTrials(const CharacterSheet& character, const SkillCatalogue& catalogue);

    // Why the character itself is refused (None when it is not); a refused character has no runes
    // to try.
    Refusal characterRefusal() const { return character_.refusal; }

    // The whole figures of `sheet`: the character with other runes for the same skills in the
    // same slots; refused like the character when it is. The result stays valid until the next
    // call.
    const BuildFigures& withRunes(const CharacterSheet& sheet);

  private:
    const SkillCatalogue& catalogue_;
    const BuildFigures character_;  // the first step, never written again
    BuildFigures trial_;            // the first step with the slots of the last runes tried
};

}  // namespace brakefell
