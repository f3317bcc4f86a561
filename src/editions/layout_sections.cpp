#include "editions/layout_sections.h"

#include <algorithm>
#include <string_view>

namespace brakefell {
namespace {

struct OpenField {
    LayoutField field;
    int left = 0;   // twips, where its first item starts in the window
    int right = 0;  // where its last item ends
};

// Check boxes, options and buttons carry their own captions: each starts a field of its own.
bool StartsOwnField(std::string_view control) {
    return control.starts_with("chk") || control.starts_with("opt") || control.starts_with("cmd");
}

// The command buttons and the report boxes are taller than any input's row.
constexpr int kTallerThanAnInput = 600;

int ColumnWidth(const WindowLayout& layout) {
    for (const LayoutItem& item : layout.items) {
        if (item.control != nullptr && std::string_view(item.control) == "Frame1") {
            return item.width;
        }
    }
    return 0;
}

// Adds the sections of one run of items: each heading opens a section, and what stands under it
// becomes its fields, read from top to bottom and left to right. Nothing above the run's first
// heading belongs to a section (the lite window's notice, the command buttons).
void AddSections(std::vector<const LayoutItem*> column, int halfColumn,
                 std::vector<LayoutSection>& sections) {
    std::stable_sort(column.begin(), column.end(), [](const LayoutItem* a, const LayoutItem* b) {
        return a->top != b->top ? a->top < b->top : a->left < b->left;
    });

    // A field wider than half the column in the window takes a whole row on a narrow screen.
    std::vector<OpenField> fields;
    bool inSection = false;
    const auto closeSection = [&] {
        for (OpenField& open : fields) {
            open.field.wholeRow = open.right - open.left > halfColumn;
            sections.back().fields.push_back(std::move(open.field));
        }
        fields.clear();
    };

    int rowTop = -1;
    for (const LayoutItem* item : column) {
        if (IsSectionHeading(*item)) {
            if (inSection) {
                closeSection();
            }
            sections.push_back({item->text, {}});
            inSection = true;
            rowTop = item->top;
            continue;
        }
        if (!inSection) {
            continue;
        }
        OpenField* open = item->top == rowTop && !fields.empty() ? &fields.back() : nullptr;
        rowTop = item->top;
        const bool awaitsNamed =
            open != nullptr && open->field.label != nullptr && open->field.parts.empty();
        const bool startsField =
            item->control == nullptr
                ? item->names != nullptr || open == nullptr  // a label opens the field it names
                : !awaitsNamed && (open == nullptr || StartsOwnField(item->control));
        if (startsField) {
            fields.push_back({{}, item->left, item->left});
            open = &fields.back();
            if (item->control == nullptr && item->names != nullptr) {
                open->field.label = item->text;
                open->right = item->left + item->width;
                continue;
            }
        }
        // A box after its label or check box, "%" after a box, the "-" between two boxes, a
        // slot's rune and element after its skill.
        open->field.parts.push_back(
            {item->control, item->control == nullptr ? item->text : nullptr});
        open->right = item->left + item->width;
    }
    if (inSection) {
        closeSection();
    }
}

}  // namespace

bool IsSectionHeading(const LayoutItem& item) {
    return item.control == nullptr && item.font == kSectionHeadingFont;
}

std::vector<LayoutSection> SectionsOf(const WindowLayout& layout) {
    // The stat column first; then what stands beside it on the window under a heading of its own
    // (the lite window keeps "-결과 계산 적용 변수-" above its report boxes).
    std::vector<const LayoutItem*> column;
    std::vector<const LayoutItem*> beside;
    for (const LayoutItem& item : layout.items) {
        if (item.parent == LayoutParent::Frame1) {
            column.push_back(&item);
        } else if (item.parent == LayoutParent::Form && item.height < kTallerThanAnInput) {
            beside.push_back(&item);
        }
    }
    std::vector<LayoutSection> sections;
    AddSections(column, ColumnWidth(layout) / 2, sections);
    AddSections(beside, ColumnWidth(layout) / 2, sections);
    return sections;
}

}  // namespace brakefell
