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
    if (rune.ExtraIsRocket) {
        return m.rocketMultiplier * (sentryOwnBolt ? 1 : sentryFactor);
    }
    if (sentryOwnBolt) {
        return 1;
    }
    return sentryFactor * (rune.ExtraOnCrit ? m.critChance : 1);
}

// The figures of one rune; its name, element and uses are left to the caller.
void ComputeRune(const RuneRecord& rune, int skill, const CharacterMultipliers& m,
                 RuneHitRecord& record) {
    const double hit = HitMultiplier(m, skill, rune.ElementCode);

    const double mainFactor = MainHitFactor(m, skill);
    const double k = rune.MainCoefficient;
    record.mainNormalMin = m.weaponMin * k * hit * mainFactor;
    record.mainNormalMax = m.weaponMax * k * hit * mainFactor;
    record.mainEliteMin = m.weaponMin * k * hit * mainFactor * m.eliteMultiplier;
    record.mainEliteMax = m.weaponMax * k * hit * mainFactor * m.eliteMultiplier;
    record.mainNormalAvg = (record.mainNormalMin + record.mainNormalMax) / 2;
    record.mainEliteAvg = (record.mainEliteMin + record.mainEliteMax) / 2;
    record.mainNormalExpected = Expected(record.mainNormalAvg, m);
    record.mainEliteExpected = Expected(record.mainEliteAvg, m);

    // An extra hit that needs a critical hit is weighted by the chance here and once more in
    // its expected value.
    const double extraFactor = ExtraHitFactor(m, skill, rune);
    const double x = rune.ExtraCoefficient;
    record.extraNormalMin = m.weaponMin * x * extraFactor * hit;
    record.extraNormalMax = m.weaponMax * x * extraFactor * hit;
    record.extraEliteMin = m.weaponMin * x * extraFactor * hit * m.eliteMultiplier;
    record.extraEliteMax = m.weaponMax * x * extraFactor * hit * m.eliteMultiplier;
    record.extraNormalAvg = (record.extraNormalMin + record.extraNormalMax) / 2;
    record.extraEliteAvg = (record.extraEliteMin + record.extraEliteMax) / 2;
    record.extraNormalExpected = Expected(record.extraNormalAvg, m);
    record.extraEliteExpected = Expected(record.extraEliteAvg, m);
}

// x - x is 0 for a finite figure and NaN for any other: one sum tells whether all are finite.
// Added in pairs, so that the sixteen subtractions and sums need not wait for each other.
double NonFinitePart(const RuneHitRecord& r) {
    const auto pair = [](double a, double b) { return (a - a) + (b - b); };
    const double main =
        (pair(r.mainNormalMin, r.mainNormalMax) + pair(r.mainNormalAvg, r.mainNormalExpected)) +
        (pair(r.mainEliteMin, r.mainEliteMax) + pair(r.mainEliteAvg, r.mainEliteExpected));
    const double extra =
        (pair(r.extraNormalMin, r.extraNormalMax) + pair(r.extraNormalAvg, r.extraNormalExpected)) +
        (pair(r.extraEliteMin, r.extraEliteMax) + pair(r.extraEliteAvg, r.extraEliteExpected));
    return main + extra;
}

}  // namespace

Refusal FillSkillHitTable(const SkillCatalogue& catalogue, const CharacterMultipliers& m,
                          SkillHitTable& table) {
    double nonFinite = 0;
    for (int skill = 0; skill < kSkillCount; ++skill) {
        const SkillRecord& source = catalogue[skill];
        SkillHitEntry& entry = table[skill];
        entry.name = source.Name;
        double skillNonFinite = 0;  // kept apart so that the sum stays in a register
        for (int r = 0; r < kRuneCount; ++r) {
            const RuneRecord& rune = source.Runes[r];
            RuneHitRecord& record = entry.runes[r];
            if (!rune.HasDamage) {
                record = {};
                record.name = rune.Name;
                continue;
            }
            // Only runes that deal damage are computed, so only theirs must be usable.
            if (rune.ElementCode < 0 || rune.ElementCode >= kElementCount ||
                !std::isfinite(rune.MainCoefficient) || !std::isfinite(rune.ExtraCoefficient)) {
                return Refusal::UnusableCatalogueRune;
            }
            record.name = rune.Name;
            record.elementCode = rune.ElementCode;
            record.mainUsesPerCycle = 0;
            record.extraUsesPerCycle = 0;
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
        rune.mainUsesPerCycle = value;
        rune.extraUsesPerCycle = value;
    }
}

}  // namespace brakefell
