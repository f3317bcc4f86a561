// The six used-skill slots: filling at start-up, the default skills and runes, the rune list
// that follows its skill and the element label that follows its rune.
#include "form/skill_slots.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "form/form_state.h"
#include "test_catalogue.h"
#include "text/strings.h"

namespace brakefell {
namespace {

using testing::MakeCatalogue;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 175, 0};
constexpr Rgb kTeal{0, 175, 175};
constexpr Rgb kGrey{100, 100, 100};

struct SlotExpectation {
    int slot;
    int skill;
    int rune;
    const char* element;  // rune r of the test catalogue has element r + 1
    Rgb color;
};

class DefaultSlots : public ::testing::TestWithParam<SlotExpectation> {};

TEST_P(DefaultSlots, ShowTheirSkillRuneAndElementAfterFilling) {
    const SlotExpectation& e = GetParam();
    const SkillCatalogue catalogue = MakeCatalogue();
    FormState form(catalogue);
    FillSkillSlots(form);

    const ControlState& skills = form.at(SkillListName(e.slot));
    ASSERT_EQ(skills.items.size(), 24);
    EXPECT_EQ(skills.items[0], u"스킬 0");
    EXPECT_EQ(skills.items[23], u"스킬 23");
    EXPECT_EQ(skills.value, e.skill);

    const ControlState& runes = form.at(RuneListName(e.slot));
    ASSERT_EQ(runes.items.size(), 6);
    EXPECT_EQ(runes.items[0], u"룬 " + IntegerText(e.skill) + u"-0");
    EXPECT_EQ(runes.items[5], u"룬 " + IntegerText(e.skill) + u"-5");
    EXPECT_EQ(runes.value, e.rune);

    const ControlState& label = form.at(ElementLabelName(e.slot));
    EXPECT_EQ(label.text, Utf16OfUtf8(e.element));
    EXPECT_EQ(label.color, e.color);
}

INSTANTIATE_TEST_SUITE_P(SixSlots, DefaultSlots,
                         ::testing::Values(SlotExpectation{0, 15, 1, "냉기 속성", kBlue},
                                           SlotExpectation{1, 22, 5, "신성 속성", kGrey},
                                           SlotExpectation{2, 10, 3, "독 속성", kGreen},
                                           SlotExpectation{3, 14, 5, "신성 속성", kGrey},
                                           SlotExpectation{4, 18, 4, "번개 속성", kTeal},
                                           SlotExpectation{5, 21, 5, "신성 속성", kGrey}));

class SlotTest : public ::testing::Test {
  protected:
    SkillCatalogue catalogue = MakeCatalogue();
    FormState form{catalogue};

    void SetUp() override { FillSkillSlots(form); }
};

TEST_F(SlotTest, EveryElementCodeGivesItsCaptionAndColour) {
    const struct {
        int rune;  // element rune + 1
        const char* caption;
        Rgb color;
    } elements[] = {
        {0, "화염 속성", kRed}, {1, "냉기 속성", kBlue}, {2, "물리 속성", {0, 0, 0}},
        {3, "독 속성", kGreen}, {4, "번개 속성", kTeal}, {5, "신성 속성", kGrey},
    };
    for (const auto& element : elements) {
        form.setListIndex(u"cboUsingSkillRune(2)", element.rune);
        EXPECT_EQ(form.at(u"lblSkillElement(2)").text, Utf16OfUtf8(element.caption));
        EXPECT_EQ(form.at(u"lblSkillElement(2)").color, element.color);
    }
}

TEST_F(SlotTest, ChoosingASkillRefillsTheRunesAndResetsToTheFirst) {
    form.setListIndex(u"cboUsingSkillRune(1)", 4);
    form.setListIndex(u"cboUsingSkill(1)", 3);
    const ControlState& runes = form.at(u"cboUsingSkillRune(1)");
    EXPECT_EQ(runes.items, std::vector<std::u16string>(
                               {u"룬 3-0", u"룬 3-1", u"룬 3-2", u"룬 3-3", u"룬 3-4", u"룬 3-5"}));
    EXPECT_EQ(runes.value, 0);
    EXPECT_EQ(form.at(u"lblSkillElement(1)").text, u"화염 속성");

    // Choosing the same skill again runs the reaction again.
    form.setListIndex(u"cboUsingSkillRune(1)", 2);
    form.setListIndex(u"cboUsingSkill(1)", 3);
    EXPECT_EQ(form.at(u"cboUsingSkillRune(1)").value, 0);
    EXPECT_EQ(form.at(u"cboUsingSkillRune(1)").items.size(), 6);
}

TEST_F(SlotTest, OtherSlotsAreNotTouched) {
    form.setListIndex(u"cboUsingSkill(0)", 2);
    EXPECT_EQ(form.at(u"cboUsingSkill(1)").value, 22);
    EXPECT_EQ(form.at(u"cboUsingSkillRune(1)").value, 5);
    EXPECT_EQ(form.at(u"cboUsingSkillRune(1)").items[0], u"룬 22-0");
    EXPECT_EQ(form.at(u"lblSkillElement(1)").text, u"신성 속성");
}

TEST_F(SlotTest, ElementCodesOutsideOneToSixLeaveTheLabelAsItWas) {
    catalogue[3].runes[2].elementCode = 0;
    catalogue[3].runes[3].elementCode = 7;
    catalogue[3].runes[4].elementCode = -1;
    form.setListIndex(u"cboUsingSkill(4)", 3);  // rune 0: fire
    for (int rune : {2, 3, 4}) {
        form.setListIndex(u"cboUsingSkillRune(4)", rune);
        EXPECT_EQ(form.at(u"lblSkillElement(4)").text, u"화염 속성") << rune;
        EXPECT_EQ(form.at(u"lblSkillElement(4)").color, kRed) << rune;
    }
    // A skill whose first rune has no element keeps the previous skill's label too.
    catalogue[7].runes[0].elementCode = 0;
    form.setListIndex(u"cboUsingSkill(4)", 7);
    EXPECT_EQ(form.at(u"lblSkillElement(4)").text, u"화염 속성");
}

TEST(SkillSlots, AShortCatalogueStillGivesTwentyFourEntries) {
    const SkillCatalogue catalogue = MakeCatalogue(10);
    FormState form(catalogue);
    FillSkillSlots(form);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ControlState& skills = form.at(SkillListName(slot));
        ASSERT_EQ(skills.items.size(), 24);
        EXPECT_EQ(skills.items[9], u"스킬 9");
        EXPECT_EQ(skills.items[10], u"");
        EXPECT_EQ(skills.items[23], u"");
    }
    // Slot 0's default skill 15 is one of the empty entries: six empty rune names, no element.
    EXPECT_EQ(form.at(u"cboUsingSkill(0)").value, 15);
    EXPECT_EQ(form.at(u"cboUsingSkillRune(0)").items,
              std::vector<std::u16string>({u"", u"", u"", u"", u"", u""}));
    EXPECT_EQ(form.at(u"cboUsingSkillRune(0)").value, 1);
    // Before the defaults, slot 0 chose skill 0, whose rune 0 is fire; nothing replaced it.
    EXPECT_EQ(form.at(u"lblSkillElement(0)").text, u"화염 속성");
}

TEST_F(SlotTest, NoSkillChosenLeavesNoRunesToChoose) {
    form.setListIndex(u"cboUsingSkill(3)", -1);
    EXPECT_TRUE(form.at(u"cboUsingSkillRune(3)").items.empty());
    EXPECT_EQ(form.at(u"cboUsingSkillRune(3)").value, -1);
}

TEST(SkillSlots, SlotsAreKnownByTheirListNamesOnly) {
    EXPECT_EQ(SlotOfSkillList(u"cboUsingSkill(0)"), 0);
    EXPECT_EQ(SlotOfSkillList(u"cboUsingSkill(5)"), 5);
    EXPECT_EQ(SlotOfRuneList(u"cboUsingSkillRune(3)"), 3);
    EXPECT_EQ(SlotOfSkillList(u"cboUsingSkillRune(3)"), std::nullopt);
    EXPECT_EQ(SlotOfRuneList(u"cboUsingSkill(3)"), std::nullopt);
    EXPECT_EQ(SlotOfSkillList(u"cboUsingSkill(6)"), std::nullopt);
    EXPECT_EQ(SlotOfSkillList(u"cboUsingSkill(12)"), std::nullopt);
    EXPECT_EQ(SlotOfSkillList(u"cboUsingSkill(-1)"), std::nullopt);
    EXPECT_EQ(SlotOfSkillList(u"cboGemJMeter"), std::nullopt);
}

}  // namespace
}  // namespace brakefell
