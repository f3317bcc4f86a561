// The metrics: names, direction, which exist for which inputs, and their values in the figures.
#include "analysis/metric.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "analysis/history_values.h"
#include "analysis/metric_choice.h"
#include "engine/compute_figures.h"
#include "engine_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

TEST(Metrics, NamesReadBackAndOthersAreNoMetric) {
    for (const char* name : {"dps", "kill-time-1", "kill-time-4", "hit-0", "hit-5"}) {
        const auto metric = MetricNamed(Utf16OfLatin1(name));
        ASSERT_TRUE(metric.has_value()) << name;
        EXPECT_EQ(MetricName(*metric), Utf16OfLatin1(name));
    }
    for (const char* name : {"", "DPS", "kill-time-0", "kill-time-5", "hit-6", "hit--1", "hit-10",
                             "kill-time-", "dps "}) {
        EXPECT_FALSE(MetricNamed(Utf16OfLatin1(name)).has_value()) << name;
    }
    EXPECT_TRUE(HigherIsBetter(*MetricNamed(u"dps")));
    EXPECT_TRUE(HigherIsBetter(*MetricNamed(u"hit-2")));
    EXPECT_FALSE(HigherIsBetter(*MetricNamed(u"kill-time-3")));
    EXPECT_EQ(MetricCaption(*MetricNamed(u"hit-0")), u"슬롯 1 한 방 기대값");
}

TEST(Metrics, DefaultAndMissingFollowTheSentriesAndTheSlots) {
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    CharacterSheet sheet;  // slot 0 holds skill 15 rune 1, which deals no damage
    EXPECT_EQ(DefaultMetric(sheet, catalogue), MetricNamed(u"dps"));
    EXPECT_TRUE(MetricMissing(*MetricNamed(u"dps"), sheet, catalogue).empty());
    EXPECT_FALSE(MetricMissing(*MetricNamed(u"hit-0"), sheet, catalogue).empty());
    EXPECT_TRUE(MetricMissing(*MetricNamed(u"hit-1"), sheet, catalogue).empty());

    sheet.chkCrossbow = 0;
    EXPECT_EQ(DefaultMetric(sheet, catalogue), MetricNamed(u"hit-1"));
    EXPECT_FALSE(MetricMissing(*MetricNamed(u"dps"), sheet, catalogue).empty());
    EXPECT_FALSE(MetricMissing(*MetricNamed(u"kill-time-2"), sheet, catalogue).empty());

    sheet.cboUsingSkill.fill(15);
    sheet.cboUsingSkillRune.fill(1);
    EXPECT_FALSE(DefaultMetric(sheet, catalogue).has_value());
}

TEST(Metrics, TheChoiceIsTheAskedOneTheSuggestedOneOrNoneWithWhy) {
    // Slot 1 (index 0) of the default character deals no damage, slot 2 does; the sentries fire.
    const char16_t* kSlot1Dead = u"슬롯 1에 고른 룬은 피해를 주지 않습니다.";
    const char16_t* kNoSentries = u"처치 시간(쇠뇌 2개)은(는) 쇠뇌 발사체를 켰을 때만 계산됩니다.";
    const char16_t* kRefused = u"입력값이 계산할 수 있는 범위를 벗어났습니다.";
    enum class Inputs { Default, NoSentries, NoDamage, Refused };
    const struct {
        Inputs inputs;
        const char* asked;  // "": none
        const char* shown;  // "": no numbers
        const char16_t* note;
        const char16_t* missing;
        const char16_t* fallback;
    } rows[] = {
        {Inputs::Default, "", "dps", u"", u"", u""},
        {Inputs::Default, "hit-1", "hit-1", u"", u"", u""},
        {Inputs::Default, "hit-0", "dps", u"", kSlot1Dead,
         u"슬롯 1 한 방 기대값 대신 초당 피해량(정예)을(를) 보여 줍니다: 슬롯 1에 고른 룬은 피해를 "
         u"주지 않습니다."},
        {Inputs::NoSentries, "", "hit-1", u"", u"", u""},
        {Inputs::NoSentries, "kill-time-2", "hit-1", u"", kNoSentries,
         u"처치 시간(쇠뇌 2개) 대신 슬롯 2 한 방 기대값을(를) 보여 줍니다: 처치 시간(쇠뇌 "
         u"2개)은(는) "
         u"쇠뇌 발사체를 켰을 때만 계산됩니다."},
        {Inputs::NoDamage, "kill-time-2", "", kNoSentries, kNoSentries, u""},
        {Inputs::NoDamage, "", "",
         u"이 입력에는 잴 지표가 없습니다: 피해를 주는 룬이 없고 쇠뇌가 스킬을 쓰지 않습니다.", u"",
         u""},
        {Inputs::Refused, "dps", "", kRefused, u"", u""},
        // A stand-in for refused inputs has no numbers either, but the line still says why.
        {Inputs::Refused, "hit-0", "", kRefused, kSlot1Dead,
         u"슬롯 1 한 방 기대값 대신 초당 피해량(정예)을(를) 보여 줍니다: 슬롯 1에 고른 룬은 피해를 "
         u"주지 않습니다."},
    };
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    for (const auto& row : rows) {
        CharacterSheet sheet;
        if (row.inputs != Inputs::Default && row.inputs != Inputs::Refused) {
            sheet.chkCrossbow = 0;
        }
        if (row.inputs == Inputs::NoDamage) {
            sheet.cboUsingSkill.fill(15);
            sheet.cboUsingSkillRune.fill(1);
        }
        if (row.inputs == Inputs::Refused) {
            sheet.txtMainStat = std::numeric_limits<double>::infinity();
        }
        const std::optional<Metric> asked =
            *row.asked ? MetricNamed(Utf16OfLatin1(row.asked)) : std::nullopt;
        const MetricChoice choice = ChooseMetric(asked, sheet, catalogue);
        const std::string at =
            std::string(row.asked) + " on inputs " + std::to_string(static_cast<int>(row.inputs));
        EXPECT_EQ(choice.metric ? Utf8OfUtf16(MetricName(*choice.metric)) : "", row.shown) << at;
        EXPECT_EQ(choice.note, row.note) << at;
        EXPECT_EQ(choice.missing, row.missing) << at;
        EXPECT_EQ(choice.fallback, row.fallback) << at;
    }
}

TEST(Metrics, ValuesAreTheReportsFigures) {
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    CharacterSheet sheet;
    const BuildFigures f = ComputeFigures(sheet, catalogue);
    EXPECT_EQ(MetricValue(*MetricNamed(u"dps"), f), f.perSecond.totalElitePerSecond);
    EXPECT_EQ(MetricValue(*MetricNamed(u"kill-time-2"), f), f.killTimes.seconds[1]);
    // Slot 1 is the first block shown: slot 0's rune deals no damage.
    EXPECT_EQ(f.blocks[0].slot, 1);
    EXPECT_EQ(MetricValue(*MetricNamed(u"hit-1"), f), f.blocks[0].elite.expected.total);
    EXPECT_FALSE(MetricValue(*MetricNamed(u"hit-0"), f).has_value());
    // Slot 3 holds the companions: their sum.
    const auto companions = std::find_if(f.blocks.begin(), f.blocks.end(),
                                         [](const BlockFigures& b) { return b.slot == 3; });
    ASSERT_EQ(companions->kind, BlockKind::Companions);
    EXPECT_EQ(MetricValue(*MetricNamed(u"hit-3"), f), companions->companionElite.expectedSum);

    // A sentry that comes after the target is dead adds nothing: the time of those before.
    sheet.txtWeaponDamageMin = sheet.txtWeaponDamageMax = 500000;
    const BuildFigures quick = ComputeFigures(sheet, catalogue);
    ASSERT_LT(quick.killTimes.sentriesInTime, 4);
    EXPECT_EQ(MetricValue(*MetricNamed(u"kill-time-4"), quick),
              quick.killTimes.seconds[quick.killTimes.sentriesInTime - 1]);

    sheet.txtMainStat = std::numeric_limits<double>::infinity();  // refused
    EXPECT_FALSE(MetricValue(*MetricNamed(u"dps"), ComputeFigures(sheet, catalogue)).has_value());
}

TEST(Metrics, AHistoryChangeIsTheNewerValueMinusTheOlder) {
    CharacterSheet weaker;
    weaker.txtMainStat = 5000;
    const CharacterSheet stronger;  // 8,830 main stat: more damage, a shorter kill time
    for (const char* name : {"dps", "kill-time-1"}) {
        const MetricProbe probe(testing::ShippedCatalogue(), *MetricNamed(Utf16OfUtf8(name)));
        const int gains = HigherIsBetter(probe.metric()) ? 1 : -1;
        const std::vector<HistoryValue> values =
            HistoryValues({weaker, stronger, weaker, std::nullopt, stronger}, probe);
        ASSERT_EQ(values.size(), 5u);
        EXPECT_FALSE(values[0].change.has_value());
        EXPECT_EQ(values[1].change, *values[1].value - *values[0].value);
        EXPECT_GT(*values[1].change * gains, 0) << name;  // stronger after weaker
        EXPECT_LT(*values[2].change * gains, 0) << name;  // and back
        EXPECT_FALSE(values[3].value.has_value());
        EXPECT_FALSE(values[3].change.has_value());
        EXPECT_FALSE(values[4].change.has_value());  // nothing known before it
    }
}

}  // namespace
}  // namespace brakefell
