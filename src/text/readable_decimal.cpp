#include "text/readable_decimal.h"

#include <charconv>
#include <cmath>

#include "text/double_chars.h"

namespace brakefell {
namespace {

bool RoundsUp(const DecimalDigits& d, int keep, HalfRule rule) {
    const char cut = d.digits[keep];
    if (cut != '5') {
        return cut > '5';
    }
    if (keep + 1 < d.count || rule == HalfRule::AwayFromZero) {
        return true;  // digits are stored without trailing zeros: more after the 5 is past half
    }
    const int previous = keep > 0 ? d.digits[keep - 1] - '0' : 0;
    return previous % 2 != 0;
}

void AddOneToLastDigit(DecimalDigits& d) {
    int i = d.count - 1;
    while (i >= 0 && d.digits[i] == '9') {
        --i;
    }
    if (i < 0) {
        d.digits[0] = '1';  // 9.99 -> 10: one digit with the point one place further
        d.count = 1;
        ++d.pointPosition;
        return;
    }
    ++d.digits[i];
    d.count = i + 1;  // the nines after it became zeros
}

}  // namespace

DecimalDigits RoundReadable(double magnitude, int decimals, HalfRule rule) {
    DecimalDigits d = RoundedDigits(magnitude, kReadableDigits);
    const long long keep = static_cast<long long>(d.pointPosition) + decimals;
    if (d.count == 0 || keep >= d.count) {
        return d;  // nothing beyond the places
    }
    if (keep < 0) {
        return {};  // below a tenth of the last place: rounds to zero
    }
    const int kept = static_cast<int>(keep);
    const bool up = RoundsUp(d, kept, rule);
    d.count = kept;
    if (up && kept == 0) {
        d.digits[0] = '1';  // 0.6 -> 1: a digit one place before the first one read
        d.count = 1;
        ++d.pointPosition;
        return d;
    }
    if (up) {
        AddOneToLastDigit(d);
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0') {
        --d.count;
    }
    return d.count == 0 ? DecimalDigits{} : d;
}

double RoundReadableValue(double value, int decimals, HalfRule rule) {
    if (!std::isfinite(value)) {
        return value;
    }
    const double magnitude = std::fabs(value);
    const double sign = value < 0 ? -1.0 : 1.0;
    std::uint64_t units = 0;
    if (RoundsAsRead(magnitude, decimals, units)) {
        // Both exact: the quotient is the double nearest to the rounded decimal.
        return units == 0 ? 0.0 : sign * (static_cast<double>(units) / kPowersOfTen[decimals]);
    }
    const DecimalDigits d = RoundReadable(magnitude, decimals, rule);
    if (d.count == 0) {
        return 0.0;
    }
    // "0.<digits>e<point>" read back gives the double nearest to the rounded decimal.
    char text[48] = {'0', '.'};
    char* end = text + 2;
    for (int i = 0; i < d.count; ++i) {
        *end++ = d.digits[i];
    }
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, d.pointPosition).ptr;
    double rounded = 0;
    DecimalFromChars(text, end, rounded);
    return sign * rounded;
}

}  // namespace brakefell
