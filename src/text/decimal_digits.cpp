#include "text/decimal_digits.h"

#include <charconv>

#include "text/double_chars.h"

namespace brakefell {

namespace {

// Reads the "d.ddde+XX" form of ScientificChars into digits and point position.
DecimalDigits FromScientific(const char* first, const char* last) {
    DecimalDigits result;
    const char* p = first;
    for (; p != last && *p != 'e'; ++p) {
        if (*p != '.' && result.count < static_cast<int>(result.digits.size())) {
            result.digits[result.count++] = *p;
        }
    }
    int exponent = 0;
    if (p != last) {
        ++p;
        if (p != last && *p == '+') {
            ++p;  // from_chars takes no plus sign
        }
        std::from_chars(p, last, exponent);
    }
    while (result.count > 0 && result.digits[result.count - 1] == '0') {
        --result.count;
    }
    result.pointPosition = result.count == 0 ? 0 : exponent + 1;
    return result;
}

}  // namespace

DecimalDigits RoundedDigits(double magnitude, int significant) {
    char buffer[48];
    const auto end = ScientificChars(buffer, buffer + sizeof buffer, magnitude, significant - 1);
    return FromScientific(buffer, end.ptr);
}

}  // namespace brakefell
