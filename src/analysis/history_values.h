#pragma once
// The metric of each build in the calculation history, and how it moved from the build before.

#include <optional>
#include <vector>

#include "analysis/metric_probe.h"
#include "engine/character_sheet.h"

namespace brakefell {

struct HistoryValue {
    std::optional<double> value;   // nullopt: refused, or no such value
    std::optional<double> change;  // from the build before; nullopt for the first or unknown
};

// In the order of `sheets` (oldest first).
std::vector<HistoryValue> HistoryValues(const std::vector<std::optional<CharacterSheet>>& sheets,
                                        const MetricProbe& probe);

}  // namespace brakefell
