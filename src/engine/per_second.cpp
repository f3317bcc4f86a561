#include "engine/per_second.h"

namespace brakefell {

bool IsSentryFiredSkill(int skill) {
    switch (skill) {
        case kSkillFanOfKnives:
        case kSkillSpinningStar:
        case kSkillElementalArrow:
        case kSkillSentry:
        case kSkillMultishot:
        case kSkillClusterArrow:
            return true;
        default:
            return false;
    }
}

PerSecondFigures SumPerSecond(const BuildFigures& f, const CharacterSheet& sheet) {
    PerSecondFigures figures;
    const double cycle = f.rotation.CycleLength;
    for (int k = 0; k < f.blockCount; ++k) {
        const BlockFigures& block = f.blocks[k];
        if (!IsSentryFiredSkill(block.skill)) {
            continue;
        }
        const RuneHitRecord& r = f.hitTable[block.skill].Runes[block.rune];
        figures.BlockElitePerSecond[k] = (r.ExtraEliteExpected * r.ExtraUsesPerCycle +
                                          r.MainEliteExpected * r.MainUsesPerCycle) /
                                         cycle;
        figures.SentryNormalPerSecond += (r.ExtraNormalExpected * r.ExtraUsesPerCycle +
                                          r.MainNormalExpected * r.MainUsesPerCycle) /
                                         cycle;
        figures.SentryElitePerSecond += figures.BlockElitePerSecond[k];
    }
    if (f.HasCompanionSlot) {
        for (const RuneHitRecord& companion : f.hitTable[kSkillCompanion].Runes) {
            figures.CompanionElitePerSecond +=
                companion.MainEliteExpected * companion.MainUsesPerCycle / cycle;
        }
    }
    figures.SentryCount = sheet.chkPassiveRenovate == 1 ? 5 : 4;
    // The bleed gem counts towards the build's total, the poison gem does not.
    figures.TotalElitePerSecond = f.damageOverTime.BleedElitePerSecond +
                                  figures.SentryCount * figures.SentryElitePerSecond +
                                  figures.CompanionElitePerSecond;
    return figures;
}

}  // namespace brakefell
