#include "analysis/history_readings.h"

#include <memory>

#include "analysis/input_changes.h"
#include "analysis/read_over_now.h"

namespace brakefell {

HistoryReadings ReadHistory(const std::vector<HistoryEntry>& entries, const FormState& now) {
    HistoryReadings readings;
    readings.sheets.reserve(entries.size());
    readings.changes.reserve(entries.size());
    // Only the entry before is kept: two scratch forms at a time, however long the history.
    std::unique_ptr<FormState> before;
    for (const HistoryEntry& entry : entries) {
        std::unique_ptr<FormState> form =
            ReadOverNow(now, [&](FormState& copy) { return ApplyBuild(entry.build, copy); });
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
