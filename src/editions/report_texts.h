#pragma once
// The report wording that differs between the full and the lite edition. The lite report prints
// averages and companion sums only, and names the breakpoints in a shorter way.

#include <cstdint>
#include <string_view>

#include "editions/edition.h"

namespace brakefell {

struct ReportTexts {
    // Hit lines of the single- and multi-hit blocks. The full edition lists minimum, maximum and
    // average after its label; the lite label opens a bracket that holds the average alone.
    bool hitLinesShowRange;
    std::u16string_view baseHitLabel;
    std::u16string_view critHitLabel;

    // Companion block in sentry mode: the full edition lists the six companions and their sum,
    // the lite edition the sum alone, inside a bracket its label opens.
    std::u16string_view companionHeading;  // follows "< " and the skill name
    bool companionLinesShowEach;
    std::u16string_view companionBaseLabel;
    std::u16string_view companionCritLabel;

    // Both columns of the sentry breakpoint lines are padded to this many display columns.
    std::int16_t breakpointColumnWidth;
};

const ReportTexts& ReportTextsOf(Edition edition);

// Label of sentry breakpoint `index` (0..4, slowest first). In the lite edition the second
// breakpoint is named after the voodoo buff's state.
std::u16string_view BreakpointLabel(Edition edition, int index, bool voodooChecked);

}  // namespace brakefell
