#pragma once
// Catalogues and characters built in code for the engine's tests, so that every expected figure
// can be worked out by hand from a few round numbers.

#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"
#include "engine/report/calculation.h"

namespace brakefell::testing {

struct RuneFields {
    const char* name;
    double main = 0;
    int element = 1;
    bool multiHit = false;
    double extra = 0;
    bool rocket = false;
    bool extraOnCrit = false;
    bool damage = true;
};

RuneRecord MakeRune(const RuneFields& fields);

// 24 skills named as the form labels them ("스킬 9" etc. for the boxless ones), every rune named
// "룬 r" and without damage.
SkillCatalogue BlankCatalogue();

// The catalogue of the golden reports: a few damaging runes on the skills the rotation knows,
// the six companions, the sentry and two other skills.
SkillCatalogue GoldenCatalogue();

// The catalogue the program ships, read once.
const SkillCatalogue& ShippedCatalogue();

// Weapon 1000-2000 at speed "1.1", every bonus 0, every option unchecked, crossbow off; slots
// all on skill 15 rune 0 (no damage in the blank catalogue).
CharacterSheet PlainSheet();

// The sheet with `slot` set to catalogue skill and rune.
void UseSlot(CharacterSheet& sheet, int slot, int skill, int rune);

}  // namespace brakefell::testing
