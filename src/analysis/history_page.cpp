#include <utility>

#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"

namespace brakefell {

AnalysisPage HistoryPage(const std::vector<std::u16string>& times,
                         const std::vector<HistoryValue>& values, std::optional<Metric> metric) {
    AnalysisTable table;
    table.columns = {{u"시각", CellAlign::Left}, {u"지표"}, {u"차이"}};
    for (std::size_t row = 0; row < times.size(); ++row) {
        const std::size_t at = times.size() - 1 - row;  // newest first
        // The entries are in time order: their index sorts them as their times do.
        const TableCell time = NumberCell(times[at], static_cast<double>(at));
        if (metric && at < values.size() && values[at].value) {
            table.addRow(
                {time, NumberCell(MetricValueText(*metric, values[at].value), values[at].value),
                 NumberCell(MetricDeltaText(*metric, values[at].change), values[at].change)},
                at);
        } else {
            table.addRow(
                {time, NumberCell(kRefusedCell, std::nullopt), NumberCell({}, std::nullopt)}, at);
        }
    }
    AnalysisPage page;
    page.tables.push_back(std::move(table));
    return page;
}

}  // namespace brakefell
