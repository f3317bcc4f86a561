#include "window/analysis/history_tab.h"

#include <QDateTime>
#include <QVBoxLayout>

#include "analysis/analysis_texts.h"
#include "analysis/history_values.h"
#include "qt_adapters/qt_text.h"
#include "window/analysis/result_table.h"
#include "window/analysis/table_filling.h"
#include "window/calculator_window.h"

namespace brakefell {

HistoryTab::HistoryTab(CalculatorWindow& mainWindow, QWidget* parent)
    : AnalysisTab(parent), mainWindow_(mainWindow) {
    auto* content = new QWidget(this);
    table_ =
        MakeResultTable({QStringLiteral("시각"), QStringLiteral("지표"), QStringLiteral("차이")},
                        QStringLiteral("history"), QStringLiteral("계산 기록"), content);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setToolTip(QStringLiteral("두 번 누르거나 Enter: 그 입력으로 되돌리고 계산"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    pages_ = new NoteOrContent(content, this);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(pages_);

    // Activation is a double-click or Enter on this platform's item views.
    connect(table_, &QTableWidget::activated, this,
            [this](const QModelIndex& index) { restoreRow(index.row()); });
}

void HistoryTab::readSheets(const FormState& now) {
    const std::vector<HistoryEntry>& entries = mainWindow_.history().entries();
    const std::optional<UtcMillis> newest =
        entries.empty() ? std::nullopt : std::optional(entries.back().time);
    if (sheets_.size() == entries.size() && newestRead_ == newest) {
        return;
    }
    sheets_.clear();
    sheets_.reserve(entries.size());
    for (const HistoryEntry& entry : entries) {
        sheets_.push_back(SheetOfBuild(entry.build, now));
    }
    newestRead_ = newest;
}

void HistoryTab::refresh(const AnalysisInputs& inputs) {
    readSheets(inputs.form);
    if (sheets_.empty()) {
        pages_->showNote(
            QStringLiteral("기록이 없습니다. \"계산\"을 누를 때마다 여기에 남습니다."));
        return;
    }
    pages_->showContent();
    std::vector<HistoryValue> values;
    if (inputs.chosen) {
        values = HistoryValues(sheets_, MetricProbe(inputs.form.catalogue(), *inputs.chosen));
    }
    const std::vector<HistoryEntry>& entries = mainWindow_.history().entries();
    const TableFilling filling(*table_);
    const int rows = static_cast<int>(entries.size());
    table_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const std::size_t at = entries.size() - 1 - static_cast<std::size_t>(row);  // newest first
        const QString time = QDateTime::fromMSecsSinceEpoch(entries[at].time)
                                 .toLocalTime()
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QString value = QStringLiteral("계산 불가");
        QString change;
        if (at < values.size() && values[at].value) {
            value = QStringOf(MetricValueText(*inputs.chosen, values[at].value));
            change = QStringOf(MetricDeltaText(*inputs.chosen, values[at].change));
        }
        table_->setItem(row, 0, ResultCell(time, false));
        table_->setItem(row, 1, ResultCell(value, true));
        table_->setItem(row, 2, ResultCell(change, true));
    }
}

void HistoryTab::restoreRow(int row) {
    const std::vector<HistoryEntry>& entries = mainWindow_.history().entries();
    if (row < 0 || row >= static_cast<int>(entries.size())) {
        return;
    }
    // A copy: pressing "계산" adds to the history the entry lives in.
    const HistoryEntry entry = entries[entries.size() - 1 - static_cast<std::size_t>(row)];
    mainWindow_.restore(entry);
}

}  // namespace brakefell
