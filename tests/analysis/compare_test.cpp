// Two builds side by side.
#include "analysis/compare.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    const Comparison comparison = CompareBuilds(a.form, b.form, Edition::Full, kDps);
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
    const Comparison ab = CompareBuilds(a.form, b.form, Edition::Full, kDps);
    const Comparison ba = CompareBuilds(b.form, a.form, Edition::Full, kDps);
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
    for (const InputDifference& input : CompareBuilds(a.form, b.form, Edition::Full, kDps).inputs) {
        differingInputs.push_back(input.name);
    }
    std::sort(differingLines.begin(), differingLines.end());
    std::sort(differingInputs.begin(), differingInputs.end());
    EXPECT_EQ(differingInputs, differingLines);
    EXPECT_EQ(differingInputs.size(), 7u);
}

}  // namespace
}  // namespace brakefell
