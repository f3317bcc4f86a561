#pragma once
// The report boxes as a person reads the window: the six skill blocks, the breakpoints, the two
// damage-over-time boxes in their frame, and the per-second totals. A box shows while it is
// visible, and the frame's two boxes only while their frame shows too. The headless tool prints
// the boxes that show, and the page shows them, in this order.

#include <string_view>
#include <vector>

#include "form/form_state.h"

namespace brakefell {

struct ReportBox {
    std::u16string_view name;  // "txtResult(3)", "txtBowCycleResult"
    std::u16string_view text;  // the box's text, CR LF line ends
    bool shown = false;
};

// Views into the form: valid until the form next changes.
std::vector<ReportBox> ReportBoxesInReadingOrder(const FormState& form);

}  // namespace brakefell
