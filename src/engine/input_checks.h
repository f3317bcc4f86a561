#pragma once
// Whether the inputs can be calculated at all: every selection inside its list, every rune that
// deals damage of a known element, every number the calculation reads a finite number.

#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

// Refusal::None when the inputs can be calculated, else the first reason found.
Refusal CheckInputs(const CharacterSheet& sheet, const SkillCatalogue& catalogue);

}  // namespace brakefell
