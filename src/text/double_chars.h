#pragma once
// The one place where a double becomes decimal characters and characters become a double. Where
// the standard library converts floating point (<charconv>), it does the work; where it does not
// (the C++ library of some WebAssembly toolchains), an exact fallback over the C library's printf
// and strtod gives the same characters and the same doubles, whatever decimal separator the
// process's locale has. CMake finds out which library it has; BRAKEFELL_FLOAT_FALLBACK asks for
// the fallback anyway.

#include <charconv>

namespace brakefell {

// As std::to_chars(first, last, value, std::chars_format::scientific, precision) for a finite
// value: "d.ddde+XX" with `precision` (0 to 40) digits after the point, correctly rounded from
// the exact binary value, halves to even. value_too_large when the characters do not fit.
std::to_chars_result ScientificChars(char* first, char* last, double value, int precision);

// As std::from_chars(first, last, value) for decimal numbers only: an optional "-", digits with
// an optional "." (at least one digit), then an optional exponent ("e" or "E", an optional sign,
// at least one digit). Nothing else starts a number: no blank, no "+", no "inf" or "nan"; "0x1"
// reads the 0. Correctly rounded for any number of digits. A number beyond the largest double,
// or one that rounds to zero although not all its digits are, is result_out_of_range: `value`
// stays as it was and the pointer is past the number. Subnormal numbers are read.
std::from_chars_result DecimalFromChars(const char* first, const char* last, double& value);

// The fallback itself, always built, so that a test can hold it against the library.
namespace fallback {
std::to_chars_result ScientificChars(char* first, char* last, double value, int precision);
std::from_chars_result DecimalFromChars(const char* first, const char* last, double& value);
}  // namespace fallback

}  // namespace brakefell
