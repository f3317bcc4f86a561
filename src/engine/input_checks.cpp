#include "engine/input_checks.h"

#include <cmath>
#include <initializer_list>

#include "engine/character_multipliers.h"

namespace brakefell {
namespace {

constexpr int kWeaponSpeedItems = 3;     // "1.1", "1.4", "1.6"
constexpr int kGemDistanceItems = 5;     // "10" to "50"
constexpr int kOtherPoisonGemItems = 3;  // "1개" to "3개"

bool InList(int index, int itemCount) {
    return index >= 0 && index < itemCount;
}

bool AllFinite(std::initializer_list<double> values) {
    for (const double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

template <typename Array>
bool AllFinite(const Array& values) {
    for (const double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

bool SelectionsInLists(const CharacterSheet& sheet) {
    for (std::size_t slot = 0; slot < sheet.cboUsingSkill.size(); ++slot) {
        if (!InList(sheet.cboUsingSkill[slot], kSkillCount) ||
            !InList(sheet.cboUsingSkillRune[slot], kRuneCount)) {
            return false;
        }
    }
    if (!InList(sheet.cboWeaponSpeed, kWeaponSpeedItems)) {
        return false;
    }
    if (sheet.chkGemJ == 1 && !InList(sheet.cboGemJMeter, kGemDistanceItems)) {
        return false;
    }
    return sheet.chkOurGemPoison != 1 || InList(sheet.cboOurGemPoison, kOtherPoisonGemItems);
}

// txtGemStrong is the one number box the calculation never reads.
bool NumbersFinite(const CharacterSheet& sheet) {
    return AllFinite({sheet.weaponSpeedValue, sheet.txtWeaponExtraSpeed, sheet.txtWeaponDamageMin,
                      sheet.txtWeaponDamageMax, sheet.txtMainStat, sheet.txtCriticalDamage,
                      sheet.txtTesker, sheet.txtAttackSpeed, sheet.txtCriticalChance,
                      sheet.txtEnchantElite, sheet.txtDecreaseTime, sheet.txtMorePain,
                      sheet.txtGemLocked, sheet.txtGemSummon, sheet.txtGemPoison, sheet.txtGemJ}) &&
           AllFinite(sheet.txtEnchant) && AllFinite(sheet.txtSkill);
}

}  // namespace

Refusal CheckInputs(const CharacterSheet& sheet) {
    if (!SelectionsInLists(sheet)) {
        return Refusal::SelectionOutsideList;
    }
    return NumbersFinite(sheet) ? Refusal::None : Refusal::NumberNotFinite;
}

}  // namespace brakefell
