#include "form/form_state.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "form/control_table.h"
#include "form/interlocks.h"
#include "form/option_pairs.h"
#include "form/sheet_fields.h"
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

FormState::FormState(const SkillCatalogue& catalogue) : catalogue_(&catalogue) {
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

FormState::FormState(const FormState& other)
    : catalogue_(other.catalogue_), controls_(other.controls_), byName_(other.byName_) {}

FormState::FormState(FormState&& other) noexcept
    : catalogue_(other.catalogue_),
      controls_(std::move(other.controls_)),
      byName_(std::move(other.byName_)) {}

FormState& FormState::operator=(const FormState& other) {
    catalogue_ = other.catalogue_;
    controls_ = other.controls_;
    byName_ = other.byName_;
    return *this;
}

FormState& FormState::operator=(FormState&& other) noexcept {
    catalogue_ = other.catalogue_;
    controls_ = std::move(other.controls_);
    byName_ = std::move(other.byName_);
    return *this;
}

FormState::~FormState() = default;

void FormState::adopt(FormState&& read) {
    std::vector<ControlState> before = std::exchange(controls_, std::move(read.controls_));
    catalogue_ = read.catalogue_;
    byName_ = std::move(read.byName_);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (i >= before.size() || !(controls_[i] == before[i])) {
            changed(controls_[i]);
        }
    }
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
    CharacterSheet sheet;
    for (const SheetField& field : SheetFields()) {
        // The table's names are ASCII: widened on the stack, this runs on every keystroke.
        std::array<char16_t, kLongestSheetFieldName> wide{};
        const std::string_view name(field.control);
        std::copy(name.begin(), name.end(), wide.begin());
        const ControlState& control = at(std::u16string_view(wide.data(), name.size()));
        switch (field.kind) {
            case SheetFieldKind::Number:
                field.number(sheet) = NumberOf(control.text);
                break;
            case SheetFieldKind::CheckBox:
            case SheetFieldKind::List:
                field.whole(sheet) = control.value;
                break;
            case SheetFieldKind::NumberList:
                field.whole(sheet) = control.value;
                field.number(sheet) =
                    control.value >= 0 && control.value < std::ssize(control.items)
                        ? NumberOf(control.items[control.value])
                        : 0;
                break;
            case SheetFieldKind::Option:
                field.option(sheet) = control.value == 1;
                break;
        }
    }
    return sheet;
}

}  // namespace brakefell
