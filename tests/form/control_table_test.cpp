// The controls a freshly loaded window has, before start-up fills its lists.
#include "form/control_table.h"
#include "text/strings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include <string>

namespace brakefell {
namespace {

const ControlSpec* FindSpec(const char* name) {
    for (const ControlSpec& entry : ControlTable()) {
        if (std::string(entry.name) == name) {
            return &entry;
        }
    }
    return nullptr;
}

struct Expected {
    const char* name;
    ControlKind kind;
    const char* caption;
    const char* initialText;
    int initialValue;
    bool visible;
};

void PrintTo(const Expected& expected, std::ostream* out) {
    *out << expected.name;
}

class InitialControl : public ::testing::TestWithParam<Expected> {};

TEST_P(InitialControl, HasItsKindCaptionValueAndVisibility) {
    const Expected& expected = GetParam();
    const ControlSpec* entry = FindSpec(expected.name);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->kind, expected.kind);
    EXPECT_STREQ(entry->caption, expected.caption);
    EXPECT_STREQ(entry->initialText, expected.initialText);
    EXPECT_EQ(entry->initialValue, expected.initialValue);
    EXPECT_EQ(entry->initiallyVisible, expected.visible);
}

using K = ControlKind;

// Text boxes' initial texts are checked through the default profile and the default sheet.
INSTANTIATE_TEST_SUITE_P(
    CheckBoxesAndOptions, InitialControl,
    ::testing::Values(Expected{"chkPassiveAim", K::CheckBox, "침착한 조준", "", 1, true},
                      Expected{"chkPassiveArrow", K::CheckBox, "궁술", "", 0, true},
                      Expected{"chkPassiveRenovate", K::CheckBox, "맞춤 개조", "", 0, true},
                      Expected{"chkPassiveWeak", K::CheckBox, "약자 도태", "", 1, true},
                      Expected{"chkPassiveTrajectory", K::CheckBox, "탄도학", "", 1, true},
                      Expected{"chkGrenadier", K::CheckBox, "척탄병", "", 0, false},
                      Expected{"chkGemStrong", K::CheckBox, "강한자의 파멸", "", 0, true},
                      Expected{"chkMorePain", K::CheckBox, "증통제", "", 0, true},
                      Expected{"chkGemLocked", K::CheckBox, "갇힌자의 파멸", "", 1, true},
                      Expected{"chkGemSummon", K::CheckBox, "강제자", "", 1, true},
                      Expected{"chkGemPoison", K::CheckBox, "잘 듣는 독", "", 0, true},
                      Expected{"optGemPoison(0)", K::OptionButton, "버프만", "", 1, false},
                      Expected{"optGemPoison(1)", K::OptionButton, "착용", "", 0, false},
                      Expected{"chkGemJ", K::CheckBox, "제이의 복수", "", 0, true},
                      Expected{"chkCrossbow", K::CheckBox, "쇠뇌 발사체", "", 1, true},
                      Expected{"chkMark", K::CheckBox, "죽음의 표식", "", 0, true},
                      Expected{"chkCompanion", K::CheckBox, "동료-늑대", "", 0, true},
                      Expected{"chkVoodoo", K::CheckBox, "대재앙의 부두술", "", 0, true},
                      Expected{"optVoodooDance", K::OptionButton, "광란의 춤사위", "", 1, true},
                      Expected{"optVoodooETC", K::OptionButton, "기타", "", 0, true},
                      Expected{"chkOurGemPoison", K::CheckBox, "잘 듣는 독(타 플레이어)", "", 0,
                               true}));

INSTANTIATE_TEST_SUITE_P(
    ListsFramesAndReport, InitialControl,
    ::testing::Values(Expected{"cboWeaponSpeed", K::DropDown, "", "", -1, true},
                      Expected{"cboGemJMeter", K::DropDown, "", "", -1, true},
                      Expected{"cboOurGemPoison", K::DropDown, "", "", -1, false},
                      Expected{"cboUsingSkill(0)", K::DropDown, "", "", -1, true},
                      Expected{"cboUsingSkillRune(5)", K::DropDown, "", "", -1, true},
                      Expected{"lblSkillElement(3)", K::Label, "", "", 0, true},
                      Expected{"Frame1", K::Frame, "능력치", "", 0, true},
                      Expected{"fraVoodoo", K::Frame, "", "", 0, false},
                      Expected{"fraMoreDamage", K::Frame, "추가데미지", "", 0, false},
                      Expected{"txtResult(0)", K::ResultBox, "", "", 0, false},
                      Expected{"txtResult(6)", K::ResultBox, "", "", 0, false},
                      Expected{"txtResult(8)", K::ResultBox, "", "", 0, false},
                      Expected{"txtBowCycleResult", K::ResultBox, "", "", 0, true},
                      Expected{"Text1", K::ResultBox, "", "", 0, false},
                      Expected{"cmdOpen", K::CommandButton, "열기", "", 0, true},
                      Expected{"cmdSaveStat", K::CommandButton, "저장", "", 0, true},
                      Expected{"cmdCalculation", K::CommandButton, "계산", "", 0, true}));

TEST(ControlTable, NamesAreUnique) {
    std::set<std::u16string> names;
    for (const ControlSpec& entry : ControlTable()) {
        EXPECT_TRUE(names.insert(Utf16OfUtf8(entry.name)).second) << entry.name;
    }
}

TEST(ControlTable, WeaponSpeedHasItsThreeEntriesAndNoOtherListHasAny) {
    for (const ControlSpec& entry : ControlTable()) {
        if (std::string(entry.name) == "cboWeaponSpeed") {
            ASSERT_EQ(entry.initialItems.size(), 3u);
            EXPECT_STREQ(entry.initialItems[0], "1.1");
            EXPECT_STREQ(entry.initialItems[1], "1.4");
            EXPECT_STREQ(entry.initialItems[2], "1.6");
        } else {
            EXPECT_TRUE(entry.initialItems.empty()) << entry.name;
        }
    }
}

TEST(ControlTable, TooltipsAreThoseThePlayerSees) {
    struct Tip {
        const char* name;
        const char* tooltip;
    };
    const Tip tips[] = {
        {"chkPassiveRenovate", "쇠뇌를 총 5개로 계산"},
        {"chkGrenadier", "쇠뇌를 총 5개로 계산"},
        {"chkGemStrong", "강한자 버프를 받고 있다고 가정할 때 체크(정피증은 따로 입력)"},
        {"chkMorePain", "증통제는 끊임없이 도트데미지를 주는 것으로 계산됨"},
        {"cboGemJMeter", "유지하고자 하는 거리"},
        {"chkMark", "대상이 죽음의 표식을 받았다고 가정할 경우"},
        {"chkCompanion", "동물-늑대 버프를 받고 있다고 가정할 경우"},
        {"chkVoodoo", "대재앙의 부두술-광란의춤사위 버프를 받고 있을 때 공격력과 공속 증가 적용"},
        {"chkPassiveAim", ""},
        {"txtMainStat", ""},
    };
    for (const Tip& tip : tips) {
        const ControlSpec* entry = FindSpec(tip.name);
        ASSERT_NE(entry, nullptr) << tip.name;
        EXPECT_STREQ(entry->tooltip, tip.tooltip) << tip.name;
    }
    // The sentry projectiles' box explains itself in a Korean sentence about the sentries.
    const std::u16string crossbowTip = Utf16OfUtf8(FindSpec("chkCrossbow")->tooltip);
    EXPECT_TRUE(crossbowTip.find(u"쇠뇌") != std::u16string::npos)
        << FindSpec("chkCrossbow")->tooltip;
}

TEST(ControlTable, IndexesWithoutABoxDoNotExist) {
    for (const char* absent : {"txtSkill(9)", "txtSkill(13)", "txtSkill(15)", "txtSkill(17)",
                               "txtEnchant(0)", "txtEnchant(7)", "cboUsingSkill(6)"}) {
        EXPECT_EQ(FindSpec(absent), nullptr) << absent;
    }
}

}  // namespace
}  // namespace brakefell
