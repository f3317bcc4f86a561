#include "analysis/number_boxes.h"

#include <vector>

#include "form/sheet_fields.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// The table's number boxes with a step: those the calculation reads.
std::vector<NumberBox> ListBoxes() {
    std::vector<NumberBox> boxes;
    for (const SheetField& field : SheetFields()) {
        if (field.kind == SheetFieldKind::Number && field.step > 0) {
            boxes.push_back({field.control, field.step, field.gate, field.number});
        }
    }
    return boxes;
}

const std::vector<NumberBox>& Boxes() {
    static const std::vector<NumberBox> boxes = ListBoxes();
    return boxes;
}

}  // namespace

std::span<const NumberBox> NumberBoxes() {
    return Boxes();
}

const NumberBox* FindNumberBox(std::u16string_view name) {
    for (const NumberBox& box : Boxes()) {
        if (EqualsAscii(name, box.name)) {
            return &box;
        }
    }
    return nullptr;
}

double BoxValue(const NumberBox& box, const CharacterSheet& sheet) {
    return box.field(const_cast<CharacterSheet&>(sheet));  // read only, as NumberIn
}

std::u16string SetBoxValue(const NumberBox& box, CharacterSheet& sheet, double value) {
    std::u16string text = PlainNumberText(value);
    box.field(sheet) = NumberOf(text);
    return text;
}

bool BoxCounts(const NumberBox& box, const CharacterSheet& sheet) {
    if (box.gate == nullptr) {
        return true;
    }
    return WholeIn(*FindSheetField(box.gate), sheet) == 1;
}

}  // namespace brakefell
