#include "analysis/comparison_build.h"

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
    std::unique_ptr<FormState> read = CopyOfForm(now);
    CommandOutcome outcome = LoadProfileAt(path, *read, storage, prompts);
    if (outcome) {
        form_ = std::move(read);
    }
    return outcome;
}

}  // namespace brakefell
