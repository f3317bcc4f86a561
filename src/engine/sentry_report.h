#pragma once
// What the report adds while the sentries fire the skills: the breakpoint block, the rotation,
// the damage-over-time gems, the per-second totals with each skill's share and the kill times.

#include "editions/edition.h"
#include "engine/calculation.h"
#include "engine/character_multipliers.h"
#include "engine/character_sheet.h"
#include "engine/report_writer.h"
#include "engine/slot_blocks.h"

namespace brakefell {

// Written in place of the per-second lines when the sentries are in the slowest bracket and one
// of the skills 5, 21 or 22 is used: no rotation is known there.
inline constexpr QStringView kNoRotationNotice =
    u"이 공속 구간에서는 스킬 사이클이 정해져 있지 않아 초당 피해량을 계산하지 않습니다.";

// Writes txtResult(6) to (8), fraMoreDamage and txtBowCycleResult, and the rotation's uses per
// cycle into state.hitTable.
void WriteSentryReport(const CharacterSheet& sheet, const CharacterMultipliers& m, Edition edition,
                       const ShownBlocks& shown, EngineState& state, CalculationReport& report,
                       FigureGuard& guard);

}  // namespace brakefell
