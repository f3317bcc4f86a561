#include "analysis/comparison_build.h"

#include "form/copy_inputs.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/profile_files.h"

namespace brakefell {

ComparisonBuild::ComparisonBuild(const SkillCatalogue& catalogue) : catalogue_(catalogue) {}

ComparisonBuild::~ComparisonBuild() = default;

std::unique_ptr<FormState> ComparisonBuild::copyOf(const FormState& now) const {
    auto form = std::make_unique<FormState>(catalogue_);
    FillStartUpLists(*form);
    FillSkillSlots(*form);
    CopyInputs(now, *form);
    return form;
}

void ComparisonBuild::snapshot(const FormState& now) {
    form_ = copyOf(now);
}

CommandOutcome ComparisonBuild::loadProfile(const QString& path, const FormState& now,
                                            UserPrompts& prompts) {
    std::unique_ptr<FormState> read = copyOf(now);
    CommandOutcome outcome = LoadProfileAt(path, *read, prompts);
    if (outcome) {
        form_ = std::move(read);
    }
    return outcome;
}

}  // namespace brakefell
