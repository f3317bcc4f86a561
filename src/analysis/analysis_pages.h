#pragma once
// Each analysis as one page of tables (analysis_page.h), so that every wording of the analyses
// (headings, column captions, the cliff lines, the optimiser's change list, why there are no
// numbers) is written here once. Two forms of the same tables:
// - Printed: a page read whole in a fixed-pitch font (brakefell_report's text): a change and its
//   share in one column, columns named after the metric, the cliffs as lines under the table;
// - Browsed: tables a person sorts and selects under the window's metric chooser: every number in
//   its own column so that it sorts, the cliffs as a table of their own.

#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_page.h"
#include "analysis/compare.h"
#include "analysis/history_values.h"
#include "analysis/optimizer.h"
#include "analysis/stat_values.h"
#include "analysis/sweep.h"
#include "form/form_state.h"

namespace brakefell {

enum class TableForm { Printed, Browsed };

// Why an analysis of the character itself has no numbers.
inline constexpr char16_t kCannotReckon[] = u"이 입력으로는 계산할 수 없습니다.";
// A cell whose changed inputs the calculation refused.
inline constexpr char16_t kRefusedCell[] = u"계산 불가";

// Printed: the table of rows, the cliffs as notes. Browsed: tables {rows, cliffs}; the summary
// alone when the character cannot be reckoned.
AnalysisPage StatValuesPage(const StatValues& values, TableForm form);

// Tables {main figures, inputs that differ}; Browsed colours a figure's row by whether B is
// better or worse by the figure's own direction.
AnalysisPage ComparisonPage(const Comparison& comparison, TableForm form);

// Printed only: the window draws a sweep as a chart.
AnalysisPage SweepPage(const Sweep& sweep);

// The best builds, each row's item its rank - 1; `form` names the runes and check boxes of the
// changes.
AnalysisPage OptimizationPage(const Optimization& optimization, Metric metric,
                              const FormState& inputs, TableForm form);

// Browsed only: the calculation history newest first, each row's item its entry (oldest 0), with
// what the player changed since the entry before (history_readings.h). `times`, `changes` and
// `values` are in the history's order; without a metric every value is refused. The summary says
// how many damaged lines of the history file were skipped; without entries the page is a note.
AnalysisPage HistoryPage(const std::vector<std::u16string>& times,
                         const std::vector<std::u16string>& changes,
                         const std::vector<HistoryValue>& values, std::optional<Metric> metric,
                         int skippedLines);

}  // namespace brakefell
