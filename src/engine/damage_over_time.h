#pragma once
// Damage over time of two legendary gems that no skill line covers: the bleed of "증통제",
// assumed to run without pause, and the poison of "잘 듣는 독".

#include <array>

#include "engine/calculation.h"
#include "engine/character_multipliers.h"
#include "engine/character_sheet.h"
#include "engine/report_writer.h"

namespace brakefell {

struct DamageOverTime {
    bool bleedShown = false;        // chkMorePain
    bool poisonShown = false;       // chkGemPoison
    double BleedGemPerSecond = 0;   // normal monster, critical hits averaged in
    double PoisonGemPerSecond = 0;  // normal monster, critical hits averaged in
    double BleedElitePerSecond = 0;
    double PoisonElitePerSecond = 0;
    double DotElitePerSecond = 0;  // both gems against an elite
};

DamageOverTime ComputeDamageOverTime(const CharacterSheet& sheet, const CharacterMultipliers& m);

// The bleed block into txtResult(7) and the poison block into txtResult(8), each shown only for
// its gem; returns whether either is shown (the frame around them).
bool WriteDamageOverTimeBlocks(const DamageOverTime& dot, std::array<ResultBoxText, 9>& boxes,
                               FigureGuard& guard);

}  // namespace brakefell
