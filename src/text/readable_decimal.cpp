#include "text/readable_decimal.h"

#include <charconv>
#include <cmath>

namespace brakefell {
namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};

// Reading to 15 digits moves a value by at most half a unit of its 15th digit, under 5e-15 of
// it; scaling by a power of ten adds a rounding error far below that. Only a scaled value whose
// fraction lies this close to one half can be read on the other side of the half.
constexpr double kNearHalf = 1e-13;

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
    // The everyday case: the 15 digits reach past the places, and the value is not near a half.
    if (decimals >= 0 && decimals < 14 && magnitude < kPowersOfTen[14 - decimals]) {
        const double scale = kPowersOfTen[decimals];
        const double scaled = magnitude * scale;
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        if (std::fabs(fraction - 0.5) > scaled * kNearHalf) {
            const double rounded = fraction > 0.5 ? whole + 1 : whole;
            return rounded == 0 ? 0.0 : sign * (rounded / scale);
        }
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
    std::from_chars(text, end, rounded);
    return sign * rounded;
}

}  // namespace brakefell
