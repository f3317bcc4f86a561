#pragma once
// The inputs that a calculation reads but a profile does not hold: the options applied to the
// result (쇠뇌 발사체, 죽음의 표식, 동료-늑대, the voodoo buff with its dance, the other players'
// poison gems) and any input the window gains later. Profiles keep their 65 lines, since stored
// files and other programs rely on them; a build that travels whole (a share code, a history
// entry) carries these beside its profile as a short list, code page 949, lines ended by CR LF:
//
//   1                  the list's version
//   chkCrossbow=1      one line per input, in the window's order: a check box's state, a
//   cboOurGemPoison=0  list's selected index, an option's 1 or 0, or a text box's text
//
// The inputs are every input control of the control table that no profile line holds (an option
// whose partner a profile line holds counts as held), so a new option cannot be forgotten.

#include <string>
#include <string_view>
#include <vector>

#include "form/form_state.h"

namespace brakefell {

// The names, in the control table's order.
const std::vector<const char*>& OptionInputs();

std::string WriteBuildOptions(const FormState& form);

// Applies the list line by line and stops at the first line that cannot be applied: another
// version, a name that is not one of OptionInputs() or that comes twice, a value the control
// cannot take. Inputs the list does not name keep their values. True when every line applied.
bool ReadBuildOptions(std::string_view bytes, FormState& form);

}  // namespace brakefell
