#include <utility>

#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"
#include "form/input_captions.h"

namespace brakefell {

AnalysisPage SweepPage(const Sweep& sweep) {
    AnalysisPage page;
    page.heading = AnalysisHeading(
        u"변화 - " + sweep.name + u" (" + InputCaption(sweep.name) + u')', sweep.metric);
    AnalysisTable points;
    points.columns = {{u"값", CellAlign::Left}, {MetricCaption(sweep.metric)}};
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const SweepPoint& point = sweep.points[i];
        points.addRow(
            {NumberCell(PlainText(point.value), point.value),
             point.metric ? NumberCell(MetricValueText(sweep.metric, point.metric), point.metric)
                          : NumberCell(kRefusedCell, std::nullopt)},
            i);
    }
    page.tables.push_back(std::move(points));

    std::u16string changes;
    for (const double at : sweep.bracketChanges) {
        changes += (changes.empty() ? u"" : u", ") + PlainText(at);
    }
    page.notes.push_back(
        {u"쇠뇌 공속 구간이 바뀌는 곳: " + (changes.empty() ? u"없음" : changes), Tone::Cliff});
    return page;
}

}  // namespace brakefell
