#pragma once
// What a player changed between two builds, told in the window's own words: "민첩 8830→9000,
// 공격속도 27→24 외 2개". The history shows it beside each entry, so that entries that look alike
// by their value can be told apart.

#include <cstddef>
#include <string>
#include <vector>

#include "form/form_state.h"

namespace brakefell {

struct InputChange {
    std::u16string control;  // "txtMainStat"
    std::u16string from;     // as the player reads it: a box's text, a list's entry, "켬"
    std::u16string to;
};

// Every input that differs, in the window's order (as the comparison finds them), each value as
// the player reads it: a check box or an option "켬", "끔" or "흐림".
std::vector<InputChange> InputChanges(const FormState& before, const FormState& after);

// The first `told` changes with their Korean captions and "외 N개" for the rest; "변화 없음"
// when nothing differs.
std::u16string InputChangesText(const std::vector<InputChange>& changes, std::size_t told = 3);

}  // namespace brakefell
