#pragma once
// How long the sentries, the companions and the damage over time need to kill one big target
// when sentries are placed one per cooldown, for one to four sentries.

#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

inline constexpr double kTargetHealth = 2880000000.0;

// Seconds between two sentry placements.
double SentryCooldown(const CharacterSheet& sheet);

// sentry: one sentry's elite damage per second; companions and dot: elite per second.
KillTimeFigures EstimateKillTimes(double sentry, double companions, double dot, double cooldown);

}  // namespace brakefell
