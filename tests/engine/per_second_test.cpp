// Damage per second, each skill's share and the kill times in the sentry cycle report.
#include <gtest/gtest.h>

#include "engine/report/calculation.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::BlankCatalogue;
using testing::MakeRune;
using testing::PlainSheet;
using testing::UseSlot;

// Weapon 1000-2000 (average 1,500), no crit, no elite bonus, sentries at 1.2 (row 1) with
// skill 21 alone: 2.4 s, the sentry's own bolt twice, 21 once, three shots.
//   21:          1,500 x 1 / 2.4           =   625 per sentry
//   18 rune 1:  (1,500 x 3 + 1,500 x 2) / 2.4 = 3,125 per sentry
//   companion:   1,500 x 1.2 (player speed) x 2.4 uses / 2.4 = 1,800
SkillCatalogue PerSecondCatalogue() {
    SkillCatalogue catalogue = BlankCatalogue();
    catalogue[21].runes[0] = MakeRune({"화살비", 1.0, 1});
    catalogue[18].runes[1] = MakeRune({"쇠뇌 사격", 1.0, 1, true, 1.0});
    catalogue[14].runes[0] = MakeRune({"까마귀", 1.0, 3});
    catalogue[10].runes[0] = MakeRune({"덫", 1.0, 1});
    return catalogue;
}

CharacterSheet PerSecondSheet() {
    CharacterSheet sheet = PlainSheet();
    sheet.chkCrossbow = 1;
    sheet.weaponSpeedValue = 1.2;
    UseSlot(sheet, 0, 21, 0);
    UseSlot(sheet, 1, 10, 0);  // shown, but not fired by the sentries
    UseSlot(sheet, 2, 18, 1);
    UseSlot(sheet, 3, 14, 0);
    return sheet;
}

std::vector<std::u16string> CycleLines(const CharacterSheet& sheet,
                                       const SkillCatalogue& catalogue) {
    const CalculationReport report = Calculate(sheet, catalogue, Edition::Full);
    EXPECT_EQ(report.refusal, Refusal::None);
    return testing::Lines(report.totals.value_or(std::u16string()));
}

TEST(PerSecondTest, SentryCompanionTotalsSharesAndKillTimes) {
    const std::vector<std::u16string> expected = {
        u"공속1.2000(1.10204 - 1.25581 구간)",
        u"- 쇠뇌1/s 기대값(일반):       3,750",
        u"- 쇠뇌1/s 기대값(정예):       3,750",
        u"동료의 1초당 피해량 기대값(정예):        1,800",
        std::u16string(),
        u"1초당 총 피해량 기대값(정예):       16,800",
        std::u16string(),
        u"-각 스킬의 비중(정예몹 기준, 4쇠뇌, 사이클:2.4초)-",
        u"다발사격(1회/사이클):        14.9% (       2,500)",
        u"자동 쇠뇌(2회,3회/사이클):   74.4% (      12,500)",
        u"동료(모든 동료들의 합산):    10.7% (       1,800)",
        std::u16string(),
        u"- 그홈대상 딜 계산(쇠뇌+동료, 본체딜 없음) - ",
        // 2.88e9 / 5,550; (22,500 + 2.88e9) / 9,300; (67,500 + ...) / 13,050; ... / 16,800
        u"1쇠뇌: 518918.92초, 2쇠뇌: 309679.84초, 3쇠뇌: 220694.83초, 4쇠뇌: "
        u"171436.61초",
    };
    EXPECT_EQ(CycleLines(PerSecondSheet(), PerSecondCatalogue()), expected);
}

TEST(PerSecondTest, FiveSentriesWithCustomisedCrossbows) {
    CharacterSheet sheet = PerSecondSheet();
    sheet.chkPassiveRenovate = 1;
    const std::vector<std::u16string> lines = CycleLines(sheet, PerSecondCatalogue());
    ASSERT_GE(lines.size(), 11);
    EXPECT_EQ(lines[5], u"1초당 총 피해량 기대값(정예):       20,550");
    EXPECT_EQ(lines[7], u"-각 스킬의 비중(정예몹 기준, 5쇠뇌, 사이클:2.4초)-");
    EXPECT_EQ(lines[8], u"다발사격(1회/사이클):        15.2% (       3,125)");
    EXPECT_EQ(lines[9], u"자동 쇠뇌(2회,3회/사이클):   76.0% (      15,625)");
    EXPECT_EQ(lines[10], u"동료(모든 동료들의 합산):     8.8% (       1,800)");
}

TEST(PerSecondTest, WholeUseCountsAndSkillsWithoutUses) {
    SkillCatalogue catalogue = PerSecondCatalogue();
    catalogue[8].runes[0] = MakeRune({"화염 구체", 1.0, 1});
    catalogue[5].runes[0] = MakeRune({"투척", 1.0, 1});
    CharacterSheet sheet = PlainSheet();
    sheet.chkCrossbow = 1;
    sheet.weaponSpeedValue = 3.0;  // row 6: 21 alone gives 0.9 s / 0.3 s = 3 shots
    UseSlot(sheet, 0, 18, 1);
    UseSlot(sheet, 1, 21, 0);
    // Per sentry: (1,500 x 2 + 1,500 x 3) / 0.9 and 1,500 / 0.9; four sentries.
    EXPECT_EQ(CycleLines(sheet, catalogue)[7],
              u"자동 쇠뇌(2회,3회/사이클):   83.3% (      33,333)");

    // Skill 8 leads, but with 5 and 21 in row 2 the lead gets no uses at all.
    sheet.weaponSpeedValue = 1.3;
    UseSlot(sheet, 0, 8, 0);
    UseSlot(sheet, 2, 5, 0);
    const std::vector<std::u16string> lines = CycleLines(sheet, catalogue);
    EXPECT_EQ(lines[6], u"-각 스킬의 비중(정예몹 기준, 4쇠뇌, 사이클:2.8초)-");
    EXPECT_EQ(lines[7], u"원소화살(0회/사이클):         0.0% ()");
    EXPECT_EQ(lines[8], u"다발사격(2회/사이클):        50.0% (       4,286)");
}

TEST(PerSecondTest, NoDamageAtAllGivesDashesInsteadOfShares) {
    CharacterSheet sheet = PlainSheet();
    sheet.chkCrossbow = 1;
    sheet.chkGemPoison = 1;  // rank 34: +0.1 to the pool; poison is not in the total
    sheet.chkPassiveAim = 1;
    const std::vector<std::u16string> lines = CycleLines(sheet, BlankCatalogue());
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[1], u"- 쇠뇌1/s 기대값(일반): ");
    EXPECT_EQ(lines[4], u"1초당 총 피해량 기대값(정예): ");
    // (2 + 0.05 x 34) x 1,500 x (0.2 + 0.1) = 1,665 per second; 2.88e9 / 1,665
    EXPECT_EQ(lines[7], u"잘 듣는 독:                      - (       1,665)");
    EXPECT_EQ(lines[10],
              u"1쇠뇌: 1729729.73초, 2쇠뇌: 1729729.73초, 3쇠뇌: "
              u"1729729.73초, 4쇠뇌: 1729729.73초");

    sheet.chkGemPoison = 0;
    EXPECT_EQ(CycleLines(sheet, BlankCatalogue()).back(),
              u"1쇠뇌: 계산 불가, 2쇠뇌: 계산 불가, 3쇠뇌: 계산 불가, 4쇠뇌: 계산 불가");
}

}  // namespace
}  // namespace brakefell
