// The form's controls as state: lookup, the guards against misuse, the option pairs, the
// show/hide interlocks and the reading of one calculation's inputs.
#include "form/form_state.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include <stdexcept>

#include "form/control_table.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "test_catalogue.h"
#include "text/strings.h"

namespace brakefell {
namespace {

using testing::MakeCatalogue;

class FormStateTest : public ::testing::Test {
  protected:
    SkillCatalogue catalogue = MakeCatalogue();
    FormState form{catalogue};

    void startUp() {
        FillStartUpLists(form);
        FillSkillSlots(form);
    }
};

// A copy is the inputs alone: the window never hears of changes to it, and when a copy is taken
// back whole the window hears of exactly the controls that changed.
TEST_F(FormStateTest, ACopyIsTheInputsWithoutTheListener) {
    startUp();
    std::vector<std::u16string> told;
    form.setChangeListener([&](const ControlState& control) { told.push_back(control.name); });
    FormState copy = form;
    copy.setText(u"txtMainStat", u"9000");
    copy.setCheck(u"chkMark", 1 - form.at(u"chkMark").value);
    EXPECT_TRUE(told.empty());
    EXPECT_NE(form.at(u"txtMainStat").text, u"9000");

    form.adopt(std::move(copy));
    EXPECT_EQ(told, (std::vector<std::u16string>{u"txtMainStat", u"chkMark"}));
    EXPECT_EQ(form.at(u"txtMainStat").text, u"9000");
}

TEST_F(FormStateTest, FindsEveryControlOfTheTableByItsExactName) {
    ASSERT_EQ(form.controls().size(), ControlTable().size());
    for (const ControlSpec& entry : ControlTable()) {
        const ControlState* control = form.find(Utf16OfUtf8(entry.name));
        ASSERT_NE(control, nullptr) << entry.name;
        EXPECT_EQ(control->name, Utf16OfUtf8(entry.name));
    }
    EXPECT_EQ(form.find(u"txtSkill(9)"), nullptr);
    EXPECT_EQ(form.find(u"txtmainstat"), nullptr);
    EXPECT_EQ(form.find(u""), nullptr);
    EXPECT_THROW(form.at(u"txtNothing"), std::out_of_range);
}

TEST_F(FormStateTest, MisuseByCodeIsRefusedWithoutChangingAnything) {
    EXPECT_THROW(form.setText(u"chkPassiveAim", u"1"), std::invalid_argument);
    EXPECT_THROW(form.setCheck(u"txtMainStat", 1), std::invalid_argument);
    EXPECT_THROW(form.setCheck(u"chkPassiveAim", 3), std::invalid_argument);
    EXPECT_THROW(form.setCheck(u"chkPassiveAim", -1), std::invalid_argument);
    EXPECT_THROW(form.setListIndex(u"cboWeaponSpeed", 3), std::out_of_range);
    EXPECT_THROW(form.setListIndex(u"cboWeaponSpeed", -2), std::out_of_range);
    EXPECT_THROW(form.setListIndex(u"cboUsingSkill(0)", 0), std::out_of_range);  // still empty
    EXPECT_THROW(form.setOption(u"chkVoodoo", true), std::invalid_argument);
    EXPECT_THROW(form.setLabel(u"txtMainStat", u"x", {}), std::invalid_argument);
    EXPECT_THROW(form.setVisible(u"txtNothing", true), std::out_of_range);

    EXPECT_EQ(form.at(u"chkPassiveAim").value, 1);
    EXPECT_EQ(form.at(u"cboWeaponSpeed").value, -1);
    EXPECT_EQ(form.at(u"txtMainStat").text, u"8830");
}

TEST_F(FormStateTest, ListenerHearsOfEveryControlAChangeTouched) {
    startUp();
    std::vector<std::u16string> touched;
    form.setChangeListener([&touched](const ControlState& c) { touched.push_back(c.name); });

    form.setListIndex(u"cboUsingSkill(2)", 7);
    EXPECT_EQ(touched.front(), u"cboUsingSkill(2)");
    const std::set<std::u16string> distinct(touched.begin(), touched.end());
    EXPECT_EQ(distinct, (std::set<std::u16string>{u"cboUsingSkill(2)", u"cboUsingSkillRune(2)",
                                                  u"lblSkillElement(2)"}));

    touched.clear();
    form.setCheck(u"chkVoodoo", 1);
    EXPECT_EQ(touched, std::vector<std::u16string>({u"chkVoodoo", u"fraVoodoo"}));

    touched.clear();
    form.setOption(u"optVoodooETC", true);
    EXPECT_EQ(touched, std::vector<std::u16string>({u"optVoodooETC", u"optVoodooDance"}));

    touched.clear();
    form.setText(u"txtGemJ", u"40");
    EXPECT_EQ(touched, std::vector<std::u16string>({u"txtGemJ"}));
}

struct OptionCase {
    const char* option;
    bool selected;
    const char* first;  // the pair, first option first
    const char* second;
    int firstValue;
    int secondValue;
};

class OptionPairs : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionPairs, SelectingOneOptionClearsItsPartner) {
    const OptionCase& c = GetParam();
    SkillCatalogue catalogue{};
    FormState form(catalogue);
    form.setOption(Utf16OfLatin1(c.option), c.selected);
    EXPECT_EQ(form.at(Utf16OfLatin1(c.first)).value, c.firstValue);
    EXPECT_EQ(form.at(Utf16OfLatin1(c.second)).value, c.secondValue);
}

INSTANTIATE_TEST_SUITE_P(
    BothPairs, OptionPairs,
    ::testing::Values(
        OptionCase{"optGemPoison(1)", true, "optGemPoison(0)", "optGemPoison(1)", 0, 1},
        OptionCase{"optGemPoison(0)", false, "optGemPoison(0)", "optGemPoison(1)", 0, 1},
        OptionCase{"optGemPoison(1)", false, "optGemPoison(0)", "optGemPoison(1)", 1, 0},
        OptionCase{"optGemPoison(0)", true, "optGemPoison(0)", "optGemPoison(1)", 1, 0},
        OptionCase{"optVoodooETC", true, "optVoodooDance", "optVoodooETC", 0, 1},
        OptionCase{"optVoodooDance", false, "optVoodooDance", "optVoodooETC", 0, 1},
        OptionCase{"optVoodooETC", false, "optVoodooDance", "optVoodooETC", 1, 0}));

struct InterlockCase {
    const char* checkBox;
    int value;
    const char* refinement;
    bool visible;
};

class Interlocks : public ::testing::TestWithParam<InterlockCase> {};

TEST_P(Interlocks, ShowTheRefinementOnlyWhileChecked) {
    const InterlockCase& c = GetParam();
    SkillCatalogue catalogue{};
    FormState form(catalogue);
    form.setCheck(Utf16OfLatin1(c.checkBox), 1);  // shown first, so hiding is seen too
    form.setCheck(Utf16OfLatin1(c.checkBox), c.value);
    EXPECT_EQ(form.at(Utf16OfLatin1(c.refinement)).visible, c.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Interlocks,
    ::testing::Values(InterlockCase{"chkOurGemPoison", 1, "cboOurGemPoison", true},
                      InterlockCase{"chkOurGemPoison", 0, "cboOurGemPoison", false},
                      InterlockCase{"chkOurGemPoison", 2, "cboOurGemPoison", false},
                      InterlockCase{"chkVoodoo", 1, "fraVoodoo", true},
                      InterlockCase{"chkVoodoo", 0, "fraVoodoo", false},
                      InterlockCase{"chkVoodoo", 2, "fraVoodoo", false}));

TEST_F(FormStateTest, HidingKeepsEveryValueAndTheOptionsTheirOwnFlags) {
    startUp();
    form.setCheck(u"chkOurGemPoison", 1);
    form.setListIndex(u"cboOurGemPoison", 2);
    form.setCheck(u"chkOurGemPoison", 0);
    EXPECT_FALSE(form.at(u"cboOurGemPoison").visible);
    EXPECT_EQ(form.at(u"cboOurGemPoison").value, 2);

    form.setCheck(u"chkVoodoo", 1);
    form.setOption(u"optVoodooETC", true);
    form.setCheck(u"chkVoodoo", 0);
    form.setCheck(u"chkVoodoo", 1);
    EXPECT_TRUE(form.at(u"fraVoodoo").visible);
    EXPECT_EQ(form.at(u"optVoodooETC").value, 1);
    EXPECT_EQ(form.at(u"optVoodooDance").value, 0);
    EXPECT_TRUE(form.at(u"optVoodooDance").visible);
    EXPECT_TRUE(form.at(u"optVoodooETC").visible);
}

TEST_F(FormStateTest, TheGemPoisonBoxShowsNothing) {
    form.setCheck(u"chkGemPoison", 1);
    EXPECT_FALSE(form.at(u"optGemPoison(0)").visible);
    EXPECT_FALSE(form.at(u"optGemPoison(1)").visible);
    EXPECT_FALSE(form.at(u"cboOurGemPoison").visible);
    EXPECT_FALSE(form.at(u"fraVoodoo").visible);
}

TEST_F(FormStateTest, AFreshWindowAfterStartUpReadsAsTheDefaultSheet) {
    startUp();
    EXPECT_TRUE(form.characterSheet() == CharacterSheet{});
}

TEST_F(FormStateTest, EachInputIsReadIntoItsOwnField) {
    startUp();
    // A distinct number in every box, so that a box read into the wrong field shows.
    const struct {
        const char* box;
        const char* text;
    } boxes[] = {
        {"txtWeaponExtraSpeed", "1"}, {"txtWeaponDamageMin", "2"}, {"txtWeaponDamageMax", "3"},
        {"txtEnchant(1)", "11"},      {"txtEnchant(2)", "12"},     {"txtEnchant(3)", "13"},
        {"txtEnchant(4)", "14"},      {"txtEnchant(5)", "15"},     {"txtEnchant(6)", "16"},
        {"txtMainStat", "21"},        {"txtCriticalDamage", "22"}, {"txtTesker", "23"},
        {"txtAttackSpeed", "24"},     {"txtCriticalChance", "25"}, {"txtEnchantElite", "26"},
        {"txtDecreaseTime", "27"},    {"txtSkill(0)", "100"},      {"txtSkill(8)", "108"},
        {"txtSkill(14)", "114"},      {"txtSkill(16)", "116"},     {"txtSkill(23)", "123"},
        {"txtGemStrong", "31"},       {"txtMorePain", "32"},       {"txtGemLocked", "33"},
        {"txtGemSummon", "34"},       {"txtGemPoison", "35"},      {"txtGemJ", "36"},
    };
    for (const auto& box : boxes) {
        form.setText(Utf16OfLatin1(box.box), Utf16OfLatin1(box.text));
    }
    form.setListIndex(u"cboWeaponSpeed", 2);
    form.setListIndex(u"cboGemJMeter", 4);
    form.setListIndex(u"cboOurGemPoison", 1);
    form.setCheck(u"chkPassiveAim", 0);
    form.setCheck(u"chkPassiveArrow", 1);
    form.setCheck(u"chkPassiveRenovate", 2);
    form.setCheck(u"chkGemJ", 1);
    form.setCheck(u"chkCrossbow", 0);
    form.setCheck(u"chkCompanion", 1);
    form.setCheck(u"chkGrenadier", 1);
    form.setOption(u"optGemPoison(1)", true);
    form.setOption(u"optVoodooETC", true);
    form.setListIndex(u"cboUsingSkill(4)", 9);
    form.setListIndex(u"cboUsingSkillRune(4)", 2);

    const CharacterSheet sheet = form.characterSheet();
    EXPECT_EQ(sheet.cboWeaponSpeed, 2);
    EXPECT_EQ(sheet.weaponSpeedValue, 1.6);
    EXPECT_EQ(sheet.txtWeaponExtraSpeed, 1);
    EXPECT_EQ(sheet.txtWeaponDamageMin, 2);
    EXPECT_EQ(sheet.txtWeaponDamageMax, 3);
    EXPECT_EQ(sheet.txtEnchant, (std::array<double, 7>{0, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(sheet.txtMainStat, 21);
    EXPECT_EQ(sheet.txtCriticalDamage, 22);
    EXPECT_EQ(sheet.txtTesker, 23);
    EXPECT_EQ(sheet.txtAttackSpeed, 24);
    EXPECT_EQ(sheet.txtCriticalChance, 25);
    EXPECT_EQ(sheet.txtEnchantElite, 26);
    EXPECT_EQ(sheet.txtDecreaseTime, 27);
    EXPECT_EQ(sheet.txtSkill[0], 100);
    EXPECT_EQ(sheet.txtSkill[8], 108);
    EXPECT_EQ(sheet.txtSkill[9], 0);  // no box
    EXPECT_EQ(sheet.txtSkill[14], 114);
    EXPECT_EQ(sheet.txtSkill[15], 0);  // no box
    EXPECT_EQ(sheet.txtSkill[16], 116);
    EXPECT_EQ(sheet.txtSkill[18], 29);  // untouched
    EXPECT_EQ(sheet.txtSkill[23], 123);
    EXPECT_EQ(sheet.txtGemStrong, 31);
    EXPECT_EQ(sheet.txtMorePain, 32);
    EXPECT_EQ(sheet.txtGemLocked, 33);
    EXPECT_EQ(sheet.txtGemSummon, 34);
    EXPECT_EQ(sheet.txtGemPoison, 35);
    EXPECT_EQ(sheet.txtGemJ, 36);
    EXPECT_EQ(sheet.cboGemJMeter, 4);
    EXPECT_EQ(sheet.cboOurGemPoison, 1);
    EXPECT_EQ(sheet.chkPassiveAim, 0);
    EXPECT_EQ(sheet.chkPassiveArrow, 1);
    EXPECT_EQ(sheet.chkPassiveRenovate, 2);
    EXPECT_EQ(sheet.chkPassiveWeak, 1);
    EXPECT_EQ(sheet.chkGemJ, 1);
    EXPECT_EQ(sheet.chkCrossbow, 0);
    EXPECT_EQ(sheet.chkCompanion, 1);
    EXPECT_EQ(sheet.chkMark, 0);
    EXPECT_FALSE(sheet.optGemPoisonBuffOnly);
    EXPECT_FALSE(sheet.optVoodooDance);
    EXPECT_EQ(sheet.cboUsingSkill, (std::array<int, 6>{15, 22, 10, 14, 9, 21}));
    EXPECT_EQ(sheet.cboUsingSkillRune, (std::array<int, 6>{1, 5, 3, 5, 2, 5}));
}

TEST_F(FormStateTest, TypedTextsAreReadAsTheirLeadingNumber) {
    const struct {
        const char* text;
        double number;
    } cases[] = {
        {"12abc", 12}, {"abc", 0}, {"", 0}, {"36.5", 36.5}, {" 1 2 ", 12}, {"1,000", 1}, {"-3", -3},
    };
    for (const auto& c : cases) {
        form.setText(u"txtMainStat", Utf16OfLatin1(c.text));
        EXPECT_EQ(form.characterSheet().txtMainStat, c.number) << c.text;
    }
}

TEST_F(FormStateTest, NoWeaponSpeedSelectedReadsAsZero) {
    EXPECT_EQ(form.characterSheet().weaponSpeedValue, 0);
    EXPECT_EQ(form.characterSheet().cboWeaponSpeed, -1);
    form.setListIndex(u"cboWeaponSpeed", 1);
    EXPECT_EQ(form.characterSheet().weaponSpeedValue, 1.4);
}

}  // namespace
}  // namespace brakefell
