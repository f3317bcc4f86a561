// Attack rates, the bonus pool and the factors of one hit.
#include <gtest/gtest.h>

#include <functional>

#include "engine/character_multipliers.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::PlainSheet;

TEST(AttackRateTest, SentryAndPlayerRates) {
    struct Case {
        int item;
        double weaponSpeed, extra, speed, tesker;
        int voodoo;
        double sentry, player;
    };
    for (const Case& c : {
             Case{1, 1.4, 0, 0, 0, 1, 1.68, 1.4},  // voodoo adds 20 points to the sentries
             Case{2, 1.6, 7, 25, 0, 0, 2.14, 2.14},
             Case{0, 1.1, 6, 27, 0, 0, 1.4808, 1.4808},  // 1.48082 rounded
             Case{0, 1.1, 0, 0, 10, 0, 1.21, 1.1},       // "테스커" speeds the sentries only
             Case{0, 1.1, 0, 0, 0, 2, 1.32, 1.1},        // a grayed box counts as the buff
         }) {
        CharacterSheet sheet = PlainSheet();
        sheet.cboWeaponSpeed = c.item;
        sheet.weaponSpeedValue = c.weaponSpeed;
        sheet.txtWeaponExtraSpeed = c.extra;
        sheet.txtAttackSpeed = c.speed;
        sheet.txtTesker = c.tesker;
        sheet.chkVoodoo = c.voodoo;
        const CharacterMultipliers m = DeriveCharacterMultipliers(sheet);
        EXPECT_EQ(m.sentryAttackSpeed, c.sentry) << c.weaponSpeed << " " << c.speed;
        EXPECT_EQ(m.playerAttackSpeed, c.player) << c.weaponSpeed << " " << c.speed;
    }
}

TEST(DamageBonusSumTest, EachOptionAddsItsShare) {
    struct Case {
        const char* what;
        std::function<void(CharacterSheet&)> set;
        double expected;
    };
    const Case cases[] = {
        {"wolf", [](CharacterSheet& s) { s.chkCompanion = 1; }, 0.3},
        {"strong gem", [](CharacterSheet& s) { s.chkGemStrong = 1; }, 0.2},
        {"archery 1.4", [](CharacterSheet& s) { s.chkPassiveArrow = 1, s.cboWeaponSpeed = 1; },
         0.08},
        {"archery 1.1", [](CharacterSheet& s) { s.chkPassiveArrow = 1, s.cboWeaponSpeed = 0; }, 0},
        {"archery 1.6", [](CharacterSheet& s) { s.chkPassiveArrow = 1, s.cboWeaponSpeed = 2; }, 0},
        {"poison 24", [](CharacterSheet& s) { s.chkGemPoison = 1, s.txtGemPoison = 24; }, 0},
        {"poison 25", [](CharacterSheet& s) { s.chkGemPoison = 1, s.txtGemPoison = 25; }, 0.1},
        {"others' poison x3",
         [](CharacterSheet& s) { s.chkOurGemPoison = 1, s.cboOurGemPoison = 2; }, 0.3},
        {"aim", [](CharacterSheet& s) { s.chkPassiveAim = 1; }, 0.2},
        {"mark", [](CharacterSheet& s) { s.chkMark = 1; }, 0.2},
        {"voodoo dance", [](CharacterSheet& s) { s.chkVoodoo = 1; }, 0.3},
        {"voodoo other", [](CharacterSheet& s) { s.chkVoodoo = 1, s.optVoodooDance = false; }, 0},
        {"voodoo grayed", [](CharacterSheet& s) { s.chkVoodoo = 2; }, 0},
        {"aim and mark", [](CharacterSheet& s) { s.chkPassiveAim = 1, s.chkMark = 1; }, 0.4},
    };
    for (const Case& c : cases) {
        CharacterSheet sheet = PlainSheet();
        c.set(sheet);
        EXPECT_DOUBLE_EQ(DeriveCharacterMultipliers(sheet).damageBonusSum, c.expected) << c.what;
    }
}

TEST(CharacterFactorTest, ImpairedTargetEliteRocketAndSkillBonus) {
    CharacterSheet sheet = PlainSheet();
    sheet.chkPassiveWeak = 1;
    sheet.chkGemLocked = 1;
    sheet.txtGemLocked = 10;
    sheet.txtEnchantElite = 41;
    sheet.chkPassiveTrajectory = 1;
    sheet.txtSkill.fill(50);
    const CharacterMultipliers m = DeriveCharacterMultipliers(sheet);
    EXPECT_DOUBLE_EQ(m.impairedTargetMultiplier, 1.416);  // 1.2 x 1.18
    EXPECT_DOUBLE_EQ(m.eliteMultiplier, 1.41);
    EXPECT_EQ(m.rocketMultiplier, 2);
    EXPECT_EQ(m.sentryFiredMultiplier, 1);  // the sentry bonus needs the crossbow option
    for (const int boxed : {0, 1, 2, 3, 4, 5, 6, 7, 8, 14, 16, 18, 19, 20, 21, 22, 23}) {
        EXPECT_EQ(m.skillBonus[boxed], 1.5) << boxed;
    }
    EXPECT_EQ(m.skillBonus[12], 1);
    for (const int boxless : {9, 10, 11, 13, 15, 17}) {
        EXPECT_EQ(m.skillBonus[boxless], 0) << boxless;
    }

    sheet.chkGemLocked = 0;
    sheet.chkCrossbow = 1;
    const CharacterMultipliers sentry = DeriveCharacterMultipliers(sheet);
    EXPECT_DOUBLE_EQ(sentry.impairedTargetMultiplier, 1.2);
    EXPECT_DOUBLE_EQ(sentry.sentryFiredMultiplier, 1.5);
}

TEST(HitMultiplierTest, EnforcerJoinsTheElementAndVengeanceCountsSteps) {
    CharacterSheet sheet = PlainSheet();
    sheet.txtEnchant[1] = 50;
    sheet.txtMainStat = 100;
    sheet.chkGemSummon = 1;
    sheet.txtGemSummon = 0;  // bonus 0.15
    struct Case {
        int crossbow, skill, element;
        double expected;
    };
    // Main stat x2; the bonus factor is 0 + SkillBonus = 1 (skill 9 has none: 0).
    for (const Case& c : {Case{0, 5, 1, 3.0},   // 1.5 x 2, gem not applied
                          Case{0, 14, 1, 3.3},  // (0.15 + 1.5) x 2 for the companions always
                          Case{1, 5, 1, 3.3},   // and for everyone while the sentries fire
                          Case{0, 5, 0, 0},     // element 0 has no factor
                          Case{0, 14, 0, 0.3},  // ... unless the gem lends it one
                          Case{1, 9, 1, 0}}) {  // a boxless skill without bonus pool
        sheet.chkCrossbow = c.crossbow;
        EXPECT_NEAR(HitMultiplier(DeriveCharacterMultipliers(sheet), c.skill, c.element),
                    c.expected, 1e-12)
            << c.crossbow << " " << c.skill << " " << c.element;
    }

    CharacterSheet plain = PlainSheet();
    plain.chkGemJ = 1;
    plain.txtGemJ = 0;
    plain.cboGemJMeter = 4;  // "50": five steps
    const CharacterMultipliers m = DeriveCharacterMultipliers(plain);
    EXPECT_NEAR(HitMultiplier(m, 5, 1), 1.2, 1e-12);
    EXPECT_NEAR(HitMultiplier(m, 14, 1), 1.04, 1e-12);
}

TEST(PresenceFlagTest, UsedSlotsSetTheKeySkillFlags) {
    CharacterSheet sheet = PlainSheet();
    testing::UseSlot(sheet, 0, 7, 0);
    testing::UseSlot(sheet, 3, 22, 0);
    CharacterMultipliers m = DeriveCharacterMultipliers(sheet);
    EXPECT_TRUE(m.hasSpinningStar);
    EXPECT_FALSE(m.hasElementalArrow || m.hasFanOfKnives || m.hasMultishot);
    EXPECT_TRUE(m.hasClusterArrow);
    testing::UseSlot(sheet, 1, 8, 0);
    testing::UseSlot(sheet, 2, 5, 0);
    m = DeriveCharacterMultipliers(sheet);
    EXPECT_TRUE(m.hasSpinningStar && m.hasElementalArrow && m.hasFanOfKnives);
}

}  // namespace
}  // namespace brakefell
