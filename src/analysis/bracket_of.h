#pragma once
// The sentry bracket a character's sentries are in.

#include "engine/character_sheet.h"

namespace brakefell {

// The bracket row (0 to 7) of the character's sentry attack speed; -1 below the slowest bracket.
int BracketRowOf(const CharacterSheet& sheet);

}  // namespace brakefell
