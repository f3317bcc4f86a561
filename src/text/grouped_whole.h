#pragma once
// Whole amounts grouped by thousands, written straight into a buffer: the everyday case of the
// pattern "###,###,###,###" that the report prints hundreds of times per calculation.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "text/readable_decimal.h"

namespace brakefell {

// Below 10^15 the whole number nearest to a double is exact and its digits are all read; values
// outside go through the pattern formatter.
inline bool HasExactWhole(double value) {
    return value >= 0 && value < 1e15 && !std::signbit(value);
}

// The whole number nearest to `value` (HasExactWhole) as read, halves away from zero.
inline std::uint64_t RoundedWhole(double value) {
    std::uint64_t whole = 0;
    if (RoundsAsRead(value, 0, whole)) {
        return whole;
    }
    return static_cast<std::uint64_t>(RoundReadableValue(value, 0, HalfRule::AwayFromZero));
}

// Characters of `whole` grouped by thousands: 1,234,567 has nine; 0 has none.
std::ptrdiff_t GroupedLength(std::uint64_t whole);

// Writes `whole` (> 0) grouped by thousands so that it ends just before `end`.
void WriteGrouped(std::uint64_t whole, char16_t* end);

}  // namespace brakefell
