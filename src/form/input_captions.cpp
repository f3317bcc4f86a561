#include "form/input_captions.h"

#include "editions/window_layout.h"
#include "engine/character_sheet.h"
#include "form/control_table.h"
#include "form/controls.h"
#include "text/strings.h"

namespace brakefell {
namespace {

struct OwnCaption {
    std::u16string_view control;
    const char* caption;
};

constexpr OwnCaption kOwnCaptions[] = {
    {u"txtWeaponDamageMin", "기본 데미지 최소"},
    {u"txtWeaponDamageMax", "기본 데미지 최대"},
    {u"txtGemStrong", "강한자의 파멸 단계"},
    {u"txtMorePain", "증통제 단계"},
    {u"txtGemLocked", "갇힌자의 파멸 단계"},
    {u"txtGemSummon", "강제자 단계"},
    {u"txtGemPoison", "잘 듣는 독 단계"},
    {u"txtGemJ", "제이의 복수 단계"},
    {u"cboOurGemPoison", "잘 듣는 독(타 플레이어) 개수"},
};

}  // namespace

std::u16string OwnInputCaption(std::u16string_view control) {
    for (const OwnCaption& own : kOwnCaptions) {
        if (own.control == control) {
            return Utf16OfUtf8(own.caption);
        }
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (control == IndexedName("cboUsingSkill", slot)) {
            return u"사용 스킬 " + IntegerText(slot + 1);
        }
        if (control == IndexedName("cboUsingSkillRune", slot)) {
            return u"사용 스킬 " + IntegerText(slot + 1) + u" 룬";
        }
    }
    return {};
}

std::u16string InputCaption(std::u16string_view control) {
    if (std::u16string own = OwnInputCaption(control); !own.empty()) {
        return own;
    }
    for (const LayoutItem& item : LayoutOf(Edition::Full).items) {
        if (item.names != nullptr && EqualsAscii(control, item.names)) {
            return Utf16OfUtf8(item.text);
        }
    }
    for (const ControlSpec& entry : ControlTable()) {
        if (EqualsAscii(control, entry.name)) {
            return Utf16OfUtf8(entry.caption);
        }
    }
    return {};
}

}  // namespace brakefell
