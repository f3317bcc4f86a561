#pragma once
// One calculation of a changed character, seen through a metric.

#include <optional>

#include "analysis/metric.h"
#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"

namespace brakefell {

struct MetricOutcome {
    std::optional<double> value;  // nullopt: refused, or no such value for these inputs
    bool refused = false;         // the calculation refused the inputs
};

class MetricProbe {
  public:
    MetricProbe(const SkillCatalogue& catalogue, Metric metric)
        : catalogue_(catalogue), metric_(metric) {}

    MetricOutcome operator()(const CharacterSheet& sheet) const;

    Metric metric() const { return metric_; }
    const SkillCatalogue& catalogue() const { return catalogue_; }

    // How much better `value` is than `base` in the metric's direction (a shorter kill time is a
    // positive improvement).
    double improvement(double value, double base) const {
        return HigherIsBetter(metric_) ? value - base : base - value;
    }

  private:
    const SkillCatalogue& catalogue_;
    Metric metric_;
};

}  // namespace brakefell
