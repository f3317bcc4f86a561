#include "form/interlocks.h"

#include "form/form_state.h"

namespace brakefell {
namespace {

struct Interlock {
    std::u16string_view checkBox;
    std::u16string_view refinement;  // shown only while the check box is checked (value 1)
};

constexpr Interlock kInterlocks[] = {
    {u"chkOurGemPoison", u"cboOurGemPoison"},
    {u"chkVoodoo", u"fraVoodoo"},
};

}  // namespace

void ApplyInterlock(FormState& form, std::u16string_view checkBoxName) {
    for (const Interlock& interlock : kInterlocks) {
        if (interlock.checkBox == checkBoxName) {
            form.setVisible(interlock.refinement, form.at(checkBoxName).value == 1);
        }
    }
}

}  // namespace brakefell
