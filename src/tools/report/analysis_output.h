#pragma once
// What brakefell_report prints for an analysis: Korean text in columns lined up as the report's
// (a Korean syllable two columns wide), or JSON.

#include <QByteArray>
#include <QString>

#include "analysis/compare.h"
#include "analysis/optimizer.h"
#include "analysis/stat_values.h"
#include "analysis/sweep.h"
#include "form/form_state.h"

namespace brakefell::report {

QByteArray StatValuesText(const StatValues& values);
QByteArray StatValuesJson(const StatValues& values);

QByteArray ComparisonText(const Comparison& comparison);
QByteArray ComparisonJson(const Comparison& comparison);

QByteArray SweepText(const Sweep& sweep);
QByteArray SweepJson(const Sweep& sweep);

// `form` names the runes and check boxes of the changes.
QByteArray OptimizationText(const Optimization& optimization, Metric metric, const FormState& form);
QByteArray OptimizationJson(const Optimization& optimization, Metric metric);

}  // namespace brakefell::report
