// The report says what the figures say: over random characters in both editions, every amount,
// percentage, speed, count and time in the report text equals the figure that belongs at its
// place, rounded as it is printed. Where each figure belongs is written here from the report's
// templates, apart from the writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "engine/compute_figures.h"
#include "engine/report/write_report.h"
#include "engine_fixtures.h"
#include "golden_cases.h"
#include "random_characters.h"
#include "text/readable_decimal.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::Lines;

// A figure and how it is printed: an amount (a whole number; 0 or less, or what rounds to 0,
// prints nothing), a number with some decimals, a percentage with some decimals, or a count with
// up to 15 significant digits.
enum class As { Amount, Decimals, Percent, Count };

struct Printed {
    double figure;
    int decimals = 0;
    As as = As::Amount;
};

// The numbers of a line after its label: grouped whole numbers, decimals with or without their
// leading zero ("4.25", ".50", "-.25"), in the order they stand.
std::vector<double> NumbersIn(std::u16string_view text) {
    static const std::regex number(R"(-?(\d[\d,]*)?\.?\d+)");
    const std::string bytes = Utf8OfUtf16(text);
    std::vector<double> numbers;
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), number);
         it != std::sregex_iterator(); ++it) {
        std::string digits = it->str();
        std::erase(digits, ',');
        numbers.push_back(std::strtod(digits.c_str(), nullptr));
    }
    return numbers;
}

// The value of `figure` rounded to `digits` significant digits, by the C library's printf.
double Significant(double figure, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, figure);
    return std::strtod(text, nullptr);
}

std::vector<double> Expected(const std::vector<Printed>& figures) {
    std::vector<double> numbers;
    for (const Printed& p : figures) {
        switch (p.as) {
            case As::Amount: {
                const double rounded = RoundReadableValue(p.figure, 0, HalfRule::AwayFromZero);
                if (p.figure > 0 && rounded != 0) {
                    numbers.push_back(rounded);
                }
                break;
            }
            case As::Decimals:
                numbers.push_back(RoundReadableValue(p.figure, p.decimals, HalfRule::AwayFromZero));
                break;
            case As::Percent:  // the point moves two places on the digits as read
                numbers.push_back(
                    100 * RoundReadableValue(p.figure, p.decimals + 2, HalfRule::AwayFromZero));
                break;
            case As::Count:
                numbers.push_back(Significant(p.figure, 15));
                break;
        }
    }
    return numbers;
}

// Equal but for the last bits that reading a decimal back may leave.
::testing::AssertionResult SameNumbers(const std::vector<double>& printed,
                                       const std::vector<double>& expected) {
    bool same = printed.size() == expected.size();
    for (std::size_t i = 0; same && i < printed.size(); ++i) {
        same = std::fabs(printed[i] - expected[i]) <= 1e-9 * std::max(1.0, std::fabs(expected[i]));
    }
    if (same) {
        return ::testing::AssertionSuccess();
    }
    auto list = [](const std::vector<double>& numbers) {
        std::string texts;
        for (const double n : numbers) {
            char text[64];
            std::snprintf(text, sizeof text, "%s%.17g", texts.empty() ? "" : " ", n);
            texts += text;
        }
        return texts;
    };
    return ::testing::AssertionFailure()
           << "printed [" << list(printed) << "], figures [" << list(expected) << "]";
}

// The part of a line after its label (the first ": " or the given marker).
std::u16string AfterLabel(std::u16string_view line, std::u16string_view marker = u": ") {
    const std::size_t at = line.find(marker);
    return at == std::u16string_view::npos ? std::u16string()
                                           : std::u16string(line.substr(at + marker.size()));
}

class Agreement {
  public:
    Agreement(const BuildFigures& f, const CalculationReport& report, Edition edition,
              int caseNumber)
        : f_(f), report_(report), edition_(edition), case_(caseNumber) {}

    void Check() {
        for (int k = 0; k < f_.blockCount; ++k) {
            CheckBlock(k);
        }
        if (f_.multipliers.sentryFiredMode) {
            CheckBreakpoints();
            CheckGems();
            CheckCycleReport();
        }
    }

  private:
    void Same(std::u16string_view text, const std::vector<Printed>& figures, const char* where) {
        EXPECT_TRUE(SameNumbers(NumbersIn(text), Expected(figures)))
            << "case " << case_ << ", " << where << ": " << Utf8OfUtf16(text);
    }

    void CheckBlock(int k) {
        const BlockFigures& b = f_.blocks[k];
        const std::vector<std::u16string> lines = Lines(report_.resultBoxes[k].text);
        ASSERT_EQ(lines.size(), 9u) << "case " << case_;
        const bool full = edition_ == Edition::Full;
        const MonsterFigures* monsters[] = {&b.normal, &b.elite};
        const CompanionMonsterFigures* companions[] = {&b.companionNormal, &b.companionElite};
        for (int m = 0; m < 2; ++m) {
            const std::u16string base = AfterLabel(lines[2 + 4 * m]);
            const std::u16string critical = AfterLabel(lines[3 + 4 * m]);
            const std::u16string expected = AfterLabel(lines[4 + 4 * m]);
            if (b.kind == BlockKind::Companions) {
                const CompanionMonsterFigures& c = *companions[m];
                for (const auto& [text, line] :
                     {std::pair{base, &c.base}, {critical, &c.critical}}) {
                    std::vector<Printed> each;
                    if (full) {
                        for (int j = 0; j < kRuneCount; ++j) {
                            each.push_back({j == 4 ? line->each[j] / 2 : line->each[j]});
                        }
                    }
                    each.push_back({line->sum});
                    Same(testing::ReplaceAll(text, u"×2", u""), each, "companion line");
                }
                Same(expected, {{c.expectedSum}}, "companion expected");
                continue;
            }
            const MonsterFigures& h = *monsters[m];
            const bool multi = b.kind == BlockKind::MultiHit;
            for (const auto& [text, line] : {std::pair{base, &h.base}, {critical, &h.critical}}) {
                std::vector<Printed> figures;
                if (full) {
                    figures.push_back({line->min});
                    if (multi)
                        figures.push_back({line->extraMin});
                    figures.push_back({line->max});
                    if (multi)
                        figures.push_back({line->extraMax});
                }
                figures.push_back({line->avg});
                if (multi)
                    figures.push_back({line->extraAvg});
                Same(text, figures, "hit line");
            }
            if (multi) {
                Same(expected, {{h.expected.total}, {h.expected.main}, {h.expected.extra}},
                     "expected");
            } else {
                Same(expected, {{h.expected.main}}, "expected");
            }
        }
    }

    void CheckBreakpoints() {
        const std::vector<std::u16string> lines = Lines(report_.resultBoxes[kBreakpointBox].text);
        ASSERT_EQ(lines.size(), 7u) << "case " << case_;
        for (int i = 0; i < kBreakpointCount; ++i) {
            const BreakpointFigures& need = f_.speed.breakpoints[i];
            const std::u16string numbers = AfterLabel(lines[1 + i]);
            if (!f_.speed.needsDefined) {
                Same(numbers, {}, "undefined breakpoint");
                continue;
            }
            Same(numbers, {{need.needed, 2, As::Decimals}, {need.missing, 2, As::Decimals}},
                 "breakpoint");
        }
    }

    void CheckGems() {
        const DamageOverTimeFigures& dot = f_.damageOverTime;
        const std::pair<bool, const ResultBoxText*> gems[] = {
            {dot.bleedShown, &report_.resultBoxes[kBleedGemBox]},
            {dot.poisonShown, &report_.resultBoxes[kPoisonGemBox]}};
        const double normal[] = {dot.bleedGemPerSecond, dot.poisonGemPerSecond};
        const double elite[] = {dot.bleedElitePerSecond, dot.poisonElitePerSecond};
        for (int g = 0; g < 2; ++g) {
            EXPECT_EQ(gems[g].second->visible, gems[g].first) << "case " << case_;
            if (!gems[g].first) {
                continue;
            }
            const std::vector<std::u16string> lines = Lines(gems[g].second->text);
            ASSERT_EQ(lines.size(), 3u);
            Same(AfterLabel(lines[1]), {{normal[g]}}, "gem, normal");
            Same(AfterLabel(lines[2]), {{elite[g]}}, "gem, elite");
        }
    }

    void CheckCycleReport() {
        const std::vector<std::u16string> lines = Lines(*report_.totals);
        const std::u16string speed = lines[0].substr(2, lines[0].find(u'(') - 2);  // after "공속"
        Same(speed, {{f_.speed.sentryAttackSpeed, 4, As::Decimals}}, "bracket header");
        if (!f_.rotation.defined) {
            return;
        }
        const PerSecondFigures& p = f_.perSecond;
        int at = 1;
        Same(AfterLabel(lines[at++]), {{p.sentryNormalPerSecond}}, "one sentry, normal");
        Same(AfterLabel(lines[at++]), {{p.sentryElitePerSecond}}, "one sentry, elite");
        if (f_.hasCompanionSlot) {
            Same(AfterLabel(lines[at++]), {{p.companionElitePerSecond}}, "companions");
        }
        at += 1;  // the empty line
        Same(AfterLabel(lines[at++]), {{p.totalElitePerSecond}}, "whole build");
        at += 1;
        Same(AfterLabel(lines[at++], u"기준, "),
             {{static_cast<double>(p.sentryCount), 0, As::Count},
              {f_.rotation.cycleLength, 1, As::Decimals}},
             "share heading");
        for (int i = 0; i < f_.shareCount; ++i) {
            const ShareFigures& share = f_.shares[i];
            const std::u16string line = lines[at++];
            const std::size_t labelEnd = line.find(u"):") + 2;
            std::vector<Printed> figures;
            if (share.source == ShareSource::Block) {
                // The uses per cycle (and the sentry's shots) in the label.
                figures.push_back({share.usesPerCycle, 0, As::Count});
                if (share.withShots) {
                    figures.push_back({f_.rotation.sentryShotsPerCycle, 0, As::Count});
                }
                Same(line.substr(0, labelEnd), figures, "share label");
            }
            std::vector<Printed> amounts;
            if (share.shareDefined) {
                amounts.push_back({share.share, 1, As::Percent});
            }
            amounts.push_back({share.amount});
            Same(line.substr(labelEnd), amounts, "share");
        }
        const std::vector<std::u16string> times = testing::Split(lines.back(), u", ");
        ASSERT_EQ(times.size(), 4u);
        for (int k = 0; k < 4; ++k) {
            std::vector<Printed> printed;
            if (f_.killTimes.defined && k < f_.killTimes.sentriesInTime) {
                printed.push_back({f_.killTimes.seconds[k], 2, As::Decimals});
            }
            Same(AfterLabel(times[k]), printed, "kill time");
        }
    }

    const BuildFigures& f_;
    const CalculationReport& report_;
    Edition edition_;
    int case_;
};

TEST(FiguresAgreeWithTheReport, OverRandomCharactersInBothEditions) {
    std::mt19937_64 random(20261208);
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const int cases = testing::RandomCaseCount(400);
    int compared = 0;
    for (int c = 0; c < cases; ++c) {
        const CharacterSheet sheet = testing::RandomCharacter(random);
        const Edition edition = c % 2 == 0 ? Edition::Full : Edition::Lite;
        const BuildFigures figures = ComputeFigures(sheet, catalogue);
        const CalculationReport report = WriteReport(figures, catalogue, edition);
        if (figures.refusal != Refusal::None) {
            EXPECT_TRUE(report.resultBoxes[0].text.empty()) << "case " << c;
            continue;
        }
        Agreement(figures, report, edition, c).Check();
        ++compared;
    }
    EXPECT_GT(compared, cases * 3 / 4);
}

// Trying each rune of a slot over the character's first step reports what a whole calculation of
// that rune does, refusals included.
TEST(RuneTrials, EachTrialReportsAsAWholeCalculation) {
    std::mt19937_64 random(20261218);
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    for (int c = 0; c < testing::RandomCaseCount(60); ++c) {
        CharacterSheet sheet = testing::RandomCharacter(random);
        if (c % 5 == 4) {
            sheet.txtMainStat = HUGE_VAL;  // a refused character has no runes to try
        }
        RuneTrials trials(sheet, catalogue);
        for (int rune = 0; rune < kRuneCount; ++rune) {
            sheet.cboUsingSkillRune[c % kSlotCount] = rune;
            const CalculationReport tried =
                WriteReport(trials.withRunes(sheet), catalogue, Edition::Full);
            const CalculationReport whole =
                WriteReport(ComputeFigures(sheet, catalogue), catalogue, Edition::Full);
            EXPECT_EQ(testing::RenderForGolden(tried), testing::RenderForGolden(whole))
                << "case " << c << ", rune " << rune;
        }
    }
}

}  // namespace
}  // namespace brakefell
