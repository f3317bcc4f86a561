#include "analysis/search.h"

#include <algorithm>

namespace brakefell {

std::optional<std::int64_t> LeastHolding(const std::function<bool(std::int64_t)>& holds,
                                         std::int64_t guess, std::int64_t limit) {
    guess = std::clamp<std::int64_t>(guess, 1, limit);
    // Invariant below: the condition does not hold at `low` (0 counts as not holding) and holds
    // at `high`.
    std::int64_t low = 0;
    std::int64_t high = guess;
    if (holds(guess)) {
        for (std::int64_t stride = 1; high > 1;) {
            const std::int64_t below = std::max<std::int64_t>(guess - stride, 0);
            if (below == 0 || !holds(below)) {
                low = below;
                break;
            }
            high = below;
            stride *= 2;
        }
    } else {
        low = guess;
        for (std::int64_t stride = 1;; stride *= 2) {
            if (low >= limit) {
                return std::nullopt;
            }
            const std::int64_t above = std::min(guess + stride, limit);
            if (holds(above)) {
                high = above;
                break;
            }
            low = above;
        }
    }
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        if (holds(middle)) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return high;
}

}  // namespace brakefell
