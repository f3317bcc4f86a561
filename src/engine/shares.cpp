#include "engine/shares.h"

#include "engine/per_second.h"

namespace brakefell {
namespace {

constexpr int kSentryShotRune = 1;  // its line names the sentry's own shots as well

void Add(BuildFigures& f, ShareFigures share) {
    const double total = f.perSecond.totalElitePerSecond;
    // A build without any damage per second has no shares to speak of.
    share.shareDefined = total != 0;
    share.share = share.shareDefined ? share.amount / total : 0;
    f.shares[f.shareCount++] = share;
}

}  // namespace

void ListShares(BuildFigures& f) {
    f.shareCount = 0;
    for (int k = 0; k < f.blockCount; ++k) {
        const BlockFigures& block = f.blocks[k];
        if (!IsSentryFiredSkill(block.skill)) {
            continue;
        }
        Add(f, {.source = ShareSource::Block,
                .block = k,
                .usesPerCycle = f.hitTable[block.skill].runes[block.rune].main.usesPerCycle,
                .withShots = block.skill == kSkillSentry && block.rune == kSentryShotRune,
                .amount = f.perSecond.sentryCount * f.perSecond.blockElitePerSecond[k]});
    }
    if (f.hasCompanionSlot) {
        Add(f, {.source = ShareSource::Companions, .amount = f.perSecond.companionElitePerSecond});
    }
    if (f.damageOverTime.bleedShown) {
        Add(f, {.source = ShareSource::BleedGem, .amount = f.damageOverTime.bleedElitePerSecond});
    }
    if (f.damageOverTime.poisonShown) {
        Add(f, {.source = ShareSource::PoisonGem, .amount = f.damageOverTime.poisonElitePerSecond});
    }
}

}  // namespace brakefell
