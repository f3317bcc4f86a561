#include <cmath>
#include <utility>

#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"
#include "text/number_format.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// "룬: 없음 → 불길, 주술 켬", or that the build is the one of now; then how many other
// combinations give the same value ("같은 값 12가지"), so that a player knows the suggestion is
// the simplest of several.
std::u16string ChangesText(const FormState& inputs, const OptimizedBuild& build) {
    std::u16string text;
    for (const ChoiceChange& change : build.changes) {
        text += (text.empty() ? u"" : u", ") + ChoiceChangeText(inputs, change);
    }
    if (text.empty()) {
        text = u"(지금 그대로)";
    }
    if (build.ties > 0) {
        text += u" (같은 값 " + FormatNumber(static_cast<double>(build.ties), u"#,##0") + u"가지)";
    }
    return text;
}

}  // namespace

AnalysisPage OptimizationPage(const Optimization& optimization, Metric metric,
                              const FormState& inputs, TableForm form) {
    const bool printed = form == TableForm::Printed;
    const std::u16string combinations =
        FormatNumber(static_cast<double>(optimization.combinations), u"#,##0");
    AnalysisPage page;
    if (printed) {
        page.heading = AnalysisHeading(u"최적화", metric);
        if (!optimization.base) {
            page.summary.push_back({kCannotReckon});
            return page;
        }
        page.summary.push_back({u"지금: " + MetricValueText(metric, optimization.base) +
                                u", 계산한 조합: " + combinations + u"가지"});
    } else if (optimization.cancelled) {
        // Where the search stopped; what it found so far is still worth a look.
        const double share = optimization.total > 0
                                 ? 100.0 * static_cast<double>(optimization.combinations) /
                                       static_cast<double>(optimization.total)
                                 : 0;
        page.summary.push_back({u"취소됨 (" + FormatNumber(std::floor(share), u"0") + u"% 탐색)"});
    } else {
        page.summary.push_back({combinations + u"가지 조합을 모두 계산했습니다."});
    }
    if (optimization.standing) {
        page.summary.push_back({StandingText(metric, optimization)});
    }
    AnalysisTable best;
    best.columns = {{u"순위"},
                    {printed ? MetricCaption(metric) : u"지표"},
                    {u"변화"},
                    {u"최고와 차이"},
                    {u"바꿀 것", CellAlign::Left}};
    for (std::size_t i = 0; i < optimization.top.size(); ++i) {
        const OptimizedBuild& build = optimization.top[i];
        const auto rank = static_cast<long long>(i + 1);
        best.addRow(
            {NumberCell(IntegerText(rank), static_cast<double>(rank)),
             NumberCell(MetricValueText(metric, build.value), build.value),
             NumberCell(PercentText(build.percent), build.percent),
             NumberCell(GapText(build.gap), build.gap), TextCell(ChangesText(inputs, build))},
            i);
    }
    page.tables.push_back(std::move(best));
    return page;
}

}  // namespace brakefell
