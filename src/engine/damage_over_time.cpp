#include "engine/damage_over_time.h"

namespace brakefell {
namespace {

// Per second, as a multiple of the average weapon damage: 400 % plus 10 % per rank for the
// bleed, 200 % plus 5 % per rank for the poison. The bonus pool multiplies here.
double DotBase(double weaponShare, double elementBonus, const CharacterMultipliers& m) {
    return weaponShare * m.mainStatMultiplier * ((m.weaponMax + m.weaponMin) * 0.5) *
           (1 + elementBonus / 100) * m.damageBonusSum * m.impairedTargetMultiplier;
}

double CritAveraged(double base, const CharacterMultipliers& m) {
    return m.critDamageMultiplier * base * m.critChance + (1 - m.critChance) * base;
}

}  // namespace

DamageOverTimeFigures ComputeDamageOverTime(const CharacterSheet& sheet,
                                            const CharacterMultipliers& m) {
    DamageOverTimeFigures dot;
    if (sheet.chkMorePain == 1) {
        dot.bleedShown = true;
        const double base = DotBase(4 + 0.1 * sheet.txtMorePain, sheet.txtEnchant[3], m);
        dot.bleedGemPerSecond = CritAveraged(base, m);
        dot.bleedElitePerSecond = m.eliteMultiplier * dot.bleedGemPerSecond;
        dot.dotElitePerSecond = dot.bleedElitePerSecond;
    }
    if (sheet.chkGemPoison == 1) {
        dot.poisonShown = true;
        const double base = DotBase(2 + 0.05 * sheet.txtGemPoison, sheet.txtEnchant[4], m);
        dot.poisonGemPerSecond = CritAveraged(base, m);
        dot.poisonElitePerSecond = m.eliteMultiplier * dot.poisonGemPerSecond;
        dot.dotElitePerSecond = dot.dotElitePerSecond + dot.poisonGemPerSecond * m.eliteMultiplier;
    }
    return dot;
}

}  // namespace brakefell
