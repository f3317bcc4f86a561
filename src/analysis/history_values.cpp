#include "analysis/history_values.h"

namespace brakefell {

std::vector<HistoryValue> HistoryValues(const std::vector<std::optional<CharacterSheet>>& sheets,
                                        const MetricProbe& probe) {
    std::vector<HistoryValue> values;
    values.reserve(sheets.size());
    for (const std::optional<CharacterSheet>& sheet : sheets) {
        HistoryValue entry;
        if (sheet) {
            entry.value = probe(*sheet).value;
        }
        if (!values.empty() && values.back().value && entry.value) {
            entry.change = *entry.value - *values.back().value;
        }
        values.push_back(entry);
    }
    return values;
}

}  // namespace brakefell
