// The report block of each used slot, in both editions.
#include <gtest/gtest.h>

#include "engine/compute_figures.h"
#include "engine/report/calculation.h"
#include "engine/report/write_report.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::BlankCatalogue;
using testing::MakeRune;
using testing::PlainSheet;
using testing::UseSlot;

std::u16string Crlf(const char* text) {
    return testing::ReplaceAll(Utf16OfUtf8(text), u"\n", u"\r\n");
}

// Weapon 1000-2000, a rune of 500 %, crit 50 % at +100 %, elites +20 %.
struct BlockCase {
    const char* what;
    Edition edition;
    bool multiHit;
    double extra;
    const char* expected;
};

const BlockCase kBlockCases[] = {
    {"full single", Edition::Full, false, 0, R"(< 투검(투척) >
- 일반 -
=>> 기본 최소-최대[평균]:        5,000 -       10,000 [       7,500]
=>> 극대 최소-최대[평균]:       10,000 -       20,000 [      15,000]
=>> 기대값:       11,250
- 정예 -
=>> 기본 최소-최대[평균]:        6,000 -       12,000 [       9,000]
=>> 극대 최소-최대[평균]:       12,000 -       24,000 [      18,000]
=>> 기대값:       13,500)"},
    {"lite single", Edition::Lite, false, 0, R"(< 투검(투척) >
- 일반 -
=>> 기본[평균]: [       7,500]
=>> 극대[평균]: [      15,000]
=>> 기대값:       11,250
- 정예 -
=>> 기본[평균]: [       9,000]
=>> 극대[평균]: [      18,000]
=>> 기대값:       13,500)"},
    {"full multi without extra", Edition::Full, true, 0, R"(< 투검(투척, 멀티히트) >
- 일반 -
=>> 기본 최소-최대[평균]:        5,000(+) -       10,000(+) [       7,500(+)]
=>> 극대 최소-최대[평균]:       10,000(+) -       20,000(+) [      15,000(+)]
=>> 기대값:       11,250(      11,250 +)
- 정예 -
=>> 기본 최소-최대[평균]:        6,000(+) -       12,000(+) [       9,000(+)]
=>> 극대 최소-최대[평균]:       12,000(+) -       24,000(+) [      18,000(+)]
=>> 기대값:       13,500(      13,500 +))"},
    {"lite multi without extra", Edition::Lite, true, 0, R"(< 투검(투척, 멀티히트) >
- 일반 -
=>> 기본[평균]: [       7,500(+)]
=>> 극대[평균]: [      15,000(+)]
=>> 기대값:       11,250(      11,250 +)
- 정예 -
=>> 기본[평균]: [       9,000(+)]
=>> 극대[평균]: [      18,000(+)]
=>> 기대값:       13,500(      13,500 +))"},
    {"full multi", Edition::Full, true, 1.0, R"(< 투검(투척, 멀티히트) >
- 일반 -
=>> 기본 최소-최대[평균]:        5,000(+       1,000) -       10,000(+       2,000) [       7,500(+       1,500)]
=>> 극대 최소-최대[평균]:       10,000(+       2,000) -       20,000(+       4,000) [      15,000(+       3,000)]
=>> 기대값:       13,500(      11,250 +       2,250)
- 정예 -
=>> 기본 최소-최대[평균]:        6,000(+       1,200) -       12,000(+       2,400) [       9,000(+       1,800)]
=>> 극대 최소-최대[평균]:       12,000(+       2,400) -       24,000(+       4,800) [      18,000(+       3,600)]
=>> 기대값:       16,200(      13,500 +       2,700))"},
    {"lite multi", Edition::Lite, true, 1.0, R"(< 투검(투척, 멀티히트) >
- 일반 -
=>> 기본[평균]: [       7,500(+       1,500)]
=>> 극대[평균]: [      15,000(+       3,000)]
=>> 기대값:       13,500(      11,250 +       2,250)
- 정예 -
=>> 기본[평균]: [       9,000(+       1,800)]
=>> 극대[평균]: [      18,000(+       3,600)]
=>> 기대값:       16,200(      13,500 +       2,700))"},
};

TEST(HitBlockTest, SingleAndMultiHitBlocksInBothEditions) {
    for (const BlockCase& c : kBlockCases) {
        SkillCatalogue catalogue = BlankCatalogue();
        catalogue[5].runes[2] = MakeRune({"투척", 5.0, 1, c.multiHit, c.extra});
        CharacterSheet sheet = PlainSheet();
        sheet.txtCriticalChance = 50;
        sheet.txtCriticalDamage = 100;
        sheet.txtEnchantElite = 20;
        UseSlot(sheet, 3, 5, 2);  // the slots before it show nothing: no gap
        const BuildFigures figures = ComputeFigures(sheet, catalogue);
        const CalculationReport report = WriteReport(figures, catalogue, c.edition);
        EXPECT_TRUE(report.resultBoxes[0].visible) << c.what;
        EXPECT_EQ(report.resultBoxes[0].text, Crlf(c.expected)) << c.what;
        for (int k = 1; k < 9; ++k) {
            EXPECT_FALSE(report.resultBoxes[k].visible) << c.what << " box " << k;
            EXPECT_TRUE(report.resultBoxes[k].text.empty()) << c.what << " box " << k;
        }
    }
}

// Six companions (rune 5 without damage) of 100 %, 200 %, 300 %, 400 %, 200 % and -, fighting
// at the player's 1.1 attacks per second: averages 1,650 3,300 4,950 6,600 3,300 and 0.
struct CompanionCase {
    Edition edition;
    int crossbow;
    const char* expected;
};

const CompanionCase kCompanionCases[] = {
    {Edition::Full, 1, R"(< 동료(모든 동료 합산) >
- 일반 -
=>> 기본 평균 [합계]:        1,650,        3,300,        4,950,        6,600,        1,650×2,  [      19,800]
=>> 극대 평균 [합계]:        3,300,        6,600,        9,900,       13,200,        3,300×2,  [      39,600]
=>> 기대값 합계:       19,800
- 정예 -
=>> 기본 평균 [합계]:        1,650,        3,300,        4,950,        6,600,        1,650×2,  [      19,800]
=>> 극대 평균 [합계]:        3,300,        6,600,        9,900,       13,200,        3,300×2,  [      39,600]
=>> 기대값 합계:       19,800)"},
    {Edition::Lite, 1, R"(< 동료(모든 동물 합산) >
- 일반 -
=>> 기본[합계]: [      19,800]
=>> 극대[합계]: [      39,600]
=>> 기대값 합계:       19,800
- 정예 -
=>> 기본[합계]: [      19,800]
=>> 극대[합계]: [      39,600]
=>> 기대값 합계:       19,800)"},
    // Without the sentries the slot shows its one companion, at no attack-speed factor.
    {Edition::Full, 0, R"(< 동료(까마귀) >
- 일반 -
=>> 기본 최소-최대[평균]:        1,000 -        2,000 [       1,500]
=>> 극대 최소-최대[평균]:        2,000 -        4,000 [       3,000]
=>> 기대값:        1,500
- 정예 -
=>> 기본 최소-최대[평균]:        1,000 -        2,000 [       1,500]
=>> 극대 최소-최대[평균]:        2,000 -        4,000 [       3,000]
=>> 기대값:        1,500)"},
};

TEST(HitBlockTest, CompanionBlockSumsAllSixCompanions) {
    SkillCatalogue catalogue = BlankCatalogue();
    const char* names[] = {"까마귀", "멧돼지", "박쥐", "거미", "늑대", "페럿"};
    const double coefficients[] = {1, 2, 3, 4, 2, 1};
    for (int r = 0; r < 6; ++r) {
        catalogue[14].runes[r] =
            MakeRune({names[r], coefficients[r], 3, false, 0, false, false, r != 5});
    }
    for (const CompanionCase& c : kCompanionCases) {
        CharacterSheet sheet = PlainSheet();
        sheet.txtCriticalDamage = 100;
        sheet.chkCrossbow = c.crossbow;
        UseSlot(sheet, 0, 14, 0);
        const CalculationReport report = Calculate(sheet, catalogue, c.edition);
        EXPECT_EQ(report.resultBoxes[0].text, Crlf(c.expected)) << c.crossbow;
    }
}

}  // namespace
}  // namespace brakefell
