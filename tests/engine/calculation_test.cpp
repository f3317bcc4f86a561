// One whole calculation: what it leaves for the next, and the inputs it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "engine/compute_figures.h"
#include "engine/report/calculation.h"
#include "engine/report/write_report.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::BlankCatalogue;
using testing::GoldenCatalogue;
using testing::MakeRune;
using testing::PlainSheet;
using testing::UseSlot;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(CalculationTest, WithoutSentriesOnlyTheSlotBlocksAreWritten) {
    CharacterSheet sheet = PlainSheet();
    sheet.chkMorePain = 1;  // the gems need the sentries
    UseSlot(sheet, 0, 22, 0);
    const CalculationReport report = Calculate(sheet, GoldenCatalogue(), Edition::Full);
    EXPECT_TRUE(report.resultBoxes[0].visible);
    for (int k = 1; k < 9; ++k) {
        EXPECT_FALSE(report.resultBoxes[k].visible);
        EXPECT_TRUE(report.resultBoxes[k].text.empty());
    }
    EXPECT_FALSE(report.moreDamageVisible);
    EXPECT_FALSE(report.totals.has_value());  // the box keeps its earlier text
    EXPECT_EQ(report.refusal, Refusal::None);
}

TEST(CalculationTest, RunesWithoutDamageStayZeroAndNoBlockAddsNothing) {
    const SkillCatalogue catalogue = GoldenCatalogue();
    const auto calculate = [&](const CharacterSheet& sheet) {
        return ComputeFigures(sheet, catalogue);
    };

    CharacterSheet sheet = PlainSheet();
    sheet.chkCrossbow = 1;
    UseSlot(sheet, 0, 21, 0);
    UseSlot(sheet, 1, 10, 3);
    UseSlot(sheet, 2, 22, 0);
    UseSlot(sheet, 3, 5, 0);
    const BuildFigures first = calculate(sheet);
    EXPECT_EQ(first.hitTable[3].runes[2].main.normal.min, 0);  // a rune without damage
    EXPECT_EQ(first.hitTable[3].runes[2].name, u"룬 2");

    // No block shown: the sums take no block.
    CharacterSheet none = PlainSheet();
    none.chkCrossbow = 1;
    const CalculationReport empty = WriteReport(calculate(none), catalogue, Edition::Full);
    EXPECT_EQ(testing::Lines(*empty.totals)[2], u"- 쇠뇌1/s 기대값(정예): ");
}

struct RefusalCase {
    const char* what;
    std::function<void(CharacterSheet&, SkillCatalogue&)> spoil;
    bool refused;
    Refusal why = Refusal::None;
};

const RefusalCase kRefusalCases[] = {
    {"no skill selected", [](CharacterSheet& s, SkillCatalogue&) { s.cboUsingSkill[2] = -1; }, true,
     Refusal::SelectionOutsideList},
    {"skill past the list", [](CharacterSheet& s, SkillCatalogue&) { s.cboUsingSkill[0] = 24; },
     true, Refusal::SelectionOutsideList},
    {"rune past the list", [](CharacterSheet& s, SkillCatalogue&) { s.cboUsingSkillRune[5] = 6; },
     true, Refusal::SelectionOutsideList},
    {"no weapon speed", [](CharacterSheet& s, SkillCatalogue&) { s.cboWeaponSpeed = -1; }, true,
     Refusal::SelectionOutsideList},
    {"distance missing with the gem",
     [](CharacterSheet& s, SkillCatalogue&) { s.chkGemJ = 1, s.cboGemJMeter = -1; }, true,
     Refusal::SelectionOutsideList},
    {"distance missing without the gem",
     [](CharacterSheet& s, SkillCatalogue&) { s.cboGemJMeter = -1; }, false},
    {"fourth poison player",
     [](CharacterSheet& s, SkillCatalogue&) { s.chkOurGemPoison = 1, s.cboOurGemPoison = 3; }, true,
     Refusal::SelectionOutsideList},
    {"element 7",
     [](CharacterSheet&, SkillCatalogue& c) {
         c[0].runes[0] = MakeRune({"칠", 1, 7});
     },
     true, Refusal::UnusableCatalogueRune},
    {"element -1",
     [](CharacterSheet&, SkillCatalogue& c) {
         c[9].runes[5] = MakeRune({"음", 1, -1});
     },
     true, Refusal::UnusableCatalogueRune},
    {"element 7 on a rune without damage",
     [](CharacterSheet&, SkillCatalogue& c) { c[0].runes[0].elementCode = 7; }, false},
    {"infinite coefficient",
     [](CharacterSheet&, SkillCatalogue& c) { c[5].runes[0].mainCoefficient = kInf; }, true,
     Refusal::UnusableCatalogueRune},
    {"main stat 1e309", [](CharacterSheet& s, SkillCatalogue&) { s.txtMainStat = kInf; }, true,
     Refusal::NumberNotFinite},
    {"attack speed NaN",
     [](CharacterSheet& s, SkillCatalogue&) { s.txtAttackSpeed = std::nan(""); }, true,
     Refusal::NumberNotFinite},
    {"gem level infinite", [](CharacterSheet& s, SkillCatalogue&) { s.txtGemJ = -kInf; }, true,
     Refusal::NumberNotFinite},
    {"unread gem level infinite", [](CharacterSheet& s, SkillCatalogue&) { s.txtGemStrong = kInf; },
     false},
    {"damage overflowing to inf",
     [](CharacterSheet& s, SkillCatalogue&) { s.txtWeaponDamageMax = 1e300, s.txtMainStat = 1e10; },
     true, Refusal::FigureNotFinite},
    {"critical line overflowing",
     [](CharacterSheet& s, SkillCatalogue&) {
         s.txtWeaponDamageMax = 1e306, s.txtCriticalDamage = 1e4;
     },
     true, Refusal::FigureNotFinite},
    {"sentries slower than every bracket",
     [](CharacterSheet& s, SkillCatalogue&) { s.txtAttackSpeed = -20; }, true,
     Refusal::SentriesTooSlow},
    {"slow but the sentries do not fire",
     [](CharacterSheet& s, SkillCatalogue&) { s.txtAttackSpeed = -20, s.chkCrossbow = 0; }, false},
    {"no base speed at all",
     [](CharacterSheet& s, SkillCatalogue&) { s.txtWeaponExtraSpeed = -100, s.chkCrossbow = 0; },
     false},
};

TEST(CalculationTest, RefusesInputsItCannotCalculate) {
    for (const RefusalCase& c : kRefusalCases) {
        SkillCatalogue catalogue = GoldenCatalogue();
        CharacterSheet sheet = PlainSheet();
        sheet.chkCrossbow = 1;
        UseSlot(sheet, 0, 5, 0);
        UseSlot(sheet, 1, 14, 1);
        c.spoil(sheet, catalogue);

        const BuildFigures figures = ComputeFigures(sheet, catalogue);
        const CalculationReport report = WriteReport(figures, catalogue, Edition::Full);
        if (!c.refused) {
            EXPECT_EQ(report.refusal, Refusal::None) << c.what;
            continue;
        }
        EXPECT_EQ(report.refusal, c.why) << c.what;
        for (const ResultBoxText& box : report.resultBoxes) {
            EXPECT_FALSE(box.visible) << c.what;
            EXPECT_TRUE(box.text.empty()) << c.what;
        }
        EXPECT_FALSE(report.moreDamageVisible) << c.what;
        EXPECT_EQ(report.totals, std::u16string()) << c.what;
        EXPECT_TRUE(report.trace.empty()) << c.what;
    }
}

TEST(CalculationTest, NeverPrintsInfOrNan) {
    // Large but finite inputs that stay printable come out as long numbers, never as "inf".
    CharacterSheet sheet = PlainSheet();
    sheet.chkCrossbow = 1;
    sheet.txtWeaponDamageMax = 1e15;
    UseSlot(sheet, 0, 22, 5);
    const CalculationReport report = Calculate(sheet, GoldenCatalogue(), Edition::Full);
    ASSERT_EQ(report.refusal, Refusal::None);
    std::u16string all = report.trace + *report.totals;
    for (const ResultBoxText& box : report.resultBoxes) {
        all += box.text;
    }
    std::u16string lower = all;
    for (char16_t& c : lower) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    for (const std::u16string_view word : {u"inf", u"nan", u"e+"}) {
        EXPECT_FALSE(testing::Contains(lower, word)) << Utf8OfUtf16(word);
    }
}

}  // namespace
}  // namespace brakefell
