#include "engine/sentry_breakpoints.h"

#include "engine/sentry_brackets.h"

namespace brakefell {
namespace {
// The voodoo buff lends the sentries 20 percentage points of attack speed.
constexpr double kVoodooAllowance = 20;
}  // namespace

double SentryBaseSpeed(const CharacterSheet& sheet) {
    return sheet.weaponSpeedValue * (1 + sheet.txtWeaponExtraSpeed / 100) *
           (1 + sheet.txtTesker / 100);
}

int SentryBracketRowOf(const CharacterSheet& sheet) {
    const double speed = DeriveCharacterMultipliers(sheet).sentryAttackSpeed;
    return BelowSentryBrackets(speed) ? -1 : SentryBracketRow(speed);
}

SentrySpeedFigures ComputeSentrySpeed(const CharacterSheet& sheet, const CharacterMultipliers& m) {
    SentrySpeedFigures speed;
    speed.sentryAttackSpeed = m.sentryAttackSpeed;
    speed.bracketRow = SentryBracketRow(m.sentryAttackSpeed);
    speed.shotInterval = kSentryBrackets[speed.bracketRow].shotInterval;
    speed.baseSpeed = SentryBaseSpeed(sheet);
    speed.voodooBuff = sheet.chkVoodoo != 0;
    // From a base speed of 0 no bonus reaches a breakpoint.
    speed.needsDefined = speed.baseSpeed != 0;
    const double allowance = speed.voodooBuff ? kVoodooAllowance : 0;
    for (int i = 0; i < kBreakpointCount; ++i) {
        BreakpointFigures& need = speed.breakpoints[i];
        need.breakpoint = kSentryBreakpoints[i];
        if (speed.needsDefined) {
            need.needed = (need.breakpoint / speed.baseSpeed - 1) * 100;
            need.missing = need.needed - sheet.txtAttackSpeed - allowance;
        }
    }
    return speed;
}

}  // namespace brakefell
