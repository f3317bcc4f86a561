#include "window/analysis/stat_values_tab.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "analysis/analysis_texts.h"
#include "analysis/stat_values.h"
#include "qt_adapters/qt_text.h"
#include "window/analysis/result_table.h"
#include "window/analysis/sorted_item.h"
#include "window/analysis/table_filling.h"

namespace brakefell {
namespace {

const QColor kCliffColour(255, 244, 200);

void SetRow(QTableWidget& table, int row, const QList<SortedItem*>& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        table.setItem(row, column, cells[column]);
    }
}

// "다음 구간까지 +22.40%p → +3.06%"; without the arrow when the base is 0 and has no share.
QString CliffTitle(const char* where, double change, std::optional<double> percent) {
    QString points = QStringOf(PercentText(change));
    points.replace(u'%', QStringLiteral("%p"));
    const QString title = QString::fromUtf8(where) + u' ' + points;
    return percent ? title + QStringLiteral(" → ") + QStringOf(PercentText(percent)) : title;
}

}  // namespace

StatValuesTab::StatValuesTab(AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), runner_(runner) {
    auto* content = new QWidget(this);
    cliffs_ = MakeResultTable(
        {QStringLiteral("공격속도 구간"), QStringLiteral("공격속도"), QStringLiteral("지표")},
        QStringLiteral("cliffs"), QStringLiteral("공격속도 구간이 바뀌는 곳"), content);
    cliffs_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cliffs_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_ = MakeResultTable(
        {QStringLiteral("입력"), QStringLiteral("한 단계"), QStringLiteral("올리면"),
         QStringLiteral("올리면 %"), QStringLiteral("내리면"), QStringLiteral("내리면 %"),
         QStringLiteral("민첩 환산")},
        QStringLiteral("statValues"), QStringLiteral("스탯 가치"), content);
    table_->setSortingEnabled(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // the window's order
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cliffs_);
    layout->addWidget(table_, 1);

    pages_ = new NoteOrContent(content, this);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(pages_);
}

void StatValuesTab::refresh(const AnalysisInputs& inputs) {
    if (!inputs.metric) {
        runner_.run(this, inputs.generation, [this, note = inputs.note] {
            return [this, note] { show(std::nullopt, note); };
        });
        return;
    }
    runner_.run(this, inputs.generation, [this, inputs] {
        const MetricProbe probe(*inputs.catalogue, inputs.edition, *inputs.metric);
        return [this, values = ComputeStatValues(inputs.sheet, probe)] { show(values, {}); };
    });
}

void StatValuesTab::show(const std::optional<StatValues>& values, const QString& note) {
    if (!values) {
        pages_->showNote(note);
        return;
    }
    if (!values->base) {
        pages_->showNote(QStringLiteral("이 입력으로는 계산할 수 없습니다."));
        return;
    }
    pages_->showContent();
    showRows(*values);
    showCliffs(*values);
}

void StatValuesTab::showRows(const StatValues& values) {
    const Metric metric = values.metric;
    const TableFilling filling(*table_);
    table_->setRowCount(static_cast<int>(values.rows.size()));
    int row = 0;
    for (const StatValueRow& r : values.rows) {
        const auto change = [&](const ChangedMetric& c, bool percent) {
            if (c.refused) {
                return new SortedItem(QStringLiteral("계산 불가"), std::nullopt);
            }
            return percent ? new SortedItem(QStringOf(PercentText(c.percent)), c.percent)
                           : new SortedItem(QStringOf(MetricDeltaText(metric, c.delta)), c.delta);
        };
        SetRow(*table_, row++,
               {new SortedItem(QStringOf(r.caption), std::nullopt),
                new SortedItem(QStringOf(PlainText(r.step)), r.step), change(r.plus, false),
                change(r.plus, true), change(r.minus, false), change(r.minus, true),
                new SortedItem(QStringOf(PlainText(r.mainStatEquivalent)), r.mainStatEquivalent)});
    }
}

void StatValuesTab::showCliffs(const StatValues& values) {
    const Metric metric = values.metric;
    const TableFilling filling(*cliffs_);
    cliffs_->setRowCount(0);
    const auto cliff = [&](const char* where, const std::optional<AttackSpeedCliff>& c) {
        if (!c) {
            return;
        }
        const int at = cliffs_->rowCount();
        cliffs_->insertRow(at);
        SetRow(*cliffs_, at,
               {new SortedItem(CliffTitle(where, c->attackSpeed - values.attackSpeed, c->percent),
                               std::nullopt),
                new SortedItem(QStringOf(PlainText(c->attackSpeed)), c->attackSpeed),
                new SortedItem(QStringOf(MetricValueText(metric, c->value)), c->value)});
        for (int column = 0; column < cliffs_->columnCount(); ++column) {
            cliffs_->item(at, column)->setBackground(kCliffColour);
        }
    };
    cliff("다음 구간까지", values.next);
    cliff("아래 구간까지", values.drop);
    cliffs_->setVisible(cliffs_->rowCount() > 0);
    // Exactly as high as its rows: the cliffs never scroll.
    int height = cliffs_->horizontalHeader()->height() + 2 * cliffs_->frameWidth();
    for (int row = 0; row < cliffs_->rowCount(); ++row) {
        height += cliffs_->rowHeight(row);
    }
    cliffs_->setFixedHeight(height);
}

}  // namespace brakefell
