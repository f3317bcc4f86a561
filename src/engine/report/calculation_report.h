#pragma once
// The texts one calculation gives the result boxes.

#include <array>
#include <optional>
#include <string>

#include "engine/figures.h"

namespace brakefell {

// The report's nine blocks (txtResult(0) to (8)): the slot blocks, the breakpoints and the two
// gems.
inline constexpr int kResultBoxCount = 9;
inline constexpr int kBreakpointBox = 6;
inline constexpr int kBleedGemBox = 7;
inline constexpr int kPoisonGemBox = 8;

struct ResultBoxText {
    bool visible = false;
    std::u16string text;
};

struct CalculationReport {
    std::array<ResultBoxText, kResultBoxCount> resultBoxes;
    bool moreDamageVisible = false;
    // The sentries' cycle, damage per second and time to kill (txtBowCycleResult); nullopt: the
    // box keeps its previous text.
    std::optional<std::u16string> totals;
    std::u16string trace;             // the engine's working trace (Text1), never shown
    Refusal refusal = Refusal::None;  // a refused calculation shows nothing
};

}  // namespace brakefell
