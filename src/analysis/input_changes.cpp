#include "analysis/input_changes.h"

#include "analysis/compare.h"
#include "form/input_captions.h"
#include "text/strings.h"

namespace brakefell {
namespace {

std::u16string ValueText(const ControlState& control) {
    switch (control.kind) {
        case ControlKind::TextBox:
            return control.text.empty() ? u"(빈칸)" : control.text;
        case ControlKind::DropDown:
            if (control.value >= 0 && control.value < std::ssize(control.items)) {
                return control.items[static_cast<std::size_t>(control.value)];
            }
            return u"없음";
        default:
            return SwitchText(control);
    }
}

}  // namespace

std::vector<InputChange> InputChanges(const FormState& before, const FormState& after) {
    std::vector<InputChange> changes;
    for (const ControlState* was : DifferingInputs(before, after)) {
        changes.push_back({was->name, ValueText(*was), ValueText(after.at(was->name))});
    }
    return changes;
}

std::u16string InputChangesText(const std::vector<InputChange>& changes, std::size_t told) {
    if (changes.empty()) {
        return u"변화 없음";
    }
    std::u16string text;
    for (std::size_t i = 0; i < changes.size() && i < told; ++i) {
        if (i > 0) {
            text += u", ";
        }
        text += InputCaption(changes[i].control) + u' ' + changes[i].from + u"→" + changes[i].to;
    }
    if (changes.size() > told) {
        text += u" 외 " + IntegerText(static_cast<long long>(changes.size() - told)) + u"개";
    }
    return text;
}

}  // namespace brakefell
