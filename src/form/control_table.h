#pragma once
// Every named control of frmMain: its kind, caption, tooltip, initial value and initial
// visibility, as a freshly loaded window has them (before start-up fills the lists). FormState is
// built from this table, and the window creates its widgets from it. Where each control stands
// on screen belongs to the window's layout, not here.

#include <span>

#include "form/controls.h"

namespace brakefell {

struct ControlSpec {
    const char* name;  // exactly the control's name, "txtSkill(18)"
    ControlKind kind;
    const char* caption;      // caption of a check box, option, button, frame or label; "" if none
    const char* tooltip;      // "" if none
    const char* initialText;  // initial text of a text box; "" otherwise
    int initialValue;         // check box 0/1, option 0/1, drop-down -1 (items come at start-up)
    bool initiallyVisible;
    std::span<const char* const> initialItems = {};  // design-time entries of a drop-down list
};

std::span<const ControlSpec> ControlTable();

}  // namespace brakefell
