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
    const double cycle = f.rotation.cycleLength;
    for (int k = 0; k < f.blockCount; ++k) {
        const BlockFigures& block = f.blocks[k];
        if (!IsSentryFiredSkill(block.skill)) {
            continue;
        }
        const RuneHitRecord& r = f.hitTable[block.skill].runes[block.rune];
        figures.blockElitePerSecond[k] = (r.extra.elite.expected * r.extra.usesPerCycle +
                                          r.main.elite.expected * r.main.usesPerCycle) /
                                         cycle;
        figures.sentryNormalPerSecond += (r.extra.normal.expected * r.extra.usesPerCycle +
                                          r.main.normal.expected * r.main.usesPerCycle) /
                                         cycle;
        figures.sentryElitePerSecond += figures.blockElitePerSecond[k];
    }
    if (f.hasCompanionSlot) {
        for (const RuneHitRecord& companion : f.hitTable[kSkillCompanion].runes) {
            figures.companionElitePerSecond +=
                companion.main.elite.expected * companion.main.usesPerCycle / cycle;
        }
    }
    figures.sentryCount = sheet.chkPassiveRenovate == 1 ? 5 : 4;
    // The bleed gem counts towards the build's total, the poison gem does not.
    figures.totalElitePerSecond = f.damageOverTime.bleedElitePerSecond +
                                  figures.sentryCount * figures.sentryElitePerSecond +
                                  figures.companionElitePerSecond;
    return figures;
}

}  // namespace brakefell
