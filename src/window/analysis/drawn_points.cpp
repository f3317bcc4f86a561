#include "window/analysis/drawn_points.h"

#include <algorithm>

namespace brakefell {

QList<QPointF> DrawnPoints(const Sweep& sweep, int most) {
    QList<QPointF> all;
    all.reserve(static_cast<qsizetype>(sweep.points.size()));
    for (const SweepPoint& point : sweep.points) {
        if (point.metric) {
            all.append({point.value, *point.metric});
        }
    }
    if (all.size() <= most) {
        return all;
    }
    const qsizetype run = (all.size() + most / 2 - 1) / (most / 2);
    QList<QPointF> drawn;
    drawn.reserve(most + 2);
    for (qsizetype start = 0; start < all.size(); start += run) {
        const qsizetype end = std::min(start + run, all.size());
        qsizetype low = start;
        qsizetype high = start;
        for (qsizetype k = start + 1; k < end; ++k) {
            if (all[k].y() < all[low].y()) {
                low = k;
            }
            if (all[k].y() > all[high].y()) {
                high = k;
            }
        }
        drawn.append(all[std::min(low, high)]);
        if (low != high) {
            drawn.append(all[std::max(low, high)]);
        }
    }
    return drawn;
}

}  // namespace brakefell
