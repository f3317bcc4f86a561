#include "engine_fixtures.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue_reader.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell::testing {

RuneRecord MakeRune(const RuneFields& fields) {
    RuneRecord rune;
    rune.name = Utf16OfUtf8(fields.name);
    rune.mainCoefficient = fields.main;
    rune.elementCode = static_cast<std::int16_t>(fields.element);
    rune.hasDamage = fields.damage;
    rune.isMultiHit = fields.multiHit;
    rune.extraCoefficient = fields.extra;
    rune.extraIsRocket = fields.rocket;
    rune.extraOnCrit = fields.extraOnCrit;
    return rune;
}

SkillCatalogue BlankCatalogue() {
    static const char* const kNames[kSkillCount] = {
        "굶주린 화살", "속박탄",   "올가미",   "회피 사격", "수류탄",    "투검",
        "연발사격",    "회전표창", "원소화살", "스킬 9",    "스킬 10",   "스킬 11",
        "스킬 12",     "스킬 13",  "동료",     "스킬 15",   "칼날 부채", "스킬 17",
        "자동 쇠뇌",   "복수",     "난사",     "다발사격",  "확산탄",    "복수의 비"};
    SkillCatalogue catalogue;
    for (int s = 0; s < kSkillCount; ++s) {
        catalogue[s].name = Utf16OfUtf8(kNames[s]);
        for (int r = 0; r < kRuneCount; ++r) {
            catalogue[s].runes[r] = MakeRune({.name = "", .damage = false});
            catalogue[s].runes[r].name = u"룬 " + IntegerText(r);
        }
    }
    return catalogue;
}

SkillCatalogue GoldenCatalogue() {
    SkillCatalogue c = BlankCatalogue();
    c[5].runes[0] = MakeRune({"투척", 2.0, 3});
    c[7].runes[0] = MakeRune({"칼날", 3.0, 1});
    c[8].runes[0] = MakeRune({"화염 구체", 1.5, 1});
    c[8].runes[1] = MakeRune({"얼음 구체", 1.0, 2, true, 0.5, false, true});
    c[10].runes[3] = MakeRune({"덫", 4.0, 1});
    c[14].runes[0] = MakeRune({"까마귀", 0.5, 3});
    c[14].runes[1] = MakeRune({"멧돼지", 1.0, 3});
    c[14].runes[2] = MakeRune({"박쥐", 0.8, 3});
    c[14].runes[3] = MakeRune({"거미", 0.6, 3});
    c[14].runes[4] = MakeRune({"늑대", 1.2, 3});
    c[14].runes[5] = MakeRune({"페럿", 0.4, 3});
    c[18].runes[0] = MakeRune({"기본", 1.0, 3});
    c[18].runes[1] = MakeRune({"쇠뇌 사격", 0.8, 1, true, 0.4});
    c[18].runes[4] = MakeRune({"로켓", 1.0, 1, true, 1.0, true});
    c[21].runes[0] = MakeRune({"화살비", 3.6, 1});
    c[21].runes[5] = MakeRune({"폭풍", 3.6, 5, true, 1.2, true});
    c[22].runes[0] = MakeRune({"파편", 4.0, 1});
    c[22].runes[5] = MakeRune({"대폭발", 5.0, 1, true, 2.0});
    return c;
}

const SkillCatalogue& ShippedCatalogue() {
    static const SkillCatalogue catalogue = [] {
        SkillCatalogue shipped;
        const std::optional<std::string> bytes =
            ReadFileBytes(BRAKEFELL_SOURCE_DIR "/data/Gloamstalker007.txt");
        EXPECT_TRUE(bytes && ParseSkillCatalogue(*bytes, shipped).ok)
            << "the shipped catalogue did not load";
        return shipped;
    }();
    return catalogue;
}

CharacterSheet PlainSheet() {
    CharacterSheet sheet;
    sheet.cboWeaponSpeed = 0;
    sheet.weaponSpeedValue = 1.1;
    sheet.txtWeaponExtraSpeed = 0;
    sheet.txtWeaponDamageMin = 1000;
    sheet.txtWeaponDamageMax = 2000;
    sheet.txtEnchant = {};
    sheet.txtMainStat = 0;
    sheet.txtCriticalDamage = 0;
    sheet.txtTesker = 0;
    sheet.txtAttackSpeed = 0;
    sheet.txtCriticalChance = 0;
    sheet.txtEnchantElite = 0;
    sheet.txtDecreaseTime = 0;
    sheet.txtSkill = {};
    sheet.chkPassiveAim = 0;
    sheet.chkPassiveWeak = 0;
    sheet.chkPassiveTrajectory = 0;
    sheet.chkGemLocked = 0;
    sheet.chkGemSummon = 0;
    sheet.chkCrossbow = 0;
    sheet.cboUsingSkill.fill(15);
    sheet.cboUsingSkillRune.fill(0);
    return sheet;
}

void UseSlot(CharacterSheet& sheet, int slot, int skill, int rune) {
    sheet.cboUsingSkill[slot] = skill;
    sheet.cboUsingSkillRune[slot] = rune;
}

}  // namespace brakefell::testing
