#pragma once
// What brakefell_report prints for an analysis: Korean text in columns lined up as the report's
// (a Korean syllable two columns wide), the same tables as CSV for a spreadsheet, or JSON.

#include <QByteArray>
#include <QString>

#include "analysis/compare.h"
#include "analysis/optimizer.h"
#include "analysis/stat_values.h"
#include "analysis/sweep.h"
#include "form/form_state.h"

namespace brakefell::report {

// The analysis' page as text in columns, or its tables as CSV.
enum class OutputForm { Columns, Csv };

QByteArray StatValuesText(const StatValues& values, OutputForm form);
QByteArray StatValuesJson(const StatValues& values);

QByteArray ComparisonText(const Comparison& comparison, OutputForm form);
QByteArray ComparisonJson(const Comparison& comparison);

QByteArray SweepText(const Sweep& sweep);
QByteArray SweepJson(const Sweep& sweep);

// `inputs` names the runes and check boxes of the changes.
QByteArray OptimizationText(const Optimization& optimization, Metric metric,
                            const FormState& inputs, OutputForm form);
QByteArray OptimizationJson(const Optimization& optimization, Metric metric);

}  // namespace brakefell::report
