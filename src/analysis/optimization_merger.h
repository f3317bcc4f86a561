#pragma once
// A worker's many ranges merged as they come. Merging costs as much as the readings of both
// ranges (OptimizationRange::better), so that merging each small range into one growing total
// would cost the square of the ranges' count; kept as a few totals of doubling size, merged when
// two are alike, every reading is merged about as many times as the count of ranges has binary
// digits.

#include <vector>

#include "analysis/optimizer.h"

namespace brakefell {

class OptimizationMerger {
  public:
    // The search must outlive the merger.
    explicit OptimizationMerger(const OptimizationSearch& search) : search_(search) {}

    void add(OptimizationRange range);
    // Everything added, merged into one range; the merger is empty after.
    OptimizationRange take();

  private:
    const OptimizationSearch& search_;
    std::vector<OptimizationRange> totals_;  // of more combinations first
};

}  // namespace brakefell
