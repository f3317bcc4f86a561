#pragma once
// The sentry rotation: how often each skill is fired in one cycle, written into the
// uses-per-cycle fields of the SkillHitTable.

#include "engine/character_multipliers.h"
#include "engine/character_sheet.h"
#include "engine/figures.h"
#include "engine/hit_records.h"

namespace brakefell {

// Sets the uses of the rotation's skills, the sentry's shots (rune 1 of the sentry skill, extra
// hit) and the companions' strikes into a table whose uses start at zero.
RotationFigures ApplyRotation(SkillHitTable& table, const CharacterMultipliers& m,
                              const CharacterSheet& sheet, const SentrySpeedFigures& speed);

}  // namespace brakefell
