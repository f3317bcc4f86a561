#pragma once
// ShownSkill and ShownRune: the catalogue skill and the rune each result box shows. They outlive
// a calculation, so the caller that runs calculations one after another keeps them.

#include <cstdint>
#include <vector>

#include "engine/figures.h"

namespace brakefell {

struct ShownLists {
    std::vector<std::int16_t> ShownSkill;
    std::vector<std::int16_t> ShownRune;

    // After a calculation: each shown block k resizes the lists to k + 1 elements, keeping the
    // earlier ones, so a calculation with fewer blocks leaves the longer earlier length. A
    // refused calculation shows no block and leaves the lists as they were.
    void record(const BuildFigures& figures);
};

}  // namespace brakefell
