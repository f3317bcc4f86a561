#include "form/input_captions.h"

#include "editions/window_layout.h"
#include "engine/character_sheet.h"
#include "form/control_table.h"
#include "form/controls.h"

namespace brakefell {
namespace {

struct OwnCaption {
    QStringView control;
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

QString OwnInputCaption(QStringView control) {
    for (const OwnCaption& own : kOwnCaptions) {
        if (own.control == control) {
            return QString::fromUtf8(own.caption);
        }
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (control == IndexedName("cboUsingSkill", slot)) {
            return QStringLiteral("사용 스킬 %1").arg(slot + 1);
        }
        if (control == IndexedName("cboUsingSkillRune", slot)) {
            return QStringLiteral("사용 스킬 %1 룬").arg(slot + 1);
        }
    }
    return {};
}

QString InputCaption(QStringView control) {
    if (QString own = OwnInputCaption(control); !own.isEmpty()) {
        return own;
    }
    for (const LayoutItem& item : LayoutOf(Edition::Full).items) {
        if (item.names != nullptr && control == QLatin1StringView(item.names)) {
            return QString::fromUtf8(item.text);
        }
    }
    for (const ControlSpec& entry : ControlTable()) {
        if (control == QLatin1StringView(entry.name)) {
            return QString::fromUtf8(entry.caption);
        }
    }
    return {};
}

}  // namespace brakefell
