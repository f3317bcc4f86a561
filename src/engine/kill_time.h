#pragma once
// How long the sentries, the companions and the damage over time need to kill one big target
// when sentries are placed one per cooldown, for one to four sentries.

#include <array>

#include "engine/character_sheet.h"
#include "engine/report_writer.h"

namespace brakefell {

inline constexpr double kTargetHealth = 2880000000.0;

// Seconds between two sentry placements.
double SentryCooldown(const CharacterSheet& sheet);

struct KillTimes {
    bool defined = false;             // false when nothing deals damage: no kill time exists
    std::array<double, 4> seconds{};  // with 1, 2, 3 and 4 sentries
};

// sentry: one sentry's elite damage per second; companions and dot: elite per second.
KillTimes EstimateKillTimes(double sentry, double companions, double dot, double cooldown);

// CR LF, the heading, CR LF and the one line of the four times, without a line end. A sentry
// that comes after the target is dead is "이전에 끝" and ends the list.
void WriteKillTimeLines(ReportWriter& out, const KillTimes& times);

}  // namespace brakefell
