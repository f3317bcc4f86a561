#pragma once
// Finding the least whole number n >= 1 for which a condition holds, when it holds for every
// number from some point on and for none before: the attack-speed cliffs (in steps of 0.01), the
// main-stat equivalents (in steps of 0.1), the places where a sweep changes bracket.

#include <cstdint>
#include <functional>
#include <optional>

namespace brakefell {

// Starts at `guess` (a good guess saves steps), gallops away from it until the condition changes,
// then bisects. Looks no further than `limit`; nullopt when the condition does not hold there.
std::optional<std::int64_t> LeastHolding(const std::function<bool(std::int64_t)>& holds,
                                         std::int64_t guess, std::int64_t limit);

}  // namespace brakefell
