#pragma once
// For each sentry breakpoint: the attack-speed bonus the character needs to reach it and how
// much of it is still missing (negative when the character is past it).

#include <array>
#include <optional>

#include "editions/edition.h"
#include "engine/character_sheet.h"
#include "engine/report_writer.h"

namespace brakefell {

inline constexpr std::array<double, 5> kSentryBreakpoints{1.45946, 1.74194, 2.16001, 2.84211,
                                                          4.15386};

// The sentries' attack speed before the character's bonus and the voodoo buff, not rounded.
double SentryBaseSpeed(const CharacterSheet& sheet);

struct BreakpointNeed {
    double needed;   // attack-speed bonus in percent that reaches the breakpoint
    double missing;  // needed minus the bonus the character has
};

// nullopt when the base speed is 0: no bonus can reach a breakpoint from there.
std::optional<std::array<BreakpointNeed, 5>> BreakpointNeeds(const CharacterSheet& sheet);

// "-자동쇠뇌 공속 계산-" and one line per breakpoint, each ending in CR LF. Both columns are
// padded to the edition's width; an undefined need shows "-" in both.
void WriteBreakpointBlock(ReportWriter& out, const CharacterSheet& sheet, Edition edition);

}  // namespace brakefell
