#pragma once
// The damage of one hit of every rune of every catalogue skill: normal and elite, main and extra
// hit, with how often the sentry rotation fires each of them per cycle.

#include <array>
#include <cstdint>
#include <string_view>

#include "catalogue/skill_catalogue.h"

namespace brakefell {

// Per-hit figures of one rune. Names are those of the catalogue the figures were computed from.
// The fields have no initial values of their own: a calculation writes every field of every
// record (FillSkillHitTable), and 24 x 6 records are too many to clear first and write again.
// "RuneHitRecord record{}" starts at zero.
struct RuneHitRecord {
    std::u16string_view Name;
    double MainNormalMin;
    double MainNormalMax;
    double MainNormalAvg;
    double MainNormalExpected;
    double MainEliteMin;
    double MainEliteMax;
    double MainEliteAvg;
    double MainEliteExpected;
    double MainUsesPerCycle;
    std::int16_t ElementCode;
    double ExtraNormalMin;
    double ExtraNormalMax;
    double ExtraNormalAvg;
    double ExtraNormalExpected;
    double ExtraEliteMin;
    double ExtraEliteMax;
    double ExtraEliteAvg;
    double ExtraEliteExpected;
    double ExtraUsesPerCycle;
};

struct SkillHitEntry {
    std::u16string_view Name;
    std::array<RuneHitRecord, kRuneCount> Runes;
};

// Indexed like the catalogue; runes without damage have zero figures.
using SkillHitTable = std::array<SkillHitEntry, kSkillCount>;

}  // namespace brakefell
