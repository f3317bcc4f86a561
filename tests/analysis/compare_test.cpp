// Two builds side by side.
#include "analysis/compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "analysis/input_changes.h"
#include "analysis_fixtures.h"
#include "profile/profile_layout.h"
#include "profile/profile_lines.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::StartedForm;

const Metric kDps = *MetricNamed(u"dps");

TEST(CompareBuilds, IdenticalBuildsDifferNowhere) {
    StartedForm a;
    StartedForm b;
    const Comparison comparison = CompareBuilds(a.form, b.form, kDps);
    EXPECT_TRUE(comparison.inputs.empty());
    for (const FigureComparison& row : comparison.figures) {
        EXPECT_EQ(row.a, row.b) << Utf8OfUtf16(row.key);
        if (row.difference) {
            EXPECT_EQ(*row.difference, 0) << Utf8OfUtf16(row.key);
        }
    }
}

TEST(CompareBuilds, SwappingNegatesEveryDifference) {
    StartedForm a;
    StartedForm b;
    b.form.setText(u"txtMainStat", u"9100");
    b.form.setText(u"txtAttackSpeed", u"40");
    b.form.setListIndex(u"cboUsingSkillRune(4)", 1);
    b.form.setCheck(u"chkGemJ", 1);
    const Comparison ab = CompareBuilds(a.form, b.form, kDps);
    const Comparison ba = CompareBuilds(b.form, a.form, kDps);
    ASSERT_EQ(ab.figures.size(), ba.figures.size());
    int differing = 0;
    for (std::size_t i = 0; i < ab.figures.size(); ++i) {
        EXPECT_EQ(ab.figures[i].a, ba.figures[i].b);
        EXPECT_EQ(ab.figures[i].difference.has_value(), ba.figures[i].difference.has_value());
        if (ab.figures[i].difference) {
            EXPECT_EQ(*ab.figures[i].difference, -*ba.figures[i].difference)
                << Utf8OfUtf16(ab.figures[i].key);
            differing += *ab.figures[i].difference != 0;
        }
    }
    EXPECT_GT(differing, 5);
    ASSERT_EQ(ab.inputs.size(), 4u);
    ASSERT_EQ(ba.inputs.size(), 4u);
    for (std::size_t i = 0; i < ab.inputs.size(); ++i) {
        EXPECT_EQ(ab.inputs[i].name, ba.inputs[i].name);
        EXPECT_EQ(ab.inputs[i].a, ba.inputs[i].b);
    }
    EXPECT_EQ(ab.inputs[0].caption, u"민첩");
    EXPECT_EQ(ab.inputs[0].a, u"8830");
    EXPECT_EQ(ab.inputs[0].b, u"9100");
}

TEST(CompareBuilds, TheFiguresAreTheMainOnesWithAKillTimeForOneToFourSentries) {
    StartedForm a;
    StartedForm b;
    const Comparison comparison = CompareBuilds(a.form, b.form, kDps);
    std::vector<std::u16string> keys;
    for (const FigureComparison& row : comparison.figures) {
        keys.push_back(row.key);
    }
    EXPECT_EQ(keys,
              (std::vector<std::u16string>{
                  u"dps", u"sentry_normal_per_second", u"sentry_elite_per_second",
                  u"companion_elite_per_second", u"bleed_gem_elite_per_second",
                  u"poison_gem_elite_per_second", u"kill_time_1", u"kill_time_2", u"kill_time_3",
                  u"kill_time_4", u"sentry_attack_speed", u"player_attack_speed", u"cycle_length",
                  u"hit_0", u"hit_1", u"hit_2", u"hit_3", u"hit_4", u"hit_5"}));
    // The default character's four sentries all come in time: each one more kills sooner.
    for (int sentries = 1; sentries <= 4 && keys.size() == 19; ++sentries) {
        const FigureComparison& row = comparison.figures[static_cast<std::size_t>(5 + sentries)];
        EXPECT_EQ(row.label, u"처치 시간(쇠뇌 " + IntegerText(sentries) + u"개)");
        EXPECT_EQ(row.better, -1);
        ASSERT_TRUE(row.a.has_value()) << sentries;
        if (sentries > 1) {
            EXPECT_LT(*row.a, *comparison.figures[static_cast<std::size_t>(4 + sentries)].a);
        }
    }
}

TEST(CompareBuilds, AFigureOfZeroInAHasNoPercentage) {
    StartedForm a;
    StartedForm b;
    a.form.setText(u"txtWeaponDamageMin", u"0");
    a.form.setText(u"txtWeaponDamageMax", u"0");
    int zeros = 0;
    for (const FigureComparison& row : CompareBuilds(a.form, b.form, kDps).figures) {
        if (row.a == 0.0) {
            ++zeros;
            EXPECT_GT(row.difference, 0.0) << Utf8OfUtf16(row.key);
            EXPECT_FALSE(row.percent.has_value()) << Utf8OfUtf16(row.key);
        } else if (row.a && row.b) {
            EXPECT_EQ(row.percent, 100 * (*row.b - *row.a) / *row.a) << Utf8OfUtf16(row.key);
        }
    }
    EXPECT_EQ(zeros, 8);  // the damage per second, its two parts, the companions, four slots' hits
}

TEST(CompareBuilds, TheDifferingInputsAreTheProfileLinesThatDiffer) {
    StartedForm a;
    StartedForm b;
    b.form.setText(u"txtEnchant(3)", u"12");
    b.form.setText(u"txtSkill(22)", u"25 ");  // reads the same, but is not typed so
    b.form.setCheck(u"chkPassiveRenovate", 2);
    b.form.setOption(u"optGemPoison(1)", true);
    b.form.setListIndex(u"cboUsingSkill(5)", 7);  // its rune goes back to rune 0 too
    b.form.setListIndex(u"cboGemJMeter", -1);
    const std::vector<std::string> linesA = testing::Split(WriteProfile(a.form), "\n");
    const std::vector<std::string> linesB = testing::Split(WriteProfile(b.form), "\n");
    std::vector<std::u16string> differingLines;
    for (std::size_t line = 0; line < ProfileLayout().size(); ++line) {
        if (linesA[line] != linesB[line]) {
            differingLines.push_back(Utf16OfLatin1(ProfileLayout()[line].control));
        }
    }
    std::vector<std::u16string> differingInputs;
    for (const InputDifference& input : CompareBuilds(a.form, b.form, kDps).inputs) {
        differingInputs.push_back(input.name);
    }
    std::sort(differingLines.begin(), differingLines.end());
    std::sort(differingInputs.begin(), differingInputs.end());
    EXPECT_EQ(differingInputs, differingLines);
    EXPECT_EQ(differingInputs.size(), 7u);
}

TEST(CompareBuilds, SwitchesReadAsTheHistorySaysThemWhileTheJsonKeepsTheirNumbers) {
    StartedForm a;
    StartedForm b;
    a.form.setCheck(u"chkPassiveRenovate", 0);
    b.form.setCheck(u"chkPassiveRenovate", 2);
    a.form.setOption(u"optGemPoison(0)", true);
    b.form.setOption(u"optGemPoison(1)", true);
    const Comparison comparison = CompareBuilds(a.form, b.form, kDps);
    // name, JSON a and b, shown a and b: the second option of a pair is told by the first.
    const std::vector<std::array<std::u16string, 5>> expected = {
        {u"chkPassiveRenovate", u"0", u"2", u"끔", u"흐림"},
        {u"optGemPoison(0)", u"1", u"0", u"켬", u"끔"},
    };
    std::vector<std::array<std::u16string, 5>> found;
    for (const InputDifference& input : comparison.inputs) {
        found.push_back({input.name, input.a, input.b, input.shownA, input.shownB});
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);
    // The history tells the same change in the same words.
    const std::vector<InputChange> changes = InputChanges(a.form, b.form);
    ASSERT_EQ(changes.size(), 2u);
    for (const InputChange& change : changes) {
        const auto& row = change.control == expected[0][0] ? expected[0] : expected[1];
        EXPECT_EQ(change.from + u"→" + change.to, row[3] + u"→" + row[4]);
    }
}

}  // namespace
}  // namespace brakefell
