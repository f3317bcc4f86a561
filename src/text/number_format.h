#pragma once
// The number patterns and the two padding functions of the report.

#include <QString>
#include <QStringView>
#include <cstdint>

namespace brakefell {

inline constexpr std::int16_t kAlignRight = -1;  // padding blanks before the text
inline constexpr std::int16_t kAlignLeft = 0;    // padding blanks after the text

// Formats a value by a pattern of "0", "#", ",", ".", "%" and literal characters, as the report
// writes its figures: "###,###,###,###", "0.00", "#.00", "#.0000", "0.0", "0.0%", "0.00초", ...
// Rounds half away from zero on the shortest decimal form of the value.
QString FormatNumber(double value, QStringView pattern);

// A positive amount as a thousands-grouped whole number padded to width columns; the empty text
// for an amount of 0 or less (or not a number). Never cuts a longer number.
QString FormatAmount(double value, std::int16_t width, std::int16_t alignFlag);

// Any text padded with blanks to width display columns (a Korean syllable counts two).
// The empty text stays empty; a longer text comes back unchanged.
QString PadDisplayText(const QString& text, std::int16_t width, std::int16_t alignFlag);

}  // namespace brakefell
