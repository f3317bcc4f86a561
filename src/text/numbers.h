#pragma once
// How the program reads a number that a player typed into a box or that a file stores as text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brakefell {

// The numeric reading of a typed text: blanks, tabs and line feeds anywhere are ignored, then the
// longest leading decimal number is read ("." is always the decimal point, a comma ends the
// number); "&H"/"&O" read hexadecimal/octal integers; no leading number reads 0. Never fails.
// - An exponent needs a digit: "1e" and "1e+" read 1. Only "e"/"E" start an exponent.
// - Too large for a double reads as +-infinity ("1e309"), too small as 0; never -0.
// - "&H"/"&O" values that fit 32 bits are signed 32-bit integers ("&HFFFFFFFF" is -1, "&HFFFF"
//   is 65535); longer ones read as their plain value. "&H" without digits reads 0, and so does
//   a sign before "&" ("-&H10").
double NumberOf(std::u16string_view text);

// "True"/"False" in any letter case, or a numeric text (0 false, any other number true).
// Anything else, the empty text included, is a format error (nullopt).
// Blanks, tabs and line feeds around a word are allowed (" True "), not inside it; a numeric
// text must be a whole number text as NumberOf reads it ("12abc", "1e" and "&H" are errors).
std::optional<bool> FlagOf(std::u16string_view text);

// Rounds the value as read (15 significant digits) to the nearest integer, halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4, 1.4999999999999998 reads 1.5 -> 2).
// nullopt when the result lies outside -32768..32767 or the value is not a number.
std::optional<std::int16_t> RoundToInt16(double value);

// The general text of a number: no grouping or padding, no trailing zeros, at most 15
// significant digits (0.9 / 0.3 prints "3", 2.5 prints "2.5"). Values of 1E+15 and more, or
// below 0.0001, take the exponent form "1E+20", "1.5E-07". Infinity and NaN give "".
std::u16string GeneralNumberText(double value);

// The plain decimal text of a number: at most 15 significant digits, no grouping, no trailing
// zeros, and never an exponent (1e20 is written out in full, 1.5e-7 as 0.00000015). What the
// analyses type into a box they change. Infinity and NaN give "".
std::u16string PlainNumberText(double value);

}  // namespace brakefell
