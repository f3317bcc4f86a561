#pragma once
// A finite non-negative double as decimal digits and the place of the decimal point.

#include <array>

namespace brakefell {

struct DecimalDigits {
    std::array<char, 24> digits{};  // '1'..'9' first, no trailing zeros; empty for zero
    int count = 0;
    int pointPosition = 0;  // the value is 0.<digits> * 10^pointPosition
};

// The value rounded to at most `significant` (1..17) digits, trailing zeros dropped.
DecimalDigits RoundedDigits(double magnitude, int significant);

}  // namespace brakefell
