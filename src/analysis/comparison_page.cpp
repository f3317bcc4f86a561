#include <utility>

#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// B better or worse, by the figure's own direction (a shorter kill time is better).
Tone ToneOf(const FigureComparison& figure) {
    const double gain = figure.difference.value_or(0) * figure.better;
    return gain > 0 ? Tone::Better : gain < 0 ? Tone::Worse : Tone::Neutral;
}

}  // namespace

AnalysisPage ComparisonPage(const Comparison& comparison, TableForm form) {
    const bool printed = form == TableForm::Printed;
    AnalysisPage page;
    if (printed) {
        page.heading = AnalysisHeading(u"비교 (A: 지금 입력, B: 프로필)", comparison.metric);
    }
    // The heading of the printed page says what A is; the window's columns say it.
    const std::u16string a = printed ? u"A" : u"A (지금)";

    AnalysisTable figures;
    figures.columns = {{u"항목", CellAlign::Left}, {a}, {u"B"}, {u"차이"}, {u"%"}};
    for (std::size_t i = 0; i < comparison.figures.size(); ++i) {
        const FigureComparison& f = comparison.figures[i];
        const Tone tone = ToneOf(f);
        figures.addRow(
            {TextCell(OrNoValue(f.label), tone),
             NumberCell(OrNoValue(FigureText(f.key, f.a)), f.a, tone),
             NumberCell(OrNoValue(FigureText(f.key, f.b)), f.b, tone),
             NumberCell(OrNoValue(FigureDeltaText(f.key, f.difference)), f.difference, tone),
             NumberCell(OrNoValue(PercentText(f.percent)), f.percent, tone)},
            i);
    }
    page.tables.push_back(std::move(figures));

    AnalysisTable inputs;
    const std::u16string differ = u"다른 입력";
    inputs.title =
        printed
            ? differ + u": " + IntegerText(static_cast<long long>(comparison.inputs.size())) + u"개"
            : differ;
    const TableColumn name{u"칸", CellAlign::Left};
    const TableColumn caption{printed ? u"이름" : u"입력", CellAlign::Left};
    inputs.columns = {printed ? name : caption,
                      printed ? caption : name,
                      {a, CellAlign::Left},
                      {u"B", CellAlign::Left}};
    for (std::size_t i = 0; i < comparison.inputs.size(); ++i) {
        const InputDifference& input = comparison.inputs[i];
        TableCell nameCell = TextCell(OrNoValue(input.name));
        TableCell captionCell = TextCell(OrNoValue(input.caption));
        inputs.addRow({printed ? nameCell : captionCell, printed ? captionCell : nameCell,
                       TextCell(OrNoValue(input.a)), TextCell(OrNoValue(input.b))},
                      i);
    }
    page.tables.push_back(std::move(inputs));
    return page;
}

}  // namespace brakefell
