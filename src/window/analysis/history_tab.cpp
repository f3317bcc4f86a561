#include "window/analysis/history_tab.h"

#include <QDateTime>
#include <QVBoxLayout>

#include "analysis/analysis_pages.h"
#include "analysis/history_values.h"
#include "qt_adapters/qt_text.h"
#include "window/calculator_window.h"

namespace brakefell {

HistoryTab::HistoryTab(CalculatorWindow& mainWindow, QWidget* parent)
    : AnalysisTab(parent), mainWindow_(mainWindow) {
    auto* content = new QWidget(this);
    table_ = new AnalysisTableView(QStringLiteral("history"), QStringLiteral("계산 기록"),
                                   AnalysisTableView::Fit::FirstStretches, content);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setToolTip(QStringLiteral("두 번 누르거나 Enter: 그 입력으로 되돌리고 계산"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    pages_ = new NoteOrContent(content, this);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(pages_);

    // Activation is a double-click or Enter on this platform's item views.
    connect(table_, &QTableView::activated, this,
            [this](const QModelIndex& index) { restoreRow(table_->sourceRow(index.row())); });
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
    std::vector<std::u16string> times;
    times.reserve(entries.size());
    for (const HistoryEntry& entry : entries) {
        times.push_back(TextOf(QDateTime::fromMSecsSinceEpoch(entry.time)
                                   .toLocalTime()
                                   .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    }
    table_->showTable(std::move(HistoryPage(times, values, inputs.chosen).tables.at(0)));
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
