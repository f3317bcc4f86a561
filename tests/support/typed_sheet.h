#pragma once
// A character sheet typed into a started form, as a person (or brakefell_report's --set) would:
// every number as its plain decimal text, every check box, list and option as the sheet has it.

#include "engine/character_sheet.h"
#include "form/form_state.h"

namespace brakefell::testing {

// `form` has been started (lists filled, skill slots filled).
void TypeSheetInto(const CharacterSheet& sheet, FormState& form);

}  // namespace brakefell::testing
