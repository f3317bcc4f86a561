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
    check.add({f.speed.SentryAttackSpeed});
    for (const BreakpointFigures& need : f.speed.breakpoints) {
        check.add({need.needed, need.missing});
    }
    check.add({f.rotation.CycleLength, f.rotation.SentryShotsPerCycle,
               f.rotation.companionStrikesPerCycle});
    const DamageOverTimeFigures& dot = f.damageOverTime;
    check.add({dot.BleedGemPerSecond, dot.PoisonGemPerSecond, dot.BleedElitePerSecond,
               dot.PoisonElitePerSecond, dot.DotElitePerSecond});
    const PerSecondFigures& perSecond = f.perSecond;
    check.add({perSecond.SentryNormalPerSecond, perSecond.SentryElitePerSecond,
               perSecond.CompanionElitePerSecond, perSecond.TotalElitePerSecond});
    for (int i = 0; i < f.shareCount; ++i) {
        check.add({f.shares[i].usesPerCycle, f.shares[i].amount, f.shares[i].share});
    }
    for (const double seconds : f.killTimes.seconds) {
        check.add({seconds});
    }
    return check.allFinite();
}

}  // namespace

BuildFigures ComputeCharacterFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                                     Edition edition) {
    BuildFigures f;  // its hit table is not cleared: FillSkillHitTable writes all of it
    f.edition = edition;
    f.refusal = CheckInputs(sheet);
    f.multipliers = DeriveCharacterMultipliers(sheet);
    const CharacterMultipliers& m = f.multipliers;
    // No bracket describes a sentry slower than the slowest one; the fastest bracket's rotation
    // would be a plainly wrong answer.
    if (f.refusal == Refusal::None && m.SentryFiredMode &&
        BelowSentryBrackets(m.SentryAttackSpeed)) {
        f.refusal = Refusal::SentriesTooSlow;
    }
    if (f.refusal == Refusal::None) {
        f.refusal = FillSkillHitTable(catalogue, m, f.hitTable);
    }
    if (f.refusal != Refusal::None) {
        f.hitTable = {};
        return f;
    }
    if (m.SentryFiredMode) {
        // The rotation's uses per cycle depend on the skills used, never on their runes.
        f.speed = ComputeSentrySpeed(sheet, m);
        f.rotation = ApplyRotation(f.hitTable, m, sheet, f.speed);
        f.damageOverTime = ComputeDamageOverTime(sheet, m);
    }
    return f;
}

void ComputeSlotFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                        BuildFigures& f) {
    ComputeBlocks(sheet, catalogue, f);
    f.perSecond = {};
    f.shareCount = 0;
    f.killTimes = {};
    if (f.multipliers.SentryFiredMode && f.rotation.defined) {
        // The totals include the damage over time.
        f.perSecond = SumPerSecond(f, sheet);
        ListShares(f);
        f.killTimes =
            EstimateKillTimes(f.perSecond.SentryElitePerSecond, f.perSecond.CompanionElitePerSecond,
                              f.damageOverTime.DotElitePerSecond, SentryCooldown(sheet));
    }
    // A figure too large for a number is never reported.
    if (!ReportFiguresFinite(f)) {
        f.refusal = Refusal::FigureNotFinite;
    }
}

BuildFigures ComputeFigures(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            Edition edition) {
    BuildFigures f = ComputeCharacterFigures(sheet, catalogue, edition);
    if (f.refusal == Refusal::None) {
        ComputeSlotFigures(sheet, catalogue, f);
    }
    return f;
}

}  // namespace brakefell
