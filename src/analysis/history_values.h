#pragma once
// The metric of each build in the calculation history, and how it moved from the build before.

#include <optional>
#include <vector>

#include "analysis/metric_probe.h"
#include "engine/character_sheet.h"
#include "form/form_state.h"
#include "profile/shared_build.h"

namespace brakefell {

// A stored build's inputs, read over a scratch copy of the form of now (what a build of the first
// version does not hold stays as it is now); nullopt when the build cannot be read whole.
std::optional<CharacterSheet> SheetOfBuild(const SharedBuild& build, const FormState& now);

struct HistoryValue {
    std::optional<double> value;   // nullopt: refused, or no such value
    std::optional<double> change;  // from the build before; nullopt for the first or unknown
};

// In the order of `sheets` (oldest first).
std::vector<HistoryValue> HistoryValues(const std::vector<std::optional<CharacterSheet>>& sheets,
                                        const MetricProbe& probe);

}  // namespace brakefell
