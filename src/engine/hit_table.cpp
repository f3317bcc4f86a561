#include "engine/hit_table.h"

#include <cmath>

namespace brakefell {
namespace {

// The average weighted with the critical chance.
double Expected(double average, const CharacterMultipliers& m) {
    return m.critDamageMultiplier * average * m.critChance + (1 - m.critChance) * average;
}

// Factor of the main hit: while the sentries fire the skills, the sentry's own bolts stay as
// they are, the companions strike once per player attack, and every other skill takes the
// sentry skill's bonus.
double MainHitFactor(const CharacterMultipliers& m, int skill) {
    if (!m.sentryFiredMode || skill == kSkillSentry) {
        return 1;
    }
    return skill == kSkillCompanion ? m.playerAttackSpeed : m.sentryFiredMultiplier;
}

double ExtraHitFactor(const CharacterMultipliers& m, int skill, const RuneRecord& rune) {
    const bool sentryOwnBolt = m.sentryFiredMode && skill == kSkillSentry;
    const double sentryFactor = m.sentryFiredMode ? m.sentryFiredMultiplier : 1;
    if (rune.extraIsRocket) {
        return m.rocketMultiplier * (sentryOwnBolt ? 1 : sentryFactor);
    }
    if (sentryOwnBolt) {
        return 1;
    }
    return sentryFactor * (rune.extraOnCrit ? m.critChance : 1);
}

// One hit against one kind of target, from its lowest and highest roll.
HitFigures FiguresOf(double min, double max, const CharacterMultipliers& m) {
    const double average = (min + max) / 2;
    return {min, max, average, Expected(average, m)};
}

// A hit against normal targets from its rolls, and against elites the same rolls times the elite
// bonus.
void SetSide(HitSide& side, double normalMin, double normalMax, const CharacterMultipliers& m) {
    side.normal = FiguresOf(normalMin, normalMax, m);
    side.elite = FiguresOf(normalMin * m.eliteMultiplier, normalMax * m.eliteMultiplier, m);
}

// The figures of one rune; its name, element and uses are left to the caller.
void ComputeRune(const RuneRecord& rune, int skill, const CharacterMultipliers& m,
                 RuneHitRecord& record) {
    const double hit = HitMultiplier(m, skill, rune.elementCode);

    const double mainFactor = MainHitFactor(m, skill);
    const double k = rune.mainCoefficient;
    SetSide(record.main, m.weaponMin * k * hit * mainFactor, m.weaponMax * k * hit * mainFactor, m);

    // An extra hit that needs a critical hit is weighted by the chance here and once more in
    // its expected value.
    const double extraFactor = ExtraHitFactor(m, skill, rune);
    const double x = rune.extraCoefficient;
    SetSide(record.extra, m.weaponMin * x * extraFactor * hit, m.weaponMax * x * extraFactor * hit,
            m);
}

// x - x is 0 for a finite figure and NaN for any other: one sum tells whether all are finite.
// Added in pairs, so that the sixteen subtractions and sums need not wait for each other.
double NonFinitePart(const RuneHitRecord& r) {
    const auto pair = [](double a, double b) { return (a - a) + (b - b); };
    const auto side = [&pair](const HitSide& s) {
        return (pair(s.normal.min, s.normal.max) + pair(s.normal.average, s.normal.expected)) +
               (pair(s.elite.min, s.elite.max) + pair(s.elite.average, s.elite.expected));
    };
    return side(r.main) + side(r.extra);
}

}  // namespace

Refusal FillSkillHitTable(const SkillCatalogue& catalogue, const CharacterMultipliers& m,
                          SkillHitTable& table) {
    double nonFinite = 0;
    for (int skill = 0; skill < kSkillCount; ++skill) {
        const SkillRecord& source = catalogue[skill];
        SkillHitEntry& entry = table[skill];
        entry.name = source.name;
        double skillNonFinite = 0;  // kept apart so that the sum stays in a register
        for (int r = 0; r < kRuneCount; ++r) {
            const RuneRecord& rune = source.runes[r];
            RuneHitRecord& record = entry.runes[r];
            if (!rune.hasDamage) {
                record = {};
                record.name = rune.name;
                continue;
            }
            // Only runes that deal damage are computed, so only theirs must be usable.
            if (rune.elementCode < 0 || rune.elementCode >= kElementCount ||
                !std::isfinite(rune.mainCoefficient) || !std::isfinite(rune.extraCoefficient)) {
                return Refusal::UnusableCatalogueRune;
            }
            record.name = rune.name;
            record.elementCode = rune.elementCode;
            record.main.usesPerCycle = 0;
            record.extra.usesPerCycle = 0;
            ComputeRune(rune, skill, m, record);
            skillNonFinite += NonFinitePart(record);
        }
        nonFinite += skillNonFinite;
    }
    return nonFinite == 0 ? Refusal::None : Refusal::FigureNotFinite;
}

void SetSkillUsesPerCycle(SkillHitTable& table, int skill, double value) {
    if (skill < 0 || skill >= kSkillCount) {
        return;  // not a catalogue skill
    }
    for (RuneHitRecord& rune : table[skill].runes) {
        rune.main.usesPerCycle = value;
        rune.extra.usesPerCycle = value;
    }
}

}  // namespace brakefell
