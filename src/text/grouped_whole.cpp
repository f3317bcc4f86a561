#include "text/grouped_whole.h"

#include <array>
#include <bit>

namespace brakefell {

std::ptrdiff_t GroupedLength(std::uint64_t whole) {
    static constexpr std::uint64_t kWholePowers[] = {1ULL,
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
    const std::ptrdiff_t digits =
        static_cast<std::ptrdiff_t>(estimate) + (whole >= kWholePowers[estimate]);
    return digits + (digits - 1) / 3;
}

void WriteGrouped(std::uint64_t whole, char16_t* end) {
    // The digits of every number from 0 to 999, three to a number with its leading zeros.
    static constexpr auto kThreeDigits = [] {
        std::array<std::array<char16_t, 3>, 1000> digits{};
        for (unsigned n = 0; n < 1000; ++n) {
            digits[n] = {static_cast<char16_t>(u'0' + n / 100),
                         static_cast<char16_t>(u'0' + n / 10 % 10),
                         static_cast<char16_t>(u'0' + n % 10)};
        }
        return digits;
    }();
    for (; whole >= 1000; whole /= 1000) {
        const auto& group = kThreeDigits[whole % 1000];
        end -= 3;
        end[0] = group[0];
        end[1] = group[1];
        end[2] = group[2];
        *--end = u',';
    }
    const auto& lead = kThreeDigits[whole];
    const int count = whole >= 100 ? 3 : whole >= 10 ? 2 : 1;
    for (int i = 3 - count; i < 3; ++i) {
        end[i - 3] = lead[i];
    }
}

}  // namespace brakefell
