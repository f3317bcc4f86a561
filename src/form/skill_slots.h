#pragma once
// The six used-skill slots: slot i is the skill list cboUsingSkill(i), its rune list
// cboUsingSkillRune(i) and the element label lblSkillElement(i). Choosing a skill refills the
// slot's rune list; choosing a rune shows its element. FormState runs these reactions whenever a
// slot's selection is set, by the person or by code.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/character_sheet.h"
#include "form/controls.h"

namespace brakefell {

class FormState;

std::u16string SkillListName(int slot);     // "cboUsingSkill(slot)"
std::u16string RuneListName(int slot);      // "cboUsingSkillRune(slot)"
std::u16string ElementLabelName(int slot);  // "lblSkillElement(slot)"

// The slot a control belongs to when it is that slot's skill list (or rune list).
std::optional<int> SlotOfSkillList(std::u16string_view controlName);
std::optional<int> SlotOfRuneList(std::u16string_view controlName);

struct ElementStyle {
    const char* caption;
    Rgb color;
};

// Caption and colour of an element code 1-6; nullopt for any other code, whose label stays as
// it was.
std::optional<ElementStyle> ElementStyleOf(int elementCode);

struct SlotChoice {
    int skill;
    int rune;
};

// The skills and runes a fresh window shows before the last run's profile replaces them.
inline constexpr std::array<SlotChoice, kSlotCount> kDefaultSlots{{
    {15, 1},
    {22, 5},
    {10, 3},
    {14, 5},
    {18, 4},
    {21, 5},
}};

// A skill was chosen in `slot`: the rune list gets that skill's six rune names (empty names
// included) and rune 0 is selected, which shows its element.
void RefillRuneList(FormState& form, int slot);

// A rune was chosen in `slot`: the element label shows that rune's element.
void ShowRuneElement(FormState& form, int slot);

// Start-up: every skill list gets the 24 catalogue names (so exactly 24 entries, whatever the
// catalogue holds), slot i first selects skill i, then the default skill and rune of each slot
// are selected, skill before rune.
void FillSkillSlots(FormState& form);

}  // namespace brakefell
