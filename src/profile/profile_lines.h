#pragma once
// The 65 lines of a profile file: which control each line holds and how it is written and read.

#include <string>
#include <string_view>

#include "form/form_state.h"

namespace brakefell {

inline constexpr int kProfileLineCount = 65;

// The profile of the form's current inputs: 65 lines, each ended by CR LF, code page 949.
std::string WriteProfile(const FormState& form);

struct ProfileReadResult {
    bool complete = false;  // all 65 lines applied
    int linesApplied = 0;   // lines applied before the first that could not be
};

// Applies the lines one by one, each with its side effects, stopping at the first line that
// cannot be applied; the lines before it stay applied. Lines after 65 are ignored.
ProfileReadResult ReadProfile(std::string_view bytes, FormState& form);

}  // namespace brakefell
