#pragma once
// An analysis' tables for a spreadsheet: each table's column captions on one line, then a line
// per row. A figure is written as the player reads it but plainly: no digit grouping, no "+"
// that the page puts before a gain, no unit ("%", "초"); so the cell "+1,234.5%" is 1234.5 and
// "-0.87" stays -0.87. A figure shown with its share ("+203,276 (+0.08%)") takes two columns,
// the second's caption the first's with " %". A cell of words is written as it stands, quoted where
// it holds a comma or a quote, and a cell without a value is empty. Tables after the first follow
// after an empty line. UTF-8, LF.

#include <string>

#include "analysis/analysis_page.h"

namespace brakefell {

std::string AnalysisPageCsv(const AnalysisPage& page);

// One cell as a CSV field.
std::u16string CsvField(std::u16string_view shown);

}  // namespace brakefell
