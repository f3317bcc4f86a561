#include "text/grouped_whole.h"

#include <bit>
#include <cmath>

#include "text/readable_decimal.h"

namespace brakefell {

namespace {

constexpr double kExactWholeLimit = 1e15;

}  // namespace

bool HasExactWhole(double value) {
    return value >= 0 && value < kExactWholeLimit && !std::signbit(value);
}

std::uint64_t RoundedWhole(double value) {
    return static_cast<std::uint64_t>(RoundReadableValue(value, 0, HalfRule::AwayFromZero));
}

qsizetype GroupedLength(std::uint64_t whole) {
    static constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                                     10ULL,
                                                     100ULL,
                                                     1000ULL,
                                                     10000ULL,
                                                     100000ULL,
                                                     1000000ULL,
                                                     10000000ULL,
                                                     100000000ULL,
                                                     1000000000ULL,
                                                     10000000000ULL,
                                                     100000000000ULL,
                                                     1000000000000ULL,
                                                     10000000000000ULL,
                                                     100000000000000ULL,
                                                     1000000000000000ULL,
                                                     10000000000000000ULL};
    if (whole == 0) {
        return 0;
    }
    // log10 from the bit length (1233 / 4096 ~ log10 2), corrected by one comparison.
    const auto estimate = static_cast<std::size_t>(std::bit_width(whole) * 1233 >> 12);
    const qsizetype digits = static_cast<qsizetype>(estimate) + (whole >= kPowersOfTen[estimate]);
    return digits + (digits - 1) / 3;
}

void WriteGrouped(std::uint64_t whole, char16_t* end) {
    for (; whole >= 1000; whole /= 1000) {
        const auto group = static_cast<unsigned>(whole % 1000);
        *--end = static_cast<char16_t>(u'0' + group % 10);
        *--end = static_cast<char16_t>(u'0' + group / 10 % 10);
        *--end = static_cast<char16_t>(u'0' + group / 100);
        *--end = u',';
    }
    auto rest = static_cast<unsigned>(whole);
    do {
        *--end = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
}

}  // namespace brakefell
