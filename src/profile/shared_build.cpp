#include "profile/shared_build.h"

#include "form/copy_inputs.h"
#include "form/messages.h"
#include "profile/build_options.h"
#include "profile/profile_lines.h"

namespace brakefell {
namespace {

bool ReadBuild(const SharedBuild& build, FormState& form) {
    return ReadProfile(build.profile, form).complete &&
           (!build.options || ReadBuildOptions(*build.options, form));
}

}  // namespace

SharedBuild BuildOf(const FormState& form) {
    return {WriteProfile(form), WriteBuildOptions(form)};
}

bool ApplyBuild(const SharedBuild& build, FormState& form) {
    // Tried on a scratch copy first, since both readers apply line by line and stop at the first
    // line they cannot apply, with the lines before it left applied.
    if (!ReadBuild(build, *CopyOfForm(form))) {
        return false;
    }
    return ReadBuild(build, form);
}

CommandOutcome LoadBuild(const SharedBuild& build, FormState& form, UserPrompts& prompts) {
    if (!ApplyBuild(build, form)) {
        return FailedWithMessage(prompts, messages::kProfileOpenError);
    }
    return {};
}

}  // namespace brakefell
