#include "analysis/number_boxes.h"

#include <array>

#include "text/numbers.h"
#include "text/strings.h"

namespace brakefell {
namespace {

constexpr double kUnit = 1;
constexpr double kMainStatStep = 100;
constexpr double kCriticalDamageStep = 10;
constexpr double kWeaponDamageStep = 100;

template <double CharacterSheet::*Member>
double& Field(CharacterSheet& sheet) {
    return sheet.*Member;
}

template <int Element>
double& Enchant(CharacterSheet& sheet) {
    return sheet.txtEnchant[Element];
}

template <int Skill>
double& SkillBonus(CharacterSheet& sheet) {
    return sheet.txtSkill[Skill];
}

template <int Skill>
constexpr NumberBox SkillBox(const char* name) {
    return {name, kUnit, nullptr, &SkillBonus<Skill>};
}

constexpr NumberBox kBoxes[] = {
    {"txtWeaponExtraSpeed", kUnit, nullptr, &Field<&CharacterSheet::txtWeaponExtraSpeed>},
    {"txtWeaponDamageMin", kWeaponDamageStep, nullptr, &Field<&CharacterSheet::txtWeaponDamageMin>},
    {"txtWeaponDamageMax", kWeaponDamageStep, nullptr, &Field<&CharacterSheet::txtWeaponDamageMax>},
    {"txtEnchant(1)", kUnit, nullptr, &Enchant<1>},
    {"txtEnchant(2)", kUnit, nullptr, &Enchant<2>},
    {"txtEnchant(3)", kUnit, nullptr, &Enchant<3>},
    {"txtEnchant(4)", kUnit, nullptr, &Enchant<4>},
    {"txtEnchant(5)", kUnit, nullptr, &Enchant<5>},
    {"txtEnchant(6)", kUnit, nullptr, &Enchant<6>},
    {"txtMainStat", kMainStatStep, nullptr, &Field<&CharacterSheet::txtMainStat>},
    {"txtCriticalDamage", kCriticalDamageStep, nullptr, &Field<&CharacterSheet::txtCriticalDamage>},
    {"txtTesker", kUnit, nullptr, &Field<&CharacterSheet::txtTesker>},
    {"txtAttackSpeed", kUnit, nullptr, &Field<&CharacterSheet::txtAttackSpeed>},
    {"txtCriticalChance", kUnit, nullptr, &Field<&CharacterSheet::txtCriticalChance>},
    {"txtEnchantElite", kUnit, nullptr, &Field<&CharacterSheet::txtEnchantElite>},
    {"txtDecreaseTime", kUnit, nullptr, &Field<&CharacterSheet::txtDecreaseTime>},
    SkillBox<0>("txtSkill(0)"),
    SkillBox<1>("txtSkill(1)"),
    SkillBox<2>("txtSkill(2)"),
    SkillBox<3>("txtSkill(3)"),
    SkillBox<4>("txtSkill(4)"),
    SkillBox<5>("txtSkill(5)"),
    SkillBox<6>("txtSkill(6)"),
    SkillBox<7>("txtSkill(7)"),
    SkillBox<8>("txtSkill(8)"),
    SkillBox<14>("txtSkill(14)"),
    SkillBox<16>("txtSkill(16)"),
    SkillBox<18>("txtSkill(18)"),
    SkillBox<19>("txtSkill(19)"),
    SkillBox<20>("txtSkill(20)"),
    SkillBox<21>("txtSkill(21)"),
    SkillBox<22>("txtSkill(22)"),
    SkillBox<23>("txtSkill(23)"),
    {"txtMorePain", kUnit, "chkMorePain", &Field<&CharacterSheet::txtMorePain>},
    {"txtGemLocked", kUnit, "chkGemLocked", &Field<&CharacterSheet::txtGemLocked>},
    {"txtGemSummon", kUnit, "chkGemSummon", &Field<&CharacterSheet::txtGemSummon>},
    {"txtGemPoison", kUnit, "chkGemPoison", &Field<&CharacterSheet::txtGemPoison>},
    {"txtGemJ", kUnit, "chkGemJ", &Field<&CharacterSheet::txtGemJ>},
};

int GateValue(std::string_view gate, const CharacterSheet& sheet) {
    const std::pair<std::string_view, int> gates[] = {
        {"chkMorePain", sheet.chkMorePain},   {"chkGemLocked", sheet.chkGemLocked},
        {"chkGemSummon", sheet.chkGemSummon}, {"chkGemPoison", sheet.chkGemPoison},
        {"chkGemJ", sheet.chkGemJ},
    };
    for (const auto& [name, value] : gates) {
        if (name == gate) {
            return value;
        }
    }
    return 0;
}

}  // namespace

std::span<const NumberBox> NumberBoxes() {
    return kBoxes;
}

const NumberBox* FindNumberBox(std::u16string_view name) {
    for (const NumberBox& box : kBoxes) {
        if (EqualsAscii(name, box.name)) {
            return &box;
        }
    }
    return nullptr;
}

double BoxValue(const NumberBox& box, const CharacterSheet& sheet) {
    CharacterSheet copy = sheet;  // the field is reached through a writable sheet
    return box.field(copy);
}

std::u16string SetBoxValue(const NumberBox& box, CharacterSheet& sheet, double value) {
    std::u16string text = PlainNumberText(value);
    box.field(sheet) = NumberOf(text);
    return text;
}

bool BoxCounts(const NumberBox& box, const CharacterSheet& sheet) {
    return box.gate == nullptr || GateValue(box.gate, sheet) == 1;
}

}  // namespace brakefell
