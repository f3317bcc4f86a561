#pragma once
// Where every control and fixed label of the window stands in each edition, the window's caption
// and size, the captions that differ between the editions and the order in which Tab moves the
// focus. Plain data in twips (1/1440 inch; 15 twips make one pixel at 96 dpi): the window builds
// itself from it, and nothing here depends on a window toolkit.

#include <span>

#include "editions/edition.h"

namespace brakefell {

inline constexpr int kTwipsPerPixel = 15;

// The containers a control can stand in; positions are relative to the container.
enum class LayoutParent { Form, Frame1, fraVoodoo, fraMoreDamage };

// "굴림" for the window's texts, "굴림체" (or a font with the same 2:1 Hangul/Latin widths) for
// the report columns.
enum class TypeFace { Window, FixedPitch };

struct FontSpec {
    TypeFace face = TypeFace::Window;
    double points = 9;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

enum class TextAlign { Left, Centre };

// The bold headings over the stat column's sections ("-무기-", "-전설 보석-").
inline constexpr FontSpec kSectionHeadingFont{TypeFace::Window, 11.25, true};

// One named control, or one fixed label when `control` is null.
struct LayoutItem {
    const char* control;  // the control's name ("txtSkill(18)"); nullptr for a fixed label
    const char* text;     // a fixed label's text; nullptr for a control
    LayoutParent parent;
    int left;
    int top;
    int width;
    int height;
    FontSpec font;
    TextAlign align;
    const char* names;  // a fixed label that names an input: that input's control name
};

struct CaptionOverride {
    const char* control;
    const char* caption;
};

struct WindowLayout {
    const char* caption;  // the window's title bar
    int clientWidth;      // twips
    int clientHeight;
    std::span<const LayoutItem> items;          // containers before what they hold
    std::span<const char* const> tabOrder;      // every control that can take the focus
    std::span<const CaptionOverride> captions;  // captions of this edition's own
};

const WindowLayout& LayoutOf(Edition edition);

}  // namespace brakefell
