#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text/numbers.h"
#include "text/strings.h"

namespace brakefell {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct NumberCase {
    const char16_t* text;
    double expected;
};

class NumberOfTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberOfTest, ReadsTheLeadingNumber) {
    const NumberCase& c = GetParam();
    const double read = NumberOf(c.text);
    EXPECT_EQ(read, c.expected) << Utf8OfUtf16(c.text);
    EXPECT_FALSE(std::signbit(read) && read == 0.0) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, NumberOfTest,
    testing::Values(NumberCase{u"", 0}, NumberCase{u"abc", 0}, NumberCase{u"12abc", 12},
                    NumberCase{u"  3 ", 3}, NumberCase{u" 1 2 ", 12}, NumberCase{u"\t\n5", 5},
                    NumberCase{u"1,000", 1}, NumberCase{u"1.5", 1.5}, NumberCase{u".5", 0.5},
                    NumberCase{u"-.5", -0.5}, NumberCase{u"5.", 5}, NumberCase{u"+3", 3},
                    NumberCase{u"-3", -3}, NumberCase{u"--3", 0}, NumberCase{u"+-3", 0},
                    NumberCase{u"-", 0}, NumberCase{u".", 0}, NumberCase{u"-0", 0},
                    NumberCase{u"-0.000", 0}, NumberCase{u"1.2.3", 1.2}, NumberCase{u"0.1", 0.1},
                    NumberCase{u"007.250", 7.25}, NumberCase{u"0.000123", 0.000123},
                    NumberCase{u"1 . 5", 1.5}, NumberCase{u"1\r2", 1}, NumberCase{u"3\u00A04", 3},
                    NumberCase{u"１２", 0}, NumberCase{u"12.5초", 12.5},
                    NumberCase{u"1.5 % ", 1.5}));

INSTANTIATE_TEST_SUITE_P(
    Exponent, NumberOfTest,
    testing::Values(NumberCase{u"1e", 1}, NumberCase{u"1e+", 1}, NumberCase{u"1E-", 1},
                    NumberCase{u"1ex", 1}, NumberCase{u"1.5e2", 150}, NumberCase{u"1.5E+2", 150},
                    NumberCase{u"25e-1", 2.5}, NumberCase{u"5.e1", 50}, NumberCase{u".5e1", 5},
                    NumberCase{u"1 e 2", 100}, NumberCase{u"1d2", 1}, NumberCase{u"e5", 0},
                    NumberCase{u"1e308", 1e308}, NumberCase{u"-1e308", -1e308},
                    NumberCase{u"1e309", kInf}, NumberCase{u"-1e309", -kInf},
                    NumberCase{u"1e-400", 0}, NumberCase{u"-1e-400", 0},
                    NumberCase{u"4.9e-324", 4.9e-324}, NumberCase{u"0e999999", 0},
                    NumberCase{u"1e99999999999999999999999", kInf},
                    NumberCase{u"1e-99999999999999999999999", 0}, NumberCase{u"0.0001e4", 1}));

INSTANTIATE_TEST_SUITE_P(
    Prefixed, NumberOfTest,
    testing::Values(NumberCase{u"&H10", 16}, NumberCase{u"&h1f", 31}, NumberCase{u"&O17", 15},
                    NumberCase{u"&o17", 15}, NumberCase{u"&O18", 1}, NumberCase{u"&H", 0},
                    NumberCase{u"&O", 0}, NumberCase{u"&", 0}, NumberCase{u"&X10", 0},
                    NumberCase{u"& H 1 0", 16}, NumberCase{u"&HFFFF", 65535},
                    NumberCase{u"&H7FFFFFFF", 2147483647}, NumberCase{u"&H80000000", -2147483648.0},
                    NumberCase{u"&HFFFFFFFF", -1}, NumberCase{u"&H0000000FFFFFFFF", -1},
                    NumberCase{u"&H100000000", 4294967296.0}, NumberCase{u"&O37777777777", -1},
                    NumberCase{u"&O40000000000", 4294967296.0}, NumberCase{u"&H10.5", 16},
                    NumberCase{u"-&H10", 0},
                    NumberCase{u"&HFFFFFFFFFFFFFFFFFFFF", 1208925819614629174706175.0}));

TEST(NumberOfLongText, ReadsHugeDigitRunsWithoutOverflow) {
    EXPECT_EQ(NumberOf(std::u16string(100000, u'7')), kInf);
    EXPECT_EQ(NumberOf(std::u16string(100000, u' ') + u"42"), 42);
    EXPECT_EQ(NumberOf(std::u16string(100000, u'x')), 0);

    // 0.000...0001 followed by a huge exponent lands back on an ordinary value.
    const std::u16string tiny = u"0." + std::u16string(99999, u'0') + u"25e100000";
    EXPECT_EQ(NumberOf(tiny), 2.5);

    // Digits far beyond what a double holds still round correctly: 1 + 2^-53 is a tie that
    // rounds down to 1, any further nonzero digit tips it up.
    const std::u16string tie = u"1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(NumberOf(tie), 1.0);
    EXPECT_EQ(NumberOf(tie + std::u16string(1000, u'0') + u"1"), std::nextafter(1.0, 2.0));

    EXPECT_EQ(NumberOf(u"&H" + std::u16string(100000, u'F')), kInf);
}

struct FlagCase {
    const char16_t* text;
    std::optional<bool> expected;
};

class FlagOfTest : public testing::TestWithParam<FlagCase> {};

TEST_P(FlagOfTest, ReadsWordsAndNumbers) {
    const FlagCase& c = GetParam();
    EXPECT_EQ(FlagOf(c.text), c.expected) << Utf8OfUtf16(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Words, FlagOfTest,
    testing::Values(FlagCase{u"True", true}, FlagCase{u"TRUE", true}, FlagCase{u"true", true},
                    FlagCase{u"tRuE", true}, FlagCase{u"False", false}, FlagCase{u"FALSE", false},
                    FlagCase{u" True ", true}, FlagCase{u"\tfalse\n", false},
                    FlagCase{u"Tr ue", std::nullopt}, FlagCase{u"Truex", std::nullopt},
                    FlagCase{u"yes", std::nullopt}, FlagCase{u"", std::nullopt},
                    FlagCase{u"  ", std::nullopt}, FlagCase{u"True\r", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, FlagOfTest,
    testing::Values(FlagCase{u"0", false}, FlagCase{u"1", true}, FlagCase{u"-1", true},
                    FlagCase{u"2.5", true}, FlagCase{u"0.0", false}, FlagCase{u"-0", false},
                    FlagCase{u" 1 ", true}, FlagCase{u"1e3", true}, FlagCase{u"0e5", false},
                    FlagCase{u"&H0", false}, FlagCase{u"&HFF", true}, FlagCase{u"&H", std::nullopt},
                    FlagCase{u"12abc", std::nullopt}, FlagCase{u"1,0", std::nullopt},
                    FlagCase{u"1e", std::nullopt}, FlagCase{u".", std::nullopt},
                    FlagCase{u"-", std::nullopt}, FlagCase{u"1e-400", false}));

struct RoundCase {
    double value;
    std::optional<std::int16_t> expected;
};

class RoundToInt16Test : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt16Test, RoundsHalvesToEven) {
    EXPECT_EQ(RoundToInt16(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToInt16Test,
    testing::Values(RoundCase{0, 0}, RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                    RoundCase{-3.5, -4}, RoundCase{0.5, 0}, RoundCase{1.5, 2},
                    RoundCase{2.4999999999999996, 2}, RoundCase{2.5000000000000004, 2},
                    RoundCase{1.4999999999999998, 2}, RoundCase{0.49999999999999994, 0},
                    RoundCase{2.6, 3}, RoundCase{-0.4, 0}, RoundCase{-0.6, -1},
                    RoundCase{32767, 32767}, RoundCase{32767.4, 32767},
                    RoundCase{32767.5, std::nullopt}, RoundCase{32768, std::nullopt},
                    RoundCase{-32768, -32768}, RoundCase{-32768.5, -32768},
                    RoundCase{-32768.6, std::nullopt}, RoundCase{-32769, std::nullopt},
                    RoundCase{1e300, std::nullopt}, RoundCase{kInf, std::nullopt},
                    RoundCase{-kInf, std::nullopt}, RoundCase{std::nan(""), std::nullopt}));

struct TextCase {
    double value;
    const char* expected;
};

class GeneralNumberTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(GeneralNumberTextTest, WritesAtMostFifteenDigits) {
    EXPECT_EQ(Utf8OfUtf16(GeneralNumberText(GetParam().value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralNumberTextTest,
    testing::Values(TextCase{4, "4"}, TextCase{2.5, "2.5"}, TextCase{0, "0"}, TextCase{-0.0, "0"},
                    TextCase{-2.5, "-2.5"}, TextCase{0.9 / 0.3, "3"}, TextCase{6.6 / 0.2, "33"},
                    TextCase{0.1 + 0.2, "0.3"}, TextCase{1.0 / 3, "0.333333333333333"},
                    TextCase{2.0 / 3, "0.666666666666667"}, TextCase{1234567.125, "1234567.125"},
                    TextCase{123456789012345, "123456789012345"},
                    TextCase{999999999999999.9, "1E+15"}, TextCase{1e15, "1E+15"},
                    TextCase{1e20, "1E+20"}, TextCase{-1.5e300, "-1.5E+300"},
                    TextCase{0.0001, "0.0001"}, TextCase{0.00012345, "0.00012345"},
                    TextCase{0.00001, "1E-05"}, TextCase{1.5e-7, "1.5E-07"}, TextCase{100, "100"},
                    TextCase{0.05, "0.05"}, TextCase{std::nan(""), ""}, TextCase{kInf, ""}));

}  // namespace
}  // namespace brakefell
