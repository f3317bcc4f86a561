#pragma once
// What each number box is worth: the metric after raising and after lowering the box by one step,
// how much main stat would give the same gain, and the attack-speed cliffs that one step hides.

#include <optional>
#include <string>
#include <vector>

#include "analysis/metric_probe.h"
#include "analysis/number_boxes.h"

namespace brakefell {

// The metric with one box changed.
struct ChangedMetric {
    std::u16string text;            // what the box holds: the plain decimal text of the new value
    std::optional<double> value;    // nullopt when refused or when the metric has no value
    bool refused = false;           // the calculation refused the changed input
    std::optional<double> delta;    // value - base
    std::optional<double> percent;  // 100 x delta / base; nullopt when base is 0
};

struct StatValueRow {
    const NumberBox* box = nullptr;
    std::u16string caption;  // the box's Korean name
    double step = 0;
    ChangedMetric plus;
    ChangedMetric minus;
    // The main stat that gives the same gain as the +step, to 0.1; nullopt when the gain is not
    // positive or the metric does not improve with main stat.
    std::optional<double> mainStatEquivalent;
};

// The nearest attack speed (in steps of 0.01) in another sentry bracket, and the metric there.
struct AttackSpeedCliff {
    double attackSpeed = 0;  // what the box would hold
    double value = 0;
    std::optional<double> percent;  // 100 x (value - base) / base; nullopt when base is 0
};

struct StatValues {
    Metric metric;
    std::optional<double> base;  // nullopt: the character itself cannot be reckoned
    std::vector<StatValueRow> rows;
    double attackSpeed = 0;                // what the box holds now
    std::optional<AttackSpeedCliff> next;  // the least rise that reaches the next bracket
    std::optional<AttackSpeedCliff> drop;  // the least loss that falls into the bracket below
};

// Every box the calculation reads, gem levels only while their gem is on.
StatValues ComputeStatValues(const CharacterSheet& sheet, const MetricProbe& probe);

}  // namespace brakefell
