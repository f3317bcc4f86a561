#pragma once
// A double as a person reads it: rounded to 15 significant digits, the digits the general number
// text shows. Every halfway rule of the program decides on these digits: the attack rates'
// four decimals, the report's number patterns, and the whole numbers of profile and catalogue
// lines. So a rate that reads 1.80895 is a tie even when its double lies just below, and a
// double just below 2.5 that reads 2.49999999999999 is no tie.

#include <cmath>
#include <cstdint>

#include "text/decimal_digits.h"

namespace brakefell {

inline constexpr int kReadableDigits = 15;

enum class HalfRule {
    ToEven,        // 2.5 -> 2, 3.5 -> 4
    AwayFromZero,  // 2.5 -> 3, -2.5 -> -3
};

// The digits of `magnitude` (finite, not negative) as read, rounded to `decimals` places
// (negative: tens, hundreds...) by the rule. Trailing zeros dropped; zero has no digits.
DecimalDigits RoundReadable(double magnitude, int decimals, HalfRule rule);

// The value as read, rounded to `decimals` places by the rule, as the nearest double. Infinity
// and NaN come back unchanged; a value that rounds to zero gives +0.
double RoundReadableValue(double value, int decimals, HalfRule rule);

inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The everyday case, decided without reading digits: `magnitude` (not negative) times 10^places
// is below 10^14, so its 15 digits reach past the places, and lies far enough from a half that
// reading it to 15 digits cannot move it across. Then the binary value rounds as the read one
// does, and `rounded` is the whole number of units of the last place. False otherwise: the
// caller reads the digits (RoundReadable).
inline bool RoundsAsRead(double magnitude, int places, std::uint64_t& rounded) {
    if (places < 0 || places >= static_cast<int>(std::size(kPowersOfTen))) {
        return false;
    }
    const double scaled = magnitude * kPowersOfTen[places];
    if (!(scaled < 1e14)) {
        return false;
    }
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);  // exact
    // Reading to 15 digits moves a value by under 5e-15 of it, scaling by a power of ten by far
    // less: only a fraction this close to one half can be read on its other side.
    if (std::fabs(fraction - 0.5) <= scaled * 1e-13) {
        return false;
    }
    rounded = fraction > 0.5 ? whole + 1 : whole;
    return true;
}

}  // namespace brakefell
