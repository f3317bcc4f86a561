#pragma once
// Whether the character's inputs can be calculated at all: every selection inside its list and
// every number the calculation reads a finite number. (The catalogue's runes are checked as they
// are computed: FillSkillHitTable.)

#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

// Refusal::None when the inputs can be calculated, else the first reason found.
Refusal CheckInputs(const CharacterSheet& sheet);

}  // namespace brakefell
