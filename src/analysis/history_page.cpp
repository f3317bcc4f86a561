#include <utility>

#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// Said where the history is shown, once per run, never in a box at start-up: the good lines are
// all there, and the file with the damaged ones was set aside.
TableLine SkippedLinesLine(int skippedLines) {
    return {u"기록 파일의 손상된 줄 " + IntegerText(skippedLines) + u"개를 건너뛰었습니다."};
}

}  // namespace

AnalysisPage HistoryPage(const std::vector<std::u16string>& times,
                         const std::vector<std::u16string>& changes,
                         const std::vector<HistoryValue>& values, std::optional<Metric> metric,
                         int skippedLines) {
    AnalysisPage page;
    if (skippedLines > 0) {
        page.summary.push_back(SkippedLinesLine(skippedLines));
    }
    if (times.empty()) {
        page.summary.push_back({u"기록이 없습니다. \"계산\"을 누를 때마다 여기에 남습니다."});
        return page;
    }
    AnalysisTable table;
    table.columns = {
        {u"시각", CellAlign::Left}, {u"지표"}, {u"차이"}, {u"바뀐 입력", CellAlign::Left}};
    for (std::size_t row = 0; row < times.size(); ++row) {
        const std::size_t at = times.size() - 1 - row;  // newest first
        // The entries are in time order: their index sorts them as their times do.
        const TableCell time = NumberCell(times[at], static_cast<double>(at));
        TableCell changed = TextCell(at < changes.size() ? changes[at] : std::u16string());
        if (metric && at < values.size() && values[at].value) {
            table.addRow(
                {time, NumberCell(MetricValueText(*metric, values[at].value), values[at].value),
                 NumberCell(MetricDeltaText(*metric, values[at].change), values[at].change),
                 std::move(changed)},
                at);
        } else {
            table.addRow({time, NumberCell(kRefusedCell, std::nullopt),
                          NumberCell({}, std::nullopt), std::move(changed)},
                         at);
        }
    }
    page.tables.push_back(std::move(table));
    return page;
}

}  // namespace brakefell
