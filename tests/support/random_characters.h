#pragma once
// Random characters for tests that compare two ways of reckoning the same thing, drawn much as a
// player's sheet looks: sensible ranges, most boxes zero now and then, the key skills of the
// sentry build more often than the rest, now and then a grayed check box.

#include <random>

#include "engine/character_sheet.h"

namespace brakefell::testing {

CharacterSheet RandomCharacter(std::mt19937_64& random);

// How many random characters a test draws: `usual` in the suite, or the number the environment
// variable BRAKEFELL_RANDOM_CASES gives for a long run.
int RandomCaseCount(int usual);

}  // namespace brakefell::testing
