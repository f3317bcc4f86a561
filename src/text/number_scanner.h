#pragma once
// Reads the leading number of a typed text the way every input box and file line is read.

#include <string_view>

namespace brakefell {

struct ScannedNumber {
    double value = 0.0;
    bool hasDigits = false;   // a number was found at the start of the text
    bool reachedEnd = false;  // nothing but blanks follows the number
};

// Blanks, tabs and line feeds anywhere are skipped; the longest leading decimal number
// (sign, digits, "." and fraction, exponent) or "&H"/"&O" integer is read. Never fails.
ScannedNumber ScanLeadingNumber(std::u16string_view text);

}  // namespace brakefell
