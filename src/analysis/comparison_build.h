#pragma once
// Build B of the comparison: the inputs as they stood when the player fixed them, or a profile
// read over the inputs of now (what a profile does not hold stays as it is now). B keeps its own
// controls, so the main window's inputs move on without it. A B once set never changes, only
// gives way to the next; a calculation takes a copy of the B it reads.

#include <optional>
#include <string_view>

#include "form/command_outcome.h"
#include "form/form_state.h"
#include "platform/storage.h"
#include "platform/user_prompts.h"

namespace brakefell {

class ComparisonBuild {
  public:
    ComparisonBuild();
    ~ComparisonBuild();

    bool isSet() const { return form_.has_value(); }
    const FormState& form() const { return *form_; }  // only when isSet()

    // "현재 상태를 B로 고정": B holds the inputs of now.
    void snapshot(const FormState& now);

    // "B 프로필 열기…": the profile read over the inputs of now, with "열기"'s reactions and
    // messages. When it cannot be read, B stays what it was.
    CommandOutcome loadProfile(const Storage& storage, std::string_view path, const FormState& now,
                               UserPrompts& prompts);

  private:
    std::optional<FormState> form_;
};

}  // namespace brakefell
