#include "form/sheet_fields.h"

namespace brakefell {

const SheetField* FindSheetField(std::string_view control) {
    for (const SheetField& row : SheetFields()) {
        if (control == row.control) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace brakefell
