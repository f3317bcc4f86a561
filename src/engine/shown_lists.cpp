#include "engine/shown_lists.h"

namespace brakefell {

void ShownLists::record(const BuildFigures& figures) {
    if (figures.refusal != Refusal::None) {
        return;
    }
    for (int k = 0; k < figures.blockCount; ++k) {
        ShownSkill.resize(k + 1);
        ShownRune.resize(k + 1);
        ShownSkill[k] = static_cast<std::int16_t>(figures.blocks[k].skill);
        ShownRune[k] = static_cast<std::int16_t>(figures.blocks[k].rune);
    }
}

}  // namespace brakefell
