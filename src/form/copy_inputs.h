#pragma once
// One form's inputs into another form of the same catalogue, each with the reactions of a
// person's change (a skill before its rune, so that the rune list is the skill's).

namespace brakefell {

class FormState;

void CopyInputs(const FormState& from, FormState& to);

}  // namespace brakefell
