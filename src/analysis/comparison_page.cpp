#include <optional>
#include <utility>
#include <vector>

#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// One figure as a face reads it: the build under test against its baseline.
struct FigureRow {
    std::optional<double> tested;
    std::optional<double> baseline;
    std::optional<double> change;   // tested - baseline
    std::optional<double> percent;  // of the baseline
};

// The printed page keeps the tool's frozen reading: A the inputs of now, B the profile, the
// difference B - A. The window reads it as the player works: B (pinned or opened) is the baseline
// 기준 and the inputs of now are the build under test, so 차이 is 지금 - 기준.
FigureRow RowOf(const FigureComparison& f, bool printed) {
    if (printed) {
        return {f.a, f.b, f.difference, f.percent};
    }
    FigureRow row{f.a, f.b, {}, {}};
    if (f.a && f.b) {
        row.change = *f.a - *f.b;
        row.percent = PercentOf(*row.change, *f.b);
    }
    return row;
}

// The tested build better or worse, by the figure's own direction (a shorter kill time is better).
Tone ToneOf(const FigureRow& row, int better) {
    const double gain = row.change.value_or(0) * better;
    return gain > 0 ? Tone::Better : gain < 0 ? Tone::Worse : Tone::Neutral;
}

}  // namespace

AnalysisPage ComparisonPage(const Comparison& comparison, TableForm form) {
    const bool printed = form == TableForm::Printed;
    AnalysisPage page;
    if (printed) {
        page.heading = AnalysisHeading(u"비교 (A: 지금 입력, B: 프로필)", comparison.metric);
    }
    // The heading of the printed page says what A is; the window's columns say it, the
    // baseline first.
    const std::u16string now = printed ? u"A" : u"지금";
    const std::u16string baseline = printed ? u"B" : u"기준 (B)";

    AnalysisTable figures;
    figures.columns = {{u"항목", CellAlign::Left},
                       {printed ? now : baseline},
                       {printed ? baseline : now},
                       {printed ? u"차이" : u"차이 (지금 − 기준)"},
                       {printed ? u"%" : u"% (기준 대비)"}};
    for (std::size_t i = 0; i < comparison.figures.size(); ++i) {
        const FigureComparison& f = comparison.figures[i];
        const FigureRow row = RowOf(f, printed);
        const Tone tone = ToneOf(row, f.better);
        TableCell tested = NumberCell(OrNoValue(FigureText(f.key, row.tested)), row.tested, tone);
        TableCell base = NumberCell(OrNoValue(FigureText(f.key, row.baseline)), row.baseline, tone);
        figures.addRow(
            {TextCell(OrNoValue(f.label), tone), printed ? std::move(tested) : std::move(base),
             printed ? std::move(base) : std::move(tested),
             NumberCell(OrNoValue(FigureDeltaText(f.key, row.change)), row.change, tone),
             NumberCell(OrNoValue(PercentText(row.percent)), row.percent, tone)},
            i);
    }
    page.tables.push_back(std::move(figures));

    AnalysisTable inputs;
    const std::u16string differ = u"다른 입력";
    inputs.title =
        printed
            ? differ + u": " + IntegerText(static_cast<long long>(comparison.inputs.size())) + u"개"
            : differ;
    // Players read captions only; the control names stay in the tool's text and JSON.
    inputs.columns = printed ? std::vector<TableColumn>{{u"칸", CellAlign::Left},
                                                        {u"이름", CellAlign::Left},
                                                        {now, CellAlign::Left},
                                                        {baseline, CellAlign::Left}}
                             : std::vector<TableColumn>{{u"입력", CellAlign::Left},
                                                        {baseline, CellAlign::Left},
                                                        {now, CellAlign::Left}};
    for (std::size_t i = 0; i < comparison.inputs.size(); ++i) {
        const InputDifference& input = comparison.inputs[i];
        TableCell caption = TextCell(OrNoValue(input.caption));
        TableCell tested = TextCell(OrNoValue(input.shownA));
        TableCell base = TextCell(OrNoValue(input.shownB));
        inputs.addRow(
            printed
                ? std::vector<TableCell>{TextCell(OrNoValue(input.name)), std::move(caption),
                                         std::move(tested), std::move(base)}
                : std::vector<TableCell>{std::move(caption), std::move(base), std::move(tested)},
            i);
    }
    page.tables.push_back(std::move(inputs));
    return page;
}

}  // namespace brakefell
