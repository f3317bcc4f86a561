#pragma once
// What "better" means when builds are compared: the whole build's elite damage per second, the
// time to kill the big target with one to four sentries, or the elite expected damage of one use
// of the skill in one slot.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"
#include "engine/figures.h"

namespace brakefell {

enum class MetricKind {
    DamagePerSecond,  // "dps": 1초당 총 피해량 기대값(정예)
    KillTime,         // "kill-time-1" .. "kill-time-4": seconds with that many sentries
    SlotHit,          // "hit-0" .. "hit-5": one use of the skill in that slot, elite, expected
};

struct Metric {
    MetricKind kind = MetricKind::DamagePerSecond;
    int index = 0;  // sentries (1..4) for KillTime, the slot (0..5) for SlotHit

    bool operator==(const Metric&) const = default;
};

// "dps", "kill-time-2", "hit-0"; nullopt for any other name.
std::optional<Metric> MetricNamed(std::u16string_view name);
std::u16string MetricName(Metric metric);
// The Korean words the window shows: "초당 피해량(정예)", "처치 시간(쇠뇌 2개)", "슬롯 1 한 방
// 기대값".
std::u16string MetricCaption(Metric metric);

// Every metric there is, in the order a chooser lists them: damage per second, the kill times by
// the number of sentries, each slot's hit.
std::vector<Metric> AllMetrics();

// Damage is better higher, a kill time lower.
bool HigherIsBetter(Metric metric);

// Why the metric does not exist for these inputs (damage per second and kill times without the
// sentries firing the skills; a slot whose rune deals no damage), or the empty text when it does.
std::u16string MetricMissing(Metric metric, const CharacterSheet& sheet,
                             const SkillCatalogue& catalogue);

// The damage per second when the sentries fire the skills, else the hit of the first slot whose
// rune deals damage; nullopt when there is neither.
std::optional<Metric> DefaultMetric(const CharacterSheet& sheet, const SkillCatalogue& catalogue);

// The metric's value in these figures; nullopt when the calculation was refused or the figures
// hold no such value (no rotation in the slowest bracket, no damage at all to kill with). A kill
// time with a sentry that comes after the target is dead is the time of the sentries before it.
std::optional<double> MetricValue(Metric metric, const BuildFigures& figures);

// A change as a share of what it changed from: 100 x change / base; nullopt from a base of 0 (a
// build without damage), where no share means anything.
std::optional<double> PercentOf(double change, double base);

}  // namespace brakefell
