#pragma once
// A build that travels whole: the profile exactly as "저장" writes it, and the inputs that a
// profile does not hold (build_options.h). Share codes and the calculation history carry it.
// Codes of the first version carried the profile alone; such a build leaves the other inputs as
// the form has them.

#include <optional>
#include <string>

#include "form/command_outcome.h"
#include "form/form_state.h"
#include "form/user_prompts.h"

namespace brakefell {

struct SharedBuild {
    std::string profile;
    std::optional<std::string> options;  // nullopt: a build of the first version, profile only
    bool operator==(const SharedBuild&) const = default;
};

// The form's build, whole.
SharedBuild BuildOf(const FormState& form);

// Reads the profile as "열기" reads a file and then the options, but only when every line of both
// applies: otherwise the form is left as it was. False when not read.
bool ApplyBuild(const SharedBuild& build, FormState& form);

// The same as a command: a build that cannot be read whole says so as "열기" does.
CommandOutcome LoadBuild(const SharedBuild& build, FormState& form, UserPrompts& prompts);

}  // namespace brakefell
