#pragma once
// How the analyses' numbers read, in the report's own number patterns: the window's tables and
// the headless tool's text say them alike.

#include <QString>
#include <optional>

#include "analysis/metric.h"
#include "analysis/optimizer.h"
#include "form/form_state.h"

namespace brakefell {

// A metric value: damage as a grouped whole number ("1,234,567"), a kill time in seconds
// ("729.00초"). Empty for nullopt.
QString MetricValueText(Metric metric, std::optional<double> value);

// A change of the metric with its sign: "+12,345", "-3.25초", "0".
QString MetricDeltaText(Metric metric, std::optional<double> delta);

// A relative change with its sign and two decimals: "+1.25%", "-13.04%".
QString PercentText(std::optional<double> percent);

// A main figure (NamedFigure, FigureComparison) by its key: damage as a grouped whole number,
// kill times in seconds, attack speeds to four decimals, the cycle to one.
QString FigureText(const QString& key, std::optional<double> value);
// The same with its sign: "+1,234", "-0.5200".
QString FigureDeltaText(const QString& key, std::optional<double> delta);

// A number as a person types it: "8930", "37.5".
QString PlainText(std::optional<double> value);

// One change an optimiser result makes, by the input's caption: "룬: 없음 → 불길", "주술 켬".
QString ChoiceChangeText(const FormState& form, const ChoiceChange& change);

}  // namespace brakefell
