#pragma once
// A sweep's points as the chart draws them. A sweep may hold 100,000 points, far more than the
// chart has pixels across, and handing them all to the chart costs the window's thread tens of
// milliseconds a time. Above kMostDrawnPoints the points are taken in runs of neighbours, and of
// each run the lowest and the highest are drawn in their order, so every spike and every cliff of
// the line is still drawn where it is.

#include <QList>
#include <QPointF>

#include "analysis/sweep.h"

namespace brakefell {

inline constexpr int kMostDrawnPoints = 2000;

// The points that have a value; at most about `most` of them.
QList<QPointF> DrawnPoints(const Sweep& sweep, int most = kMostDrawnPoints);

}  // namespace brakefell
