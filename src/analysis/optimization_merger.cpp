#include "analysis/optimization_merger.h"

#include <utility>

namespace brakefell {

void OptimizationMerger::add(OptimizationRange range) {
    totals_.push_back(std::move(range));
    while (totals_.size() > 1 && totals_[totals_.size() - 2].done <= totals_.back().done) {
        search_.merge(totals_[totals_.size() - 2], totals_.back());
        totals_.pop_back();
    }
}

OptimizationRange OptimizationMerger::take() {
    OptimizationRange merged;
    // The smallest first, so that each merge is of the least still to merge.
    while (!totals_.empty()) {
        search_.merge(merged, totals_.back());
        totals_.pop_back();
    }
    return merged;
}

}  // namespace brakefell
