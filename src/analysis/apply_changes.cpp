#include "analysis/apply_changes.h"

#include "form/control_assignment.h"
#include "text/strings.h"

namespace brakefell {

bool ApplyChoiceChanges(FormState& form, const std::vector<ChoiceChange>& changes) {
    for (const ChoiceChange& change : changes) {
        if (!ApplyAssignment(form, change.name, IntegerText(change.to)).empty()) {
            return false;
        }
    }
    return true;
}

}  // namespace brakefell
