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
    rotation.leadSkill = CycleLeadSkill(m.HasSkill8, m.HasSkill7);
    const auto entry = CycleEntryFor(m.HasSkill5, m.HasSkill21, m.HasSkill22, speed.bracketRow);
    if (!entry) {
        return rotation;
    }
    rotation.defined = true;
    rotation.CycleLength = entry->CycleLength;
    rotation.leadUses = entry->leadUses;
    rotation.uses5 = entry->uses5;
    rotation.uses21 = entry->uses21;
    rotation.uses22 = entry->uses22;
    const std::pair<int, int> uses[] = {{rotation.leadSkill, entry->leadUses},
                                        {kSkillFanOfKnives, entry->uses5},
                                        {kSkillMultishot, entry->uses21},
                                        {kSkillClusterArrow, entry->uses22}};
    for (const auto& [skill, count] : uses) {
        if (count > 0) {
            SetSkillUsesPerCycle(table, skill, count);
        }
    }

    rotation.SentryShotsPerCycle = rotation.CycleLength / speed.ShotInterval;
    table[kSkillSentry].Runes[kSentryShotRune].ExtraUsesPerCycle = rotation.SentryShotsPerCycle;

    // The companions strike once per player attack, which "테스커" speeds up.
    rotation.companionStrikesPerCycle = (1 + sheet.txtTesker / 100) * rotation.CycleLength;
    for (RuneHitRecord& companion : table[kSkillCompanion].Runes) {
        companion.MainUsesPerCycle = rotation.companionStrikesPerCycle;
    }
    return rotation;
}

}  // namespace brakefell
