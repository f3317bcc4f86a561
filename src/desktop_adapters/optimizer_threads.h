#pragma once
// The optimiser on the desktop: the search's ranges on threads, one per core, while the calling
// thread tells the progress now and then; a cancel stops every thread at its next range.

#include <atomic>
#include <functional>

#include "analysis/optimizer.h"

namespace brakefell {

struct OptimizeControl {
    // Called now and then from the calling thread with the combinations done and their total.
    std::function<void(long long done, long long total)> progress;
    const std::atomic<bool>* cancel = nullptr;  // when it turns true the search stops soon
    int threads = 0;                            // 0: one per core
};

// The same ranking as Optimize, which reckons it on one thread.
Optimization OptimizeOnThreads(const CharacterSheet& sheet, const MetricProbe& probe,
                               const OptimizeChoices& choices, int top,
                               const OptimizeControl& control = {});

}  // namespace brakefell
