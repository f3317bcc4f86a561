#pragma once
// Which control each of the 65 profile lines holds, in file order. A value is known only by its
// line number, so the writer and the reader both walk this one table.

#include <span>

namespace brakefell {

enum class ProfileLineKind {
    Text,     // a text box's text, verbatim
    Integer,  // a list's selected index or a check box's state: " 3 ", "-1 "
    Flag,     // "True" when the option is selected, "False" otherwise
};

struct ProfileLine {
    const char* control;
    ProfileLineKind kind;
};

std::span<const ProfileLine> ProfileLayout();

}  // namespace brakefell
