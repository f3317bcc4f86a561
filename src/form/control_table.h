#pragma once
// Every named control of the calculator window: its kind, caption, tooltip, initial value and
// initial visibility, as a freshly loaded window has them (before start-up fills the lists).
// FormState is built from this table, and the window creates its widgets from it. Where each
// control stands on screen belongs to the window's layout, not here.

#include <span>
#include <string_view>

#include "editions/edition.h"
#include "form/controls.h"

namespace brakefell {

// How a control stands out where a face draws it by its own means (the page's stacked layout and
// command bar); the window draws the fonts its layout gives.
struct ControlLook {
    bool coloured = false;
    Rgb colour;               // the text's colour, where `coloured`
    bool emphasised = false;  // drawn heavier than its neighbours
};

struct ControlSpec {
    const char* name;  // exactly the control's name, "txtSkill(18)"
    ControlKind kind;
    const char* caption;      // caption of a check box, option, button, frame or label; "" if none
    const char* tooltip;      // "" if none
    const char* initialText;  // initial text of a text box; "" otherwise
    int initialValue;         // check box 0/1, option 0/1, drop-down -1 (items come at start-up)
    bool initiallyVisible;
    std::span<const char* const> initialItems = {};  // design-time entries of a drop-down list
    ControlRole role = ControlRole::None;
    ControlLook look = {};
};

std::span<const ControlSpec> ControlTable();

// The table's entry of that name; nullptr for a name the window does not have.
const ControlSpec* FindControlSpec(std::string_view name);

// The caption the control shows in the edition's window: the table's, unless the edition names
// it its own way ("동물-늑대" in the lite window).
const char* CaptionIn(Edition edition, const ControlSpec& control);

}  // namespace brakefell
