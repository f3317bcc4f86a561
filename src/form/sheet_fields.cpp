#include "form/sheet_fields.h"

#include <string_view>
#include <unordered_map>

namespace brakefell {

const SheetField* FindSheetField(std::string_view control) {
    // Asked once per control whenever a face shapes the whole form: an index, not a walk.
    static const std::unordered_map<std::string_view, const SheetField*> index = [] {
        std::unordered_map<std::string_view, const SheetField*> rows;
        for (const SheetField& row : SheetFields()) {
            rows.emplace(row.control, &row);
        }
        return rows;
    }();
    const auto found = index.find(control);
    return found == index.end() ? nullptr : found->second;
}

}  // namespace brakefell
