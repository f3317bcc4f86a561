#include "text/number_format.h"

#include <algorithm>
#include <cmath>

#include "text/cp949.h"
#include "text/grouped_whole.h"
#include "text/number_pattern.h"

namespace brakefell {

namespace {

// The text with blanks up to width columns, built in one allocation; a text wider than the
// width comes back whole.
std::u16string Padded(std::u16string_view text, int columns, std::int16_t width,
                      std::int16_t alignFlag) {
    if (columns > width) {
        return std::u16string(text);
    }
    const auto blanks = static_cast<std::size_t>(width - columns);
    std::u16string padded;
    padded.reserve(blanks + text.size());
    if (alignFlag == kAlignRight) {
        padded.append(blanks, u' ').append(text);
    } else {
        padded.append(text).append(blanks, u' ');
    }
    return padded;
}

}  // namespace

std::u16string FormatNumber(double value, std::u16string_view pattern) {
    std::u16string text;
    text.reserve(pattern.size() + 24);  // room for the digits of every everyday figure
    FormatByPattern(value, pattern, text);
    return text;
}

std::u16string FormatAmount(double value, std::int16_t width, std::int16_t alignFlag) {
    // Zero, negative and not-a-number amounts take no columns; an infinite one is no amount
    // either and must not turn into a row of blanks.
    if (!(value > 0) || !std::isfinite(value)) {
        return {};
    }
    if (HasExactWhole(value)) {
        const std::uint64_t whole = RoundedWhole(value);
        const std::ptrdiff_t length = GroupedLength(whole);
        char16_t digits[32];
        if (whole > 0) {
            WriteGrouped(whole, digits + length);
        }
        return Padded(std::u16string_view(digits, static_cast<std::size_t>(length)),
                      static_cast<int>(length), width, alignFlag);
    }
    std::u16string text;
    FormatByPattern(value, u"###,###,###,###", text);
    return Padded(text, static_cast<int>(text.size()), width, alignFlag);
}

std::u16string PadDisplayText(std::u16string_view text, std::int16_t width,
                              std::int16_t alignFlag) {
    if (text.empty()) {
        return {};
    }
    const int columns = DisplayWidth(text);
    return columns > width ? std::u16string(text) : Padded(text, columns, width, alignFlag);
}

}  // namespace brakefell
