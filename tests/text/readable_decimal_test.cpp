// Halves decided on the value as a person reads it: the double rounded to 15 significant digits.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

#include "text/number_format.h"
#include "text/readable_decimal.h"
#include "text/strings.h"

namespace brakefell {
namespace {

struct RateCase {
    double value;
    double expected;  // to four decimals, halves to the even digit
};

void PrintTo(const RateCase& c, std::ostream* os) {
    *os << std::setprecision(17) << c.value;
}

class AttackRateRoundingTest : public testing::TestWithParam<RateCase> {};

TEST_P(AttackRateRoundingTest, HalvesOfTheReadDigitsGoToEven) {
    EXPECT_EQ(RoundReadableValue(GetParam().value, 4, HalfRule::ToEven), GetParam().expected);
}

// The attack rates of four characters that the reference reckoning once disagreed on: each reads
// as an exact half at the fifth decimal, whichever side of it the double lies.
INSTANTIATE_TEST_SUITE_P(
    ReportedTies, AttackRateRoundingTest,
    testing::Values(RateCase{1.8089499999999998, 1.809},   // 10^4 times it lands on 18089.5
                    RateCase{2.9221499999999998, 2.9222},  // 10^4 times it falls short of .5
                    RateCase{2.52525, 2.5252}, RateCase{2.21235, 2.2124},
                    RateCase{std::nextafter(2.52525, 3.0), 2.5252},
                    RateCase{std::nextafter(2.52525, 2.0), 2.5252},
                    RateCase{std::nextafter(2.21235, 2.0), 2.2124}));

INSTANTIATE_TEST_SUITE_P(
    Others, AttackRateRoundingTest,
    testing::Values(RateCase{1.48082, 1.4808}, RateCase{1.03125, 1.0312},  // k/32: exact halves
                    RateCase{1.09375, 1.0938}, RateCase{1.252549999999, 1.2525},  // just below
                    RateCase{1.252550000001, 1.2526}, RateCase{-2.92215, -2.9222},
                    RateCase{-2.52525, -2.5252}, RateCase{-0.00004, 0}, RateCase{0.00005, 0},
                    RateCase{0.00015, 0.0002}, RateCase{9.99995, 10}, RateCase{0, 0},
                    RateCase{1e300, 1e300},
                    // 15 digits of a value this large stop before the fourth decimal.
                    RateCase{123456789012.34567, 123456789012.346}));

TEST(RoundReadableTest, WholeNumbersAndTheSignsOfZero) {
    EXPECT_EQ(RoundReadableValue(2.5, 0, HalfRule::ToEven), 2);
    EXPECT_EQ(RoundReadableValue(2.5, 0, HalfRule::AwayFromZero), 3);
    EXPECT_EQ(RoundReadableValue(-2.5, 0, HalfRule::AwayFromZero), -3);
    EXPECT_EQ(RoundReadableValue(-3.5, 0, HalfRule::ToEven), -4);
    // Just below and above a half in binary, yet 2.50000000000000 as read.
    EXPECT_EQ(RoundReadableValue(2.4999999999999996, 0, HalfRule::AwayFromZero), 3);
    EXPECT_EQ(RoundReadableValue(2.5000000000000004, 0, HalfRule::ToEven), 2);
    EXPECT_EQ(RoundReadableValue(0.49999999999999994, 0, HalfRule::ToEven), 0);
    EXPECT_EQ(RoundReadableValue(0.49999999999999994, 0, HalfRule::AwayFromZero), 1);
    EXPECT_FALSE(std::signbit(RoundReadableValue(-0.3, 0, HalfRule::ToEven)));
    EXPECT_TRUE(std::isnan(RoundReadableValue(std::nan(""), 2, HalfRule::ToEven)));
    EXPECT_EQ(RoundReadableValue(-std::numeric_limits<double>::infinity(), 2, HalfRule::ToEven),
              -std::numeric_limits<double>::infinity());
}

TEST(RoundReadableTest, FifteenIntegerDigitsLeaveNoFractionToRound) {
    // 123456789012344.5 is a double; read to 15 digits it is 123456789012344 (its 16th digit is
    // a 5 with an even digit before it), so no half is left for the whole-number rule.
    EXPECT_EQ(RoundReadableValue(123456789012344.5, 0, HalfRule::AwayFromZero), 123456789012344.0);
    EXPECT_EQ(RoundReadableValue(123456789012345.5, 0, HalfRule::ToEven), 123456789012346.0);
    EXPECT_EQ(RoundReadableValue(1234567890123456.0, 0, HalfRule::ToEven), 1234567890123460.0);
}

struct AmountCase {
    double value;
    const char* expected;  // FormatAmount width 0: the grouped digits alone
};

class ReadableAmountTest : public testing::TestWithParam<AmountCase> {};

TEST_P(ReadableAmountTest, RoundsTheReadDigitsHalfAwayFromZero) {
    EXPECT_EQ(Utf8OfUtf16(FormatAmount(GetParam().value, 0, kAlignRight)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadableAmountTest,
                         testing::Values(AmountCase{2.5, "3"}, AmountCase{0.49999999999999994, "1"},
                                         AmountCase{1234567.4999999998,
                                                    "1,234,568"},  // reads 1234567.50000000
                                         AmountCase{1234567.4999999, "1,234,567"},
                                         AmountCase{2965201.4999999995, "2,965,202"},
                                         AmountCase{123456789012344.5, "123,456,789,012,344"},
                                         AmountCase{1234567890123454.5, "1,234,567,890,123,450"},
                                         AmountCase{999999999999999.9, "1,000,000,000,000,000"}));

struct PatternCase {
    double value;
    const char16_t* pattern;
    const char16_t* expected;
};

class ReadablePatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(ReadablePatternTest, RoundsTheReadDigitsHalfAwayFromZero) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadablePatternTest,
                         testing::Values(PatternCase{2.675, u"0.00", u"2.68"},
                                         PatternCase{-2.675, u"0.00", u"-2.68"},
                                         PatternCase{1.8089499999999998, u"#.0000", u"1.8090"},
                                         PatternCase{std::nextafter(0.125, 0.0), u"0.00", u"0.13"},
                                         PatternCase{-4.0049999999999999, u"#.00", u"-4.01"},
                                         PatternCase{0.00995, u"0.0%", u"1.0%"},
                                         PatternCase{std::nextafter(0.0285, 0.0), u"0.0%", u"2.9%"},
                                         PatternCase{1443.0049999999999, u"0.00초", u"1443.01초"}));

}  // namespace
}  // namespace brakefell
