#pragma once
// Whole amounts grouped by thousands, written straight into a buffer: the everyday case of the
// pattern "###,###,###,###" that the report prints hundreds of times per calculation.

#include <QtGlobal>
#include <cstdint>

namespace brakefell {

// Below 10^15 the whole number nearest to a double is exact and its digits are all read; values
// outside go through the pattern formatter.
bool HasExactWhole(double value);

// The whole number nearest to `value` (HasExactWhole) as read, halves away from zero.
std::uint64_t RoundedWhole(double value);

// Characters of `whole` grouped by thousands: 1,234,567 has nine; 0 has none.
qsizetype GroupedLength(std::uint64_t whole);

// Writes `whole` (> 0) grouped by thousands so that it ends just before `end`.
void WriteGrouped(std::uint64_t whole, char16_t* end);

}  // namespace brakefell
