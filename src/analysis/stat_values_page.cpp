#include <utility>

#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"

namespace brakefell {
namespace {

// "+12,345 (+1.25%)", "계산 불가", or empty where the metric has no value.
std::u16string JoinedChange(Metric metric, const ChangedMetric& changed) {
    if (changed.refused) {
        return kRefusedCell;
    }
    if (!changed.value) {
        return {};
    }
    const std::u16string delta = MetricDeltaText(metric, changed.delta);
    return changed.percent ? delta + u" (" + PercentText(changed.percent) + u')' : delta;
}

TableCell ChangeCell(Metric metric, const ChangedMetric& changed) {
    return changed.refused ? NumberCell(kRefusedCell, std::nullopt)
                           : NumberCell(MetricDeltaText(metric, changed.delta), changed.delta);
}

TableCell PercentCell(const ChangedMetric& changed) {
    return changed.refused ? NumberCell(kRefusedCell, std::nullopt)
                           : NumberCell(PercentText(changed.percent), changed.percent);
}

// "다음 구간까지 +22.40%p": how far the attack speed moves, in percentage points.
std::u16string CliffStep(std::u16string_view where, double change) {
    return std::u16string(where) + u' ' + PercentText(change) + u'p';
}

void AddCliff(AnalysisPage& page, std::u16string_view where, const StatValues& values,
              const std::optional<AttackSpeedCliff>& cliff, TableForm form) {
    if (!cliff) {
        return;
    }
    const std::u16string step = CliffStep(where, cliff->attackSpeed - values.attackSpeed);
    const std::u16string value = MetricValueText(values.metric, cliff->value);
    if (form == TableForm::Printed) {
        // "다음 구간까지 +22.40%p → +3.06% (261,610,508)"; the value alone without a share.
        page.notes.push_back(
            {step + u" → " +
                 (cliff->percent ? PercentText(cliff->percent) + u" (" + value + u')' : value),
             Tone::Cliff});
        return;
    }
    page.tables[1].addRow(
        {TextCell(cliff->percent ? step + u" → " + PercentText(cliff->percent) : step, Tone::Cliff),
         NumberCell(PlainText(cliff->attackSpeed), cliff->attackSpeed, Tone::Cliff),
         NumberCell(value, cliff->value, Tone::Cliff)},
        page.tables[1].rows.size());
}

}  // namespace

AnalysisPage StatValuesPage(const StatValues& values, TableForm form) {
    const Metric metric = values.metric;
    const bool printed = form == TableForm::Printed;
    AnalysisPage page;
    if (printed) {
        page.heading = AnalysisHeading(u"스탯 가치", metric);
    }
    if (!values.base) {
        page.summary.push_back({kCannotReckon});
        return page;
    }
    AnalysisTable rows;
    const TableColumn box{printed ? u"칸" : u"입력", CellAlign::Left};
    if (printed) {
        page.summary.push_back({u"기준: " + MetricValueText(metric, values.base)});
        rows.columns = {box, {u"한 단계"}, {u"올리면"}, {u"내리면"}, {u"민첩 환산"}};
    } else {
        rows.columns = {box,         {u"한 단계"},  {u"올리면"},   {u"올리면 %"},
                        {u"내리면"}, {u"내리면 %"}, {u"민첩 환산"}};
    }
    for (std::size_t i = 0; i < values.rows.size(); ++i) {
        const StatValueRow& row = values.rows[i];
        std::vector<TableCell> cells{TextCell(row.caption),
                                     NumberCell(PlainText(row.step), row.step)};
        if (printed) {
            cells.push_back(NumberCell(JoinedChange(metric, row.plus), row.plus.delta));
            cells.push_back(NumberCell(JoinedChange(metric, row.minus), row.minus.delta));
        } else {
            cells.insert(cells.end(), {ChangeCell(metric, row.plus), PercentCell(row.plus),
                                       ChangeCell(metric, row.minus), PercentCell(row.minus)});
        }
        cells.push_back(NumberCell(PlainText(row.mainStatEquivalent), row.mainStatEquivalent));
        rows.addRow(std::move(cells), i);
        // A box the metric does not read (a slot that does no damage): clutter in the window.
        rows.rows.back().unchanged = row.plus.delta == 0.0 && row.minus.delta == 0.0;
    }
    page.tables.push_back(std::move(rows));
    if (!printed) {
        AnalysisTable cliffs;
        cliffs.title = u"공격속도 구간이 바뀌는 곳";
        cliffs.columns = {{u"공격속도 구간", CellAlign::Left}, {u"공격속도"}, {u"지표"}};
        page.tables.push_back(std::move(cliffs));
    }
    AddCliff(page, u"다음 구간까지", values, values.next, form);
    AddCliff(page, u"아래 구간까지", values, values.drop, form);
    return page;
}

}  // namespace brakefell
