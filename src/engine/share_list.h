#pragma once
// Each skill's share of the build's elite damage per second, under a heading that names the
// sentry count and the cycle length.

#include "engine/calculation.h"
#include "engine/damage_over_time.h"
#include "engine/per_second.h"
#include "engine/report_writer.h"
#include "engine/rotation.h"
#include "engine/slot_blocks.h"

namespace brakefell {

// An empty line, the heading and one line per sentry-fired shown block, the companions and the
// two damage-over-time gems, each ending in CR LF. Shares of an undefined total (0) show "-".
void WriteShareBlock(ReportWriter& out, const EngineState& state, const ShownBlocks& shown,
                     const Rotation& rotation, const PerSecondFigures& figures,
                     const DamageOverTime& dot);

}  // namespace brakefell
