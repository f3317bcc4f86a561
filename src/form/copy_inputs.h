#pragma once
// One form's inputs into another form of the same catalogue, each with the reactions of a
// person's change (a skill before its rune, so that the rune list is the skill's).

#include <memory>

namespace brakefell {

class FormState;

void CopyInputs(const FormState& from, FormState& to);

// A form of its own with the lists of start-up and the same inputs: a scratch copy that the
// calculator's controls do not see.
std::unique_ptr<FormState> CopyOfForm(const FormState& from);

}  // namespace brakefell
