#include "analysis/metric.h"

#include <algorithm>

#include "form/input_captions.h"
#include "text/strings.h"

namespace brakefell {
namespace {

bool SlotDealsDamage(const CharacterSheet& sheet, const SkillCatalogue& catalogue, int slot) {
    const int skill = sheet.cboUsingSkill[slot];
    const int rune = sheet.cboUsingSkillRune[slot];
    return skill >= 0 && skill < kSkillCount && rune >= 0 && rune < kRuneCount &&
           catalogue[skill].runes[rune].hasDamage;
}

// "kill-time-" followed by one digit in range, and the like.
std::optional<int> IndexAfter(std::u16string_view name, std::u16string_view prefix, int first,
                              int last) {
    if (name.size() != prefix.size() + 1 || !name.starts_with(prefix)) {
        return std::nullopt;
    }
    const int index = name.back() - u'0';
    if (index < first || index > last) {
        return std::nullopt;
    }
    return index;
}

}  // namespace

std::optional<Metric> MetricNamed(std::u16string_view name) {
    if (name == u"dps") {
        return Metric{MetricKind::DamagePerSecond, 0};
    }
    if (const auto sentries = IndexAfter(name, u"kill-time-", 1, kMostSentriesPlaced)) {
        return Metric{MetricKind::KillTime, *sentries};
    }
    if (const auto slot = IndexAfter(name, u"hit-", 0, kSlotCount - 1)) {
        return Metric{MetricKind::SlotHit, *slot};
    }
    return std::nullopt;
}

std::u16string MetricName(Metric metric) {
    switch (metric.kind) {
        case MetricKind::DamagePerSecond:
            return u"dps";
        case MetricKind::KillTime:
            return u"kill-time-" + IntegerText(metric.index);
        case MetricKind::SlotHit:
            return u"hit-" + IntegerText(metric.index);
    }
    return {};
}

std::u16string MetricCaption(Metric metric) {
    switch (metric.kind) {
        case MetricKind::DamagePerSecond:
            return u"초당 피해량(정예)";
        case MetricKind::KillTime:
            return u"처치 시간(쇠뇌 " + IntegerText(metric.index) + u"개)";
        case MetricKind::SlotHit:
            return u"슬롯 " + IntegerText(metric.index + 1) + u" 한 방 기대값";
    }
    return {};
}

std::vector<Metric> AllMetrics() {
    std::vector<Metric> metrics{{MetricKind::DamagePerSecond, 0}};
    for (int sentries = 1; sentries <= kMostSentriesPlaced; ++sentries) {
        metrics.push_back({MetricKind::KillTime, sentries});
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        metrics.push_back({MetricKind::SlotHit, slot});
    }
    return metrics;
}

bool HigherIsBetter(Metric metric) {
    return metric.kind != MetricKind::KillTime;
}

std::u16string MetricMissing(Metric metric, const CharacterSheet& sheet,
                             const SkillCatalogue& catalogue) {
    switch (metric.kind) {
        case MetricKind::DamagePerSecond:
        case MetricKind::KillTime:
            if (sheet.chkCrossbow != 1) {
                return MetricCaption(metric) + u"은(는) " + InputCaption(u"chkCrossbow") +
                       u"를 켰을 때만 계산됩니다.";
            }
            return {};
        case MetricKind::SlotHit:
            if (!SlotDealsDamage(sheet, catalogue, metric.index)) {
                return u"슬롯 " + IntegerText(metric.index + 1) +
                       u"에 고른 룬은 피해를 주지 않습니다.";
            }
            return {};
    }
    return {};
}

std::optional<Metric> DefaultMetric(const CharacterSheet& sheet, const SkillCatalogue& catalogue) {
    if (sheet.chkCrossbow == 1) {
        return Metric{MetricKind::DamagePerSecond, 0};
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (SlotDealsDamage(sheet, catalogue, slot)) {
            return Metric{MetricKind::SlotHit, slot};
        }
    }
    return std::nullopt;
}

std::optional<double> MetricValue(Metric metric, const BuildFigures& f) {
    if (f.refusal != Refusal::None) {
        return std::nullopt;
    }
    const bool perSecond = f.multipliers.sentryFiredMode && f.rotation.defined;
    switch (metric.kind) {
        case MetricKind::DamagePerSecond:
            return perSecond ? std::optional(f.perSecond.totalElitePerSecond) : std::nullopt;
        case MetricKind::KillTime: {
            if (!perSecond || !f.killTimes.defined) {
                return std::nullopt;
            }
            const int sentries = std::min(metric.index, f.killTimes.sentriesInTime);
            return f.killTimes.seconds[sentries - 1];
        }
        case MetricKind::SlotHit:
            for (int k = 0; k < f.blockCount; ++k) {
                const BlockFigures& block = f.blocks[k];
                if (block.slot != metric.index) {
                    continue;
                }
                return block.kind == BlockKind::Companions ? block.companionElite.expectedSum
                                                           : block.elite.expected.total;
            }
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<double> PercentOf(double change, double base) {
    return base != 0 ? std::optional(100 * change / base) : std::nullopt;
}

}  // namespace brakefell
