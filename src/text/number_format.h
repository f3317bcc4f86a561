#pragma once
// The number patterns and the two padding functions of the report.

#include <cstdint>
#include <string>
#include <string_view>

namespace brakefell {

inline constexpr std::int16_t kAlignRight = -1;  // padding blanks before the text
inline constexpr std::int16_t kAlignLeft = 0;    // padding blanks after the text

// Formats a value by a pattern of "0", "#", ",", ".", "%" and literal characters, as the report
// writes its figures: "###,###,###,###", "0.00", "#.00", "#.0000", "0.0", "0.0%", "0.00초", ...
// Rounds half away from zero on the value as read: its 15 significant digits (2.675 -> 2.68);
// digits beyond the fifteenth show as zeros.
// - Integer digits beyond the placeholders all show, grouped when a "," stands between two
//   integer placeholders; any other "," is a literal. Never an exponent form.
// - "#" after the point drops trailing zeros; the point itself always shows ("0.##": 1 -> "1.").
// - Each "%" moves the point two places (0.0285 by "0.0%" -> "2.9%").
// - A negative value that rounds to zero shows no minus sign ("0.00", not "-0.00").
// - Infinity and NaN give the empty text.
std::u16string FormatNumber(double value, std::u16string_view pattern);

// A positive amount as a thousands-grouped whole number padded to width columns; the empty text
// for an amount of 0 or less (or not a number, or infinite). Never cuts a longer number.
// alignFlag kAlignRight (-1) puts the blanks before the text, any other value after it.
std::u16string FormatAmount(double value, std::int16_t width, std::int16_t alignFlag);

// Any text padded with blanks to width display columns (a Korean syllable counts two).
// The empty text stays empty; a longer text comes back unchanged.
std::u16string PadDisplayText(std::u16string_view text, std::int16_t width, std::int16_t alignFlag);

}  // namespace brakefell
