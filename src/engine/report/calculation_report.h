#pragma once
// The texts one calculation gives the result boxes.

#include <array>
#include <optional>
#include <string>

#include "engine/figures.h"

namespace brakefell {

// txtResult(0) to txtResult(8): the slot blocks, the breakpoints and the two gems.
inline constexpr int kResultBoxCount = 9;
inline constexpr int kBreakpointBox = 6;
inline constexpr int kBleedGemBox = 7;
inline constexpr int kPoisonGemBox = 8;

struct ResultBoxText {
    bool visible = false;
    std::u16string text;
};

struct CalculationReport {
    std::array<ResultBoxText, kResultBoxCount> txtResult;
    bool fraMoreDamageVisible = false;
    std::optional<std::u16string> txtBowCycleResult;  // nullopt: the box keeps its previous text
    std::u16string Text1;                             // the working trace, never shown
    Refusal refusal = Refusal::None;                  // a refused calculation shows nothing
};

}  // namespace brakefell
