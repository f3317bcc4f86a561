#pragma once
// The desktop's clock.

#include "platform/clock.h"

namespace brakefell {

class SystemClock final : public Clock {
  public:
    UtcMillis now() const override;
};

}  // namespace brakefell
