#pragma once
// The main figures of a calculation by name, as the comparison and the analysis window list them.

#include <optional>
#include <string>
#include <vector>

#include "engine/figures.h"

namespace brakefell {

struct NamedFigure {
    std::u16string key;           // "dps", "kill_time_2", "hit_0": the name in JSON
    std::u16string label;         // the Korean words
    std::optional<double> value;  // nullopt where these figures hold no such value
    int better = 1;               // +1: more is better, -1: less is better (kill times), 0: neither
};

// The build's damage per second and its parts, the kill times, the attack speeds, the cycle and
// each slot's hit: always the same list in the same order, so that two builds line up.
std::vector<NamedFigure> MainFigures(const BuildFigures& figures);

}  // namespace brakefell
