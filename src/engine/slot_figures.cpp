#include "engine/slot_figures.h"

namespace brakefell {
namespace {

HitLineFigures Scaled(const HitLineFigures& line, double q) {
    return {q * line.min,      q * line.max,      q * line.avg,
            q * line.extraMin, q * line.extraMax, q * line.extraAvg};
}

MonsterFigures MonsterFiguresOf(const HitLineFigures& base, double mainExpected,
                                double extraExpected, double q) {
    return {base, Scaled(base, q), {mainExpected, extraExpected, mainExpected + extraExpected}};
}

CompanionLineFigures ScaledLine(const CompanionLineFigures& line, double q) {
    CompanionLineFigures scaled;
    for (int j = 0; j < kRuneCount; ++j) {
        scaled.each[j] = q * line.each[j];
    }
    scaled.sum = q * line.sum;
    return scaled;
}

// The six runes of the companion skill are six companions out at once; the sums take every
// rune's record as the table holds it.
void SumCompanions(const SkillHitEntry& companions, double q, BlockFigures& block) {
    CompanionMonsterFigures& normal = block.companionNormal;
    CompanionMonsterFigures& elite = block.companionElite;
    for (int j = 0; j < kRuneCount; ++j) {
        const RuneHitRecord& companion = companions.runes[j];
        normal.base.each[j] = companion.main.normal.average;
        elite.base.each[j] = companion.main.elite.average;
        normal.base.sum += companion.main.normal.average;
        normal.expectedSum += companion.main.normal.expected;
        elite.base.sum += companion.main.elite.average;
        elite.expectedSum += companion.main.elite.expected;
    }
    normal.critical = ScaledLine(normal.base, q);
    elite.critical = ScaledLine(elite.base, q);
}

}  // namespace

void ComputeBlocks(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                   BuildFigures& figures) {
    const CharacterMultipliers& m = figures.multipliers;
    const double q = m.critDamageMultiplier;
    figures.blockCount = 0;
    figures.hasCompanionSlot = false;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int s = sheet.cboUsingSkill[slot];
        const int r = sheet.cboUsingSkillRune[slot];
        const RuneRecord& rune = catalogue[s].runes[r];
        if (!rune.hasDamage) {
            continue;  // no gap: the next shown slot takes this box
        }
        if (s == kSkillCompanion) {
            figures.hasCompanionSlot = true;
        }
        BlockFigures& block = figures.blocks[figures.blockCount++];
        block = BlockFigures{};
        block.slot = slot;
        block.skill = s;
        block.rune = r;
        if (rune.isMultiHit) {
            block.kind = BlockKind::MultiHit;
        } else if (m.sentryFiredMode && s == kSkillCompanion) {
            block.kind = BlockKind::Companions;
            SumCompanions(figures.hitTable[kSkillCompanion], q, block);
        } else {
            block.kind = BlockKind::SingleHit;
        }
        const RuneHitRecord& h = figures.hitTable[s].runes[r];
        block.normal =
            MonsterFiguresOf({h.main.normal.min, h.main.normal.max, h.main.normal.average,
                              h.extra.normal.min, h.extra.normal.max, h.extra.normal.average},
                             h.main.normal.expected, h.extra.normal.expected, q);
        block.elite =
            MonsterFiguresOf({h.main.elite.min, h.main.elite.max, h.main.elite.average,
                              h.extra.elite.min, h.extra.elite.max, h.extra.elite.average},
                             h.main.elite.expected, h.extra.elite.expected, q);
    }
}

}  // namespace brakefell
