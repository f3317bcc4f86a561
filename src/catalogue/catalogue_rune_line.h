#pragma once
// One rune line of the catalogue: "/"-separated fields, read into a RuneRecord.

#include <string_view>

#include "catalogue/skill_catalogue.h"

namespace brakefell {

// Reads the fields name / has damage / main coefficient / element / reserved value and, when the
// line has them, multi-hit / extra coefficient / rocket / only on crit / reserved flags 1 and 2.
// Fields are stored one by one in that order; the first conversion that fails, or a required
// field that is missing, ends the reading with false and leaves the fields stored so far.
// Fields the line does not carry are left as they were.
bool ReadRuneLine(std::u16string_view line, RuneRecord& rune);

}  // namespace brakefell
