#pragma once
// The best choices for a metric, found by calculating every combination the player allows, with
// nothing sampled: the runes of the six slots, which legendary gems are on, which passives are on.
//
// Every combination has an index. A search is computed a range of indexes at a time, each range
// on its own with no shared state, so that the ranges can run anywhere (threads on the desktop,
// workers in a page) and their results be merged in any order: the merged ranking is the same.
// Searches made from the same character, catalogue, metric and choices number the
// combinations alike, so a range one of them computed may be merged by another.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/metric_probe.h"
#include "engine/character_sheet.h"

namespace brakefell {

struct OptimizeChoices {
    bool runes = false;     // each slot's six runes: up to 6^6 = 46,656 combinations
    bool gems = false;      // as many of the six legendary gems on as now, any of them
    bool passives = false;  // as many of the five passives on as now, any of them
};

struct ChoiceChange {
    std::u16string name;  // "cboUsingSkillRune(2)", "chkGemJ"
    int from = 0;         // the rune index or the check box state now
    int to = 0;
};

struct OptimizedBuild {
    double value = 0;
    std::optional<double> percent;  // 100 x (value - base) / base; nullopt when base is 0
    std::vector<ChoiceChange> changes;
    long long ties = 0;  // other combinations whose metric shows the same, not listed
};

struct Optimization {
    std::optional<double> base;  // nullopt: the character itself cannot be reckoned
    long long combinations = 0;  // every combination calculated
    long long total = 0;         // every combination there is; more than calculated when cancelled
    bool cancelled = false;
    // Distinct outcomes, best first. Combinations whose metric shows the same (rune swaps that
    // change nothing, passives that do not touch the metric) are one entry: the one with the
    // fewest changes, then the earlier slots' lower choices, with how many others tie.
    std::vector<OptimizedBuild> top;
};

// What a range of the search found: plain numbers, to be handed between threads or workers.
struct OptimizationRange {
    struct Found {
        long long index;     // the combination
        double value;        // its metric
        long long ties = 0;  // other combinations of the range whose metric shows the same
    };
    long long done = 0;       // combinations calculated
    std::vector<Found> best;  // the best few distinct outcomes of the range, best first
};

class OptimizationCombinations;  // every combination by its index (optimizer.cpp)

class OptimizationSearch {
  public:
    // Keeps the `top` best; with `top` below 1 there is nothing to search. The probe and its
    // catalogue must outlive the search.
    OptimizationSearch(const CharacterSheet& sheet, const MetricProbe& probe,
                       const OptimizeChoices& choices, int top);
    ~OptimizationSearch();
    OptimizationSearch(const OptimizationSearch&) = delete;
    OptimizationSearch& operator=(const OptimizationSearch&) = delete;

    // The metric of the character as it is; nullopt when it cannot be reckoned, and then there is
    // nothing to search.
    const std::optional<double>& base() const { return base_; }
    // Combinations to calculate: indexes 0 to total() - 1.
    long long total() const;

    // Calculates the combinations from `begin` to before `end`. Pure: reads the search only.
    OptimizationRange compute(long long begin, long long end) const;
    // Adds what `range` found to `into`: the best of both, and both counts.
    void merge(OptimizationRange& into, const OptimizationRange& range) const;
    // The result from everything merged.
    Optimization finish(const OptimizationRange& merged, bool cancelled) const;

  private:
    CharacterSheet sheet_;
    const MetricProbe& probe_;
    std::size_t top_;
    std::optional<double> base_;
    std::unique_ptr<OptimizationCombinations> combinations_;
};

// The whole search in one range, on the calling thread.
Optimization Optimize(const CharacterSheet& sheet, const MetricProbe& probe,
                      const OptimizeChoices& choices, int top);

}  // namespace brakefell
