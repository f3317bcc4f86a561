#pragma once
// The inputs of one calculation, one field per input control under the control's name, already
// read: numbers through NumberOf, check boxes 0/1/2, list choices as selected indexes (-1 none),
// option buttons as selected or not. Default values are those of a fresh window after start-up.

#include <array>

#include "catalogue/skill_catalogue.h"

namespace brakefell {

// The character uses six skills: slot i is the skill list cboUsingSkill(i) and its rune list.
inline constexpr int kSlotCount = 6;

struct CharacterSheet {
    // -무기-
    int cboWeaponSpeed = 0;         // selected index of "1.1", "1.4", "1.6"
    double weaponSpeedValue = 1.1;  // NumberOf the selected item's text; 0 when none selected
    double txtWeaponExtraSpeed = 6;
    double txtWeaponDamageMin = 2154;
    double txtWeaponDamageMax = 2652;

    // -속성 피해-: indexed by element code; [0] has no box and stays 0
    std::array<double, 7> txtEnchant{0, 80, 0, 0, 0, 0, 0};

    // -능력치-
    double txtMainStat = 8830;
    double txtCriticalDamage = 311;
    double txtTesker = 0;
    double txtAttackSpeed = 27;
    double txtCriticalChance = 36.5;
    double txtEnchantElite = 41;
    double txtDecreaseTime = 19.6;

    // -스킬 증가-: indexed by catalogue skill; indexes without a box (9-13, 15, 17) stay 0
    std::array<double, kSkillCount> txtSkill = [] {
        std::array<double, kSkillCount> bonus{};
        bonus[18] = 29;
        bonus[21] = 14;
        bonus[22] = 25;
        return bonus;
    }();

    // -지속 스킬-
    int chkPassiveAim = 1;
    int chkPassiveArrow = 0;
    int chkPassiveRenovate = 0;
    int chkPassiveWeak = 1;
    int chkPassiveTrajectory = 1;

    // -전설 보석-
    int chkGemStrong = 0;
    double txtGemStrong = 30;
    int chkMorePain = 0;
    double txtMorePain = 30;
    int chkGemLocked = 1;
    double txtGemLocked = 34;
    int chkGemSummon = 1;
    double txtGemSummon = 33;
    int chkGemPoison = 0;
    double txtGemPoison = 34;
    bool optGemPoisonBuffOnly = true;  // optGemPoison(0) "버프만" selected; (1) "착용" otherwise
    int chkGemJ = 0;
    double txtGemJ = 34;
    int cboGemJMeter = 0;

    // -사용 스킬-
    std::array<int, kSlotCount> cboUsingSkill{15, 22, 10, 14, 18, 21};
    std::array<int, kSlotCount> cboUsingSkillRune{1, 5, 3, 5, 4, 5};

    // -결과 계산 적용 변수-
    int chkCrossbow = 1;
    int chkMark = 0;
    int chkCompanion = 0;
    int chkVoodoo = 0;
    bool optVoodooDance = true;
    int chkOurGemPoison = 0;
    int cboOurGemPoison = 0;

    bool operator==(const CharacterSheet&) const = default;
};

}  // namespace brakefell
