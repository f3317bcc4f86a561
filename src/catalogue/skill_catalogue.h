#pragma once
// The class's 24 skills with six runes each, as the catalogue file lists them. A skill's position
// is its catalogue index everywhere: the slot lists, the bonus boxes txtSkill(i) and the engine.

#include <array>
#include <cstdint>
#include <string>

namespace brakefell {

inline constexpr int kSkillCount = 24;
inline constexpr int kRuneCount = 6;

// Catalogue indexes with a fixed role in the build.
inline constexpr int kSkillFanOfKnives = 5;     // 투검
inline constexpr int kSkillSpinningStar = 7;    // 회전표창
inline constexpr int kSkillElementalArrow = 8;  // 원소화살
inline constexpr int kSkillCompanion = 14;      // 동료: its six runes are six companions
inline constexpr int kSkillSentry = 18;         // 자동 쇠뇌
inline constexpr int kSkillMultishot = 21;      // 다발사격
inline constexpr int kSkillClusterArrow = 22;   // 확산탄

struct RuneRecord {
    std::u16string name;
    double mainCoefficient = 0;    // main hit as a multiple of weapon damage (1.55 = 155 %)
    std::int16_t elementCode = 0;  // 1 fire .. 6 holy; 0 none
    std::int16_t reservedValue = 0;
    bool hasDamage = false;
    bool isMultiHit = false;
    double extraCoefficient = 0;  // extra hit as a multiple of weapon damage
    bool extraIsRocket = false;
    bool extraOnCrit = false;
    bool reservedFlag1 = false;
    bool reservedFlag2 = false;

    bool operator==(const RuneRecord&) const = default;
};

struct SkillRecord {
    std::u16string name;
    std::array<RuneRecord, kRuneCount> runes;

    bool operator==(const SkillRecord&) const = default;
};

using SkillCatalogue = std::array<SkillRecord, kSkillCount>;

}  // namespace brakefell
