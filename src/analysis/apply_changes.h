#pragma once
// "적용": an optimised build's changes made in the calculator's inputs as a person makes them, one
// control at a time with the reactions of each (a rune list refilled, a gem's partner unticked).

#include <vector>

#include "analysis/optimizer.h"
#include "form/form_state.h"

namespace brakefell {

// Every change is made, in the order given; a change the form does not take stops the rest and
// returns false (a list that no longer has the rune, a control that is not there).
bool ApplyChoiceChanges(FormState& form, const std::vector<ChoiceChange>& changes);

}  // namespace brakefell
