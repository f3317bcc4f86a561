// The one place where doubles become decimal characters and back. The fallback is checked against
// values worked out by hand, under a locale whose decimal separator is not ".", and, where the
// standard library converts floating point itself, against the library over many values: random
// doubles at every precision the report asks for, exact halfway cases between neighbouring
// doubles from the largest to the subnormal ones, 800-digit numbers and arbitrary characters.
#include "text/double_chars.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace brakefell {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
constexpr double kUntouched = -7.25;

struct Reading {
    std::errc ec;
    std::ptrdiff_t used;
    double value;
};

Reading FallbackReading(std::string_view text) {
    double value = kUntouched;
    const auto result = fallback::DecimalFromChars(text.data(), text.data() + text.size(), value);
    return {result.ec, result.ptr - text.data(), value};
}

std::string FallbackScientific(double value, int precision) {
    char buffer[128];
    const auto result = fallback::ScientificChars(buffer, buffer + sizeof buffer, value, precision);
    EXPECT_EQ(result.ec, std::errc());
    return std::string(buffer, result.ptr);
}

struct ReadCase {
    const char* text;
    std::errc ec;
    std::ptrdiff_t used;  // characters read; kAll for the whole text
    double value;
};

constexpr std::ptrdiff_t kAll = -1;

const ReadCase kReadCases[] = {
    {"1.5", std::errc(), kAll, 1.5},
    {"-2.25e2", std::errc(), kAll, -225},
    {".5", std::errc(), kAll, 0.5},
    {"-.5", std::errc(), kAll, -0.5},
    {"5.", std::errc(), kAll, 5},
    {"007.250", std::errc(), kAll, 7.25},
    {"1e", std::errc(), 1, 1},  // an exponent needs a digit
    {"1e+", std::errc(), 1, 1},
    {"1E-2x", std::errc(), 4, 0.01},
    {"1.2.3", std::errc(), 3, 1.2},
    {"0x10", std::errc(), 1, 0},  // no hexadecimal
    {"-0", std::errc(), kAll, -0.0},
    {"0e999999999999999999", std::errc(), kAll, 0},
    {"+1", std::errc::invalid_argument, 0, kUntouched},
    {" 1", std::errc::invalid_argument, 0, kUntouched},
    {"", std::errc::invalid_argument, 0, kUntouched},
    {"-", std::errc::invalid_argument, 0, kUntouched},
    {".", std::errc::invalid_argument, 0, kUntouched},
    {"-.e1", std::errc::invalid_argument, 0, kUntouched},
    {"e5", std::errc::invalid_argument, 0, kUntouched},
    {"inf", std::errc::invalid_argument, 0, kUntouched},
    {"-infinity", std::errc::invalid_argument, 0, kUntouched},
    {"nan", std::errc::invalid_argument, 0, kUntouched},
    // The ends of the range.
    {"1.7976931348623157e308", std::errc(), kAll, kMax},
    {"1.7976931348623158e308", std::errc(), kAll, kMax},  // below the halfway point to 2^1024
    {"1.7976931348623159e308", std::errc::result_out_of_range, kAll, kUntouched},
    {"1e309", std::errc::result_out_of_range, kAll, kUntouched},
    {"-1e99999999999999999999", std::errc::result_out_of_range, kAll, kUntouched},
    {"2.2250738585072014e-308", std::errc(), kAll, std::numeric_limits<double>::min()},
    {"1e-310", std::errc(), kAll, 1e-310},  // subnormal numbers are read
    {"4.9406564584124654e-324", std::errc(), kAll, kSmallest},
    {"2.4703282292062328e-324", std::errc(), kAll, kSmallest},  // just above half the smallest
    {"2.4703282292062327e-324", std::errc::result_out_of_range, kAll, kUntouched},
    {"-1e-400", std::errc::result_out_of_range, kAll, kUntouched},
    // Halves go to the even neighbour: 2^53 + 1 lies halfway between 2^53 and 2^53 + 2.
    {"9007199254740993", std::errc(), kAll, 9007199254740992.0},
    {"9007199254740995", std::errc(), kAll, 9007199254740996.0},
    {"9007199254740993.00000000000000000000000000000001", std::errc(), kAll, 9007199254740994.0},
};

TEST(DoubleChars, FallbackReadsDecimalNumbersAsWorkedOutByHand) {
    for (const ReadCase& c : kReadCases) {
        const Reading read = FallbackReading(c.text);
        EXPECT_EQ(read.ec, c.ec) << c.text;
        EXPECT_EQ(read.used, c.used == kAll ? std::ptrdiff_t(std::strlen(c.text)) : c.used)
            << c.text;
        EXPECT_EQ(read.value, c.value) << c.text;
        EXPECT_EQ(std::signbit(read.value), std::signbit(c.value)) << c.text;
    }
}

TEST(DoubleChars, FallbackReadsBeyondEightHundredDigits) {
    // 2^53 + 1 followed by 900 zeros and a one: just past the halfway point, so it rounds up,
    // which only a reading that keeps something of every digit can tell.
    const std::string above = "9007199254740993." + std::string(900, '0') + "1";
    EXPECT_EQ(FallbackReading(above).value, 9007199254740994.0);
    EXPECT_EQ(FallbackReading(above).used, static_cast<std::ptrdiff_t>(above.size()));
    // The same with zeros after the one: what matters is any dropped digit, not the last.
    EXPECT_EQ(FallbackReading(above + std::string(50, '0')).value, 9007199254740994.0);
    const std::string exactly = "9007199254740993" + std::string(900, '0') + "e-900";
    EXPECT_EQ(FallbackReading(exactly).value, 9007199254740992.0);
    // 0.1 with 1,000 digits, read as 0.1 is.
    const std::string tenth = "0." + std::string(1, '1') + std::string(999, '0');
    EXPECT_EQ(FallbackReading(tenth).value, 0.1);
    const std::string tiny = std::string(1000, '0') + "1e-1000";
    EXPECT_EQ(FallbackReading(tiny).ec, std::errc::result_out_of_range);
    EXPECT_EQ(FallbackReading(tiny).value, kUntouched);
}

TEST(DoubleChars, FallbackWritesScientificCharactersAsWorkedOutByHand) {
    EXPECT_EQ(FallbackScientific(1.5, 3), "1.500e+00");
    EXPECT_EQ(FallbackScientific(2.5, 0), "2e+00");      // half to even
    EXPECT_EQ(FallbackScientific(0.125, 1), "1.2e-01");  // 0.125 is exact: half to even
    EXPECT_EQ(FallbackScientific(0.375, 1), "3.8e-01");
    EXPECT_EQ(FallbackScientific(-0.0, 2), "-0.00e+00");
    EXPECT_EQ(FallbackScientific(1e300, 4), "1.0000e+300");
    EXPECT_EQ(FallbackScientific(0.1, 16), "1.0000000000000001e-01");
    EXPECT_EQ(FallbackScientific(kSmallest, 16), "4.9406564584124654e-324");
    EXPECT_EQ(FallbackScientific(kMax, 16), "1.7976931348623157e+308");
    char small[4];
    EXPECT_EQ(fallback::ScientificChars(small, small + sizeof small, 1.5, 3).ec,
              std::errc::value_too_large);
}

// A locale whose decimal separator is not ".", made into the build tree for the test: the
// fallback's printf and strtod follow the process's locale, which every Qt program sets from the
// environment.
class ForeignLocale : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
#ifdef __EMSCRIPTEN__
        GTEST_SKIP() << "the page's C library knows the \"C\" locale alone";
#endif
        saved_ = std::setlocale(LC_ALL, nullptr);
        setenv("LOCPATH", BRAKEFELL_TEST_LOCALES, 1);  // read by every setlocale
        if (std::setlocale(LC_ALL, GetParam()) == nullptr) {
            GTEST_SKIP() << GetParam() << " is not available (see tests/text/CMakeLists.txt)";
        }
        ASSERT_STRNE(std::localeconv()->decimal_point, ".");
    }
    void TearDown() override {
        std::setlocale(LC_ALL, saved_.c_str());
    }

  private:
    std::string saved_;
};

TEST_P(ForeignLocale, FallbackNeitherWritesNorExpectsTheLocalesSeparator) {
    EXPECT_EQ(FallbackScientific(1.5, 3), "1.500e+00");
    EXPECT_EQ(FallbackScientific(-123.456, 5), "-1.23456e+02");
    EXPECT_EQ(FallbackScientific(7, 0), "7e+00");
    for (const ReadCase& c : kReadCases) {
        EXPECT_EQ(FallbackReading(c.text).value, c.value) << c.text;
    }
    EXPECT_EQ(FallbackReading("1,5").value, 1);  // a comma is never a decimal point
    EXPECT_EQ(FallbackReading("1,5").used, 1);
}

INSTANTIATE_TEST_SUITE_P(Separators, ForeignLocale,
                         ::testing::Values("de_DE.UTF-8",    // ","
                                           "ps_AF.UTF-8"));  // "٫", two bytes in UTF-8

#if BRAKEFELL_STD_HAS_FLOAT_CHARCONV

// The exact decimal digits of m * 2^e, for the halfway points between neighbouring doubles: a
// whole number in base 10^9, multiplied up by 2 or by 5 (dividing by 2^k is multiplying by 5^k
// and moving the point k places).
class ExactDecimal {
  public:
    explicit ExactDecimal(std::uint64_t whole) {
        for (; whole > 0; whole /= kBase) {
            limbs_.push_back(static_cast<std::uint32_t>(whole % kBase));
        }
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry > 0; carry /= kBase) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
        }
    }

    std::string digits() const {
        std::string text = std::to_string(limbs_.back());
        for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            text += std::string(9 - part.size(), '0') + part;
        }
        return text;
    }

  private:
    static constexpr std::uint64_t kBase = 1'000'000'000;
    std::vector<std::uint32_t> limbs_;
};

// The halfway point between the positive double with these bits and the next one up, exactly.
std::string HalfwayText(std::uint64_t bits) {
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | std::uint64_t{1} << 52;
    // The double is mantissa * 2^(exponent), the halfway point (2 mantissa + 1) * 2^(exponent - 1).
    const int exponent = (biased == 0 ? 1 : biased) - 1075;
    ExactDecimal halfway(2 * mantissa + 1);
    int power = exponent - 1;
    for (; power > 0; --power) {
        halfway.multiply(2);
    }
    for (int k = 0; k < -power; ++k) {
        halfway.multiply(5);
    }
    return halfway.digits() + "e" + std::to_string(power < 0 ? power : 0);
}

Reading LibraryReading(std::string_view text) {
    double value = kUntouched;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return {result.ec, result.ptr - text.data(), value};
}

::testing::AssertionResult SameReading(std::string_view text) {
    const Reading library = LibraryReading(text);
    const Reading ours = FallbackReading(text);
    if (ours.ec != library.ec || ours.used != library.used ||
        std::bit_cast<std::uint64_t>(ours.value) != std::bit_cast<std::uint64_t>(library.value)) {
        return ::testing::AssertionFailure()
               << text << ": the library reads " << library.used << " characters as "
               << library.value << " (" << static_cast<int>(library.ec) << "), the fallback "
               << ours.used << " as " << ours.value << " (" << static_cast<int>(ours.ec) << ")";
    }
    return ::testing::AssertionSuccess();
}

// The digits of a positive whole number less one.
std::string OneLess(std::string digits) {
    std::size_t i = digits.size();
    while (digits[--i] == '0') {
        digits[i] = '9';
    }
    --digits[i];
    return digits;
}

double RandomDouble(std::mt19937_64& random) {
    double value;
    do {
        value = std::bit_cast<double>(random());
    } while (!std::isfinite(value));
    return value;
}

TEST(DoubleCharsAgainstLibrary, ScientificCharactersOfRandomDoubles) {
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const double value = i % 4 == 0 ? std::uniform_real_distribution<double>(0, 1e6)(random)
                                        : RandomDouble(random);
        for (int precision = 0; precision <= 16; ++precision) {
            char library[64];
            const auto end = std::to_chars(library, library + sizeof library, value,
                                           std::chars_format::scientific, precision);
            ASSERT_EQ(FallbackScientific(value, precision), std::string(library, end.ptr))
                << value << " to " << precision << " digits";
        }
    }
}

TEST(DoubleCharsAgainstLibrary, ScientificCharactersOfEverydayFigures) {
    // Amounts and rates as the report has them: whole numbers, tenths, hundredths and rates.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> amounts(0, 999'999'999'999'999);
    for (int i = 0; i < 20000; ++i) {
        const double value = static_cast<double>(amounts(random)) / std::pow(10.0, i % 8);
        for (const int precision : {0, 1, 2, 3, 4, 5, 14, 15, 16}) {
            char library[64];
            const auto end = std::to_chars(library, library + sizeof library, value,
                                           std::chars_format::scientific, precision);
            ASSERT_EQ(FallbackScientific(value, precision), std::string(library, end.ptr));
        }
    }
}

TEST(DoubleCharsAgainstLibrary, ReadsTheShortestTextOfRandomDoublesBack) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 20000; ++i) {
        const double value = RandomDouble(random);
        char text[64];
        const auto end = std::to_chars(text, text + sizeof text, value);
        ASSERT_TRUE(SameReading(std::string_view(text, end.ptr - text)));
        ASSERT_EQ(FallbackReading(std::string_view(text, end.ptr - text)).value, value);
    }
}

TEST(DoubleCharsAgainstLibrary, HalfwayPointsAndTheirNeighboursFromTheLargestToSubnormals) {
    std::mt19937_64 random(3);
    std::vector<std::uint64_t> bits = {0,
                                       1,
                                       2,
                                       0x000FFFFFFFFFFFFF,
                                       0x0010000000000000,
                                       0x7FEFFFFFFFFFFFFE,
                                       0x7FEFFFFFFFFFFFFF,
                                       0x4340000000000000};  // 2^53
    for (int i = 0; i < 1500; ++i) {
        bits.push_back(random() & 0x7FEFFFFFFFFFFFFF);
    }
    for (const std::uint64_t b : bits) {
        const std::string halfway = HalfwayText(b);
        const std::size_t e = halfway.find('e');
        const std::string digits = halfway.substr(0, e);
        const long long exponent = std::stoll(halfway.substr(e + 1));
        ASSERT_TRUE(SameReading(halfway));
        // Exactly halfway goes to the even neighbour: the one whose last bit is 0.
        const double even = std::bit_cast<double>(b % 2 == 0 ? b : b + 1);
        if (std::isfinite(even) && even != 0) {
            EXPECT_EQ(FallbackReading(halfway).value, even) << halfway;
        }
        // A hair above and below: a one after sixty zeros (past the 800th digit for the smallest
        // doubles), or the last digit one less with nines after.
        ASSERT_TRUE(
            SameReading(digits + std::string(60, '0') + "1e" + std::to_string(exponent - 61)));
        ASSERT_TRUE(SameReading(OneLess(digits) + std::string(30, '9') + "e" +
                                std::to_string(exponent - 30)));
        ASSERT_TRUE(SameReading("-" + halfway));
    }
}

TEST(DoubleCharsAgainstLibrary, LongDigitStringsAndArbitraryCharacters) {
    std::mt19937_64 random(5);
    const std::string alphabet = "0123456789000000000.eE+-x";
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const std::size_t length = i % 10 == 0 ? 1 + random() % 1200 : 1 + random() % 30;
        for (std::size_t k = 0; k < length; ++k) {
            text += alphabet[random() % alphabet.size()];
        }
        if (i % 3 == 0) {  // a well-made number: digits, a point, an exponent
            text = std::to_string(random() % 1000) + "." + std::string(random() % 800, '3') + "e" +
                   std::to_string(static_cast<int>(random() % 800) - 400);
        }
        const char first = text[text[0] == '-' ? 1 : 0];
        if ((first >= '0' && first <= '9') || first == '.') {
            ASSERT_TRUE(SameReading(text));
        } else {
            EXPECT_EQ(FallbackReading(text).ec, std::errc::invalid_argument) << text;
        }
    }
}

#endif  // BRAKEFELL_STD_HAS_FLOAT_CHARCONV

}  // namespace
}  // namespace brakefell
