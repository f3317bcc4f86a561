#pragma once
// Each entry of the calculation history read once over the inputs of now (BuildOverInputs): its
// character sheet, which any metric is then reckoned from (history_values.h), and what the player
// changed since the entry before, so that entries alike in value can be told apart. Reading up to
// 200 builds is the history's slow part: the window does it once on a worker and keeps the
// readings while the entries stay the same.

#include <optional>
#include <string>
#include <vector>

#include "engine/character_sheet.h"
#include "form/form_state.h"
#include "session/calculation_history.h"

namespace brakefell {

// Both in the order of the entries (oldest first).
struct HistoryReadings {
    std::vector<std::optional<CharacterSheet>> sheets;  // nullopt: the build cannot be read whole
    // InputChangesText from the entry before; empty for the oldest entry, whose predecessor is
    // unknown, and where either build cannot be read.
    std::vector<std::u16string> changes;
};

HistoryReadings ReadHistory(const std::vector<HistoryEntry>& entries, const FormState& now);

}  // namespace brakefell
