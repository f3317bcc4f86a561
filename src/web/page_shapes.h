#pragma once
// The values that cross from the core into the page, each shape declared once (page_shapes.cpp):
// the page receives them as plain objects, and lists as the core's vectors, which it copies and
// frees at once (web/site/core_values.js).

#include <string>
#include <vector>

#include "editions/layout_sections.h"
#include "editions/window_layout.h"
#include "form/command_outcome.h"
#include "form/control_table.h"
#include "form/controls.h"

namespace brakefell::web {

// A control with what the page needs to draw and serve it.
struct PageControl {
    std::u16string name;
    std::string kind;  // "text", "result", "check", "list", "option", "label", "frame", "button"
    std::string role;  // "calculate", "open", "save", "report", "totals", "trace"; "" for none
    std::u16string caption;
    std::u16string tooltip;
    std::u16string text;
    int value = 0;
    std::vector<std::u16string> items;
    bool visible = true;
    bool number = false;  // a box the calculation reads as a number: a phone offers number keys
    Rgb color;            // a label's text colour as the form holds it
    ControlLook look;
};

// One item of the window's layout, its measures in CSS pixels at the window's own size.
struct PageLayoutItem {
    std::u16string control;  // "" for a fixed label
    std::u16string text;     // a fixed label's text
    std::u16string names;    // the input a fixed label names, or ""
    std::u16string parent;   // the frame's control name; "" for the form
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    std::string face;  // "fixed" or "window"
    double points = 0;
    bool bold = false;
    bool centred = false;
    bool heading = false;
};

struct PageLayout {
    std::u16string caption;
    double width = 0;
    double height = 0;
    std::vector<PageLayoutItem> items;
};

struct PagePart {
    std::u16string control;  // "" for a fixed text
    std::u16string text;
};

struct PageField {
    std::u16string label;  // the label naming the field's first control, or ""
    std::vector<PagePart> parts;
    bool wholeRow = false;
};

struct PageSection {
    std::u16string heading;
    std::vector<PageField> fields;
};

// A report box as a person reads it: whether it shows, with its frame.
struct PageReportBox {
    std::u16string name;
    std::u16string text;
    bool shown = false;
};

// How a command ended: "done", "cancelled", "refused" or "failed", with what was said.
struct PageOutcome {
    std::string end;
    std::u16string message;
};

PageOutcome PageOutcomeOf(const CommandOutcome& outcome);
PageControl PageControlOf(const ControlState& control, Edition edition);
PageLayout PageLayoutOf(const WindowLayout& layout);
std::vector<PageSection> PageSectionsOf(const WindowLayout& layout);

}  // namespace brakefell::web
