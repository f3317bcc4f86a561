#pragma once
// The first steps of start-up: the weapon speed, the distance of "제이의 복수" and the number of
// other players' poison gems get their entries and select the first one.

namespace brakefell {

class FormState;

void FillStartUpLists(FormState& form);

}  // namespace brakefell
