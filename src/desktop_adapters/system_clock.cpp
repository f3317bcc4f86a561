#include "desktop_adapters/system_clock.h"

#include <QDateTime>

namespace brakefell {

UtcMillis SystemClock::now() const {
    return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace brakefell
