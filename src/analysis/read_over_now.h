#pragma once
// A build read over the inputs of now: a scratch copy of the form takes what the build holds, and
// whatever it does not hold (the options a profile leaves out, or everything a build of the first
// version leaves out) stays as the inputs are now. Build B, the history's entries and codes read
// this way, so none of them can change the calculator's own inputs.

#include <functional>
#include <memory>

#include "form/form_state.h"

namespace brakefell {

// `read` applies the build to the copy and says whether it was taken; nullptr when it was not.
std::unique_ptr<FormState> ReadOverNow(const FormState& now,
                                       const std::function<bool(FormState&)>& read);

}  // namespace brakefell
