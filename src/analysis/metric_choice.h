#pragma once
// Which metric the analyses measure a build by, decided once for every face: the one asked for
// (the window's chooser, the tool's --metric) when the inputs give it, else the one they suggest
// (metric.h's DefaultMetric), else none, with the sentence that says why. The window shows the
// stand-in with a line that says so; the tool refuses a metric asked for that the inputs lack.
// Reckons no figures: cheap enough for the window's thread on every keystroke.

#include <optional>
#include <string>

#include "analysis/metric.h"
#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"

namespace brakefell {

struct MetricChoice {
    std::optional<Metric> metric;  // what the analyses measure; nullopt: no numbers
    std::u16string note;           // why there are no numbers; empty when there are
    std::u16string missing;        // why the inputs lack the metric asked; empty when they have it
    // Set when the inputs' suggestion stands in for the metric asked: "초당 피해량(정예) 대신 슬롯
    // 1 한 방 기대값을(를) 보여 줍니다: <why>"; else empty.
    std::u16string fallback;
};

// Without a metric asked, the inputs' suggestion. Inputs the calculation refuses outright (a
// selection outside its list, a number that is not finite) have no numbers whatever the metric;
// the rarer refusals (sentries slower than the slowest bracket, figures too large) come out of
// the analyses themselves, which reckon the figures.
MetricChoice ChooseMetric(std::optional<Metric> asked, const CharacterSheet& sheet,
                          const SkillCatalogue& catalogue);

}  // namespace brakefell
