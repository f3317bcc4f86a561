#pragma once
// The best choices for a metric, found by calculating every combination the player allows, with
// nothing sampled: the runes of the six slots, which legendary gems are on, which passives are on.

#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/metric_probe.h"

namespace brakefell {

struct OptimizeChoices {
    bool runes = false;     // each slot's six runes: up to 6^6 = 46,656 combinations
    bool gems = false;      // as many of the six legendary gems on as now, any of them
    bool passives = false;  // as many of the five passives on as now, any of them
};

struct ChoiceChange {
    QString name;  // "cboUsingSkillRune(2)", "chkGemJ"
    int from = 0;  // the rune index or the check box state now
    int to = 0;
};

struct OptimizedBuild {
    double value = 0;
    std::optional<double> percent;  // 100 x (value - base) / base; nullopt when base is 0
    std::vector<ChoiceChange> changes;
};

struct Optimization {
    std::optional<double> base;  // nullopt: the character itself cannot be reckoned
    long long combinations = 0;  // every combination calculated
    bool cancelled = false;
    // Best first; equal values: fewer changes first, then the earlier slots' lower choices.
    std::vector<OptimizedBuild> top;
};

struct OptimizeControl {
    // Called now and then from the calling thread with the combinations done and their total.
    std::function<void(long long done, long long total)> progress;
    const std::atomic<bool>* cancel = nullptr;  // when it turns true the search stops soon
    int threads = 0;                            // 0: one per core
};

Optimization Optimize(const CharacterSheet& sheet, const MetricProbe& probe,
                      const OptimizeChoices& choices, int top, const OptimizeControl& control = {});

}  // namespace brakefell
