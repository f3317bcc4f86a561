#include "engine/damage_over_time.h"

namespace brakefell {
namespace {

// Per second, as a multiple of the average weapon damage: 400 % plus 10 % per rank for the
// bleed, 200 % plus 5 % per rank for the poison. The bonus pool multiplies here.
double DotBase(double weaponShare, double elementBonus, const CharacterMultipliers& m) {
    return weaponShare * m.MainStatMultiplier * ((m.WeaponMax + m.WeaponMin) * 0.5) *
           (1 + elementBonus / 100) * m.DamageBonusSum * m.ImpairedTargetMultiplier;
}

double CritAveraged(double base, const CharacterMultipliers& m) {
    return m.CritDamageMultiplier * base * m.CritChance + (1 - m.CritChance) * base;
}

}  // namespace

DamageOverTimeFigures ComputeDamageOverTime(const CharacterSheet& sheet,
                                            const CharacterMultipliers& m) {
    DamageOverTimeFigures dot;
    if (sheet.chkMorePain == 1) {
        dot.bleedShown = true;
        const double base = DotBase(4 + 0.1 * sheet.txtMorePain, sheet.txtEnchant[3], m);
        dot.BleedGemPerSecond = CritAveraged(base, m);
        dot.BleedElitePerSecond = m.EliteMultiplier * dot.BleedGemPerSecond;
        dot.DotElitePerSecond = dot.BleedElitePerSecond;
    }
    if (sheet.chkGemPoison == 1) {
        dot.poisonShown = true;
        const double base = DotBase(2 + 0.05 * sheet.txtGemPoison, sheet.txtEnchant[4], m);
        dot.PoisonGemPerSecond = CritAveraged(base, m);
        dot.PoisonElitePerSecond = m.EliteMultiplier * dot.PoisonGemPerSecond;
        dot.DotElitePerSecond = dot.DotElitePerSecond + dot.PoisonGemPerSecond * m.EliteMultiplier;
    }
    return dot;
}

}  // namespace brakefell
