#pragma once
// Each source's share of the build's elite damage per second: every sentry-fired shown block, the
// companions and the two damage-over-time gems.

#include "engine/figures.h"

namespace brakefell {

// Fills figures.shares from its blocks, hit table, per-second figures and damage over time.
void ListShares(BuildFigures& figures);

}  // namespace brakefell
