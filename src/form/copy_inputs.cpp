#include "form/copy_inputs.h"

#include <iterator>

#include "form/form_state.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"

namespace brakefell {

void CopyInputs(const FormState& from, FormState& to) {
    // The controls stand in the window's order: each slot's skill list before its rune list.
    for (const ControlState& control : from.controls()) {
        switch (control.kind) {
            case ControlKind::TextBox:
                to.setText(control.name, control.text);
                break;
            case ControlKind::CheckBox:
                to.setCheck(control.name, control.value);
                break;
            case ControlKind::DropDown:
                if (control.value < std::ssize(to.at(control.name).items)) {
                    to.setListIndex(control.name, control.value);
                }
                break;
            case ControlKind::OptionButton:
                if (control.value == 1) {
                    to.setOption(control.name, true);
                }
                break;
            default:
                break;
        }
    }
}

std::unique_ptr<FormState> CopyOfForm(const FormState& from) {
    auto form = std::make_unique<FormState>(from.catalogue());
    FillStartUpLists(*form);
    FillSkillSlots(*form);
    CopyInputs(from, *form);
    return form;
}

}  // namespace brakefell
