#include "engine/hit_table.h"

#include <cmath>

namespace brakefell {
namespace {

// The names are the same from one calculation to the next; sharing them again costs nothing.
void AssignName(QString& name, const QString& source) {
    if (!name.isSharedWith(source)) {
        name = source;
    }
}

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

// The figures of one rune; the name, element and uses are left to the caller.
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

void TraceRune(QStringView name, const RuneHitRecord& record, ReportWriter& trace) {
    trace.text(u"-")
        .text(name)
        .text(u": ")
        .whole(record.MainNormalMin, false)
        .text(u"(+")
        .whole(record.ExtraNormalMin, true)
        .text(u")-")
        .whole(record.MainNormalMax, false)
        .text(u"(+")
        .whole(record.ExtraNormalMax, true)
        .text(u")")
        .lineEnd();
}

bool FiguresFinite(const RuneHitRecord& r) {
    bool finite = true;  // without branches: one sweep over sixteen figures
    for (const double value :
         {r.MainNormalMin, r.MainNormalMax, r.MainNormalAvg, r.MainNormalExpected, r.MainEliteMin,
          r.MainEliteMax, r.MainEliteAvg, r.MainEliteExpected, r.ExtraNormalMin, r.ExtraNormalMax,
          r.ExtraNormalAvg, r.ExtraNormalExpected, r.ExtraEliteMin, r.ExtraEliteMax,
          r.ExtraEliteAvg, r.ExtraEliteExpected}) {
        finite &= std::isfinite(value);
    }
    return finite;
}

void StoreFigures(const RuneHitRecord& from, RuneHitRecord& to) {
    to.MainNormalMin = from.MainNormalMin;
    to.MainNormalMax = from.MainNormalMax;
    to.MainNormalAvg = from.MainNormalAvg;
    to.MainNormalExpected = from.MainNormalExpected;
    to.MainEliteMin = from.MainEliteMin;
    to.MainEliteMax = from.MainEliteMax;
    to.MainEliteAvg = from.MainEliteAvg;
    to.MainEliteExpected = from.MainEliteExpected;
    to.ExtraNormalMin = from.ExtraNormalMin;
    to.ExtraNormalMax = from.ExtraNormalMax;
    to.ExtraNormalAvg = from.ExtraNormalAvg;
    to.ExtraNormalExpected = from.ExtraNormalExpected;
    to.ExtraEliteMin = from.ExtraEliteMin;
    to.ExtraEliteMax = from.ExtraEliteMax;
    to.ExtraEliteAvg = from.ExtraEliteAvg;
    to.ExtraEliteExpected = from.ExtraEliteExpected;
}

}  // namespace

void FillSkillHitTable(const SkillCatalogue& catalogue, const CharacterMultipliers& m,
                       SkillHitTable& table, ReportWriter& trace) {
    for (int skill = 0; skill < kSkillCount; ++skill) {
        const SkillRecord& source = catalogue[skill];
        SkillHitEntry& entry = table[skill];
        AssignName(entry.Name, source.Name);
        trace.lineEnd().text(u"<").text(source.Name).text(u">").lineEnd();
        for (int r = 0; r < kRuneCount; ++r) {
            const RuneRecord& rune = source.Runes[r];
            if (!rune.HasDamage) {
                continue;
            }
            RuneHitRecord computed;
            ComputeRune(rune, skill, m, computed);
            TraceRune(rune.Name, computed, trace);
            // A figure too large to be a number is never kept: the calculation is refused.
            if (!FiguresFinite(computed)) {
                trace.guard().reject();
                continue;
            }
            RuneHitRecord& record = entry.Runes[r];
            AssignName(record.Name, rune.Name);
            record.ElementCode = rune.ElementCode;
            StoreFigures(computed, record);
        }
    }
}

}  // namespace brakefell
