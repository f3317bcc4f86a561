#include "analysis/comparison_build.h"

#include "analysis/read_over_now.h"
#include "form/copy_inputs.h"
#include "profile/profile_files.h"

namespace brakefell {

ComparisonBuild::ComparisonBuild() = default;

ComparisonBuild::~ComparisonBuild() = default;

void ComparisonBuild::snapshot(const FormState& now) {
    form_ = CopyOfForm(now);
}

CommandOutcome ComparisonBuild::loadProfile(const Storage& storage, std::string_view path,
                                            const FormState& now, UserPrompts& prompts) {
    CommandOutcome outcome;
    std::unique_ptr<FormState> read = ReadOverNow(now, [&](FormState& form) {
        outcome = LoadProfileAt(path, form, storage, prompts);
        return static_cast<bool>(outcome);
    });
    if (read) {
        form_ = std::move(read);
    }
    return outcome;
}

}  // namespace brakefell
