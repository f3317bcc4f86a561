#include "text/numbers.h"

#include <cmath>

#include "text/number_scanner.h"
#include "text/readable_decimal.h"
#include "text/strings.h"

namespace brakefell {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

}  // namespace

double NumberOf(std::u16string_view text) {
    return ScanLeadingNumber(text).value;
}

std::optional<bool> FlagOf(std::u16string_view text) {
    // The words may stand between blanks, as a numeric text may; blanks inside a word are not
    // skipped ("Tr ue" is no flag).
    const std::u16string_view word = Trimmed(text, IsBlank);
    if (EqualsIgnoringCase(word, "true")) {
        return true;
    }
    if (EqualsIgnoringCase(word, "false")) {
        return false;
    }
    // A numeric flag must be a number and nothing else: "12abc" or "1e" is no flag.
    const ScannedNumber scanned = ScanLeadingNumber(text);
    if (!scanned.hasDigits || !scanned.reachedEnd) {
        return std::nullopt;
    }
    return scanned.value != 0.0;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = RoundReadableValue(value, 0, HalfRule::ToEven);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace brakefell
