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
    // How far it falls short of the first entry: 100 x |best - value| / |best|, 0 for the first;
    // nullopt when the best is 0.
    std::optional<double> gap;
};

// Where the character as it is stands among every distinct outcome searched, kept or not.
struct Standing {
    long long rank = 1;  // 1 + the outcomes whose metric shows better than the character's own
    // How far the character falls short of the best: 100 x |best - base| / |best|; 0 at rank 1,
    // where nothing shows better (a tie with the best is first too); nullopt when the best is 0.
    std::optional<double> gap;

    bool operator==(const Standing&) const = default;
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
    // nullopt without a base, or when some range came without its readings
    std::optional<Standing> standing;
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
    // Every value of the range that shows better than the character's own, as the player reads
    // it (MetricReading), each once and ascending: two ranges may find the same reading, so the
    // character's rank counts their union. At most one per distinct outcome: of the 945,072 of
    // every choice for the shipped catalogue's build with its poorest runes, 7,677 read better.
    std::vector<double> better;
    // The combinations whose readings `better` holds: all of `done`, unless a range was handed
    // on without them; then the character's rank is not known.
    long long ranked = 0;
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
    // Adds what `range` found to `into`: the best of both, both counts, both readings better
    // than the character's. Costs as much as both ranges' readings: merge ranges of like size
    // (OptimizationMerger) rather than each small one into a growing total.
    void merge(OptimizationRange& into, const OptimizationRange& range) const;
    // The result from everything merged.
    Optimization finish(const OptimizationRange& merged, bool cancelled) const;

  private:
    CharacterSheet sheet_;
    const MetricProbe& probe_;
    std::size_t top_;
    std::optional<double> base_;
    std::optional<double> baseReading_;  // the base as the player reads it
    std::unique_ptr<OptimizationCombinations> combinations_;
};

// The whole search in one range, on the calling thread.
Optimization Optimize(const CharacterSheet& sheet, const MetricProbe& probe,
                      const OptimizeChoices& choices, int top);

}  // namespace brakefell
