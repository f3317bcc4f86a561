#pragma once
// The report block of one used skill slot: a single-hit block, a multi-hit block that shows the
// extra hit beside the main hit, or the companion block that sums all six companions. Lines are
// joined by CR LF; the last line has no line end.

#include <string_view>

#include "editions/report_texts.h"
#include "engine/figures.h"
#include "engine/report/report_writer.h"

namespace brakefell {

// skillName and runeName name the slot's choice as its two lists show them.
void WriteBlock(ReportWriter& out, const ReportTexts& texts, const BlockFigures& block,
                std::u16string_view skillName, std::u16string_view runeName);

}  // namespace brakefell
