// What a step of each box is worth, and where the attack-speed cliffs are.
#include "analysis/stat_values.h"

#include <gtest/gtest.h>

#include <random>

#include "analysis/sweep.h"
#include "analysis_fixtures.h"
#include "engine/sentry_breakpoints.h"
#include "random_characters.h"
#include "text/strings.h"
#include "text_helpers.h"
#include "typed_sheet.h"

namespace brakefell {
namespace {

using testing::MetricOfForm;
using testing::StartedForm;

// The metric after typing one box's text into a form holding the character: the calculation a
// person gets by changing the box and pressing "계산".
std::optional<double> AfterTyping(const CharacterSheet& sheet, const char* box,
                                  const std::u16string& text, Metric metric) {
    StartedForm started;
    testing::TypeSheetInto(sheet, started.form);
    started.form.setText(Utf16OfLatin1(box), text);
    return MetricOfForm(started.form, metric);
}

TEST(StatValues, EachStepEqualsTwoSeparateCalculationsOverRandomCharacters) {
    std::mt19937_64 random(11);
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    int checked = 0;
    for (int c = 0; c < testing::RandomCaseCount(24); ++c) {
        const CharacterSheet sheet = testing::RandomCharacter(random);
        const auto metric = DefaultMetric(sheet, catalogue);
        if (!metric) {
            continue;
        }
        const MetricProbe probe(catalogue, *metric);
        const StatValues values = ComputeStatValues(sheet, probe);
        StartedForm typed;
        testing::TypeSheetInto(sheet, typed.form);
        const std::optional<double> base = MetricOfForm(typed.form, *metric);
        ASSERT_EQ(values.base, base) << "case " << c;
        if (!base) {
            continue;
        }
        for (const StatValueRow& row : values.rows) {
            for (const ChangedMetric* changed : {&row.plus, &row.minus}) {
                const auto separate = AfterTyping(sheet, row.box->name, changed->text, *metric);
                EXPECT_EQ(changed->value, separate)
                    << "case " << c << ", " << row.box->name << " = " << Utf8OfUtf16(changed->text);
                if (separate) {
                    EXPECT_EQ(changed->delta, *separate - *base);
                    // A share of the base, not of the changed value.
                    EXPECT_EQ(changed->percent, 100 * (*separate - *base) / *base);
                }
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 200);
}

TEST(StatValues, AChangedBoxHoldsThePlainTextOfItsNewNumber) {
    // 1.3 - 1 is 0.30000000000000004 in binary; a person types, and the box holds, "0.3".
    CharacterSheet sheet;
    sheet.txtCriticalChance = 1.3;
    sheet.txtEnchantElite = 0.8;
    const MetricProbe probe(testing::ShippedCatalogue(), *MetricNamed(u"dps"));
    for (const StatValueRow& row : ComputeStatValues(sheet, probe).rows) {
        const std::string_view name(row.box->name);
        if (name != "txtCriticalChance" && name != "txtEnchantElite") {
            continue;
        }
        const std::u16string typed = name == "txtCriticalChance" ? u"0.3" : u"-0.2";
        EXPECT_EQ(row.minus.text, typed);
        EXPECT_EQ(row.minus.value, AfterTyping(sheet, row.box->name, typed, probe.metric()));
    }
}

TEST(StatValues, TheDefaultCharacterGainsMostFromWeaponDamageAndLosesABracketBelow) {
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const CharacterSheet sheet;  // the defaults: attack speed 27, sentries firing
    const MetricProbe probe(catalogue, *MetricNamed(u"dps"));
    const StatValues values = ComputeStatValues(sheet, probe);
    ASSERT_TRUE(values.base.has_value());
    const auto row = [&](const char* name) {
        for (const StatValueRow& r : values.rows) {
            if (std::string_view(r.box->name) == name) {
                return r;
            }
        }
        ADD_FAILURE() << "no row " << name;
        return StatValueRow{};
    };
    // Main stat is worth exactly its own step; txtGemStrong is never read; gems that are off
    // (chkMorePain) have no row.
    EXPECT_EQ(row("txtMainStat").mainStatEquivalent, 100);
    EXPECT_EQ(row("txtMainStat").step, 100);
    EXPECT_EQ(row("txtCriticalDamage").step, 10);
    EXPECT_EQ(row("txtWeaponDamageMax").step, 100);
    EXPECT_EQ(row("txtMainStat").caption, u"민첩");
    for (const StatValueRow& r : values.rows) {
        EXPECT_STRNE(r.box->name, "txtGemStrong");
        EXPECT_STRNE(r.box->name, "txtMorePain");
    }
    // A point of attack speed is worth little; the bracket below costs far more.
    EXPECT_LT(*row("txtAttackSpeed").plus.percent, 0.1);
    ASSERT_TRUE(values.drop.has_value());
    EXPECT_DOUBLE_EQ(values.drop->attackSpeed, 25.16);
    EXPECT_LT(*values.drop->percent, -10);
    ASSERT_TRUE(values.next.has_value());
    EXPECT_DOUBLE_EQ(values.next->attackSpeed, 49.4);
    // A box whose +step gains nothing has no main-stat equivalent.
    EXPECT_EQ(row("txtSkill(0)").plus.delta, 0);
    EXPECT_FALSE(row("txtSkill(0)").mainStatEquivalent.has_value());
}

TEST(StatValues, MainStatEquivalentIsTheLeastTenthThatGainsAsMuch) {
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const CharacterSheet sheet;
    for (const char* name : {"dps", "kill-time-1", "hit-1"}) {
        const Metric metric = *MetricNamed(Utf16OfLatin1(name));
        const MetricProbe probe(catalogue, metric);
        const StatValues values = ComputeStatValues(sheet, probe);
        for (const StatValueRow& row : values.rows) {
            if (!row.mainStatEquivalent) {
                continue;
            }
            const double gain = probe.improvement(*row.plus.value, *values.base);
            const auto gainWith = [&](double more) {
                CharacterSheet changed = sheet;
                SetBoxValue(*FindNumberBox(u"txtMainStat"), changed, sheet.txtMainStat + more);
                return probe.improvement(*probe(changed).value, *values.base);
            };
            EXPECT_GE(gainWith(*row.mainStatEquivalent), gain) << name << " " << row.box->name;
            EXPECT_LT(gainWith(*row.mainStatEquivalent - 0.1), gain)
                << name << " " << row.box->name;
        }
    }
}

TEST(StatValues, CliffsAgreeWithTheBreakpointsAndTheSweep) {
    constexpr double kNear = 0.01 + 0.005;
    std::mt19937_64 random(12);
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    int cliffs = 0;
    for (int c = 0; c < testing::RandomCaseCount(60) && cliffs < 40; ++c) {
        CharacterSheet sheet = testing::RandomCharacter(random);
        sheet.chkCrossbow = 1;
        const MetricProbe probe(catalogue, *MetricNamed(u"kill-time-4"));
        const StatValues values = ComputeStatValues(sheet, probe);
        if (!values.base) {
            continue;
        }
        const int row = SentryBracketRowOf(sheet);
        const NumberBox& attackSpeed = *FindNumberBox(u"txtAttackSpeed");
        const SentrySpeedFigures speed = ComputeFigures(sheet, catalogue).speed;
        if (values.next) {
            ++cliffs;
            EXPECT_EQ(values.next->percent,
                      100 * (values.next->value - *values.base) / *values.base);
            // One hundredth short of the cliff is still the bracket of now.
            CharacterSheet shortOf = sheet;
            SetBoxValue(attackSpeed, shortOf, values.next->attackSpeed - 0.01);
            EXPECT_EQ(SentryBracketRowOf(shortOf), row) << "case " << c;
            // The breakpoint that opens the next bracket is missing as much: to the hundredth of
            // the cliff's steps, and the half of the fourth decimal the sentries' speed is kept
            // to (at most 0.00005 / 1.1 of a point).
            if (row + 1 >= 3) {
                const double missing = speed.breakpoints[row + 1 - 3].missing;
                EXPECT_NEAR(values.next->attackSpeed - sheet.txtAttackSpeed, missing, kNear)
                    << "case " << c;
            }
            // A sweep from here by hundredths changes bracket exactly there first.
            const auto swept = ComputeSweep(
                sheet, {&attackSpeed, sheet.txtAttackSpeed, values.next->attackSpeed + 0.005, 0.01},
                probe);
            const Sweep& sweep = std::get<Sweep>(swept);
            ASSERT_FALSE(sweep.bracketChanges.empty()) << "case " << c;
            EXPECT_DOUBLE_EQ(sweep.bracketChanges.front(), values.next->attackSpeed);
        }
        if (values.drop) {
            CharacterSheet above = sheet;
            SetBoxValue(attackSpeed, above, values.drop->attackSpeed + 0.01);
            EXPECT_EQ(SentryBracketRowOf(above), row) << "case " << c;
            CharacterSheet below = sheet;
            SetBoxValue(attackSpeed, below, values.drop->attackSpeed);
            EXPECT_LT(SentryBracketRowOf(below), row) << "case " << c;
            if (row >= 3) {
                const double missing = speed.breakpoints[row - 3].missing;
                EXPECT_NEAR(values.drop->attackSpeed + 0.01 - sheet.txtAttackSpeed, missing, kNear)
                    << "case " << c;
            }
        }
    }
    EXPECT_GT(cliffs, 20);
}

TEST(StatValues, CliffsAndBracketChangesOnlyWhileTheSentryBoxIsTicked) {
    // A check box counts as ticked at 1 only: grayed (2) is as off as 0.
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const MetricProbe hit(catalogue, *MetricNamed(u"hit-1"));
    for (const int state : {0, 1, 2}) {
        CharacterSheet sheet;
        sheet.chkCrossbow = state;
        const StatValues values = ComputeStatValues(sheet, hit);
        EXPECT_EQ(values.next.has_value(), state == 1) << state;
        EXPECT_EQ(values.drop.has_value(), state == 1) << state;
        const auto swept = ComputeSweep(sheet, {FindNumberBox(u"txtAttackSpeed"), 0, 60, 5}, hit);
        EXPECT_EQ(std::get<Sweep>(swept).bracketChanges.empty(), state != 1) << state;
        EXPECT_EQ(DefaultMetric(sheet, catalogue), MetricNamed(state == 1 ? u"dps" : u"hit-1"));
    }
}

TEST(StatValues, EachGemLevelCountsOnlyWhileItsOwnGemIsTicked) {
    // The gems with a level box, each box named after its gem's check box.
    const std::vector<std::string> gems = {"MorePain", "GemLocked", "GemSummon", "GemPoison",
                                           "GemJ"};
    std::vector<std::string> gated;
    for (const NumberBox& box : NumberBoxes()) {
        if (box.gate != nullptr) {
            gated.push_back(std::string(box.name).substr(3));
        }
    }
    EXPECT_EQ(gated, gems);
    const MetricProbe probe(testing::ShippedCatalogue(), *MetricNamed(u"dps"));
    for (const std::string& gem : gems) {
        for (const int state : {1, 2}) {
            StartedForm started;
            for (const std::string& each : gems) {
                started.form.setCheck(Utf16OfUtf8("chk" + each), each == gem ? state : 0);
            }
            std::vector<std::string> counted;
            for (const StatValueRow& row :
                 ComputeStatValues(started.form.characterSheet(), probe).rows) {
                if (row.box->gate != nullptr) {
                    counted.push_back(row.box->name);
                }
            }
            EXPECT_EQ(counted, state == 1 ? std::vector<std::string>{"txt" + gem}
                                          : std::vector<std::string>{})
                << gem << " " << state;
        }
    }
}

}  // namespace
}  // namespace brakefell
