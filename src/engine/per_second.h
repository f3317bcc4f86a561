#pragma once
// Damage per second of one sentry, of the companions and of the whole build, from the damage of
// one use of each shown skill and the rotation's uses per cycle.

#include <array>

#include "engine/calculation.h"
#include "engine/character_sheet.h"
#include "engine/damage_over_time.h"
#include "engine/report_writer.h"
#include "engine/rotation.h"
#include "engine/slot_blocks.h"

namespace brakefell {

inline constexpr int kMaxShownBlocks = 6;

struct PerSecondFigures {
    std::array<double, kMaxShownBlocks> BlockElitePerSecond{};  // one sentry, per shown block
    double SentryNormalPerSecond = 0;                           // one sentry, normal monster
    double SentryElitePerSecond = 0;                            // one sentry, elite monster
    double CompanionElitePerSecond = 0;                         // all six companions
    int SentryCount = 4;                                        // 5 with "맞춤 개조"
    double TotalElitePerSecond = 0;
};

// True for the skills that the sentries fire in the rotation: 5, 7, 8, 18, 21 and 22.
bool IsSentryFiredSkill(int skill);

// Sums over this calculation's shown blocks only (state.ShownSkill may be longer).
PerSecondFigures SumPerSecond(const EngineState& state, const ShownBlocks& shown,
                              const Rotation& rotation, const DamageOverTime& dot,
                              const CharacterSheet& sheet);

// The per-sentry, companion and total lines of the cycle report, each ending in CR LF (the total
// line after an empty line).
void WritePerSecondLines(ReportWriter& out, const PerSecondFigures& figures, bool hasCompanionSlot);

}  // namespace brakefell
