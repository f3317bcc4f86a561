#pragma once
// From the character sheet to the attack rates, the key-skill flags and the factors that every
// hit of the report is built from.

#include <array>

#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"

namespace brakefell {

inline constexpr int kElementCount = 7;  // element codes 0 (none) to 6 (holy)

struct CharacterMultipliers {
    bool SentryFiredMode = false;  // the sentries fire the skills (chkCrossbow)

    double SentryAttackSpeed = 0;  // attacks per second, 4 decimals
    double PlayerAttackSpeed = 0;  // attacks per second, 4 decimals

    bool HasSkill5 = false;
    bool HasSkill7 = false;
    bool HasSkill8 = false;
    bool HasSkill21 = false;
    bool HasSkill22 = false;

    double MainStatMultiplier = 0;
    double WeaponMin = 0;
    double WeaponMax = 0;
    std::array<double, kElementCount> ElementMultiplier{};  // [0] stays 0: no box feeds it
    double DamageBonusSum = 0;
    double ImpairedTargetMultiplier = 0;
    double EliteMultiplier = 0;
    double RocketMultiplier = 0;
    std::array<double, kSkillCount> SkillBonus{};
    double CritChance = 0;
    double CritDamageMultiplier = 0;
    double SentryFiredMultiplier = 0;

    // Gem "강제자": its bonus joins the element factor of the companions, and of every skill
    // while the sentries fire.
    bool EnforcerWorn = false;
    double EnforcerBonus = 0;

    // Gem "제이의 복수": one distance step for the companions, the chosen distance for the rest.
    bool VengeanceWorn = false;
    double VengeanceCompanionFactor = 1;
    double VengeanceOtherFactor = 1;
};

CharacterMultipliers DeriveCharacterMultipliers(const CharacterSheet& sheet);

// The product of the character's factors for one rune of catalogue skill `skill` whose element
// code is `element` (0..6). Inline: the hit table takes it for every rune of every calculation.
inline double HitMultiplier(const CharacterMultipliers& m, int skill, int element) {
    const double bonus = m.DamageBonusSum + m.SkillBonus[skill];
    double multiplier;
    if (m.EnforcerWorn && (m.SentryFiredMode || skill == kSkillCompanion)) {
        multiplier = (m.EnforcerBonus + m.ElementMultiplier[element]) * m.MainStatMultiplier *
                     m.ImpairedTargetMultiplier * bonus;
    } else {
        multiplier = m.MainStatMultiplier * m.ElementMultiplier[element] *
                     m.ImpairedTargetMultiplier * bonus;
    }
    if (m.VengeanceWorn) {
        multiplier *=
            skill == kSkillCompanion ? m.VengeanceCompanionFactor : m.VengeanceOtherFactor;
    }
    return multiplier;
}

}  // namespace brakefell
