#include "analysis/bracket_of.h"

#include "engine/character_multipliers.h"
#include "engine/sentry_brackets.h"

namespace brakefell {

int BracketRowOf(const CharacterSheet& sheet) {
    const double speed = DeriveCharacterMultipliers(sheet).sentryAttackSpeed;
    return BelowSentryBrackets(speed) ? -1 : SentryBracketRow(speed);
}

}  // namespace brakefell
