#pragma once
// From the character sheet to the attack rates, the key-skill flags and the factors that every
// hit of the report is built from.

#include <array>

#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"

namespace brakefell {

inline constexpr int kElementCount = 7;  // element codes 0 (none) to 6 (holy)

struct CharacterMultipliers {
    bool sentryFiredMode = false;  // the sentries fire the skills (chkCrossbow)

    double sentryAttackSpeed = 0;  // attacks per second, 4 decimals
    double playerAttackSpeed = 0;  // attacks per second, 4 decimals

    bool hasFanOfKnives = false;
    bool hasSpinningStar = false;
    bool hasElementalArrow = false;
    bool hasMultishot = false;
    bool hasClusterArrow = false;

    double mainStatMultiplier = 0;
    double weaponMin = 0;
    double weaponMax = 0;
    std::array<double, kElementCount> elementMultiplier{};  // [0] stays 0: no box feeds it
    double damageBonusSum = 0;
    double impairedTargetMultiplier = 0;
    double eliteMultiplier = 0;
    double rocketMultiplier = 0;
    std::array<double, kSkillCount> skillBonus{};
    double critChance = 0;
    double critDamageMultiplier = 0;
    double sentryFiredMultiplier = 0;

    // Gem "강제자": its bonus joins the element factor of the companions, and of every skill
    // while the sentries fire.
    bool enforcerWorn = false;
    double enforcerBonus = 0;

    // Gem "제이의 복수": one distance step for the companions, the chosen distance for the rest.
    bool vengeanceWorn = false;
    double vengeanceCompanionFactor = 1;
    double vengeanceOtherFactor = 1;
};

CharacterMultipliers DeriveCharacterMultipliers(const CharacterSheet& sheet);

// The product of the character's factors for one rune of catalogue skill `skill` whose element
// code is `element` (0..6). Inline: the hit table takes it for every rune of every calculation.
inline double HitMultiplier(const CharacterMultipliers& m, int skill, int element) {
    const double bonus = m.damageBonusSum + m.skillBonus[skill];
    double multiplier;
    if (m.enforcerWorn && (m.sentryFiredMode || skill == kSkillCompanion)) {
        multiplier = (m.enforcerBonus + m.elementMultiplier[element]) * m.mainStatMultiplier *
                     m.impairedTargetMultiplier * bonus;
    } else {
        multiplier = m.mainStatMultiplier * m.elementMultiplier[element] *
                     m.impairedTargetMultiplier * bonus;
    }
    if (m.vengeanceWorn) {
        multiplier *=
            skill == kSkillCompanion ? m.vengeanceCompanionFactor : m.vengeanceOtherFactor;
    }
    return multiplier;
}

}  // namespace brakefell
