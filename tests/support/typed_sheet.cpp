#include "typed_sheet.h"

#include "form/controls.h"
#include "text/numbers.h"

namespace brakefell::testing {

void TypeSheetInto(const CharacterSheet& s, FormState& form) {
    const auto text = [&](std::u16string_view name, double value) {
        form.setText(name, PlainNumberText(value));
    };
    form.setListIndex(u"cboWeaponSpeed", s.cboWeaponSpeed);
    text(u"txtWeaponExtraSpeed", s.txtWeaponExtraSpeed);
    text(u"txtWeaponDamageMin", s.txtWeaponDamageMin);
    text(u"txtWeaponDamageMax", s.txtWeaponDamageMax);
    for (int element = 1; element <= 6; ++element) {
        text(IndexedName("txtEnchant", element), s.txtEnchant[element]);
    }
    text(u"txtMainStat", s.txtMainStat);
    text(u"txtCriticalDamage", s.txtCriticalDamage);
    text(u"txtTesker", s.txtTesker);
    text(u"txtAttackSpeed", s.txtAttackSpeed);
    text(u"txtCriticalChance", s.txtCriticalChance);
    text(u"txtEnchantElite", s.txtEnchantElite);
    text(u"txtDecreaseTime", s.txtDecreaseTime);
    for (int skill = 0; skill < kSkillCount; ++skill) {
        const std::u16string box = IndexedName("txtSkill", skill);
        if (form.find(box) != nullptr) {
            text(box, s.txtSkill[skill]);
        }
    }
    const std::pair<std::u16string_view, int> checks[] = {
        {u"chkPassiveAim", s.chkPassiveAim},
        {u"chkPassiveArrow", s.chkPassiveArrow},
        {u"chkPassiveRenovate", s.chkPassiveRenovate},
        {u"chkPassiveWeak", s.chkPassiveWeak},
        {u"chkPassiveTrajectory", s.chkPassiveTrajectory},
        {u"chkGemStrong", s.chkGemStrong},
        {u"chkMorePain", s.chkMorePain},
        {u"chkGemLocked", s.chkGemLocked},
        {u"chkGemSummon", s.chkGemSummon},
        {u"chkGemPoison", s.chkGemPoison},
        {u"chkGemJ", s.chkGemJ},
        {u"chkCrossbow", s.chkCrossbow},
        {u"chkMark", s.chkMark},
        {u"chkCompanion", s.chkCompanion},
        {u"chkVoodoo", s.chkVoodoo},
        {u"chkOurGemPoison", s.chkOurGemPoison},
    };
    for (const auto& [name, value] : checks) {
        form.setCheck(name, value);
    }
    text(u"txtGemStrong", s.txtGemStrong);
    text(u"txtMorePain", s.txtMorePain);
    text(u"txtGemLocked", s.txtGemLocked);
    text(u"txtGemSummon", s.txtGemSummon);
    text(u"txtGemPoison", s.txtGemPoison);
    text(u"txtGemJ", s.txtGemJ);
    form.setListIndex(u"cboGemJMeter", s.cboGemJMeter);
    form.setListIndex(u"cboOurGemPoison", s.cboOurGemPoison);
    form.setOption(u"optVoodooDance", s.optVoodooDance);
    form.setOption(u"optGemPoison(0)", s.optGemPoisonBuffOnly);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        form.setListIndex(IndexedName("cboUsingSkill", slot), s.cboUsingSkill[slot]);
        form.setListIndex(IndexedName("cboUsingSkillRune", slot), s.cboUsingSkillRune[slot]);
    }
}

}  // namespace brakefell::testing
