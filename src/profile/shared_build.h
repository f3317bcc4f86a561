#pragma once
// A build that travels whole: the profile exactly as "저장" writes it, and the inputs that a
// profile does not hold (build_options.h). Share codes and the calculation history carry it.
// Codes of the first version carried the profile alone; such a build leaves the other inputs as
// the form has them.

#include <optional>
#include <string>
#include <string_view>

#include "form/command_outcome.h"
#include "form/form_state.h"
#include "platform/user_prompts.h"

namespace brakefell {

struct SharedBuild {
    std::string profile;
    std::optional<std::string> options;  // nullopt: a build of the first version, profile only
    bool operator==(const SharedBuild&) const = default;
};

// The form's build, whole.
SharedBuild BuildOf(const FormState& form);

// The build as one string of bytes and back, so that it travels in one message (to a page's
// worker, say): the profile's length in decimal, a line feed, the profile, then the options when
// the build has them. The share code is the compressed text form of the same build.
std::string BytesOfBuild(const SharedBuild& build);
std::optional<SharedBuild> BuildOfBytes(std::string_view bytes);

// A copy of `now` with the build read over it: the profile as "열기" reads a file, then the
// options; what the build does not hold stays as it is now. nullopt unless every line of both
// applies.
std::optional<FormState> BuildOverInputs(const SharedBuild& build, const FormState& now);

// The same read into the form itself, taken whole or not at all: otherwise the form is left as
// it was. False when not read.
bool ApplyBuild(const SharedBuild& build, FormState& form);

// The same as a command: a build that cannot be read whole says so as "열기" does.
CommandOutcome LoadBuild(const SharedBuild& build, FormState& form, UserPrompts& prompts);

}  // namespace brakefell
