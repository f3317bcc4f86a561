#pragma once
// The number boxes the calculation reads, as the analyses change them: by the box's name, with
// the step a player would try, written as the plain decimal text a person would type. The boxes
// are the rows of the sheet's field table (form/sheet_fields.h) that have a step.

#include <span>
#include <string>
#include <string_view>

#include "engine/character_sheet.h"

namespace brakefell {

struct NumberBox {
    const char* name;  // the control: "txtMainStat", "txtSkill(18)"
    double step;       // main stat 100, critical damage 10, weapon damage 100, the rest 1
    const char* gate;  // the gem's check box that must be on for its level to count; or null
    double& (*field)(CharacterSheet&);
};

// Every number box the calculation reads, in the window's order (txtGemStrong is never read).
std::span<const NumberBox> NumberBoxes();

// nullptr for a name that is not such a box.
const NumberBox* FindNumberBox(std::u16string_view name);

// The box's value in the sheet.
double BoxValue(const NumberBox& box, const CharacterSheet& sheet);

// The box as if it held the plain decimal text of `value` (the value a person types is the value
// the calculation reads from that text). Returns the text.
std::u16string SetBoxValue(const NumberBox& box, CharacterSheet& sheet, double value);

// Whether the box counts for this character: a gem level only while its gem is on.
bool BoxCounts(const NumberBox& box, const CharacterSheet& sheet);

}  // namespace brakefell
