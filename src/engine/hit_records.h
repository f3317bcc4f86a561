#pragma once
// The damage of one hit of every rune of every catalogue skill: normal and elite, main and extra
// hit, with how often the sentry rotation fires each of them per cycle.

#include <QStringView>
#include <array>
#include <cstdint>

#include "catalogue/skill_catalogue.h"

namespace brakefell {

// Per-hit figures of one rune. Names are those of the catalogue the figures were computed from.
struct RuneHitRecord {
    QStringView Name;
    double MainNormalMin = 0;
    double MainNormalMax = 0;
    double MainNormalAvg = 0;
    double MainNormalExpected = 0;
    double MainEliteMin = 0;
    double MainEliteMax = 0;
    double MainEliteAvg = 0;
    double MainEliteExpected = 0;
    double MainUsesPerCycle = 0;
    std::int16_t ElementCode = 0;
    double ExtraNormalMin = 0;
    double ExtraNormalMax = 0;
    double ExtraNormalAvg = 0;
    double ExtraNormalExpected = 0;
    double ExtraEliteMin = 0;
    double ExtraEliteMax = 0;
    double ExtraEliteAvg = 0;
    double ExtraEliteExpected = 0;
    double ExtraUsesPerCycle = 0;
};

struct SkillHitEntry {
    QStringView Name;
    std::array<RuneHitRecord, kRuneCount> Runes;
};

// Indexed like the catalogue; runes without damage keep zero figures.
using SkillHitTable = std::array<SkillHitEntry, kSkillCount>;

}  // namespace brakefell
