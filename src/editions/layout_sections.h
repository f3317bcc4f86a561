#pragma once
// The stat column of an edition's window as sections for a narrow screen: under each of the
// window's headings, its inputs as fields, each field what belongs together on one line (a label,
// its box and the "%" after it; a slot's skill, rune and element; the two voodoo options).

#include <vector>

#include "editions/window_layout.h"

namespace brakefell {

// One piece of a field: a control by name, or a fixed text ("%", the "-" between two boxes).
struct LayoutPart {
    const char* control = nullptr;
    const char* text = nullptr;
};

struct LayoutField {
    const char* label = nullptr;  // the label that names the field's first control, if any
    std::vector<LayoutPart> parts;
    bool wholeRow = false;  // several controls without a label: they stay on one line
};

struct LayoutSection {
    const char* heading;
    std::vector<LayoutField> fields;
};

bool IsSectionHeading(const LayoutItem& item);

// In the window's reading order: the sections from top to bottom, each section's rows from top
// to bottom and left to right.
std::vector<LayoutSection> SectionsOf(const WindowLayout& layout);

}  // namespace brakefell
