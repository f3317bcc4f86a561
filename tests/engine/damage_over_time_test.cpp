// The two damage-over-time gems and the kill-time estimate.
#include <gtest/gtest.h>

#include "engine/kill_time.h"
#include "engine/report/calculation.h"
#include "engine/report/sentry_texts.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::BlankCatalogue;
using testing::PlainSheet;

struct DotCase {
    const char* what;
    int bleed, poison;
    double critChance;
    bool pool;  // wolf and aim: a bonus pool of 0.5
    const char* bleedBlock;
    const char* poisonBlock;
};

// Average weapon damage 1,500, physical +50 %, crit +100 %, elites +20 %, poison rank 20.
//   bleed:  (4 + 0.1 x 30) x 1,500 x 1.5 x 0.5 = 7,875; with crit 50 %: x 1.5 = 11,812.5
//   poison: (2 + 0.05 x 20) x 1,500 x 1 x 0.5  = 2,250; with crit 50 %: x 1.5 =  3,375
const DotCase kDotCases[] = {
    {"both", 1, 1, 50, true,
     "- 증통제 피해량 -\r\n=>일반몹(초당):       11,813\r\n=>정예몹(초당):       14,175",
     "- 잘 듣는 독의 보석 피해량 -\r\n=>일반몹(초당):        3,375\r\n=>정예몹(초당):        "
     "4,050"},
    {"poison alone, no crit", 0, 1, 0, true, "",
     "- 잘 듣는 독의 보석 피해량 -\r\n=>일반몹(초당):        2,250\r\n=>정예몹(초당):        "
     "2,700"},
    {"bleed alone, certain crit", 1, 0, 100, true,
     "- 증통제 피해량 -\r\n=>일반몹(초당):       15,750\r\n=>정예몹(초당):       18,900", ""},
    {"empty bonus pool", 1, 1, 50, false,
     "- 증통제 피해량 -\r\n=>일반몹(초당): \r\n=>정예몹(초당): ",
     "- 잘 듣는 독의 보석 피해량 -\r\n=>일반몹(초당): \r\n=>정예몹(초당): "},
    {"neither", 0, 0, 50, true, "", ""},
};

TEST(DamageOverTimeTest, GemBlocksAndTheirFrame) {
    for (const DotCase& c : kDotCases) {
        CharacterSheet sheet = PlainSheet();
        sheet.chkCrossbow = 1;
        sheet.chkMorePain = c.bleed;
        sheet.txtMorePain = 30;
        sheet.chkGemPoison = c.poison;
        sheet.txtGemPoison = 20;
        sheet.txtEnchant[3] = 50;
        sheet.txtCriticalChance = c.critChance;
        sheet.txtCriticalDamage = 100;
        sheet.txtEnchantElite = 20;
        sheet.chkCompanion = c.pool ? 1 : 0;
        sheet.chkPassiveAim = c.pool ? 1 : 0;
        const CalculationReport report = Calculate(sheet, BlankCatalogue(), Edition::Full);
        EXPECT_EQ(report.resultBoxes[7].text, Utf16OfUtf8(c.bleedBlock)) << c.what;
        EXPECT_EQ(report.resultBoxes[7].visible, c.bleed == 1) << c.what;
        EXPECT_EQ(report.resultBoxes[8].text, Utf16OfUtf8(c.poisonBlock)) << c.what;
        EXPECT_EQ(report.resultBoxes[8].visible, c.poison == 1) << c.what;
        EXPECT_EQ(report.moreDamageVisible, c.bleed == 1 || c.poison == 1) << c.what;
    }
}

TEST(DamageOverTimeTest, BleedCountsTowardsTheTotalAndBothGetShareLines) {
    CharacterSheet sheet = PlainSheet();
    sheet.chkCrossbow = 1;
    sheet.chkMorePain = 1;
    sheet.txtMorePain = 0;  // rank 0 still bleeds 400 %: 4 x 1,500 x 0.2 = 1,200
    sheet.chkGemPoison = 1;
    sheet.txtGemPoison = 0;  // 2 x 1,500 x 0.2 = 600
    sheet.chkPassiveAim = 1;
    const CalculationReport report = Calculate(sheet, BlankCatalogue(), Edition::Full);
    const std::vector<std::u16string> lines = testing::Lines(*report.totals);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[4], u"1초당 총 피해량 기대값(정예):        1,200");
    EXPECT_EQ(lines[7], u"증통제:                     100.0% (       1,200)");
    EXPECT_EQ(lines[8], u"잘 듣는 독:                  50.0% (         600)");
    // Both gems work on the target from the start: 2.88e9 / 1,800 with every sentry count.
    EXPECT_EQ(lines[11],
              u"1쇠뇌: 1600000.00초, 2쇠뇌: 1600000.00초, 3쇠뇌: "
              u"1600000.00초, 4쇠뇌: 1600000.00초");
}

struct KillCase {
    double sentry, companions, dot, cooldown;
    const char* line;
};

TEST(KillTimeTest, SentriesJoinOnePerCooldown) {
    const KillCase cases[] = {
        {1e6, 0, 0, 6, "1쇠뇌: 2880.00초, 2쇠뇌: 1443.00초, 3쇠뇌: 966.00초, 4쇠뇌: 729.00초"},
        {1e9, 0, 0, 6, "1쇠뇌: 2.88초, 2쇠뇌: 이전에 끝, 3쇠뇌: , 4쇠뇌: "},
        {2e8, 0, 0, 6, "1쇠뇌: 14.40초, 2쇠뇌: 10.20초, 3쇠뇌: 이전에 끝, 4쇠뇌: "},
        {1e8, 0, 0, 6, "1쇠뇌: 28.80초, 2쇠뇌: 17.40초, 3쇠뇌: 15.60초, 4쇠뇌: 이전에 끝"},
        {1e6, 0, 0, 0, "1쇠뇌: 2880.00초, 2쇠뇌: 1440.00초, 3쇠뇌: 960.00초, 4쇠뇌: 720.00초"},
        {0, 5e5, 5e5, 0, "1쇠뇌: 2880.00초, 2쇠뇌: 2880.00초, 3쇠뇌: 2880.00초, 4쇠뇌: 2880.00초"},
        {0, 0, 0, 6, "1쇠뇌: 계산 불가, 2쇠뇌: 계산 불가, 3쇠뇌: 계산 불가, 4쇠뇌: 계산 불가"},
    };
    for (const KillCase& c : cases) {
        ReportWriter out;
        WriteKillTimeLines(out, EstimateKillTimes(c.sentry, c.companions, c.dot, c.cooldown));
        const std::u16string text = out.take();
        EXPECT_EQ(text,
                  u"\r\n- 그홈대상 딜 계산(쇠뇌+동료, 본체딜 없음) - \r\n" + Utf16OfUtf8(c.line))
            << c.sentry;
    }
}

TEST(KillTimeTest, CooldownFromReduction) {
    for (const auto& [reduction, cooldown] :
         {std::pair{0.0, 6.0}, std::pair{50.0, 3.0}, std::pair{100.0, 0.0}}) {
        CharacterSheet sheet = PlainSheet();
        sheet.txtDecreaseTime = reduction;
        EXPECT_DOUBLE_EQ(SentryCooldown(sheet), cooldown);
    }
}

}  // namespace
}  // namespace brakefell
