// The figures of one hit of each rune, and the trace of all of them.
#include <gtest/gtest.h>

#include <utility>

#include "engine/compute_figures.h"
#include "engine/report/calculation.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::BlankCatalogue;
using testing::MakeRune;
using testing::PlainSheet;

const RuneHitRecord& Figures(const BuildFigures& figures, int skill, int rune) {
    return figures.hitTable[skill].runes[rune];
}

TEST(HitTableTest, FivefoldWeaponDamageWithCriticalsAndElites) {
    SkillCatalogue catalogue = BlankCatalogue();
    catalogue[5].runes[0] = MakeRune({"투척", 5.0, 4});
    CharacterSheet sheet = PlainSheet();
    sheet.txtCriticalChance = 50;
    sheet.txtCriticalDamage = 100;
    sheet.txtEnchantElite = 20;
    const BuildFigures state = ComputeFigures(sheet, catalogue);
    const RuneHitRecord& r = Figures(state, 5, 0);
    EXPECT_EQ(r.name, u"투척");
    EXPECT_EQ(r.elementCode, 4);
    EXPECT_DOUBLE_EQ(r.main.normal.min, 5000);
    EXPECT_DOUBLE_EQ(r.main.normal.max, 10000);
    EXPECT_DOUBLE_EQ(r.main.normal.average, 7500);
    EXPECT_DOUBLE_EQ(r.main.normal.expected, 11250);  // 2 x 7500 x 0.5 + 0.5 x 7500
    EXPECT_DOUBLE_EQ(r.main.elite.min, 6000);
    EXPECT_DOUBLE_EQ(r.main.elite.max, 12000);
    EXPECT_DOUBLE_EQ(r.main.elite.average, 9000);
    EXPECT_DOUBLE_EQ(r.main.elite.expected, 13500);
    EXPECT_EQ(r.extra.normal.max, 0);  // no extra coefficient
}

TEST(HitTableTest, SentryModeScalesFiredSkillsButNotTheSentryItself) {
    SkillCatalogue catalogue = BlankCatalogue();
    catalogue[5].runes[0] = MakeRune({"투척", 1.0, 1});
    catalogue[14].runes[2] = MakeRune({"박쥐", 1.0, 3});
    catalogue[18].runes[0] = MakeRune({"기본", 1.0, 1});
    CharacterSheet sheet = PlainSheet();
    sheet.txtSkill[18] = 30;
    sheet.cboWeaponSpeed = 2;
    sheet.weaponSpeedValue = 1.6;
    sheet.txtWeaponExtraSpeed = 25;  // the player attacks twice a second
    sheet.chkGemSummon = 1;          // reaches the companions in either mode
    sheet.txtGemSummon = 0;
    const BuildFigures off = ComputeFigures(sheet, catalogue);
    sheet.chkCrossbow = 1;
    sheet.chkGemSummon = 0;
    const BuildFigures onWithoutGem = ComputeFigures(sheet, catalogue);
    sheet.chkGemSummon = 1;
    const BuildFigures on = ComputeFigures(sheet, catalogue);

    // Without the gem: skill 5 takes the sentry bonus; the sentry's own bolt keeps its 1.3 from
    // its own bonus box in both modes.
    EXPECT_DOUBLE_EQ(Figures(off, 5, 0).main.normal.min, 1000);
    EXPECT_DOUBLE_EQ(Figures(onWithoutGem, 5, 0).main.normal.min, 1300);
    EXPECT_DOUBLE_EQ(Figures(onWithoutGem, 5, 0).main.elite.max, 2600);
    EXPECT_DOUBLE_EQ(Figures(onWithoutGem, 18, 0).main.normal.min, 1300);
    // The companions strike once per player attack: twice the figures of the mode off.
    const HitSide& doubled = Figures(on, 14, 2).main;
    const HitSide& single = Figures(off, 14, 2).main;
    for (const auto& [twice, once] : {std::pair{doubled.normal.min, single.normal.min},
                                      {doubled.normal.max, single.normal.max},
                                      {doubled.normal.expected, single.normal.expected},
                                      {doubled.elite.average, single.elite.average}}) {
        EXPECT_DOUBLE_EQ(twice, 2 * once);
    }
}

TEST(HitTableTest, ExtraHitFactorByModeSkillAndKind) {
    struct Case {
        int crossbow;
        int skill;
        bool rocket;
        bool onCrit;
        double extraMin;  // weapon 1000 x factor x the hit's own multiplier
    };
    // Crit chance 50 %, rockets x2, sentry bonus 30 % (which skill 18's own hits take as well).
    const Case cases[] = {
        {0, 5, false, false, 1000}, {0, 5, false, true, 500},   {0, 5, true, false, 2000},
        {0, 18, false, true, 650},  {1, 5, false, false, 1300}, {1, 5, false, true, 650},
        {1, 5, true, false, 2600},  {1, 18, false, true, 1300}, {1, 18, true, false, 2600},
        {1, 14, true, false, 2600}, {1, 14, false, true, 650},  {1, 5, true, true, 2600},
    };
    for (const Case& c : cases) {
        SkillCatalogue catalogue = BlankCatalogue();
        catalogue[c.skill].runes[3] = MakeRune({"시험", 0, 1, true, 1.0, c.rocket, c.onCrit});
        CharacterSheet sheet = PlainSheet();
        sheet.chkCrossbow = c.crossbow;
        sheet.txtCriticalChance = 50;
        sheet.txtCriticalDamage = 100;
        sheet.chkPassiveTrajectory = 1;
        sheet.txtSkill[18] = 30;
        const BuildFigures state = ComputeFigures(sheet, catalogue);
        const RuneHitRecord& r = Figures(state, c.skill, 3);
        EXPECT_DOUBLE_EQ(r.extra.normal.min, c.extraMin)
            << c.crossbow << " " << c.skill << " " << c.rocket << " " << c.onCrit;
        EXPECT_DOUBLE_EQ(r.extra.normal.max, 2 * c.extraMin);
        // The expected value weights the crit again: 1.5 x the average.
        EXPECT_DOUBLE_EQ(r.extra.normal.expected, 1.5 * 1.5 * c.extraMin);
    }
}

TEST(HitTableTest, CritOnlyExtraVanishesWithoutCriticalChance) {
    SkillCatalogue catalogue = BlankCatalogue();
    catalogue[8].runes[1] = MakeRune({"얼음 구체", 1.0, 2, true, 0.5, false, true});
    const BuildFigures state = ComputeFigures(PlainSheet(), catalogue);
    const RuneHitRecord& r = Figures(state, 8, 1);
    EXPECT_EQ(r.extra.normal.min, 0);
    EXPECT_EQ(r.extra.elite.expected, 0);
    EXPECT_DOUBLE_EQ(r.main.normal.max, 2000);
}

TEST(HitTableTest, TraceListsEverySkillAndEachDamagingRune) {
    SkillCatalogue catalogue = BlankCatalogue();
    catalogue[0].runes[2] = MakeRune({"속사", 5.0, 1, true, 1.0});
    catalogue[0].runes[4] = MakeRune({"무해", 0.0, 1});
    const CalculationReport report = Calculate(PlainSheet(), catalogue, Edition::Full);
    const std::vector<std::u16string> lines = testing::Lines(report.trace);
    ASSERT_EQ(lines.size(), 1 + 24 * 2 + 2);
    EXPECT_EQ(lines[0], std::u16string());
    EXPECT_EQ(lines[1], u"<굶주린 화살>");
    EXPECT_EQ(lines[2], u"-속사: 5,000(+1,000)-10,000(+2,000)");
    EXPECT_EQ(lines[3], u"-무해: (+0)-(+0)");  // 0 prints nothing, 0 in brackets
    EXPECT_EQ(lines[4], std::u16string());
    EXPECT_EQ(lines[5], u"<속박탄>");
    EXPECT_EQ(lines.back(), std::u16string());  // the trace ends in CR LF
}

}  // namespace
}  // namespace brakefell
