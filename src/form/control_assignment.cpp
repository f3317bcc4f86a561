#include "form/control_assignment.h"

#include <iterator>
#include <optional>

#include "text/strings.h"

namespace brakefell {

std::u16string ApplyAssignment(FormState& form, std::u16string_view name,
                               std::u16string_view value) {
    const ControlState* control = form.find(name);
    if (control == nullptr) {
        return u"unknown control: " + std::u16string(name);
    }
    const auto refuse = [&](const char* expected) {
        return std::u16string(name) + u" takes " + Utf16OfUtf8(expected) + u", not \"" +
               std::u16string(value) + u'"';
    };
    const std::optional<int> number = StrictInteger(value);
    switch (control->kind) {
        case ControlKind::TextBox:
            form.setText(name, value);
            return {};
        case ControlKind::CheckBox:
            if (!number || *number < 0 || *number > 2) {
                return refuse("0, 1 or 2");
            }
            form.setCheck(name, *number);
            return {};
        case ControlKind::DropDown:
            if (!number || *number < -1 || *number >= std::ssize(control->items)) {
                return refuse(control->items.empty()
                                  ? "-1 (the list is empty)"
                                  : "an index from -1 to the last entry of the list");
            }
            form.setListIndex(name, *number);
            return {};
        case ControlKind::OptionButton:
            if (!number || (*number != 0 && *number != 1)) {
                return refuse("1 (select it) or 0 (select its partner)");
            }
            form.setOption(name, *number == 1);
            return {};
        case ControlKind::ResultBox:
        case ControlKind::Label:
        case ControlKind::Frame:
        case ControlKind::CommandButton:
            break;
    }
    return std::u16string(name) + u" is not an input control";
}

}  // namespace brakefell
