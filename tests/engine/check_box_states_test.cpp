// A check box holds 0, 1 or 2 (grayed, which only a profile can bring). The calculation counts a
// box only at 1, except the voodoo buff's speed, which counts at anything but 0.
#include <gtest/gtest.h>

#include "engine/report/calculation.h"
#include "engine_fixtures.h"
#include "form/sheet_fields.h"
#include "golden_cases.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::GoldenCatalogue;
using testing::PlainSheet;
using testing::RenderForGolden;
using testing::UseSlot;

// Sentries firing five known skills, the companions and two rocket runes, with a weapon of the
// speed that "궁술" rewards and gems at ranks where they count.
CharacterSheet BusySheet() {
    CharacterSheet sheet = PlainSheet();
    sheet.chkCrossbow = 1;
    sheet.cboWeaponSpeed = 1;
    sheet.weaponSpeedValue = 1.4;
    sheet.txtCriticalChance = 30;
    sheet.txtCriticalDamage = 100;
    sheet.txtGemPoison = 30;
    sheet.txtMorePain = 10;
    sheet.txtGemLocked = 10;
    sheet.txtGemSummon = 10;
    sheet.txtGemJ = 10;
    UseSlot(sheet, 0, 5, 0);
    UseSlot(sheet, 1, 14, 1);
    UseSlot(sheet, 2, 18, 4);
    UseSlot(sheet, 3, 21, 5);
    UseSlot(sheet, 4, 22, 5);
    UseSlot(sheet, 5, 8, 1);
    return sheet;
}

CalculationReport Report(const CharacterSheet& sheet, Edition edition = Edition::Full) {
    return Calculate(sheet, GoldenCatalogue(), edition);
}

TEST(CheckBoxStates, AGrayedBoxCountsAsUnchecked) {
    for (const SheetField& box : SheetFields()) {
        // A grayed voodoo box lends its speed: its own test below.
        if (box.kind != SheetFieldKind::CheckBox || std::string_view(box.control) == "chkVoodoo") {
            continue;
        }
        SCOPED_TRACE(box.control);
        std::u16string report[3];
        for (int value = 0; value < 3; ++value) {
            CharacterSheet sheet = BusySheet();
            box.whole(sheet) = value;
            report[value] = RenderForGolden(Report(sheet));
        }
        EXPECT_NE(report[1], report[0]) << "the box must matter for this character";
        EXPECT_EQ(report[2], report[0]);
    }
}

TEST(CheckBoxStates, AGrayedRenovationKeepsFourSentries) {
    const char* const expected[] = {"4쇠뇌, 사이클:", "5쇠뇌, 사이클:", "4쇠뇌, 사이클:"};
    for (int value = 0; value < 3; ++value) {
        CharacterSheet sheet = BusySheet();
        sheet.chkPassiveRenovate = value;
        EXPECT_TRUE(testing::Contains(*Report(sheet).totals, Utf16OfUtf8(expected[value])))
            << "chkPassiveRenovate = " << value;
    }
}

TEST(CheckBoxStates, AGrayedVoodooLendsItsSpeedButNotItsDamage) {
    for (const Edition edition : {Edition::Full, Edition::Lite}) {
        CalculationReport report[3];
        for (int value = 0; value < 3; ++value) {
            CharacterSheet sheet = BusySheet();
            sheet.chkVoodoo = value;
            report[value] = Report(sheet, edition);
        }
        // The speed: the same breakpoints and bracket as checked.
        EXPECT_EQ(report[2].resultBoxes[6].text, report[1].resultBoxes[6].text);
        EXPECT_NE(report[2].resultBoxes[6].text, report[0].resultBoxes[6].text);
        EXPECT_EQ(testing::Lines(*report[2].totals)[0], testing::Lines(*report[1].totals)[0]);
        // The damage of "광란의 춤사위" only when checked: the hits are those of an unchecked box.
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(report[2].resultBoxes[k].text, report[0].resultBoxes[k].text) << k;
            EXPECT_NE(report[1].resultBoxes[k].text, report[0].resultBoxes[k].text) << k;
        }
    }
}

}  // namespace
}  // namespace brakefell
