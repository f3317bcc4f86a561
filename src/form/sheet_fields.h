#pragma once
// Which field of the character sheet each input control fills: how the control is read, which
// section of the window it belongs to, the step the analyses try on a number box, and the check
// box that must be on for the number to count. FormState::characterSheet() reads the controls
// through this table; the analyses' number boxes and the optimiser's check-box lists are rows of
// it.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "engine/character_sheet.h"

namespace brakefell {

enum class SheetFieldKind {
    Number,      // a text box, read as its leading number
    CheckBox,    // 0, 1 or 2 (grayed)
    List,        // the selected index, -1 for none
    NumberList,  // a list of numbers: the selected index, and the number of the selected item
    Option,      // selected or not
};

enum class SheetSection { Weapon, Stats, Skills, Passives, Gems, Slots, Options };

struct SheetField {
    const char* control;  // exactly the control's name, "txtSkill(18)"
    SheetFieldKind kind;
    SheetSection section;
    // Number boxes the analyses change: the step a player would try (main stat 100, critical
    // damage 10, weapon damage 100, the rest 1). 0 for every other row, and for a box the
    // calculation never reads (txtGemStrong).
    double step = 0;
    const char* gate = nullptr;  // the gem's check box that must be on for its level to count
    double& (*number)(CharacterSheet&) = nullptr;  // Number, NumberList (the item's number)
    int& (*whole)(CharacterSheet&) = nullptr;      // CheckBox, List, NumberList (the index)
    bool& (*option)(CharacterSheet&) = nullptr;    // Option
};

namespace sheet_fields {

template <auto Member>
constexpr auto& At(CharacterSheet& sheet) {
    return sheet.*Member;
}
template <auto Member, int Index>
constexpr auto& Element(CharacterSheet& sheet) {
    return (sheet.*Member)[Index];
}

constexpr double kUnit = 1;
constexpr double kMainStatStep = 100;
constexpr double kCriticalDamageStep = 10;
constexpr double kWeaponDamageStep = 100;

using enum SheetFieldKind;
using enum SheetSection;
using S = CharacterSheet;

constexpr SheetField TextBoxRow(const char* control, SheetSection section, double step,
                                double& (*field)(CharacterSheet&), const char* gate = nullptr) {
    return {control, SheetFieldKind::Number, section, step, gate, field};
}
constexpr SheetField WholeRow(const char* control, SheetFieldKind kind, SheetSection section,
                              int& (*field)(CharacterSheet&)) {
    return {control, kind, section, 0, nullptr, nullptr, field};
}
constexpr SheetField OptionRow(const char* control, SheetSection section,
                               bool& (*field)(CharacterSheet&)) {
    return {control, SheetFieldKind::Option, section, 0, nullptr, nullptr, nullptr, field};
}
template <int Skill>
constexpr SheetField SkillBox(const char* control) {
    return TextBoxRow(control, Skills, kUnit, &Element<&S::txtSkill, Skill>);
}
template <int Slot>
constexpr SheetField SkillList(const char* control) {
    return WholeRow(control, List, Slots, &Element<&S::cboUsingSkill, Slot>);
}
template <int Slot>
constexpr SheetField RuneList(const char* control) {
    return WholeRow(control, List, Slots, &Element<&S::cboUsingSkillRune, Slot>);
}

// In the window's order, section by section. The second option of each pair (optGemPoison(1),
// optVoodooETC) has no row: the first one says which of the two is selected.
inline constexpr SheetField kRows[] = {
    {"cboWeaponSpeed", NumberList, Weapon, 0, nullptr, &At<&S::weaponSpeedValue>,
     &At<&S::cboWeaponSpeed>},
    TextBoxRow("txtWeaponExtraSpeed", Weapon, kUnit, &At<&S::txtWeaponExtraSpeed>),
    TextBoxRow("txtWeaponDamageMin", Weapon, kWeaponDamageStep, &At<&S::txtWeaponDamageMin>),
    TextBoxRow("txtWeaponDamageMax", Weapon, kWeaponDamageStep, &At<&S::txtWeaponDamageMax>),

    TextBoxRow("txtEnchant(1)", Stats, kUnit, &Element<&S::txtEnchant, 1>),
    TextBoxRow("txtEnchant(2)", Stats, kUnit, &Element<&S::txtEnchant, 2>),
    TextBoxRow("txtEnchant(3)", Stats, kUnit, &Element<&S::txtEnchant, 3>),
    TextBoxRow("txtEnchant(4)", Stats, kUnit, &Element<&S::txtEnchant, 4>),
    TextBoxRow("txtEnchant(5)", Stats, kUnit, &Element<&S::txtEnchant, 5>),
    TextBoxRow("txtEnchant(6)", Stats, kUnit, &Element<&S::txtEnchant, 6>),
    TextBoxRow("txtMainStat", Stats, kMainStatStep, &At<&S::txtMainStat>),
    TextBoxRow("txtCriticalDamage", Stats, kCriticalDamageStep, &At<&S::txtCriticalDamage>),
    TextBoxRow("txtTesker", Stats, kUnit, &At<&S::txtTesker>),
    TextBoxRow("txtAttackSpeed", Stats, kUnit, &At<&S::txtAttackSpeed>),
    TextBoxRow("txtCriticalChance", Stats, kUnit, &At<&S::txtCriticalChance>),
    TextBoxRow("txtEnchantElite", Stats, kUnit, &At<&S::txtEnchantElite>),
    TextBoxRow("txtDecreaseTime", Stats, kUnit, &At<&S::txtDecreaseTime>),

    // Skills 9 to 13, 15 and 17 have no box: their bonus stays 0.
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

    WholeRow("chkPassiveAim", CheckBox, Passives, &At<&S::chkPassiveAim>),
    WholeRow("chkPassiveArrow", CheckBox, Passives, &At<&S::chkPassiveArrow>),
    WholeRow("chkPassiveRenovate", CheckBox, Passives, &At<&S::chkPassiveRenovate>),
    WholeRow("chkPassiveWeak", CheckBox, Passives, &At<&S::chkPassiveWeak>),
    WholeRow("chkPassiveTrajectory", CheckBox, Passives, &At<&S::chkPassiveTrajectory>),

    WholeRow("chkGemStrong", CheckBox, Gems, &At<&S::chkGemStrong>),
    TextBoxRow("txtGemStrong", Gems, 0, &At<&S::txtGemStrong>),
    WholeRow("chkMorePain", CheckBox, Gems, &At<&S::chkMorePain>),
    TextBoxRow("txtMorePain", Gems, kUnit, &At<&S::txtMorePain>, "chkMorePain"),
    WholeRow("chkGemLocked", CheckBox, Gems, &At<&S::chkGemLocked>),
    TextBoxRow("txtGemLocked", Gems, kUnit, &At<&S::txtGemLocked>, "chkGemLocked"),
    WholeRow("chkGemSummon", CheckBox, Gems, &At<&S::chkGemSummon>),
    TextBoxRow("txtGemSummon", Gems, kUnit, &At<&S::txtGemSummon>, "chkGemSummon"),
    WholeRow("chkGemPoison", CheckBox, Gems, &At<&S::chkGemPoison>),
    TextBoxRow("txtGemPoison", Gems, kUnit, &At<&S::txtGemPoison>, "chkGemPoison"),
    OptionRow("optGemPoison(0)", Gems, &At<&S::optGemPoisonBuffOnly>),
    WholeRow("chkGemJ", CheckBox, Gems, &At<&S::chkGemJ>),
    TextBoxRow("txtGemJ", Gems, kUnit, &At<&S::txtGemJ>, "chkGemJ"),
    WholeRow("cboGemJMeter", List, Gems, &At<&S::cboGemJMeter>),

    SkillList<0>("cboUsingSkill(0)"),
    RuneList<0>("cboUsingSkillRune(0)"),
    SkillList<1>("cboUsingSkill(1)"),
    RuneList<1>("cboUsingSkillRune(1)"),
    SkillList<2>("cboUsingSkill(2)"),
    RuneList<2>("cboUsingSkillRune(2)"),
    SkillList<3>("cboUsingSkill(3)"),
    RuneList<3>("cboUsingSkillRune(3)"),
    SkillList<4>("cboUsingSkill(4)"),
    RuneList<4>("cboUsingSkillRune(4)"),
    SkillList<5>("cboUsingSkill(5)"),
    RuneList<5>("cboUsingSkillRune(5)"),

    WholeRow("chkCrossbow", CheckBox, Options, &At<&S::chkCrossbow>),
    WholeRow("chkMark", CheckBox, Options, &At<&S::chkMark>),
    WholeRow("chkCompanion", CheckBox, Options, &At<&S::chkCompanion>),
    WholeRow("chkVoodoo", CheckBox, Options, &At<&S::chkVoodoo>),
    OptionRow("optVoodooDance", Options, &At<&S::optVoodooDance>),
    WholeRow("chkOurGemPoison", CheckBox, Options, &At<&S::chkOurGemPoison>),
    WholeRow("cboOurGemPoison", List, Options, &At<&S::cboOurGemPoison>),
};

constexpr std::size_t CountOf(SheetSection section, SheetFieldKind kind) {
    std::size_t count = 0;
    for (const SheetField& row : kRows) {
        count += row.section == section && row.kind == kind;
    }
    return count;
}

// The rows of one section and kind, in the table's order.
template <SheetSection Section, SheetFieldKind Kind>
constexpr auto RowsOf() {
    std::array<const SheetField*, CountOf(Section, Kind)> rows{};
    std::size_t at = 0;
    for (const SheetField& row : kRows) {
        if (row.section == Section && row.kind == Kind) {
            rows[at++] = &row;
        }
    }
    return rows;
}

}  // namespace sheet_fields

// The longest control name of the table, so that a reader may widen the names on the stack.
inline constexpr std::size_t kLongestSheetFieldName = [] {
    std::size_t longest = 0;
    for (const SheetField& row : sheet_fields::kRows) {
        longest = std::max(longest, std::string_view(row.control).size());
    }
    return longest;
}();

inline std::span<const SheetField> SheetFields() {
    return sheet_fields::kRows;
}

// A field's value. The accessors take a writable sheet only to hand out a reference; these read
// through them and write nothing, so a const sheet need not be copied first.
inline double NumberIn(const SheetField& field, const CharacterSheet& sheet) {
    return field.number(const_cast<CharacterSheet&>(sheet));
}
inline int WholeIn(const SheetField& field, const CharacterSheet& sheet) {
    return field.whole(const_cast<CharacterSheet&>(sheet));
}

// The row of that control; nullptr for a control that fills no field.
const SheetField* FindSheetField(std::string_view control);

// The check boxes the optimiser may turn on and off, in the window's order.
inline constexpr auto kGemCheckBoxes =
    sheet_fields::RowsOf<SheetSection::Gems, SheetFieldKind::CheckBox>();
inline constexpr auto kPassiveCheckBoxes =
    sheet_fields::RowsOf<SheetSection::Passives, SheetFieldKind::CheckBox>();

}  // namespace brakefell
