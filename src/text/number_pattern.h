#pragma once
// The number patterns of the report, appended to a text the caller builds, so that a padded
// figure costs a single allocation.

#include <string>
#include <string_view>

namespace brakefell {

// Appends the value formatted by the pattern (see FormatNumber); nothing for inf and NaN.
void FormatByPattern(double value, std::u16string_view pattern, std::u16string& text);

}  // namespace brakefell
