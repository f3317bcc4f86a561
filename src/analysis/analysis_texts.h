#pragma once
// How the analyses' numbers read, in the report's own number patterns: the window's tables and
// the headless tool's text say them alike.

#include <optional>
#include <string>
#include <string_view>

#include "analysis/metric.h"
#include "analysis/optimizer.h"
#include "form/form_state.h"

namespace brakefell {

// A metric value: damage as a grouped whole number ("1,234,567"), a kill time in seconds
// ("729.00초"). Empty for nullopt.
std::u16string MetricValueText(Metric metric, std::optional<double> value);

// A metric value as the player reads it, counted in its last digit shown: damage in whole points,
// a kill time in hundredths of a second (12.345초 reads 1235). Two values read alike exactly when
// their MetricValueText is the same.
double MetricReading(Metric metric, double value);

// A change of the metric with its sign: "+12,345", "-3.25초", "0".
std::u16string MetricDeltaText(Metric metric, std::optional<double> delta);

// A relative change with its sign and two decimals: "+1.25%", "-13.04%".
std::u16string PercentText(std::optional<double> percent);

// How far an outcome falls short of the best, a share without a sign: "3.41%".
std::u16string GapText(std::optional<double> gap);

// Where the build of now stands among the optimiser's outcomes: "지금 빌드: 12위, 최고보다 3.41%
// 낮음" ("높음" where less is better), or "지금 빌드가 가장 좋습니다" when nothing reads better. A
// cancelled search says the rank is among the combinations it reached. Empty without a standing.
std::u16string StandingText(Metric metric, const Optimization& optimization);

// A main figure (NamedFigure, FigureComparison) by its key: damage as a grouped whole number,
// kill times in seconds, attack speeds to four decimals, the cycle to one.
std::u16string FigureText(std::u16string_view key, std::optional<double> value);
// The same with its sign: "+1,234", "-0.5200".
std::u16string FigureDeltaText(std::u16string_view key, std::optional<double> delta);

// A number as a person types it: "8930", "37.5".
std::u16string PlainText(std::optional<double> value);

// A page's heading: what it is, the metric and which way is better: "스탯 가치 - 초당
// 피해량(정예) (높을수록 좋음)".
std::u16string AnalysisHeading(std::u16string_view what, Metric metric);

// The metric as the chooser lists it: its caption, and "(낮을수록 좋음)" where less is better
// ("처치 시간(쇠뇌 2개) (낮을수록 좋음)").
std::u16string MetricChoiceCaption(Metric metric);

// One line when the chosen metric cannot be reckoned for these inputs and another is shown
// instead: "초당 피해량(정예) 대신 슬롯 1 한 방 기대값을 보여 줍니다: <why>".
std::u16string MetricFallbackText(Metric chosen, Metric shown, std::u16string_view why);

// One change an optimiser result makes, by the input's caption: "룬: 없음 → 불길", "주술 켬".
std::u16string ChoiceChangeText(const FormState& form, const ChoiceChange& change);

}  // namespace brakefell

namespace brakefell {

// What a search is about to do: "46,656가지 조합을 계산합니다…".
std::u16string SearchSizeText(long long total);

// How far a search has come, and how long it has yet to go at the pace so far: "12,345 /
// 46,656가지 (26%), 남은 시간 약 3초"; without a pace yet, the counts alone.
std::u16string SearchProgressText(long long done, long long total,
                                  std::optional<double> secondsLeft);

}  // namespace brakefell
