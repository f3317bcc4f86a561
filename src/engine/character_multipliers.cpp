#include "engine/character_multipliers.h"

#include "text/readable_decimal.h"

namespace brakefell {
namespace {

// Catalogue skills that have a bonus box txtSkill(i); the others get no bonus of their own.
constexpr std::array kSkillsWithBonusBox{0, 1, 2, 3, 4, 5, 6, 7, 8, 14, 16, 18, 19, 20, 21, 22, 23};
// Skill 12 has no box yet counts as if its box held 0.
constexpr int kSkillWithNeutralBonus = 12;

constexpr int kWeaponSpeedItemForArchery = 1;  // "1.4": the weapon "궁술" rewards
constexpr double kVoodooSpeedBonus = 0.2;

// Attack rates are kept to four decimals; a rate that reads exactly halfway goes to the even
// digit.
double RoundAttackRate(double rate) {
    return RoundReadableValue(rate, 4, HalfRule::ToEven);
}

bool Checked(int checkBox) {
    return checkBox == 1;
}

double DamageBonusSumOf(const CharacterSheet& sheet) {
    double sum = 0;
    if (Checked(sheet.chkCompanion)) {
        sum += 0.3;  // "동료-늑대"
    }
    if (Checked(sheet.chkGemStrong)) {
        sum += 0.2;  // "강한자의 파멸"
    }
    if (Checked(sheet.chkPassiveArrow) && sheet.cboWeaponSpeed == kWeaponSpeedItemForArchery) {
        sum += 0.08;  // "궁술"
    }
    if (Checked(sheet.chkGemPoison) && sheet.txtGemPoison >= 25) {
        sum += 0.1;  // "잘 듣는 독" from rank 25
    }
    if (Checked(sheet.chkOurGemPoison)) {
        sum += 0.1 * (static_cast<double>(sheet.cboOurGemPoison) + 1);  // worn by other players
    }
    if (Checked(sheet.chkPassiveAim)) {
        sum += 0.2;  // "침착한 조준"
    }
    if (Checked(sheet.chkMark)) {
        sum += 0.2;  // "죽음의 표식"
    }
    if (Checked(sheet.chkVoodoo) && sheet.optVoodooDance) {
        sum += 0.3;  // "광란의 춤사위"
    }
    return sum;
}

}  // namespace

CharacterMultipliers DeriveCharacterMultipliers(const CharacterSheet& sheet) {
    CharacterMultipliers m;
    m.sentryFiredMode = Checked(sheet.chkCrossbow);

    // The voodoo buff adds to the sentries' attack speed bonus only, not to the player's.
    const double voodoo = sheet.chkVoodoo != 0 ? kVoodooSpeedBonus : 0;
    const double weaponRate = (1 + sheet.txtWeaponExtraSpeed / 100) * sheet.weaponSpeedValue;
    m.sentryAttackSpeed = RoundAttackRate(weaponRate * (1 + sheet.txtAttackSpeed / 100 + voodoo) *
                                          (1 + sheet.txtTesker / 100));
    m.playerAttackSpeed = RoundAttackRate(weaponRate * (1 + sheet.txtAttackSpeed / 100));

    for (const int skill : sheet.cboUsingSkill) {
        if (skill == kSkillElementalArrow) {
            m.hasElementalArrow = true;
        } else if (skill == kSkillSpinningStar) {
            m.hasSpinningStar = true;
        }
        m.hasFanOfKnives = m.hasFanOfKnives || skill == kSkillFanOfKnives;
        m.hasMultishot = m.hasMultishot || skill == kSkillMultishot;
        m.hasClusterArrow = m.hasClusterArrow || skill == kSkillClusterArrow;
    }

    m.mainStatMultiplier = 1 + sheet.txtMainStat / 100;
    m.weaponMin = sheet.txtWeaponDamageMin;
    m.weaponMax = sheet.txtWeaponDamageMax;
    for (int element = 1; element < kElementCount; ++element) {
        m.elementMultiplier[element] = 1 + sheet.txtEnchant[element] / 100;
    }
    m.damageBonusSum = DamageBonusSumOf(sheet);

    m.impairedTargetMultiplier = 1;
    if (Checked(sheet.chkPassiveWeak)) {
        m.impairedTargetMultiplier = 1.2;  // "약자 도태"
    }
    if (Checked(sheet.chkGemLocked)) {
        m.impairedTargetMultiplier *= 1.15 + 0.003 * sheet.txtGemLocked;  // "갇힌자의 파멸"
    }

    m.eliteMultiplier = 1 + sheet.txtEnchantElite / 100;
    m.rocketMultiplier = Checked(sheet.chkPassiveTrajectory) ? 2 : 1;  // "탄도학"
    for (const int skill : kSkillsWithBonusBox) {
        m.skillBonus[skill] = 1 + sheet.txtSkill[skill] / 100;
    }
    m.skillBonus[kSkillWithNeutralBonus] = 1;
    m.critChance = sheet.txtCriticalChance / 100;
    m.critDamageMultiplier = 1 + sheet.txtCriticalDamage / 100;
    m.sentryFiredMultiplier = m.sentryFiredMode ? 1 + sheet.txtSkill[kSkillSentry] / 100 : 1;

    m.enforcerWorn = Checked(sheet.chkGemSummon);
    m.enforcerBonus = 0.15 + 0.003 * sheet.txtGemSummon;

    m.vengeanceWorn = Checked(sheet.chkGemJ);
    const double vengeanceStep = 0.04 + 0.0005 * sheet.txtGemJ;
    m.vengeanceCompanionFactor = 1 + vengeanceStep;
    // One step per 10 of distance; in double, whatever index the list holds.
    m.vengeanceOtherFactor = 1 + vengeanceStep * (static_cast<double>(sheet.cboGemJMeter) + 1);
    return m;
}

}  // namespace brakefell
