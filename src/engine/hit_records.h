#pragma once
// The damage of one hit of every rune of every catalogue skill: normal and elite, main and extra
// hit, with how often the sentry rotation fires each of them per cycle.

#include <array>
#include <cstdint>
#include <string_view>

#include "catalogue/skill_catalogue.h"

namespace brakefell {

// One hit's damage against one kind of target: the lowest and highest roll, their average, and
// the average weighted with the critical chance.
struct HitFigures {
    double min;
    double max;
    double average;
    double expected;
};

// One of a rune's two hits (the main hit, or the extra hit some runes add), against normal and
// elite targets, with how often the sentry rotation fires it per cycle.
struct HitSide {
    HitFigures normal;
    HitFigures elite;
    double usesPerCycle;
};

// Per-hit figures of one rune. Names are those of the catalogue the figures were computed from.
// The fields have no initial values of their own: a calculation writes every field of every
// record (FillSkillHitTable), and 24 x 6 records are too many to clear first and write again.
// "RuneHitRecord record{}" starts at zero.
struct RuneHitRecord {
    std::u16string_view name;
    HitSide main;
    std::int16_t elementCode;
    HitSide extra;
};

struct SkillHitEntry {
    std::u16string_view name;
    std::array<RuneHitRecord, kRuneCount> runes;
};

// Indexed like the catalogue; runes without damage have zero figures.
using SkillHitTable = std::array<SkillHitEntry, kSkillCount>;

}  // namespace brakefell
