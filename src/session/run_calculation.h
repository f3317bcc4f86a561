#pragma once
// The command "계산": reads the form's inputs, calculates, and writes the report into the form's
// result boxes.

#include "editions/edition.h"
#include "engine/figures.h"
#include "form/form_state.h"

namespace brakefell {

// Returns why the inputs could not be calculated (Refusal::None when they were). `shown` records
// which skill and rune each box shows, across calculations.
Refusal RunCalculation(FormState& form, Edition edition);

}  // namespace brakefell
