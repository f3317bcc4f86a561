#include "analysis/stat_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/search.h"
#include "engine/sentry_brackets.h"
#include "engine/sentry_breakpoints.h"
#include "form/input_captions.h"
#include "text/strings.h"

namespace brakefell {
namespace {

constexpr double kMainStatTenth = 0.1;
constexpr std::int64_t kMostMainStatTenths = 100'000'000;  // 10 million main stat
constexpr double kAttackSpeedHundredth = 0.01;
constexpr std::int64_t kMostAttackSpeedHundredths = 1'000'000;  // 10,000 percentage points

ChangedMetric Changed(const CharacterSheet& sheet, const NumberBox& box, double value,
                      const MetricProbe& probe, double base) {
    CharacterSheet changed = sheet;
    ChangedMetric result;
    result.text = SetBoxValue(box, changed, value);
    const MetricOutcome outcome = probe(changed);
    result.value = outcome.value;
    result.refused = outcome.refused;
    if (outcome.value) {
        result.delta = *outcome.value - base;
        result.percent = PercentOf(*result.delta, base);
    }
    return result;
}

class MainStatEquivalents {
  public:
    MainStatEquivalents(const CharacterSheet& sheet, const MetricProbe& probe, double base)
        : sheet_(sheet), probe_(probe), base_(base), mainStat_(*FindNumberBox(u"txtMainStat")) {
        hundredGain_ = gainAt(1000);
    }

    // The least main stat, in tenths, that gains at least `gain`.
    std::optional<double> of(double gain) const {
        if (!(gain > 0) || !(hundredGain_ > 0)) {
            return std::nullopt;
        }
        // Damage grows about in step with main stat: start where a straight line says.
        const double guess = std::ceil(1000 * gain / hundredGain_);
        const auto tenths =
            LeastHolding([&](std::int64_t n) { return gainAt(n) >= gain; },
                         static_cast<std::int64_t>(std::min(guess, 1e15)), kMostMainStatTenths);
        if (!tenths) {
            return std::nullopt;
        }
        return static_cast<double>(*tenths) * kMainStatTenth;
    }

  private:
    double gainAt(std::int64_t tenths) const {
        CharacterSheet changed = sheet_;
        SetBoxValue(mainStat_, changed,
                    BoxValue(mainStat_, sheet_) + static_cast<double>(tenths) * kMainStatTenth);
        const MetricOutcome outcome = probe_(changed);
        return outcome.value ? probe_.improvement(*outcome.value, base_)
                             : -std::numeric_limits<double>::infinity();
    }

    const CharacterSheet& sheet_;
    const MetricProbe& probe_;
    double base_;
    const NumberBox& mainStat_;
    double hundredGain_ = 0;
};

// The attack speed `hundredths` steps of 0.01 away from what the box holds (negative: below).
CharacterSheet WithAttackSpeed(const CharacterSheet& sheet, std::int64_t hundredths) {
    const NumberBox& box = *FindNumberBox(u"txtAttackSpeed");
    CharacterSheet changed = sheet;
    SetBoxValue(box, changed,
                BoxValue(box, sheet) + static_cast<double>(hundredths) * kAttackSpeedHundredth);
    return changed;
}

std::optional<AttackSpeedCliff> Cliff(const CharacterSheet& sheet, int direction, int row,
                                      const MetricProbe& probe, double base) {
    const bool beyond = direction > 0 ? row >= kFastestBracket : row <= 0;
    if (beyond) {
        return std::nullopt;
    }
    const auto steps = LeastHolding(
        [&](std::int64_t n) {
            const int there = SentryBracketRowOf(WithAttackSpeed(sheet, direction * n));
            return direction > 0 ? there > row : there < row;
        },
        1, kMostAttackSpeedHundredths);
    if (!steps) {
        return std::nullopt;
    }
    const CharacterSheet there = WithAttackSpeed(sheet, direction * *steps);
    const MetricOutcome outcome = probe(there);
    if (!outcome.value) {
        return std::nullopt;
    }
    return AttackSpeedCliff{there.txtAttackSpeed, *outcome.value,
                            PercentOf(*outcome.value - base, base)};
}

}  // namespace

StatValues ComputeStatValues(const CharacterSheet& sheet, const MetricProbe& probe) {
    StatValues values;
    values.metric = probe.metric();
    values.attackSpeed = sheet.txtAttackSpeed;
    values.base = probe(sheet).value;
    if (!values.base) {
        return values;
    }
    const double base = *values.base;
    const MainStatEquivalents equivalents(sheet, probe, base);
    for (const NumberBox& box : NumberBoxes()) {
        if (!BoxCounts(box, sheet)) {
            continue;
        }
        StatValueRow row;
        row.box = &box;
        row.caption = InputCaption(Utf16OfLatin1(box.name));
        row.step = box.step;
        const double now = BoxValue(box, sheet);
        row.plus = Changed(sheet, box, now + box.step, probe, base);
        row.minus = Changed(sheet, box, now - box.step, probe, base);
        if (row.plus.value) {
            row.mainStatEquivalent = equivalents.of(probe.improvement(*row.plus.value, base));
        }
        values.rows.push_back(std::move(row));
    }
    // The brackets matter only while the sentries fire the skills.
    if (sheet.chkCrossbow == 1) {
        const int row = SentryBracketRowOf(sheet);
        values.next = Cliff(sheet, +1, row, probe, base);
        values.drop = Cliff(sheet, -1, row, probe, base);
    }
    return values;
}

}  // namespace brakefell
