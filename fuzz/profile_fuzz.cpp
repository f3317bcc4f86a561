// Any bytes as a profile, applied to a started-up form: no crash, and a form that stays
// consistent (every rune list matches its skill, every selection lies inside its list).
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "form/form_state.h"
#include "form/skill_slots.h"
#include "fuzz_support.h"
#include "profile/profile_lines.h"

using namespace brakefell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormState form(fuzz::ShippedCatalogue());
    FillSkillSlots(form);
    const auto result =
        ReadProfile(std::string_view(reinterpret_cast<const char*>(data), size), form);
    if (result.linesApplied < 0 || result.linesApplied > kProfileLineCount) {
        __builtin_trap();
    }
    for (const ControlState& control : form.controls()) {
        if (control.kind == ControlKind::DropDown &&
            (control.value < -1 || control.value >= std::ssize(control.items))) {
            __builtin_trap();
        }
    }
    // Writing back what was read must always work and give 65 lines.
    const std::string written = WriteProfile(form);
    int lineEnds = 0;
    for (std::size_t at = written.find("\r\n"); at != std::string::npos;
         at = written.find("\r\n", at + 2)) {
        ++lineEnds;
    }
    if (lineEnds != kProfileLineCount) {
        __builtin_trap();
    }
    return 0;
}
