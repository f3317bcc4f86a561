#pragma once
// The command "계산": reads the form's inputs, calculates, and writes the report into the form's
// result boxes.

#include <QString>

#include "editions/edition.h"
#include "engine/calculation.h"
#include "form/form_state.h"

namespace brakefell {

// Returns the sentence to show when the inputs cannot be calculated, else the empty text.
QString RunCalculation(FormState& form, EngineState& state, Edition edition);

}  // namespace brakefell
