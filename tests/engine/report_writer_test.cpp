// The report writer prints amounts itself for speed; it must print exactly what the report's
// number patterns print, and must never print a figure that is not a number.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "engine/report/report_writer.h"
#include "engine_fixtures.h"
#include "text/number_format.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

std::vector<double> TrickyValues() {
    std::vector<double> values = {0,
                                  0.3,
                                  0.49999999999999994,
                                  0.5,
                                  1.5,
                                  2.5,
                                  999.5,
                                  1000,
                                  1234.5,
                                  999999.4999,
                                  999999.5,
                                  1e6,
                                  123456789.5,
                                  4503599627370.5,
                                  999999999999999.9,
                                  1e15,
                                  1e16,
                                  1.5e20,
                                  1e23,
                                  -5,
                                  -0.0,
                                  -1234.5};
    for (double power = 1; power <= 1e16; power *= 10) {  // where the digit count changes
        values.insert(values.end(), {power - 1, power - 0.5, power, power + 0.5});
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-2, 15);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(std::pow(10.0, exponent(random)));
        values.push_back(std::floor(values.back()) + 0.5);  // exact halves
    }
    return values;
}

TEST(ReportWriterTest, AmountsMatchTheNumberPatterns) {
    for (const double value : TrickyValues()) {
        ReportWriter out;
        out.amount(value).text(u"|").amount(value, 11).text(u"|");
        out.whole(value, false).text(u"|").whole(value, true);
        const std::u16string expected =
            FormatAmount(value, 12, kAlignRight) + u'|' + FormatAmount(value, 11, kAlignRight) +
            u'|' + FormatNumber(value, u"###,###,###") + u'|' + FormatNumber(value, u"###,###,##0");
        ASSERT_EQ(out.take(), expected) << value;
    }
}

TEST(ReportWriterTest, GrowsAndWritesNothingForFiguresThatAreNotNumbers) {
    ReportWriter out(4);
    for (int i = 0; i < 1000; ++i) {
        out.text(u"가나").amount(i);
    }
    const std::u16string text = out.take();
    EXPECT_TRUE(text.starts_with(u"가나가나           1가나           2"));
    EXPECT_TRUE(text.ends_with(u"가나         999"));
    EXPECT_EQ(text.size(), 1000 * 2 + 999 * 12);
    EXPECT_TRUE(out.take().empty());

    for (const double bad : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        ReportWriter writer;
        writer.amount(bad).whole(bad, true).number(bad, u"0.00").count(bad);
        EXPECT_TRUE(writer.take().empty());
    }
}

}  // namespace
}  // namespace brakefell
