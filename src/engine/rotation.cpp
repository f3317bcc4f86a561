#include "engine/rotation.h"

#include "engine/cycle_table.h"
#include "engine/sentry_brackets.h"

namespace brakefell {
namespace {
// The rune of the sentry skill whose extra hit is the sentry's own shot.
constexpr int kSentryShotRune = 1;
}  // namespace

Rotation ApplyRotation(SkillHitTable& table, const CharacterMultipliers& m,
                       const CharacterSheet& sheet) {
    for (int skill = 0; skill < kSkillCount; ++skill) {
        SetSkillUsesPerCycle(table, skill, 0);
    }

    Rotation rotation;
    rotation.bracketRow = SentryBracketRow(m.SentryAttackSpeed);
    rotation.leadSkill = CycleLeadSkill(m.HasSkill8, m.HasSkill7);
    const auto entry = CycleEntryFor(m.HasSkill5, m.HasSkill21, m.HasSkill22, rotation.bracketRow);
    if (!entry) {
        return rotation;
    }
    rotation.defined = true;
    rotation.CycleLength = entry->CycleLength;
    const std::pair<int, int> uses[] = {{rotation.leadSkill, entry->leadUses},
                                        {kSkillFanOfKnives, entry->uses5},
                                        {kSkillMultishot, entry->uses21},
                                        {kSkillClusterArrow, entry->uses22}};
    for (const auto& [skill, count] : uses) {
        if (count > 0) {
            SetSkillUsesPerCycle(table, skill, count);
        }
    }

    const double shotInterval = kSentryBrackets[rotation.bracketRow].ShotInterval;
    rotation.SentryShotsPerCycle = rotation.CycleLength / shotInterval;
    table[kSkillSentry].Runes[kSentryShotRune].ExtraUsesPerCycle = rotation.SentryShotsPerCycle;

    // The companions strike once per player attack, which "테스커" speeds up.
    for (RuneHitRecord& companion : table[kSkillCompanion].Runes) {
        companion.MainUsesPerCycle = (1 + sheet.txtTesker / 100) * rotation.CycleLength;
    }
    return rotation;
}

}  // namespace brakefell
