#pragma once
// The check boxes that show or hide what refines them: "잘 듣는 독(타 플레이어)" shows the number
// of other players' gems, "대재앙의 부두술" shows its two options. Hiding never changes a value.

#include <string_view>

namespace brakefell {

class FormState;

// Runs the interlock of `checkBoxName` after its value changed; other check boxes do nothing.
void ApplyInterlock(FormState& form, std::u16string_view checkBoxName);

}  // namespace brakefell
