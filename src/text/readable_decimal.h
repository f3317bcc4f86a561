#pragma once
// A double as a person reads it: rounded to 15 significant digits, as the classic general number
// text shows it. Every halfway rule of the program decides on these digits: the attack rates'
// four decimals, the report's number patterns, and the whole numbers of profile and catalogue
// lines. So a rate that reads 1.80895 is a tie even when its double lies just below, and a
// double just below 2.5 that reads 2.49999999999999 is no tie.

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

}  // namespace brakefell
