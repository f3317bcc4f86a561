// The sentry's attack-speed brackets and the breakpoint block.
#include <gtest/gtest.h>

#include "engine/report/sentry_texts.h"
#include "engine/sentry_brackets.h"
#include "engine/sentry_breakpoints.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::PlainSheet;

TEST(SentryBracketTest, BoundsAreInclusiveAndRowSevenTakesTheRest) {
    struct Case {
        double speed;
        int row;
    };
    for (const Case& c : {Case{0.9819, 0}, Case{1.1020, 0}, Case{1.1021, 1}, Case{1.2558, 1},
                          Case{1.2559, 2}, Case{1.4594, 2}, Case{1.4595, 3}, Case{1.7419, 3},
                          Case{1.7420, 4}, Case{2.16, 4}, Case{2.1601, 5}, Case{2.8421, 5},
                          Case{2.8422, 6}, Case{4.1538, 6}, Case{4.1539, 7}, Case{12.5, 7}}) {
        EXPECT_EQ(SentryBracketRow(c.speed), c.row) << c.speed;
    }
    EXPECT_TRUE(BelowSentryBrackets(0.9818));
    EXPECT_FALSE(BelowSentryBrackets(0.9819));
}

TEST(SentryBracketTest, HeaderShowsSpeedAndLabel) {
    struct Case {
        double speed;
        const char* header;
    };
    for (const Case& c : {Case{1.5012, "공속1.5012(1.45946 - 1.74193 구간)"},
                          Case{0.9819, "공속.9819(0.98182 - 1.10203 구간)"},
                          Case{2.16, "공속2.1600(1.74194 - 2.16 구간)"},
                          Case{4.2, "공속4.2000(4.15386 이상 구간)"}}) {
        ReportWriter out;
        WriteBracketHeader(out,
                           {.sentryAttackSpeed = c.speed, .bracketRow = SentryBracketRow(c.speed)});
        const std::u16string text = out.take();
        EXPECT_EQ(text, Utf16OfUtf8(c.header));
    }
}

struct BreakpointCase {
    const char* what;
    Edition edition;
    double weaponSpeed;
    double attackSpeed;
    int voodoo;
    std::vector<const char*> lines;  // the block's first lines
};

const BreakpointCase kBreakpointCases[] = {
    {"full, 1.4 weapon",
     Edition::Full,
     1.4,
     0,
     0,
     {"-자동쇠뇌 공속 계산-", "1.45946 에 필요한 공속:     4.25%    (4.25%)",
      "1.74194 에 필요한 공속:    24.42%   (24.42%)",
      "2.16001 에 필요한 공속:    54.29%   (54.29%)",
      "2.84211 에 필요한 공속:   103.01%  (103.01%)",
      "4.15386 에 필요한 공속:   196.70%  (196.70%)", ""}},
    {"full, past the first breakpoint",
     Edition::Full,
     1.4,
     10,
     0,
     {"-자동쇠뇌 공속 계산-", "1.45946 에 필요한 공속:     4.25%   (-5.75%)",
      "1.74194 에 필요한 공속:    24.42%   (14.42%)"}},
    {"full, voodoo lends 20 points",
     Edition::Full,
     1.4,
     10,
     1,
     {"-자동쇠뇌 공속 계산-", "1.45946 에 필요한 공속:     4.25%  (-25.75%)",
      "1.74194 에 필요한 공속:    24.42%   (-5.58%)",
      "2.16001 에 필요한 공속:    54.29%   (24.29%)"}},
    {"full, a fraction missing",
     Edition::Full,
     1.4,
     3.85,
     0,
     {"-자동쇠뇌 공속 계산-", "1.45946 에 필요한 공속:     4.25%     (.40%)"}},
    {"lite",
     Edition::Lite,
     1.4,
     0,
     0,
     {"-자동쇠뇌 공속 계산-", "1.459에 필요공속:    4.25%   (4.25%)",
      "1.741에 필요공속:   24.42%  (24.42%)", "2.160에 필요공속:   54.29%  (54.29%)",
      "2.842에 필요공속:  103.01% (103.01%)", "4.154에 필요공속:  196.70% (196.70%)", ""}},
    {"lite with voodoo",
     Edition::Lite,
     1.4,
     0,
     1,
     {"-자동쇠뇌 공속 계산-", "1.459에 필요공속:    4.25% (-15.75%)",
      "1.742에 필요공속:   24.42%   (4.42%)"}},
    {"lite with a grayed voodoo box",
     Edition::Lite,
     1.4,
     0,
     2,
     {"-자동쇠뇌 공속 계산-", "1.459에 필요공속:    4.25% (-15.75%)",
      "1.742에 필요공속:   24.42%   (4.42%)"}},
    {"no base speed",
     Edition::Full,
     0,
     0,
     0,
     {"-자동쇠뇌 공속 계산-", "1.45946 에 필요한 공속:          -         -",
      "1.74194 에 필요한 공속:          -         -"}},
};

TEST(BreakpointBlockTest, NeededAndMissingSpeedPerBreakpoint) {
    for (const BreakpointCase& c : kBreakpointCases) {
        CharacterSheet sheet = PlainSheet();
        sheet.cboWeaponSpeed = 1;
        sheet.weaponSpeedValue = c.weaponSpeed;
        sheet.txtAttackSpeed = c.attackSpeed;
        sheet.chkVoodoo = c.voodoo;
        ReportWriter out;
        WriteBreakpointBlock(out, ComputeSentrySpeed(sheet, DeriveCharacterMultipliers(sheet)),
                             c.edition);
        const std::u16string text = out.take();
        const std::vector<std::u16string> lines = testing::Lines(text);
        ASSERT_EQ(lines.size(), 7) << c.what;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(lines[static_cast<std::ptrdiff_t>(i)], Utf16OfUtf8(c.lines[i]))
                << c.what << " line " << i;
        }
    }
}

TEST(BreakpointBlockTest, BaseSpeedLeavesOutAttackSpeedAndVoodoo) {
    CharacterSheet sheet = PlainSheet();
    sheet.weaponSpeedValue = 1.6;
    sheet.txtWeaponExtraSpeed = 25;
    sheet.txtTesker = 10;
    sheet.txtAttackSpeed = 40;
    sheet.chkVoodoo = 1;
    EXPECT_DOUBLE_EQ(SentryBaseSpeed(sheet), 2.2);
    const SentrySpeedFigures speed = ComputeSentrySpeed(sheet, DeriveCharacterMultipliers(sheet));
    ASSERT_TRUE(speed.needsDefined);
    EXPECT_NEAR(speed.breakpoints[4].needed, 88.8118, 1e-4);             // 4.15386 / 2.2 = 1.888118
    EXPECT_NEAR(speed.breakpoints[4].missing, 88.8118 - 40 - 20, 1e-4);  // attack speed, voodoo
}

}  // namespace
}  // namespace brakefell
