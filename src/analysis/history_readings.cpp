#include "analysis/history_readings.h"

#include <optional>

#include "analysis/input_changes.h"
#include "profile/shared_build.h"

namespace brakefell {

HistoryReadings ReadHistory(const std::vector<HistoryEntry>& entries, const FormState& now) {
    HistoryReadings readings;
    readings.sheets.reserve(entries.size());
    readings.changes.reserve(entries.size());
    // Only the entry before is kept: two copies of the inputs at a time, however long the history.
    std::optional<FormState> before;
    for (const HistoryEntry& entry : entries) {
        std::optional<FormState> form = BuildOverInputs(entry.build, now);
        std::optional<CharacterSheet> sheet;
        std::u16string changes;
        if (form) {
            sheet = form->characterSheet();
            if (before) {
                changes = InputChangesText(InputChanges(*before, *form));
            }
        }
        readings.sheets.push_back(std::move(sheet));
        readings.changes.push_back(std::move(changes));
        before = std::move(form);
    }
    return readings;
}

}  // namespace brakefell
