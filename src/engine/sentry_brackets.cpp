#include "engine/sentry_brackets.h"

namespace brakefell {

int SentryBracketRow(double sentryAttackSpeed) {
    for (int row = 0; row < kFastestBracket; ++row) {
        const SentryBracket& bracket = kSentryBrackets[row];
        if (bracket.lowerBound <= sentryAttackSpeed && sentryAttackSpeed <= bracket.upperBound) {
            return row;
        }
    }
    return kFastestBracket;
}

bool BelowSentryBrackets(double sentryAttackSpeed) {
    return sentryAttackSpeed < kSentryBrackets[0].lowerBound;
}

}  // namespace brakefell
