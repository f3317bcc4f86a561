// Any bytes as a profile, applied to a started-up form: no crash, and a form that stays
// consistent (every rune list matches its skill, every selection lies inside its list).
#include <cstddef>
#include <cstdint>

#include "form/form_state.h"
#include "form/skill_slots.h"
#include "fuzz_support.h"
#include "profile/profile_lines.h"

using namespace brakefell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormState form(fuzz::ShippedCatalogue());
    FillSkillSlots(form);
    const auto result = ReadProfile(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), form);
    if (result.linesApplied < 0 || result.linesApplied > kProfileLineCount) {
        __builtin_trap();
    }
    for (const ControlState& control : form.controls()) {
        if (control.kind == ControlKind::DropDown &&
            (control.value < -1 || control.value >= control.items.size())) {
            __builtin_trap();
        }
    }
    // Writing back what was read must always work and give 65 lines.
    if (WriteProfile(form).count("\r\n") != kProfileLineCount) {
        __builtin_trap();
    }
    return 0;
}
