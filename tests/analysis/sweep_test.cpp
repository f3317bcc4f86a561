// One box from a start to an end by a step.
#include "analysis/sweep.h"

#include <gtest/gtest.h>

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
    EXPECT_FALSE(SweepPointCount(0, 10, 0).has_value());
    EXPECT_FALSE(SweepPointCount(0, 10, -1).has_value());
    EXPECT_FALSE(SweepPointCount(10, 0, 1).has_value());
}

TEST(Sweeps, EachPointIsTheCalculationWithTheBoxThere) {
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const CharacterSheet sheet;
    const Metric metric = *MetricNamed(u"dps");
    const MetricProbe probe(catalogue, Edition::Full, metric);
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
        EXPECT_EQ(sweep.points[i].metric,
                  testing::MetricOfForm(started.form, Edition::Full, metric));
    }
    EXPECT_TRUE(sweep.bracketChanges.empty());  // critical chance never moves the sentries
}

TEST(Sweeps, BracketChangesAreTheFirstHundredthsOfTheNewBracket) {
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const CharacterSheet sheet;
    const MetricProbe probe(catalogue, Edition::Full, *MetricNamed(u"kill-time-1"));
    // Weapon 1.1 with 6 % extra speed, 1.166 attacks a second before the bonus: 7.70 % gives
    // 1.2558 (row 1) and 7.71 % 1.2559 (row 2); 25.17 % gives 1.4595 (row 3); 49.40 % 1.7420.
    const auto swept = ComputeSweep(sheet, {FindNumberBox(u"txtAttackSpeed"), 0, 60, 5}, probe);
    EXPECT_EQ(std::get<Sweep>(swept).bracketChanges, (std::vector<double>{7.71, 25.17, 49.4}));

    CharacterSheet off = sheet;
    off.chkCrossbow = 0;
    const MetricProbe hit(catalogue, Edition::Full, *MetricNamed(u"hit-1"));
    const auto calm = ComputeSweep(off, {FindNumberBox(u"txtAttackSpeed"), 0, 60, 5}, hit);
    EXPECT_TRUE(std::get<Sweep>(calm).bracketChanges.empty());

    const auto none = ComputeSweep(sheet, {nullptr, 0, 1, 1}, probe);
    EXPECT_TRUE(std::holds_alternative<std::u16string>(none));
}

}  // namespace
}  // namespace brakefell
