// The rotation: cycle length and uses per cycle by key skills and sentry bracket.
#include <gtest/gtest.h>

#include "engine/compute_figures.h"
#include "engine/cycle_table.h"
#include "engine/report/write_report.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::BlankCatalogue;
using testing::PlainSheet;
using testing::UseSlot;

struct RotationCase {
    const char* what;
    std::vector<int> skills;  // used slots, rune 0 each
    double sentrySpeed;       // picks the bracket
    double cycle;
    int lead;
    double leadUses, fanOfKnivesUses, multishotUses, clusterArrowUses, shots;
};

const RotationCase kRotationCases[] = {
    {"none, row 3", {}, 1.5, 0.6, 18, 1, 0, 0, 0, 1},
    {"none, row 0", {}, 1.0, 0.9, 18, 1, 0, 0, 0, 1},
    {"21+22, row 7", {21, 22}, 5.0, 6.6, 18, 22, 0, 8, 3, 33},
    {"5+21, row 2, lead 8 unused", {8, 5, 21}, 1.3, 2.8, 8, 0, 2, 2, 0, 4},
    {"22, row 1, lead 7", {7, 22}, 1.2, 2.4, 7, 2, 0, 0, 1, 3},
    {"5+21+22, row 6", {22, 21, 5}, 3.0, 4.8, 18, 4, 5, 5, 2, 16},
    {"5+22, row 5", {5, 22}, 2.5, 2.4, 18, 3, 2, 0, 1, 6},
    {"5, row 4", {5}, 2.0, 1.0, 18, 1, 1, 0, 0, 2},
    {"21, row 6", {21}, 3.0, 0.9, 18, 2, 0, 1, 0, 3},
    {"8 before 7", {7, 8, 21}, 2.5, 1.2, 8, 2, 0, 1, 0, 3},
};

TEST(RotationTest, UsesPerCycleByKeySkillsAndBracket) {
    for (const RotationCase& c : kRotationCases) {
        CharacterSheet sheet = PlainSheet();
        sheet.chkCrossbow = 1;
        sheet.txtTesker = 50;  // the companions strike 1.5 times per second of cycle
        sheet.weaponSpeedValue = c.sentrySpeed / 1.5;
        for (std::size_t i = 0; i < c.skills.size(); ++i) {
            UseSlot(sheet, static_cast<int>(i), c.skills[i], 0);
        }
        const SkillCatalogue catalogue = BlankCatalogue();
        const BuildFigures state = ComputeFigures(sheet, catalogue);
        const CalculationReport report = WriteReport(state, catalogue, Edition::Full);
        ASSERT_EQ(report.refusal, Refusal::None) << c.what;
        const auto uses = [&](int skill, int rune = 0) {
            return state.hitTable[skill].runes[rune].main.usesPerCycle;
        };
        EXPECT_EQ(uses(c.lead), c.leadUses) << c.what;
        EXPECT_EQ(uses(5), c.fanOfKnivesUses) << c.what;
        EXPECT_EQ(uses(21), c.multishotUses) << c.what;
        EXPECT_EQ(uses(22, 5), c.clusterArrowUses) << c.what;
        EXPECT_NEAR(state.hitTable[18].runes[1].extra.usesPerCycle, c.shots, 1e-9) << c.what;
        EXPECT_EQ(state.hitTable[18].runes[2].extra.usesPerCycle, c.lead == 18 ? c.leadUses : 0)
            << c.what;
        EXPECT_NEAR(uses(14, 3), 1.5 * c.cycle, 1e-9) << c.what;
        char cycle[32];
        std::snprintf(cycle, sizeof cycle, "%.1f", c.cycle);
        EXPECT_TRUE(testing::Contains(*report.totals, u"사이클:" + Utf16OfUtf8(cycle) + u"초)-"))
            << c.what;
    }
}

TEST(RotationTest, SlowestBracketHasNoRotationForTheKeySkills) {
    for (const bool has5 : {false, true}) {
        for (const bool has21 : {false, true}) {
            for (const bool has22 : {false, true}) {
                EXPECT_EQ(CycleEntryFor(has5, has21, has22, 0).has_value(),
                          !has5 && !has21 && !has22);
                EXPECT_TRUE(CycleEntryFor(has5, has21, has22, 7).has_value());
            }
        }
    }
    CharacterSheet sheet = PlainSheet();
    sheet.chkCrossbow = 1;
    sheet.weaponSpeedValue = 1.0;
    sheet.chkGemPoison = 1;
    sheet.chkPassiveAim = 1;
    UseSlot(sheet, 0, 21, 0);
    const SkillCatalogue catalogue = BlankCatalogue();
    const BuildFigures state = ComputeFigures(sheet, catalogue);
    const CalculationReport report = WriteReport(state, catalogue, Edition::Full);
    EXPECT_EQ(*report.totals,
              u"공속1.0000(0.98182 - 1.10203 구간)\r\n이 공속 구간에서는 스킬 사이클이 "
              u"정해져 있지 않아 초당 피해량을 계산하지 않습니다.");
    EXPECT_TRUE(report.resultBoxes[6].visible);  // breakpoints and gems are still shown
    EXPECT_TRUE(report.resultBoxes[8].visible);
    EXPECT_EQ(state.hitTable[21].runes[0].main.usesPerCycle, 0);
}

}  // namespace
}  // namespace brakefell
