#include "form/form_state.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "form/control_table.h"
#include "form/interlocks.h"
#include "form/option_pairs.h"
#include "form/skill_slots.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace brakefell {
namespace {

ControlState FromSpec(const ControlSpec& entry) {
    ControlState control;
    control.name = Utf16OfUtf8(entry.name);
    control.kind = entry.kind;
    if (entry.kind == ControlKind::TextBox || entry.kind == ControlKind::ResultBox) {
        control.text = Utf16OfUtf8(entry.initialText);
    } else if (entry.kind == ControlKind::Label) {
        control.text = Utf16OfUtf8(entry.caption);
    }
    control.value = entry.initialValue;
    for (const char* item : entry.initialItems) {
        control.items.push_back(Utf16OfUtf8(item));
    }
    control.visible = entry.initiallyVisible;
    return control;
}

[[noreturn]] void ThrowUnknown(std::u16string_view name) {
    throw std::out_of_range("no control named " + Utf8OfUtf16(name));
}

}  // namespace

FormState::FormState(const SkillCatalogue& catalogue) : catalogue_(catalogue) {
    const auto table = ControlTable();
    controls_.reserve(table.size());
    for (const ControlSpec& entry : table) {
        controls_.push_back(FromSpec(entry));
    }
    byName_.resize(controls_.size());
    for (int i = 0; i < static_cast<int>(byName_.size()); ++i) {
        byName_[i] = i;
    }
    std::sort(byName_.begin(), byName_.end(),
              [this](int a, int b) { return controls_[a].name < controls_[b].name; });
}

int FormState::indexOf(std::u16string_view name) const {
    const auto it = std::lower_bound(byName_.begin(), byName_.end(), name,
                                     [this](int index, std::u16string_view wanted) {
                                         return std::u16string_view(controls_[index].name) < wanted;
                                     });
    if (it == byName_.end() || controls_[*it].name != name) {
        return -1;
    }
    return *it;
}

const ControlState* FormState::find(std::u16string_view name) const {
    const int index = indexOf(name);
    return index < 0 ? nullptr : &controls_[index];
}

const ControlState& FormState::at(std::u16string_view name) const {
    const ControlState* control = find(name);
    if (control == nullptr) {
        ThrowUnknown(name);
    }
    return *control;
}

ControlState& FormState::mutableAt(std::u16string_view name) {
    const int index = indexOf(name);
    if (index < 0) {
        ThrowUnknown(name);
    }
    return controls_[index];
}

ControlState& FormState::mutableAt(std::u16string_view name, ControlKind kind) {
    ControlState& control = mutableAt(name);
    if (control.kind != kind) {
        throw std::invalid_argument(Utf8OfUtf16(control.name) + " is another kind of control");
    }
    return control;
}

void FormState::changed(const ControlState& control) {
    if (listener_) {
        listener_(control);
    }
}

void FormState::setText(std::u16string_view name, std::u16string_view text) {
    ControlState& control = mutableAt(name);
    if (control.kind != ControlKind::TextBox && control.kind != ControlKind::ResultBox) {
        throw std::invalid_argument(Utf8OfUtf16(control.name) + " holds no text");
    }
    control.text = text;
    changed(control);
}

void FormState::setCheck(std::u16string_view name, int value) {
    ControlState& control = mutableAt(name, ControlKind::CheckBox);
    if (value < 0 || value > 2) {
        throw std::invalid_argument("a check box is 0, 1 or 2");
    }
    control.value = value;
    changed(control);
    ApplyInterlock(*this, name);
}

void FormState::setListIndex(std::u16string_view name, int index) {
    ControlState& control = mutableAt(name, ControlKind::DropDown);
    if (index < -1 || index >= std::ssize(control.items)) {
        throw std::out_of_range("list index outside " + Utf8OfUtf16(control.name));
    }
    control.value = index;
    changed(control);
    if (const auto slot = SlotOfSkillList(name)) {
        RefillRuneList(*this, *slot);
    } else if (const auto runeSlot = SlotOfRuneList(name)) {
        ShowRuneElement(*this, *runeSlot);
    }
}

void FormState::setOption(std::u16string_view name, bool selected) {
    ControlState& option = mutableAt(name, ControlKind::OptionButton);
    const std::u16string_view partnerName = PartnerOption(name);
    option.value = selected ? 1 : 0;
    changed(option);
    if (!partnerName.empty()) {
        ControlState& partner = mutableAt(partnerName);
        partner.value = selected ? 0 : 1;
        changed(partner);
    }
}

void FormState::clearList(std::u16string_view name) {
    ControlState& control = mutableAt(name, ControlKind::DropDown);
    control.items.clear();
    control.value = -1;
    changed(control);
}

void FormState::appendItem(std::u16string_view name, std::u16string_view item) {
    ControlState& control = mutableAt(name, ControlKind::DropDown);
    control.items.emplace_back(item);
    changed(control);
}

void FormState::setVisible(std::u16string_view name, bool visible) {
    ControlState& control = mutableAt(name);
    control.visible = visible;
    changed(control);
}

void FormState::setLabel(std::u16string_view name, std::u16string_view caption, Rgb color) {
    ControlState& control = mutableAt(name, ControlKind::Label);
    control.text = caption;
    control.color = color;
    changed(control);
}

CharacterSheet FormState::characterSheet() const {
    const auto number = [this](std::u16string_view name) { return NumberOf(at(name).text); };
    const auto value = [this](std::u16string_view name) { return at(name).value; };

    CharacterSheet sheet;
    const ControlState& weaponSpeed = at(u"cboWeaponSpeed");
    sheet.cboWeaponSpeed = weaponSpeed.value;
    sheet.weaponSpeedValue =
        weaponSpeed.value >= 0 && weaponSpeed.value < std::ssize(weaponSpeed.items)
            ? NumberOf(weaponSpeed.items[weaponSpeed.value])
            : 0;
    sheet.txtWeaponExtraSpeed = number(u"txtWeaponExtraSpeed");
    sheet.txtWeaponDamageMin = number(u"txtWeaponDamageMin");
    sheet.txtWeaponDamageMax = number(u"txtWeaponDamageMax");

    sheet.txtEnchant[0] = 0;
    for (int element = 1; element < static_cast<int>(sheet.txtEnchant.size()); ++element) {
        sheet.txtEnchant[element] = number(IndexedName("txtEnchant", element));
    }

    sheet.txtMainStat = number(u"txtMainStat");
    sheet.txtCriticalDamage = number(u"txtCriticalDamage");
    sheet.txtTesker = number(u"txtTesker");
    sheet.txtAttackSpeed = number(u"txtAttackSpeed");
    sheet.txtCriticalChance = number(u"txtCriticalChance");
    sheet.txtEnchantElite = number(u"txtEnchantElite");
    sheet.txtDecreaseTime = number(u"txtDecreaseTime");

    for (int skill = 0; skill < kSkillCount; ++skill) {
        const ControlState* box = find(IndexedName("txtSkill", skill));
        sheet.txtSkill[skill] = box != nullptr ? NumberOf(box->text) : 0;
    }

    sheet.chkPassiveAim = value(u"chkPassiveAim");
    sheet.chkPassiveArrow = value(u"chkPassiveArrow");
    sheet.chkPassiveRenovate = value(u"chkPassiveRenovate");
    sheet.chkPassiveWeak = value(u"chkPassiveWeak");
    sheet.chkPassiveTrajectory = value(u"chkPassiveTrajectory");

    sheet.chkGemStrong = value(u"chkGemStrong");
    sheet.txtGemStrong = number(u"txtGemStrong");
    sheet.chkMorePain = value(u"chkMorePain");
    sheet.txtMorePain = number(u"txtMorePain");
    sheet.chkGemLocked = value(u"chkGemLocked");
    sheet.txtGemLocked = number(u"txtGemLocked");
    sheet.chkGemSummon = value(u"chkGemSummon");
    sheet.txtGemSummon = number(u"txtGemSummon");
    sheet.chkGemPoison = value(u"chkGemPoison");
    sheet.txtGemPoison = number(u"txtGemPoison");
    sheet.optGemPoisonBuffOnly = value(u"optGemPoison(0)") == 1;
    sheet.chkGemJ = value(u"chkGemJ");
    sheet.txtGemJ = number(u"txtGemJ");
    sheet.cboGemJMeter = value(u"cboGemJMeter");

    for (int slot = 0; slot < kSlotCount; ++slot) {
        sheet.cboUsingSkill[slot] = value(SkillListName(slot));
        sheet.cboUsingSkillRune[slot] = value(RuneListName(slot));
    }

    sheet.chkCrossbow = value(u"chkCrossbow");
    sheet.chkMark = value(u"chkMark");
    sheet.chkCompanion = value(u"chkCompanion");
    sheet.chkVoodoo = value(u"chkVoodoo");
    sheet.optVoodooDance = value(u"optVoodooDance") == 1;
    sheet.chkOurGemPoison = value(u"chkOurGemPoison");
    sheet.cboOurGemPoison = value(u"cboOurGemPoison");
    return sheet;
}

}  // namespace brakefell
