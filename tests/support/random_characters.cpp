#include "random_characters.h"

#include <cmath>
#include <cstdlib>

namespace brakefell::testing {
namespace {

class Draw {
  public:
    explicit Draw(std::mt19937_64& random) : random_(random) {}

    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double tenths(double low, double high) {
        return std::round(std::uniform_real_distribution<double>(low, high)(random_) * 10) / 10;
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    // 0 or 1, and now and then the grayed 2 that only a profile can bring.
    int checkBox() { return chance(0.05) ? 2 : whole(0, 1); }
    double orZero(double value) { return chance(0.5) ? value : 0; }

  private:
    std::mt19937_64& random_;
};

constexpr double kWeaponSpeeds[] = {1.1, 1.4, 1.6};
constexpr int kSkillsWithBonusBox[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 14, 16, 18, 19, 20, 21, 22, 23};
constexpr int kBuildSkills[] = {5, 7, 8, 14, 18, 21, 22};

}  // namespace

CharacterSheet RandomCharacter(std::mt19937_64& random) {
    Draw draw(random);
    CharacterSheet s;
    s.cboWeaponSpeed = draw.whole(0, 2);
    s.weaponSpeedValue = kWeaponSpeeds[s.cboWeaponSpeed];
    s.txtWeaponExtraSpeed = draw.whole(0, 15);
    s.txtWeaponDamageMin = draw.whole(500, 3000);
    s.txtWeaponDamageMax = s.txtWeaponDamageMin + draw.whole(0, 1500);
    for (int element = 1; element <= 6; ++element) {
        s.txtEnchant[element] = draw.orZero(draw.whole(0, 100));
    }
    s.txtMainStat = draw.whole(1000, 15000);
    s.txtCriticalDamage = draw.whole(50, 600);
    s.txtTesker = draw.chance(0.3) ? draw.whole(0, 30) : 0;
    s.txtAttackSpeed = draw.tenths(0, 120);
    s.txtCriticalChance = draw.tenths(0, 80);
    s.txtEnchantElite = draw.whole(0, 100);
    s.txtDecreaseTime = draw.tenths(0, 70);
    for (const int skill : kSkillsWithBonusBox) {
        s.txtSkill[skill] = draw.orZero(draw.whole(0, 60));
    }
    for (int* box : {&s.chkPassiveAim, &s.chkPassiveArrow, &s.chkPassiveRenovate, &s.chkPassiveWeak,
                     &s.chkPassiveTrajectory, &s.chkGemStrong, &s.chkMorePain, &s.chkGemLocked,
                     &s.chkGemSummon, &s.chkGemPoison, &s.chkGemJ, &s.chkMark, &s.chkCompanion,
                     &s.chkVoodoo, &s.chkOurGemPoison}) {
        *box = draw.checkBox();
    }
    s.chkCrossbow = draw.chance(0.8) ? 1 : 0;
    for (double* level : {&s.txtGemStrong, &s.txtMorePain, &s.txtGemLocked, &s.txtGemSummon,
                          &s.txtGemPoison, &s.txtGemJ}) {
        *level = draw.whole(0, 100);
    }
    s.cboGemJMeter = draw.whole(0, 4);
    s.cboOurGemPoison = draw.whole(0, 2);
    s.optVoodooDance = draw.chance(0.5);
    s.optGemPoisonBuffOnly = draw.chance(0.5);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        s.cboUsingSkill[slot] =
            draw.chance(0.7) ? kBuildSkills[draw.whole(0, 6)] : draw.whole(0, kSkillCount - 1);
        s.cboUsingSkillRune[slot] = draw.whole(0, kRuneCount - 1);
    }
    return s;
}

int RandomCaseCount(int usual) {
    const char* asked = std::getenv("BRAKEFELL_RANDOM_CASES");
    const int cases = asked != nullptr ? std::atoi(asked) : 0;
    return cases > 0 ? cases : usual;
}

}  // namespace brakefell::testing
