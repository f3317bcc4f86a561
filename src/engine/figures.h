#pragma once
// Every number of one calculation's report, unrounded, before any of it becomes text. The report
// writers only format these; the analyses compare them. Names of skills and runes are views into
// the catalogue the figures were computed from, which must outlive them.

#include <array>
#include <string_view>

#include "engine/character_multipliers.h"
#include "engine/character_sheet.h"
#include "engine/hit_records.h"

namespace brakefell {

// Why a calculation was refused; None when it was not.
enum class Refusal {
    None,
    SelectionOutsideList,   // a skill, rune or other list choice outside its list
    UnusableCatalogueRune,  // a rune with damage of an unknown element or a coefficient too large
    NumberNotFinite,        // a number box the calculation reads holds no finite number
    SentriesTooSlow,        // the sentries are slower than their slowest bracket
    FigureNotFinite,        // a figure of the report grew too large for a number
};

// One "기본" or "극대" line of a block: lowest roll, highest roll and average of the main hit and
// of the extra hit.
struct HitLineFigures {
    double min = 0;
    double max = 0;
    double avg = 0;
    double extraMin = 0;
    double extraMax = 0;
    double extraAvg = 0;
};

// The "=>> 기대값" line: the values expected with the critical chance.
struct ExpectedFigures {
    double main = 0;
    double extra = 0;
    double total = 0;  // main + extra: the expected damage of one use
};

// The part of a block for one kind of monster ("- 일반 -" or "- 정예 -").
struct MonsterFigures {
    HitLineFigures base;
    HitLineFigures critical;  // the base line times the critical damage factor
    ExpectedFigures expected;
};

// A line of the companion block: each of the six companions and their sum. The companion that
// fights in a pair (rune 4) is counted whole here; the full report shows half of it "×2".
struct CompanionLineFigures {
    std::array<double, kRuneCount> each{};
    double sum = 0;
};

struct CompanionMonsterFigures {
    CompanionLineFigures base;
    CompanionLineFigures critical;
    double expectedSum = 0;
};

enum class BlockKind {
    SingleHit,   // the main hit alone
    MultiHit,    // the extra hit beside the main hit
    Companions,  // all six companions summed (companion skill, sentries firing)
};

inline constexpr int kCompanionPairRune = 4;  // shown as one of two, "×2"

// The report block of one used slot whose rune deals damage, in txtResult(k).
struct BlockFigures {
    int slot = 0;
    int skill = 0;
    int rune = 0;
    BlockKind kind = BlockKind::SingleHit;
    MonsterFigures normal;  // SingleHit and MultiHit blocks
    MonsterFigures elite;
    CompanionMonsterFigures companionNormal;  // Companions blocks
    CompanionMonsterFigures companionElite;
};

// The attack-speed bonus the character needs to reach one sentry breakpoint.
struct BreakpointFigures {
    double breakpoint = 0;  // attacks per second
    double needed = 0;      // attack-speed bonus in percent that reaches it
    double missing = 0;     // needed minus what the character has; negative: past it
};

inline constexpr int kBreakpointCount = 5;

struct SentrySpeedFigures {
    double sentryAttackSpeed = 0;
    double baseSpeed = 0;       // before the attack-speed bonus and the voodoo buff
    bool voodooBuff = false;    // chkVoodoo is not 0: its 20 points are counted
    bool needsDefined = false;  // false when the base speed is 0: no bonus reaches a breakpoint
    std::array<BreakpointFigures, kBreakpointCount> breakpoints{};
    int bracketRow = 0;       // row of SentryBracket
    double shotInterval = 0;  // seconds between two shots of one sentry
};

// The fixed rotation of the bracket and the key skills used.
struct RotationFigures {
    bool defined = false;  // false: no rotation is known for this bracket and these skills
    int leadSkill = 0;     // 8, 7 or the sentry itself (18)
    double cycleLength = 0;
    int leadUses = 0;
    int fanOfKnivesUses = 0;
    int multishotUses = 0;
    int clusterArrowUses = 0;
    double sentryShotsPerCycle = 0;
    double companionStrikesPerCycle = 0;
};

struct DamageOverTimeFigures {
    bool bleedShown = false;        // chkMorePain
    bool poisonShown = false;       // chkGemPoison
    double bleedGemPerSecond = 0;   // normal monster, critical hits averaged in
    double poisonGemPerSecond = 0;  // normal monster, critical hits averaged in
    double bleedElitePerSecond = 0;
    double poisonElitePerSecond = 0;
    double dotElitePerSecond = 0;  // both gems against an elite
};

struct PerSecondFigures {
    std::array<double, kSlotCount> blockElitePerSecond{};  // one sentry, per shown block
    double sentryNormalPerSecond = 0;                      // one sentry, normal monster
    double sentryElitePerSecond = 0;                       // one sentry, elite monster
    double companionElitePerSecond = 0;                    // all six companions
    int sentryCount = 4;                                   // 5 with "맞춤 개조"
    double totalElitePerSecond = 0;                        // the whole build against an elite
};

enum class ShareSource { Block, Companions, BleedGem, PoisonGem };

// One line of the share list.
struct ShareFigures {
    ShareSource source = ShareSource::Block;
    int block = 0;              // the shown block, for ShareSource::Block
    double usesPerCycle = 0;    // of the block's skill
    bool withShots = false;     // the sentry's own rune 1: its shots per cycle are named too
    double amount = 0;          // elite damage per second of the whole build from this source
    bool shareDefined = false;  // false when the build deals no damage per second at all
    double share = 0;           // amount / total
};

// One line per sentry-fired block, the companions and the two gems.
inline constexpr int kMostShares = kSlotCount + 3;

// The kill times are reckoned for one to this many sentries placed.
inline constexpr int kMostSentriesPlaced = 4;

struct KillTimeFigures {
    bool defined = false;                               // false when nothing damages the target
    std::array<double, kMostSentriesPlaced> seconds{};  // with 1, 2, 3 and 4 sentries
    // Sentries placed before the target dies (1 to 4): the next one would come too late.
    int sentriesInTime = 0;
};

struct BuildFigures {
    Refusal refusal = Refusal::None;
    CharacterMultipliers multipliers;
    SkillHitTable hitTable;  // written whole by every calculation, zero when it is refused early

    std::array<BlockFigures, kSlotCount> blocks{};
    int blockCount = 0;
    bool hasCompanionSlot = false;

    // What the sentries add while they fire the skills (multipliers.sentryFiredMode).
    SentrySpeedFigures speed;
    RotationFigures rotation;
    DamageOverTimeFigures damageOverTime;
    PerSecondFigures perSecond;
    std::array<ShareFigures, kMostShares> shares{};
    int shareCount = 0;
    KillTimeFigures killTimes;
};

}  // namespace brakefell
