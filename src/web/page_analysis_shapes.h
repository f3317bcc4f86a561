#pragma once
// The analyses' values as they cross into a page's worker and back: a page of tables, the metric
// chosen, what a range of the optimiser's search found, a suggestion's changes. Plain objects
// (not bound classes), because a worker posts them on to the page, which copies them whole.

#include <emscripten/val.h>

#include <vector>

#include "analysis/analysis_page.h"
#include "analysis/metric_choice.h"
#include "analysis/optimizer.h"

namespace brakefell::web {

// {page: {heading, summary: [{text, tone}], tables: [{title, columns: [{caption, align}],
// rows: [{cells: [{text, sortKey (null: sorts by its text), align, tone}], item, unchanged}]}],
// notes}, csv}: the page and its tables for a spreadsheet.
emscripten::val PageAnswer(const AnalysisPage& page);

// {name, note, fallback}: the metric the analyses measure by ("" for none), why there are no
// numbers, and the line saying another stands in for the one asked.
emscripten::val MetricChoiceOf(const MetricChoice& choice);

// What a range found, as numbers, and back.
emscripten::val JsRangeOf(const OptimizationRange& range);
OptimizationRange RangeOfJs(const emscripten::val& range);

// A suggestion's changes [{name, from, to}], and back.
emscripten::val JsChangesOf(const std::vector<ChoiceChange>& changes);
std::vector<ChoiceChange> ChangesOfJs(const emscripten::val& changes);

}  // namespace brakefell::web
