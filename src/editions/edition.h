#pragma once
// The two deliverables built from one source. Each program fixes its edition at build time.

#include <QStringView>
#include <optional>

namespace brakefell {

enum class Edition { Full, Lite };

// The names that the command line, the reports and the tests use: "full" and "lite".
QStringView EditionName(Edition edition);
std::optional<Edition> EditionNamed(QStringView name);

}  // namespace brakefell
