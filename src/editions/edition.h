#pragma once
// The two deliverables built from one source. Each program fixes its edition at build time.

#include <optional>
#include <string_view>

namespace brakefell {

enum class Edition { Full, Lite };

// The names that the command line, the reports and the tests use: "full" and "lite".
std::u16string_view EditionName(Edition edition);
std::optional<Edition> EditionNamed(std::u16string_view name);

}  // namespace brakefell
