#pragma once
// One control set by name to a value written as text, as a person's change sets it, with the
// window's reactions (a skill refills its rune list, a check box shows what it refines). The
// headless tool's --set and the page's widgets both change the form this way.
//
//   text box     the text itself
//   check box    0, 1 or 2 (2 the grayed state only a stored profile brings)
//   list         the selected index, -1 for none
//   option       1 selects it, 0 selects its partner

#include <string>
#include <string_view>

#include "form/form_state.h"

namespace brakefell {

// The empty text when the value was taken; else why not, in English for the command line
// ("chkMark takes 0, 1 or 2, not \"3\""), and the form is unchanged.
std::u16string ApplyAssignment(FormState& form, std::u16string_view name,
                               std::u16string_view value);

}  // namespace brakefell
