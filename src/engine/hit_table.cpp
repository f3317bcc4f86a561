#include "engine/hit_table.h"

#include <cmath>

namespace brakefell {
namespace {

// The average weighted with the critical chance.
double Expected(double average, const CharacterMultipliers& m) {
    return m.CritDamageMultiplier * average * m.CritChance + (1 - m.CritChance) * average;
}

// Factor of the main hit: while the sentries fire the skills, the sentry's own bolts stay as
// they are, the companions strike once per player attack, and every other skill takes the
// sentry skill's bonus.
double MainHitFactor(const CharacterMultipliers& m, int skill) {
    if (!m.SentryFiredMode || skill == kSkillSentry) {
        return 1;
    }
    return skill == kSkillCompanion ? m.PlayerAttackSpeed : m.SentryFiredMultiplier;
}

double ExtraHitFactor(const CharacterMultipliers& m, int skill, const RuneRecord& rune) {
    const bool sentryOwnBolt = m.SentryFiredMode && skill == kSkillSentry;
    const double sentryFactor = m.SentryFiredMode ? m.SentryFiredMultiplier : 1;
    if (rune.ExtraIsRocket) {
        return m.RocketMultiplier * (sentryOwnBolt ? 1 : sentryFactor);
    }
    if (sentryOwnBolt) {
        return 1;
    }
    return sentryFactor * (rune.ExtraOnCrit ? m.CritChance : 1);
}

// The figures of one rune; its name, element and uses are left to the caller.
void ComputeRune(const RuneRecord& rune, int skill, const CharacterMultipliers& m,
                 RuneHitRecord& record) {
    const double hit = HitMultiplier(m, skill, rune.ElementCode);

    const double mainFactor = MainHitFactor(m, skill);
    const double k = rune.MainCoefficient;
    record.MainNormalMin = m.WeaponMin * k * hit * mainFactor;
    record.MainNormalMax = m.WeaponMax * k * hit * mainFactor;
    record.MainEliteMin = m.WeaponMin * k * hit * mainFactor * m.EliteMultiplier;
    record.MainEliteMax = m.WeaponMax * k * hit * mainFactor * m.EliteMultiplier;
    record.MainNormalAvg = (record.MainNormalMin + record.MainNormalMax) / 2;
    record.MainEliteAvg = (record.MainEliteMin + record.MainEliteMax) / 2;
    record.MainNormalExpected = Expected(record.MainNormalAvg, m);
    record.MainEliteExpected = Expected(record.MainEliteAvg, m);

    // An extra hit that needs a critical hit is weighted by the chance here and once more in
    // its expected value.
    const double extraFactor = ExtraHitFactor(m, skill, rune);
    const double x = rune.ExtraCoefficient;
    record.ExtraNormalMin = m.WeaponMin * x * extraFactor * hit;
    record.ExtraNormalMax = m.WeaponMax * x * extraFactor * hit;
    record.ExtraEliteMin = m.WeaponMin * x * extraFactor * hit * m.EliteMultiplier;
    record.ExtraEliteMax = m.WeaponMax * x * extraFactor * hit * m.EliteMultiplier;
    record.ExtraNormalAvg = (record.ExtraNormalMin + record.ExtraNormalMax) / 2;
    record.ExtraEliteAvg = (record.ExtraEliteMin + record.ExtraEliteMax) / 2;
    record.ExtraNormalExpected = Expected(record.ExtraNormalAvg, m);
    record.ExtraEliteExpected = Expected(record.ExtraEliteAvg, m);
}

// x - x is 0 for a finite figure and NaN for any other: one sum tells whether all are finite.
// Added in pairs, so that the sixteen subtractions and sums need not wait for each other.
double NonFinitePart(const RuneHitRecord& r) {
    const auto pair = [](double a, double b) { return (a - a) + (b - b); };
    const double main =
        (pair(r.MainNormalMin, r.MainNormalMax) + pair(r.MainNormalAvg, r.MainNormalExpected)) +
        (pair(r.MainEliteMin, r.MainEliteMax) + pair(r.MainEliteAvg, r.MainEliteExpected));
    const double extra =
        (pair(r.ExtraNormalMin, r.ExtraNormalMax) + pair(r.ExtraNormalAvg, r.ExtraNormalExpected)) +
        (pair(r.ExtraEliteMin, r.ExtraEliteMax) + pair(r.ExtraEliteAvg, r.ExtraEliteExpected));
    return main + extra;
}

}  // namespace

Refusal FillSkillHitTable(const SkillCatalogue& catalogue, const CharacterMultipliers& m,
                          SkillHitTable& table) {
    double nonFinite = 0;
    for (int skill = 0; skill < kSkillCount; ++skill) {
        const SkillRecord& source = catalogue[skill];
        SkillHitEntry& entry = table[skill];
        entry.Name = source.Name;
        double skillNonFinite = 0;  // kept apart so that the sum stays in a register
        for (int r = 0; r < kRuneCount; ++r) {
            const RuneRecord& rune = source.Runes[r];
            RuneHitRecord& record = entry.Runes[r];
            if (!rune.HasDamage) {
                record = {};
                record.Name = rune.Name;
                continue;
            }
            // Only runes that deal damage are computed, so only theirs must be usable.
            if (rune.ElementCode < 0 || rune.ElementCode >= kElementCount ||
                !std::isfinite(rune.MainCoefficient) || !std::isfinite(rune.ExtraCoefficient)) {
                return Refusal::UnusableCatalogueRune;
            }
            record.Name = rune.Name;
            record.ElementCode = rune.ElementCode;
            record.MainUsesPerCycle = 0;
            record.ExtraUsesPerCycle = 0;
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
    for (RuneHitRecord& rune : table[skill].Runes) {
        rune.MainUsesPerCycle = value;
        rune.ExtraUsesPerCycle = value;
    }
}

}  // namespace brakefell
