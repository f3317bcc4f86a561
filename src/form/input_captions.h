#pragma once
// The Korean names of the inputs, as a person knows them.

#include <string>
#include <string_view>

namespace brakefell {

// The name an input has of its own when no label beside it names it ("기본 데미지 최소",
// "사용 스킬 3 룬"); empty for every other control. The window gives these to assistive tools.
std::u16string OwnInputCaption(std::u16string_view control);

// The name of any input: its own name, else the label that stands beside it in the window
// ("민첩" for txtMainStat, "자동 쇠뇌" for txtSkill(18)), else its caption ("강제자" for the
// check box chkGemSummon). Empty for a name the form does not have.
std::u16string InputCaption(std::u16string_view control);

}  // namespace brakefell
