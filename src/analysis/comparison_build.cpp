#include "analysis/comparison_build.h"

#include "profile/profile_files.h"

namespace brakefell {

ComparisonBuild::ComparisonBuild() = default;

ComparisonBuild::~ComparisonBuild() = default;

void ComparisonBuild::snapshot(const FormState& now) {
    form_ = now;
}

CommandOutcome ComparisonBuild::loadProfile(const Storage& storage, std::string_view path,
                                            const FormState& now, UserPrompts& prompts) {
    FormState read = now;
    CommandOutcome outcome = LoadProfileAt(path, read, storage, prompts);
    if (outcome) {
        form_ = std::move(read);
    }
    return outcome;
}

}  // namespace brakefell
