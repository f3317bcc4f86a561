#pragma once
// The time of day, for the calculation history: when each calculation was made.

#include <cstdint>

namespace brakefell {

// Milliseconds since 1970-01-01T00:00:00Z.
using UtcMillis = std::int64_t;

class Clock {
  public:
    virtual ~Clock() = default;

    virtual UtcMillis now() const = 0;
};

}  // namespace brakefell
