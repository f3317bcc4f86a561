// One box from a start to an end by a step.
#include "analysis/sweep.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "analysis_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

TEST(Sweeps, PointCountsAndTheirLimits) {
    EXPECT_EQ(SweepPointCount(0, 10, 1), 11);
    EXPECT_EQ(SweepPointCount(0.1, 0.3, 0.1), 3);  // 0.2 / 0.1 is not quite 2 in binary
    EXPECT_EQ(SweepPointCount(5, 5, 1), 1);
    EXPECT_EQ(SweepPointCount(0, 1, 0.3), 4);
    EXPECT_EQ(SweepPointCount(0, 99999, 1), 100000);
    EXPECT_FALSE(SweepPointCount(0, 100000, 1).has_value());
    EXPECT_EQ(SweepPointCount(0, 999, 1, kMostPagePoints), 1000);  // the page's most
    EXPECT_FALSE(SweepPointCount(0, 1000, 1, kMostPagePoints).has_value());
    EXPECT_FALSE(SweepPointCount(0, 10, 0).has_value());
    EXPECT_FALSE(SweepPointCount(0, 10, -1).has_value());
    EXPECT_FALSE(SweepPointCount(10, 0, 1).has_value());
}

TEST(Sweeps, EachRefusalSaysItsOwnReasonToPlayers) {
    // The window's chart and the tool's --sweep both show these sentences; the first fault found
    // is the one told.
    const NumberBox* stat = FindNumberBox(u"txtMainStat");
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        SweepRequest request;
        const char16_t* why;  // empty: swept
    } rows[] = {
        {{stat, 1, 2, 1}, u""},
        {{stat, 2, 2, 0.5}, u""},  // one point
        {{stat, 0, 1e5, 0.5}, u"점은 100,000개 이하여야 합니다: 범위를 좁히거나 간격을 넓히세요."},
        {{nullptr, 1, 2, 1}, u"그런 숫자 칸은 없습니다."},           // no such box
        {{nullptr, 3, 2, 0}, u"그런 숫자 칸은 없습니다."},           // the box first
        {{stat, 1, 2, 0}, u"간격은 0보다 커야 합니다."},             // a step of 0
        {{stat, 1, 2, -1}, u"간격은 0보다 커야 합니다."},            // below 0
        {{stat, 3, 2, -1}, u"간격은 0보다 커야 합니다."},            // the step before the range
        {{stat, 3, 2, 1}, u"범위의 시작은 끝 이하여야 합니다."},     // start past the end
        {{stat, -inf, 2, 1}, u"범위의 시작과 끝은 수여야 합니다."},  // not a number to start at
        {{stat, 0, 100000, 1}, u"점은 100,000개 이하여야 합니다: 범위를 좁히거나 간격을 넓히세요."},
        {{stat, 0, 999, 1, kMostPagePoints}, u""},  // the page's chart
        {{stat, 0, 1000, 1, kMostPagePoints},
         u"점은 1,000개 이하여야 합니다: 범위를 좁히거나 간격을 넓히세요."},
    };
    const MetricProbe probe(testing::ShippedCatalogue(), *MetricNamed(u"dps"));
    for (const auto& row : rows) {
        const std::string at = Utf8OfUtf16(row.why) + " at " + std::to_string(row.request.from);
        EXPECT_EQ(SweepRefusal(row.request), row.why) << at;
        // The sweep refuses with the same sentence, and sweeps whatever it does not refuse.
        const auto swept = ComputeSweep(CharacterSheet{}, row.request, probe);
        const auto* refused = std::get_if<std::u16string>(&swept);
        EXPECT_EQ(refused ? *refused : std::u16string(), row.why) << at;
    }
}

TEST(Sweeps, DefaultRangeAndTheFinestStepOfAtMostAThousandPoints) {
    struct Row {
        const char* box;
        double value, from, to, step;
    };
    // Attack speed 30 below and 60 above, the others 50 of their steps either side, from 0 up for
    // a value that is not below 0. Both ends are points: width / step + 1.
    const Row rows[] = {
        {"txtAttackSpeed", 100, 70, 160, 0.1},   // 901 points; 0.05 gives 1,801
        {"txtAttackSpeed", 27, 0, 87, 0.1},      // 871
        {"txtAttackSpeed", -5, -35, 55, 0.1},    // 901
        {"txtMainStat", 4990, 0, 9990, 10},      // exactly 1,000
        {"txtMainStat", 5000, 0, 10000, 20},     // 10 gives 1,001
        {"txtMainStat", 8830, 3830, 13830, 20},  // 501
        {"txtEnchant(1)", 49.9, 0, 99.9, 0.1},   // 1,000, though 99.9 / 0.1 is not 999 in binary
        {"txtEnchant(1)", 50, 0, 100, 0.2},      // 0.1 gives 1,001
        {"txtEnchantElite", -10, -60, 40, 0.2},  // 501
        {"txtCriticalDamage", 300, 0, 800, 1},   // 801
    };
    for (const Row& row : rows) {
        const SweepRequest range =
            DefaultSweepRange(*FindNumberBox(Utf16OfUtf8(row.box)), row.value);
        EXPECT_DOUBLE_EQ(range.from, row.from) << row.box << " " << row.value;
        EXPECT_DOUBLE_EQ(range.to, row.to) << row.box << " " << row.value;
        EXPECT_DOUBLE_EQ(range.step, row.step) << row.box << " " << row.value;
    }
    // Every box: at most 1,000 points, and at least 400, or the finer step before would do.
    for (const NumberBox& box : NumberBoxes()) {
        for (const double value : {0.0, 0.5, 27.0, 4999.0, 5000.0, 8830.0, 1e6}) {
            const SweepRequest range = DefaultSweepRange(box, value);
            const auto points = SweepPointCount(range.from, range.to, range.step);
            ASSERT_TRUE(points.has_value()) << box.name << " " << value;
            EXPECT_LE(*points, 1000) << box.name << " " << value;
            EXPECT_GE(*points, 400) << box.name << " " << value;
        }
    }
    // Too far out for the range to have a width: one point, not a search without end.
    const SweepRequest far = DefaultSweepRange(*FindNumberBox(u"txtMainStat"), 1e300);
    EXPECT_EQ(SweepPointCount(far.from, far.to, far.step), 1);
}

TEST(Sweeps, EachPointIsTheCalculationWithTheBoxThere) {
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const CharacterSheet sheet;
    const Metric metric = *MetricNamed(u"dps");
    const MetricProbe probe(catalogue, metric);
    const auto swept =
        ComputeSweep(sheet, {FindNumberBox(u"txtCriticalChance"), 30, 40, 2.5}, probe);
    const Sweep& sweep = std::get<Sweep>(swept);
    ASSERT_EQ(sweep.points.size(), 5u);
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        testing::StartedForm started;
        char typed[32];
        std::snprintf(typed, sizeof typed, "%g", 30 + 2.5 * i);
        started.form.setText(u"txtCriticalChance", Utf16OfLatin1(typed));
        EXPECT_EQ(sweep.points[i].value, 30 + 2.5 * i);
        EXPECT_EQ(sweep.points[i].metric, testing::MetricOfForm(started.form, metric));
    }
    EXPECT_TRUE(sweep.bracketChanges.empty());  // critical chance never moves the sentries
}

TEST(Sweeps, BracketChangesAreTheFirstHundredthsOfTheNewBracket) {
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const CharacterSheet sheet;
    const MetricProbe probe(catalogue, *MetricNamed(u"kill-time-1"));
    // Weapon 1.1 with 6 % extra speed, 1.166 attacks a second before the bonus: 7.70 % gives
    // 1.2558 (row 1) and 7.71 % 1.2559 (row 2); 25.17 % gives 1.4595 (row 3); 49.40 % 1.7420.
    const auto swept = ComputeSweep(sheet, {FindNumberBox(u"txtAttackSpeed"), 0, 60, 5}, probe);
    EXPECT_EQ(std::get<Sweep>(swept).bracketChanges, (std::vector<double>{7.71, 25.17, 49.4}));

    CharacterSheet off = sheet;
    off.chkCrossbow = 0;
    const MetricProbe hit(catalogue, *MetricNamed(u"hit-1"));
    const auto calm = ComputeSweep(off, {FindNumberBox(u"txtAttackSpeed"), 0, 60, 5}, hit);
    EXPECT_TRUE(std::get<Sweep>(calm).bracketChanges.empty());
}

}  // namespace
}  // namespace brakefell
