#pragma once
// The number patterns of the report, written into a small buffer so that callers that pad the
// result build their text with a single allocation.

#include <QStringView>
#include <QVarLengthArray>

namespace brakefell {

using PatternText = QVarLengthArray<char16_t, 64>;

// Appends the value formatted by the pattern (see FormatNumber); nothing for inf and NaN.
void FormatByPattern(double value, QStringView pattern, PatternText& text);

}  // namespace brakefell
