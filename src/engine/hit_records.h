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
    std::u16string_view name;
    double mainNormalMin;
    double mainNormalMax;
    double mainNormalAvg;
    double mainNormalExpected;
    double mainEliteMin;
    double mainEliteMax;
    double mainEliteAvg;
    double mainEliteExpected;
    double mainUsesPerCycle;
    std::int16_t elementCode;
    double extraNormalMin;
    double extraNormalMax;
    double extraNormalAvg;
    double extraNormalExpected;
    double extraEliteMin;
    double extraEliteMax;
    double extraEliteAvg;
    double extraEliteExpected;
    double extraUsesPerCycle;
};

struct SkillHitEntry {
    std::u16string_view name;
    std::array<RuneHitRecord, kRuneCount> runes;
};

// Indexed like the catalogue; runes without damage have zero figures.
using SkillHitTable = std::array<SkillHitEntry, kSkillCount>;

}  // namespace brakefell
