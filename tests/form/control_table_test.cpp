// The controls a freshly loaded window has, before start-up fills its lists.
#include "form/control_table.h"
#include "form/option_pairs.h"
#include "text/strings.h"

#include <gtest/gtest.h>

#include <set>
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

// A fresh window: no list has a selection before start-up fills it, and of each pair of options
// exactly one is selected.
TEST(ControlTable, EveryControlStartsAsAFreshWindowHasIt) {
    for (const ControlSpec& entry : ControlTable()) {
        switch (entry.kind) {
            case ControlKind::DropDown:
                EXPECT_EQ(entry.initialValue, -1) << entry.name;
                break;
            case ControlKind::CheckBox:
                EXPECT_TRUE(entry.initialValue == 0 || entry.initialValue == 1) << entry.name;
                break;
            case ControlKind::OptionButton: {
                const ControlSpec* partner = FindSpec(
                    Utf8OfUtf16(std::u16string(PartnerOption(Utf16OfUtf8(entry.name)))).c_str());
                ASSERT_NE(partner, nullptr) << entry.name;
                EXPECT_EQ(entry.initialValue + partner->initialValue, 1) << entry.name;
                break;
            }
            default:
                EXPECT_EQ(entry.initialValue, 0) << entry.name;
        }
        EXPECT_EQ(*entry.initialText != 0, entry.kind == ControlKind::TextBox) << entry.name;
    }
}

// The faces serve commands and report boxes by role: each command has exactly one button, every
// button gives a command, every report box holds a part of the report.
TEST(ControlTable, CommandsAndReportPartsHaveTheirRoles) {
    using R = ControlRole;
    std::multiset<R> roles;
    for (const ControlSpec& entry : ControlTable()) {
        const bool served =
            entry.kind == ControlKind::CommandButton || entry.kind == ControlKind::ResultBox;
        EXPECT_EQ(entry.role != R::None, served) << entry.name;
        // A report box shows no caption, but a screen reader needs a name for it.
        EXPECT_EQ(entry.kind == ControlKind::ResultBox,
                  served && *entry.caption != '\0' && entry.kind != ControlKind::CommandButton)
            << entry.name;
        roles.insert(entry.role);
    }
    for (const R once : {R::Calculate, R::Open, R::Save, R::Analysis, R::Totals, R::Trace}) {
        EXPECT_EQ(roles.count(once), 1u) << static_cast<int>(once);
    }
    EXPECT_EQ(roles.count(R::ReportBox), 9u);  // the six slots, the breakpoints, the two gems
}

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
