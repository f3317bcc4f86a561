#include "analysis/read_over_now.h"

#include "form/copy_inputs.h"

namespace brakefell {

std::unique_ptr<FormState> ReadOverNow(const FormState& now,
                                       const std::function<bool(FormState&)>& read) {
    std::unique_ptr<FormState> form = CopyOfForm(now);
    if (!read(*form)) {
        return nullptr;
    }
    return form;
}

}  // namespace brakefell
