#include "profile/profile_layout.h"

#include <iterator>

#include "profile/profile_lines.h"

namespace brakefell {
namespace {

using enum ProfileLineKind;

constexpr ProfileLine kLayout[] = {
    {"cboWeaponSpeed", Integer},  // 1
    {"txtWeaponExtraSpeed", Text},
    {"txtWeaponDamageMin", Text},
    {"txtWeaponDamageMax", Text},
    {"txtEnchant(1)", Text},  // 5
    {"txtEnchant(2)", Text},
    {"txtEnchant(3)", Text},
    {"txtEnchant(4)", Text},
    {"txtEnchant(5)", Text},
    {"txtEnchant(6)", Text},  // 10
    {"txtMainStat", Text},
    {"txtAttackSpeed", Text},
    {"txtCriticalDamage", Text},
    {"txtCriticalChance", Text},
    {"txtTesker", Text},  // 15
    {"txtEnchantElite", Text},
    {"txtDecreaseTime", Text},
    {"txtSkill(0)", Text},
    {"txtSkill(1)", Text},
    {"txtSkill(2)", Text},  // 20
    {"txtSkill(3)", Text},
    {"txtSkill(4)", Text},
    {"txtSkill(5)", Text},
    {"txtSkill(6)", Text},
    {"txtSkill(7)", Text},  // 25
    {"txtSkill(8)", Text},
    {"txtSkill(14)", Text},
    {"txtSkill(16)", Text},
    {"txtSkill(18)", Text},
    {"txtSkill(19)", Text},  // 30
    {"txtSkill(20)", Text},
    {"txtSkill(21)", Text},
    {"txtSkill(22)", Text},
    {"txtSkill(23)", Text},
    {"chkPassiveAim", Integer},  // 35
    {"chkPassiveArrow", Integer},
    {"chkPassiveWeak", Integer},
    {"chkPassiveTrajectory", Integer},
    {"chkPassiveRenovate", Integer},
    {"chkGemStrong", Integer},  // 40
    {"txtGemStrong", Text},
    {"chkGemLocked", Integer},
    {"txtGemLocked", Text},
    {"chkGemSummon", Integer},
    {"txtGemSummon", Text},  // 45
    {"chkGemPoison", Integer},
    {"optGemPoison(0)", Flag},
    {"txtGemPoison", Text},
    {"chkMorePain", Integer},
    {"txtMorePain", Text},  // 50
    // Skills before runes: each skill refills its rune list before the stored rune is chosen.
    {"cboUsingSkill(0)", Integer},
    {"cboUsingSkill(1)", Integer},
    {"cboUsingSkill(2)", Integer},
    {"cboUsingSkill(3)", Integer},
    {"cboUsingSkill(4)", Integer},  // 55
    {"cboUsingSkill(5)", Integer},
    {"cboUsingSkillRune(0)", Integer},
    {"cboUsingSkillRune(1)", Integer},
    {"cboUsingSkillRune(2)", Integer},
    {"cboUsingSkillRune(3)", Integer},  // 60
    {"cboUsingSkillRune(4)", Integer},
    {"cboUsingSkillRune(5)", Integer},
    {"chkGemJ", Integer},
    {"txtGemJ", Text},
    {"cboGemJMeter", Integer},  // 65
};
static_assert(std::size(kLayout) == kProfileLineCount);

}  // namespace

std::span<const ProfileLine> ProfileLayout() {
    return kLayout;
}

}  // namespace brakefell
