#include "engine/rotation.h"

#include <utility>

#include "engine/cycle_table.h"
#include "engine/hit_table.h"

namespace brakefell {
namespace {
// The rune of the sentry skill whose extra hit is the sentry's own shot.
constexpr int kSentryShotRune = 1;
}  // namespace

RotationFigures ApplyRotation(SkillHitTable& table, const CharacterMultipliers& m,
                              const CharacterSheet& sheet, const SentrySpeedFigures& speed) {
    RotationFigures rotation;
    rotation.leadSkill = CycleLeadSkill(m.hasElementalArrow, m.hasSpinningStar);
    const auto entry =
        CycleEntryFor(m.hasFanOfKnives, m.hasMultishot, m.hasClusterArrow, speed.bracketRow);
    if (!entry) {
        return rotation;
    }
    rotation.defined = true;
    rotation.cycleLength = entry->cycleLength;
    rotation.leadUses = entry->leadUses;
    rotation.fanOfKnivesUses = entry->fanOfKnivesUses;
    rotation.multishotUses = entry->multishotUses;
    rotation.clusterArrowUses = entry->clusterArrowUses;
    const std::pair<int, int> uses[] = {{rotation.leadSkill, entry->leadUses},
                                        {kSkillFanOfKnives, entry->fanOfKnivesUses},
                                        {kSkillMultishot, entry->multishotUses},
                                        {kSkillClusterArrow, entry->clusterArrowUses}};
    for (const auto& [skill, count] : uses) {
        if (count > 0) {
            SetSkillUsesPerCycle(table, skill, count);
        }
    }

    rotation.sentryShotsPerCycle = rotation.cycleLength / speed.shotInterval;
    table[kSkillSentry].runes[kSentryShotRune].extra.usesPerCycle = rotation.sentryShotsPerCycle;

    // The companions strike once per player attack, which "테스커" speeds up.
    rotation.companionStrikesPerCycle = (1 + sheet.txtTesker / 100) * rotation.cycleLength;
    for (RuneHitRecord& companion : table[kSkillCompanion].runes) {
        companion.main.usesPerCycle = rotation.companionStrikesPerCycle;
    }
    return rotation;
}

}  // namespace brakefell
