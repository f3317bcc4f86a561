#pragma once
// Characters whose complete reports are kept under tests/data/engine, and how a report is laid
// out in those files: one section per box, "@@ name @@" CR LF, the box's text, CR LF.

#include <string>

#include "engine/report/calculation.h"
#include "engine_fixtures.h"
#include "text/strings.h"

namespace brakefell::testing {

struct GoldenCase {
    const char* file;
    Edition edition;
    void (*setUp)(CharacterSheet&);  // changes from the default character
};

inline void Slots(CharacterSheet& s, std::array<int, 6> skills, std::array<int, 6> runes) {
    s.cboUsingSkill = skills;
    s.cboUsingSkillRune = runes;
}

inline const GoldenCase kGoldenCases[] = {
    {"defaults_full.txt", Edition::Full, [](CharacterSheet&) {}},
    {"defaults_lite.txt", Edition::Lite, [](CharacterSheet&) {}},
    {"crossbow_off_full.txt", Edition::Full, [](CharacterSheet& s) { s.chkCrossbow = 0; }},
    {"gems_renovate_full.txt", Edition::Full,
     [](CharacterSheet& s) { s.chkMorePain = 1, s.chkGemPoison = 1, s.chkPassiveRenovate = 1; }},
    {"voodoo_skill5_full.txt", Edition::Full,
     [](CharacterSheet& s) {
         s.chkVoodoo = 1;
         Slots(s, {5, 18, 14, 15, 10, 2}, {0, 1, 0, 1, 3, 0});
     }},
    {"voodoo_skill22_lite.txt", Edition::Lite,
     [](CharacterSheet& s) {
         s.chkVoodoo = 1, s.optVoodooDance = false;
         Slots(s, {7, 22, 14, 18, 15, 15}, {0, 0, 4, 0, 1, 1});
     }},
    {"lead8_alone_full.txt", Edition::Full,
     [](CharacterSheet& s) {
         s.cboWeaponSpeed = 2, s.weaponSpeedValue = 1.6;
         s.chkGemJ = 1, s.cboGemJMeter = 2;
         Slots(s, {8, 18, 10, 15, 15, 15}, {1, 0, 3, 1, 1, 1});
     }},
    {"lead7_skill21_full.txt", Edition::Full,
     [](CharacterSheet& s) {
         s.cboWeaponSpeed = 1, s.weaponSpeedValue = 1.4;
         s.txtTesker = 10, s.chkPassiveArrow = 1;
         Slots(s, {7, 21, 18, 14, 15, 15}, {0, 0, 1, 2, 1, 1});
     }},
    {"skills5_22_full.txt", Edition::Full,
     [](CharacterSheet& s) {
         s.txtAttackSpeed = 150;
         Slots(s, {5, 22, 18, 15, 15, 15}, {0, 0, 1, 1, 1, 1});
     }},
    {"skills5_21_full.txt", Edition::Full,
     [](CharacterSheet& s) {
         s.txtAttackSpeed = 5;
         Slots(s, {8, 5, 21, 18, 15, 15}, {0, 0, 0, 1, 1, 1});
     }},
    {"skills5_21_22_full.txt", Edition::Full,
     [](CharacterSheet& s) {
         s.txtAttackSpeed = 300, s.chkPassiveRenovate = 1, s.chkMark = 1;
         s.chkOurGemPoison = 1, s.cboOurGemPoison = 1;
         Slots(s, {5, 21, 22, 18, 14, 15}, {0, 5, 5, 1, 1, 1});
     }},
};

inline std::u16string RenderForGolden(const CalculationReport& report) {
    std::u16string out;
    auto section = [&](const std::u16string& name, const std::u16string& text) {
        out += u"@@ " + name + u" @@\r\n" + text + u"\r\n";
    };
    for (int k = 0; k < 9; ++k) {
        if (report.resultBoxes[k].visible) {
            section(u"txtResult(" + IntegerText(k) + u")", report.resultBoxes[k].text);
        }
    }
    section(u"fraMoreDamage", report.moreDamageVisible ? u"visible" : u"hidden");
    section(u"txtBowCycleResult", report.totals.value_or(u"(unchanged)"));
    section(u"Text1", report.trace);
    return out;
}

}  // namespace brakefell::testing
