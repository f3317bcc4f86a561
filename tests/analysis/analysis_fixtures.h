#pragma once
// What the analyses' tests share: a started form on the shipped catalogue, and one calculation
// of a form's inputs seen through a metric.

#include <optional>

#include "analysis/metric.h"
#include "engine/compute_figures.h"
#include "engine_fixtures.h"
#include "form/form_state.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"

namespace brakefell::testing {

// A window after start-up on the shipped catalogue.
class StartedForm {
  public:
    StartedForm() {
        FillStartUpLists(form);
        FillSkillSlots(form);
    }
    FormState form{ShippedCatalogue()};
};

// The metric of the form's inputs as "계산" would reckon them.
inline std::optional<double> MetricOfForm(const FormState& form, Metric metric) {
    return MetricValue(metric, ComputeFigures(form.characterSheet(), form.catalogue()));
}

}  // namespace brakefell::testing
