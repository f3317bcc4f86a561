#include "engine/compute_figures.h"

#include <cmath>
#include <initializer_list>

#include "engine/character_multipliers.h"
#include "engine/damage_over_time.h"
#include "engine/hit_table.h"
#include "engine/input_checks.h"
#include "engine/kill_time.h"
#include "engine/per_second.h"
#include "engine/rotation.h"
#include "engine/sentry_brackets.h"
#include "engine/sentry_breakpoints.h"
#include "engine/shares.h"
#include "engine/slot_figures.h"

namespace brakefell {
namespace {

// Adds up x - x over the figures: 0 while every figure is finite, NaN as soon as one is not.
class FiniteCheck {
  public:
    void add(std::initializer_list<double> values) {
        for (const double value : values) {
            sum_ += value - value;
        }
    }
    void add(const HitLineFigures& l) {
        add({l.min, l.max, l.avg, l.extraMin, l.extraMax, l.extraAvg});
    }
    void add(const MonsterFigures& m) {
        add(m.base);
        add(m.critical);
        add({m.expected.main, m.expected.extra, m.expected.total});
    }
    void add(const CompanionLineFigures& line) {
        for (const double each : line.each) {
            add({each});
        }
        add({line.sum});
    }
    void add(const CompanionMonsterFigures& m) {
        add(m.base);
        add(m.critical);
        add({m.expectedSum});
    }
    bool allFinite() const { return sum_ == 0; }

  private:
    double sum_ = 0;
};

// Every figure the report prints besides the hit table, which FillSkillHitTable checks.
bool ReportFiguresFinite(const BuildFigures& f) {
    FiniteCheck check;
    for (int k = 0; k < f.blockCount; ++k) {
        const BlockFigures& block = f.blocks[k];
        check.add(block.normal);
        check.add(block.elite);
        check.add(block.companionNormal);
        check.add(block.companionElite);
    }
    check.add({f.speed.sentryAttackSpeed});
    for (const BreakpointFigures& need : f.speed.breakpoints) {
        check.add({need.needed, need.missing});
    }
    check.add({f.rotation.cycleLength, f.rotation.sentryShotsPerCycle,
               f.rotation.companionStrikesPerCycle});
    const DamageOverTimeFigures& dot = f.damageOverTime;
    check.add({dot.bleedGemPerSecond, dot.poisonGemPerSecond, dot.bleedElitePerSecond,
               dot.poisonElitePerSecond, dot.dotElitePerSecond});
    const PerSecondFigures& perSecond = f.perSecond;
    check.add({perSecond.sentryNormalPerSecond, perSecond.sentryElitePerSecond,
               perSecond.companionElitePerSecond, perSecond.totalElitePerSecond});
    for (int i = 0; i < f.shareCount; ++i) {
        check.add({f.shares[i].usesPerCycle, f.shares[i].amount, f.shares[i].share});
    }
    for (const double seconds : f.killTimes.seconds) {
        check.add({seconds});
    }
    return check.allFinite();
}

// The first step: everything that does not depend on the runes in the slots.
BuildFigures ComputeCharacterFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue) {
    BuildFigures f;  // its hit table is not cleared: FillSkillHitTable writes all of it
    f.refusal = CheckInputs(sheet);
    f.multipliers = DeriveCharacterMultipliers(sheet);
    const CharacterMultipliers& m = f.multipliers;
    // No bracket describes a sentry slower than the slowest one; the fastest bracket's rotation
    // would be a plainly wrong answer.
    if (f.refusal == Refusal::None && m.sentryFiredMode &&
        BelowSentryBrackets(m.sentryAttackSpeed)) {
        f.refusal = Refusal::SentriesTooSlow;
    }
    if (f.refusal == Refusal::None) {
        f.refusal = FillSkillHitTable(catalogue, m, f.hitTable);
    }
    if (f.refusal != Refusal::None) {
        f.hitTable = {};
        return f;
    }
    if (m.sentryFiredMode) {
        // The rotation's uses per cycle depend on the skills used, never on their runes.
        f.speed = ComputeSentrySpeed(sheet, m);
        f.rotation = ApplyRotation(f.hitTable, m, sheet, f.speed);
        f.damageOverTime = ComputeDamageOverTime(sheet, m);
    }
    return f;
}

// Over figures of the first step that were not refused.
void ComputeSlotFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                        BuildFigures& f) {
    ComputeBlocks(sheet, catalogue, f);
    f.perSecond = {};
    f.shareCount = 0;
    f.killTimes = {};
    if (f.multipliers.sentryFiredMode && f.rotation.defined) {
        // The totals include the damage over time.
        f.perSecond = SumPerSecond(f, sheet);
        ListShares(f);
        f.killTimes =
            EstimateKillTimes(f.perSecond.sentryElitePerSecond, f.perSecond.companionElitePerSecond,
                              f.damageOverTime.dotElitePerSecond, SentryCooldown(sheet));
    }
    // A figure too large for a number is never reported.
    if (!ReportFiguresFinite(f)) {
        f.refusal = Refusal::FigureNotFinite;
    }
}

}  // namespace

BuildFigures ComputeFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue) {
    BuildFigures f = ComputeCharacterFigures(sheet, catalogue);
    if (f.refusal == Refusal::None) {
        ComputeSlotFigures(sheet, catalogue, f);
    }
    return f;
}

RuneTrials::RuneTrials(const CharacterSheet& character, const SkillCatalogue& catalogue)
    : catalogue_(catalogue),
      character_(ComputeCharacterFigures(character, catalogue)),
      trial_(character_) {}

const BuildFigures& RuneTrials::withRunes(const CharacterSheet& sheet) {
    if (character_.refusal != Refusal::None) {
        return trial_;  // as refused as the character
    }
    // The runes tried before may have made a figure too large; these start over.
    trial_.refusal = Refusal::None;
    ComputeSlotFigures(sheet, catalogue_, trial_);
    return trial_;
}

}  // namespace brakefell
