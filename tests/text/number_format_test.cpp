#include <gtest/gtest.h>

#include <vector>

#include <cmath>
#include <limits>

#include "text/number_format.h"
#include "text/strings.h"

namespace brakefell {
namespace {

struct FormatCase {
    double value;
    const char16_t* pattern;
    const char16_t* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " by \"" << Utf8OfUtf16(c.pattern) << '"';
}

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, FollowsThePattern) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
}

// The report's own patterns with the values 1234.5, 0.5 and 0.
INSTANTIATE_TEST_SUITE_P(
    ReportPatterns, FormatNumberTest,
    testing::Values(
        FormatCase{1234.5, u"###,###,###,###", u"1,235"}, FormatCase{0.5, u"###,###,###,###", u"1"},
        FormatCase{0, u"###,###,###,###", u""}, FormatCase{1234.5, u"###,###,###", u"1,235"},
        FormatCase{0.5, u"###,###,###", u"1"}, FormatCase{0, u"###,###,###", u""},
        FormatCase{1234.5, u"###,###,##0", u"1,235"}, FormatCase{0.5, u"###,###,##0", u"1"},
        FormatCase{0, u"###,###,##0", u"0"}, FormatCase{1234.5, u"0.00", u"1234.50"},
        FormatCase{0.5, u"0.00", u"0.50"}, FormatCase{0, u"0.00", u"0.00"},
        FormatCase{1234.5, u"#.00", u"1234.50"}, FormatCase{0.5, u"#.00", u".50"},
        FormatCase{0, u"#.00", u".00"}, FormatCase{-0.25, u"#.00", u"-.25"},
        FormatCase{1234.5, u"#.0000", u"1234.5000"}, FormatCase{0.5, u"#.0000", u".5000"},
        FormatCase{0, u"#.0000", u".0000"}, FormatCase{1234.5, u"0.0", u"1234.5"},
        FormatCase{0.5, u"0.0", u"0.5"}, FormatCase{0, u"0.0", u"0.0"},
        FormatCase{1234.5, u"0.0%", u"123450.0%"}, FormatCase{0.5, u"0.0%", u"50.0%"},
        FormatCase{0, u"0.0%", u"0.0%"}, FormatCase{1234.5, u"0.00초", u"1234.50초"},
        FormatCase{0.5, u"0.00초", u"0.50초"}, FormatCase{0, u"0.00초", u"0.00초"}));

// Half away from zero on the digits the user reads, not on the binary value.
INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatNumberTest,
    testing::Values(FormatCase{2.675, u"0.00", u"2.68"}, FormatCase{1.005, u"0.00", u"1.01"},
                    FormatCase{0.125, u"0.00", u"0.13"}, FormatCase{-0.125, u"0.00", u"-0.13"},
                    FormatCase{0.124999, u"0.00", u"0.12"}, FormatCase{2.5, u"0", u"3"},
                    FormatCase{-2.5, u"0", u"-3"}, FormatCase{0.49, u"###,###", u""},
                    FormatCase{9.995, u"0.00", u"10.00"}, FormatCase{999.5, u"#,##0", u"1,000"},
                    FormatCase{0.0285, u"0.0%", u"2.9%"}, FormatCase{0.00285, u"0.0%", u"0.3%"},
                    FormatCase{0.0005, u"0.0%", u"0.1%"}, FormatCase{0.00049, u"0.0%", u"0.0%"},
                    FormatCase{0.07, u"0%", u"7%"}, FormatCase{0.005, u"0.00", u"0.01"},
                    FormatCase{0.0049, u"0.00", u"0.00"}, FormatCase{0.05, u"#", u""},
                    FormatCase{0.5, u"#", u"1"}, FormatCase{1e-300, u"0.00", u"0.00"},
                    FormatCase{5e-324, u"0.00", u"0.00"},
                    FormatCase{0.49999999999999994, u"0", u"1"},
                    FormatCase{0.49999999999999, u"0", u"0"},
                    FormatCase{4503599627370495.5, u"0", u"4503599627370500"},
                    FormatCase{4503599627370497.0, u"#,##0", u"4,503,599,627,370,500"},
                    FormatCase{9007199254740993.0, u"0", u"9007199254740990"}));

// Signs of values that round to zero, grouping of long numbers, placeholders and literals.
INSTANTIATE_TEST_SUITE_P(
    Layout, FormatNumberTest,
    testing::Values(FormatCase{-0.001, u"0.00", u"0.00"}, FormatCase{-0.3, u"###,###", u""},
                    FormatCase{-0.0, u"0.0", u"0.0"},
                    FormatCase{-1234.5, u"###,###,###,###", u"-1,235"},
                    FormatCase{-5, u"0.00초", u"-5.00초"},
                    FormatCase{1e20, u"###,###,###,###", u"100,000,000,000,000,000,000"},
                    FormatCase{1234567890123.0, u"###,###,###,###", u"1,234,567,890,123"},
                    FormatCase{123456789, u"###,###", u"123,456,789"},
                    FormatCase{123456789, u"#", u"123456789"}, FormatCase{12, u"0000", u"0012"},
                    FormatCase{12, u"#,##0.0", u"12.0"}, FormatCase{1000, u"#,##0", u"1,000"},
                    FormatCase{100, u"#,##0", u"100"}, FormatCase{1234, u"0,", u"1234,"},
                    FormatCase{1234, u",0", u",1234"}, FormatCase{5, u"0##", u"005"},
                    FormatCase{1.5, u"0.##", u"1.5"}, FormatCase{1, u"0.##", u"1."},
                    FormatCase{1.25, u"0.#0", u"1.25"}, FormatCase{1.2, u"0.0#", u"1.2"},
                    FormatCase{12.5, u".00", u"12.50"},
                    FormatCase{12.5, u"합계 0.0 점", u"합계 12.5 점"},
                    FormatCase{3, u"0.0.0", u"3.0.0"}, FormatCase{0.5, u"%0", u"%50"},
                    FormatCase{12, u"", u""}, FormatCase{12, u"초", u"초"},
                    FormatCase{std::numeric_limits<double>::infinity(), u"0.00", u""},
                    FormatCase{-std::numeric_limits<double>::infinity(), u"###,###", u""},
                    FormatCase{std::nan(""), u"0.00", u""}));

TEST(FormatNumberLimits, PrintsTheLargestDoubleInFull) {
    const std::u16string text = FormatNumber(std::numeric_limits<double>::max(), u"#,##0");
    // 309 digits in 103 groups: 102 commas; the 15 digits as read, then zeros.
    EXPECT_EQ(text.size(), 309u + 102u);
    EXPECT_TRUE(text.starts_with(u"179,769,313,486,232,000"));
    EXPECT_TRUE(text.ends_with(u",000"));
    EXPECT_EQ(text.find_first_of(u"eE"), std::u16string::npos);
}

struct PadCase {
    double value;
    std::int16_t width;
    std::int16_t align;
    const char16_t* expected;
};

class FormatAmountTest : public testing::TestWithParam<PadCase> {};

TEST_P(FormatAmountTest, GroupsAndPads) {
    const PadCase& c = GetParam();
    EXPECT_EQ(FormatAmount(c.value, c.width, c.align), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatAmountTest,
    testing::Values(
        PadCase{1234.5, 12, kAlignRight, u"       1,235"},
        PadCase{1234, 12, kAlignLeft, u"1,234       "}, PadCase{1234, 12, 5, u"1,234       "},
        PadCase{1234, 12, 1, u"1,234       "}, PadCase{0, 12, kAlignRight, u""},
        PadCase{-5, 12, kAlignRight, u""}, PadCase{std::nan(""), 12, kAlignRight, u""},
        PadCase{std::numeric_limits<double>::infinity(), 12, kAlignRight, u""},
        PadCase{0.3, 12, kAlignRight, u"            "}, PadCase{0.3, 0, kAlignRight, u""},
        PadCase{0.3, -3, kAlignRight, u""},
        PadCase{1234567890123, 12, kAlignRight, u"1,234,567,890,123"},
        PadCase{123456789, 11, kAlignRight, u"123,456,789"},
        PadCase{1234, 5, kAlignRight, u"1,234"}, PadCase{1234, 4, kAlignRight, u"1,234"},
        PadCase{1234, -1, kAlignRight, u"1,234"}, PadCase{1234, 6, kAlignRight, u" 1,234"}));

struct TextPadCase {
    const char16_t* text;
    std::int16_t width;
    std::int16_t align;
    const char16_t* expected;
};

class PadDisplayTextTest : public testing::TestWithParam<TextPadCase> {};

TEST_P(PadDisplayTextTest, PadsByDisplayColumns) {
    const TextPadCase& c = GetParam();
    EXPECT_EQ(PadDisplayText(c.text, c.width, c.align), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PadDisplayTextTest,
    testing::Values(
        TextPadCase{u"다발사격", 28, kAlignLeft, u"다발사격                    "},
        TextPadCase{u"50.0%", 6, kAlignRight, u" 50.0%"}, TextPadCase{u"", 10, kAlignRight, u""},
        TextPadCase{u"", 0, kAlignLeft, u""}, TextPadCase{u"", -4, kAlignLeft, u""},
        TextPadCase{u"abc", 3, kAlignRight, u"abc"}, TextPadCase{u"abcd", 3, kAlignRight, u"abcd"},
        TextPadCase{u"abc", -1, kAlignLeft, u"abc"},
        TextPadCase{u"쇠뇌 3", 10, kAlignRight, u"    쇠뇌 3"},
        TextPadCase{u"쇠뇌", 3, kAlignRight, u"쇠뇌"}, TextPadCase{u"쇠뇌", 4, 7, u"쇠뇌"},
        TextPadCase{u"\u00E9x", 4, kAlignRight, u"  \u00E9x"},
        TextPadCase{u"\U0001F600", 3, kAlignLeft, u"\U0001F600  "}));

// Everyday amounts take a shortcut past the pattern formatter; both roads must give the same
// digits at every half and every power of ten up to the shortcut's end and past it.
TEST(FormatAmountShortcut, AgreesWithThePatternFormatter) {
    std::vector<double> values = {0.49999999999999994, 0.5,        1.5,  2.5,      999.5,
                                  1000.4999,           1e15 - 0.5, 1e15, 1e15 + 2, 123456789.5,
                                  4503599627370495.5};
    for (double power = 1; power <= 1e17; power *= 10) {
        for (const double offset : {-0.5, -0.25, 0.0, 0.25, 0.5}) {
            values.push_back(power + offset);
            values.push_back(power * 7.123456789 + offset);
        }
    }
    for (const double value : values) {
        if (!(value > 0)) {
            continue;
        }
        const std::u16string grouped = FormatNumber(value, u"###,###,###,###");
        EXPECT_EQ(FormatAmount(value, 0, kAlignRight), grouped) << value;
        EXPECT_EQ(FormatAmount(value, 30, kAlignRight),
                  std::u16string(30 - grouped.size(), u' ') + grouped)
            << value;
    }
}

}  // namespace
}  // namespace brakefell
